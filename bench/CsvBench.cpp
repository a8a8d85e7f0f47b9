#include "bench/CsvBench.h"

#include "app/Edition.h"
#include "core/CsvFile.h"
#include "core/CsvImport.h"
#include "core/DBItemCollection.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

// Processor time goes to the error output: on a busy machine the wall clock mostly measures the waiting.
void printMedian(const char* name, std::vector<double> runs, std::vector<double> cpu) {
    std::fprintf(stderr, "%s runs:", name);
    for (double r : runs)
        std::fprintf(stderr, " %.1f", r);
    std::sort(cpu.begin(), cpu.end());
    std::fprintf(stderr, " (processor time, median: %.1f)\n", cpu[cpu.size() / 2]);
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
    std::vector<double> runs, cpu;
    for (int run = 0; run < repeat; ++run) {
        QElapsedTimer timer;
        timer.start();
        const std::clock_t cpuStart = std::clock();
        QString error;
        if (!CsvFile::Export(path, items, collection, &error)) {
            std::fprintf(stderr, "vestrum_bench: could not write %s: %s\n", qPrintable(path), qPrintable(error));
            std::exit(1);
        }
        runs.push_back(timer.nsecsElapsed() / 1e6);
        cpu.push_back(1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC);
    }
    printMedian("csv_ms", runs, cpu);
}

int RunCsvImport(DBItemCollection& collection, const QString& path, int repeat) {
    const int before = collection.Count();
    std::vector<double> runs, cpu;
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
        const std::clock_t cpuStart = std::clock();
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
        cpu.push_back(1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC);
    }
    printMedian("import_csv_ms", runs, cpu);
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
