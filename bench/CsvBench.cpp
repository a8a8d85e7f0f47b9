#include "CsvBench.h"

#include "app/Edition.h"
#include "core/CsvFile.h"
#include "core/CsvImport.h"
#include "core/DBItemCollection.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void printMedian(const char* name, std::vector<double> runs) {
    std::fprintf(stderr, "%s runs:", name);
    for (double r : runs)
        std::fprintf(stderr, " %.1f", r);
    std::fprintf(stderr, "\n");
    std::sort(runs.begin(), runs.end());
    std::printf("%s %.1f\n", name, runs[runs.size() / 2]);
    std::fflush(stdout);
}

bool sameItem(const Item& a, const Item& b) {
    if (a.GetGroup() != b.GetGroup() || a.GetNumberOfItems() != b.GetNumberOfItems() ||
        a.GetLocation() != b.GetLocation() || a.GetPrice() != b.GetPrice() || a.GetPriceToday() != b.GetPriceToday())
        return false;
    for (int f = 0; f < Item::TextFieldCount; ++f) {
        if (a.Latin1(Item::TextField(f)) != b.Latin1(Item::TextField(f)))
            return false;
    }
    return true;
}

} // namespace

void RunCsvExport(const DBItemCollection& collection, const QString& path, int repeat) {
    const std::vector<const Item*> items(collection.begin(), collection.end());
    std::vector<double> runs;
    for (int run = 0; run < repeat; ++run) {
        QElapsedTimer timer;
        timer.start();
        QString error;
        if (!CsvFile::Export(path, items, collection, &error)) {
            std::fprintf(stderr, "vestrum_bench: could not write %s: %s\n", qPrintable(path), qPrintable(error));
            std::exit(1);
        }
        runs.push_back(timer.nsecsElapsed() / 1e6);
    }
    printMedian("csv_ms", runs);
}

int RunCsvImport(DBItemCollection& collection, const QString& path, int repeat) {
    const int before = collection.Count();
    std::vector<double> runs;
    CsvImport::Outcome outcome;
    int imported = 0;
    for (int run = 0; run < repeat; ++run) {
        if (run > 0) {
            // The items of the previous run go again.
            std::vector<Item*> kept(collection.begin(), collection.begin() + before);
            for (Item* item : collection.ReplaceItems(kept))
                delete item;
        }
        QElapsedTimer timer;
        timer.start();
        CsvImport import;
        QString error;
        if (!import.ReadFile(path, &error)) {
            std::fprintf(stderr, "vestrum_bench: could not read %s: %s\n", qPrintable(path), qPrintable(error));
            std::exit(1);
        }
        auto items = import.Items(import.DefaultMapping(), collection, Edition(), false, &outcome);
        for (auto& item : items)
            collection.Add(item.release());
        imported = int(items.size());
        runs.push_back(timer.nsecsElapsed() / 1e6);
    }
    printMedian("import_csv_ms", runs);
    std::printf("imported %d\n", imported);
    for (const CsvImport::Problem& problem : outcome.problems) {
        if (problem.blocking)
            std::printf("problem: %d | %s\n", problem.row, qPrintable(problem.text));
        else
            std::fprintf(stderr, "note: %d | %s\n", problem.row, qPrintable(problem.text));
    }
    std::fflush(stdout);
    if (imported > 0 && imported == before) {
        int equal = 0;
        for (int i = 0; i < before; ++i)
            equal += sameItem(*collection.At(i), *collection.At(before + i));
        std::fprintf(stderr, "round trip: %d of %d items equal\n", equal, before);
    }
    return imported;
}
