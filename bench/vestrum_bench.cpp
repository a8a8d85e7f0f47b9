// Measures the program's own code paths on large registers and prints one figure per line:
//
//   vestrum_bench --edition Tovik --load FILE [--save OUT] [--sort CODE] [--find CODE TEXT] [--html OUT]
//                 [--xml OUT] [--fill [--sort-column N] [--filter TEXT]] [--window] [--repeat N]
//   vestrum_bench --edition Tovik --generate N OUT
//   vestrum_bench --edition Brevane --load FILE --labels-pdf OUT.pdf [--label-row N] [--label-profile NAME]
//   vestrum_bench --edition Brevane --load FILE --labels-raw OUT [--label-row N]
//
// --label-row N counts the rows of the item list as shown with every group open, from 0: a group row
// gives the labels of its items, an item row the item's label; without it every item gets a label.
// --labels-raw writes the bytes the printer-language route would send (Setup/ of the working directory).
//   vestrum_bench --edition Brevane --load FILE --update-locations SCANFILE [--apply-good] [--save OUT]
//   vestrum_bench --edition Brevane --generate-stock N OUT        (a stock register and its location list)
//   vestrum_bench --edition Brevane --load FILE --generate-scanner N OUT   (a scanner file against FILE)
//   vestrum_bench --edition E --load FILE --insurance-pdf OUT [--by-group]   (the insurance report, photos
//                 and receipts included, links read beside FILE too)
//
//   vestrum_bench --edition Tovik --load FILE --csv OUT.csv          (also after --generate N OUT)
//   vestrum_bench --edition Tovik [--load FILE] --import-csv FILE.csv
//
// --window opens FILE in the real main window at start-up (offscreen, 1024 x 768, every group open) and
// prints window_ms, from the start of its load to the end of the list's first paint.
//   vestrum_bench --edition Brevane --server CONNINFO [--copy-to-server FILE] [--load-server]
//                 [--moves N --seed S] [--notify N] [--repeat N]
// The register on a PostgreSQL server: the copy of a file register into an empty database (copy_ms), its load
// (load_ms, records), and N stock moves between random items, each in its own transaction (moves_ms, moves,
// refused, moves_checksum: the change of checksum these moves made). checksum sums the register's counts
// weighted by row, so two processes' moves are all there when the end's checksum equals the start's (--moves 0)
// plus both moves_checksum. --notify N times N edits made on a second connection until the loaded register
// shows them (notify_ms, the median).
//
// With --repeat N every measured step runs N times and the median is printed (all runs go to stderr).
#include "app/AppNames.h"
#include "app/AppSettings.h"
#include "app/Edition.h"
#include "bench/BenchDialogs.h"
#include "bench/CsvBench.h"
#include "bench/FillBench.h"
#include "bench/SampleGenerator.h"
#include "bench/ScannerBench.h"
#include "bench/ServerBench.h"
#include "bench/WindowBench.h"
#include "core/DBItemCollection.h"
#include "core/Dialogs.h"
#include "core/UpdateLocationsData.h"
#include "platform/ProcessInfo.h"
#include "printing/InsuranceReport.h"
#include "printing/LabelDrawing.h"
#include "printing/LabelProfiles.h"
#include "printing/Labels.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

[[noreturn]] void usage(const char* why) {
    std::fprintf(
        stderr,
        "vestrum_bench: %s\n"
        "usage: vestrum_bench --edition NAME --load FILE [--save OUT] [--sort CODE] "
        "[--find CODE TEXT] [--html OUT] [--xml OUT] [--fill [--sort-column N] [--filter TEXT]] [--window] "
        "[--repeat N]\n"
        "                     [--labels-pdf OUT.pdf] [--labels-raw OUT] [--label-row N] [--label-profile NAME]\n"
        "       vestrum_bench --edition NAME --generate N OUT [--csv OUT.csv]\n"
        "       vestrum_bench --edition NAME [--load FILE] [--csv OUT.csv] [--import-csv FILE.csv] [--repeat N]\n"
        "       vestrum_bench --edition Brevane --load FILE --update-locations SCANFILE [--apply-good] "
        "[--save OUT] [--repeat N]\n"
        "       vestrum_bench --edition Brevane --generate-stock N OUT\n"
        "       vestrum_bench --edition NAME --load FILE --insurance-pdf OUT [--by-group] [--repeat N]\n"
        "       vestrum_bench --edition Brevane --load FILE --generate-scanner N OUT\n"
        "       vestrum_bench --edition Brevane --server CONNINFO [--copy-to-server FILE] [--load-server] "
        "[--moves N --seed S] [--notify N] [--repeat N]\n",
        why);
    std::exit(2);
}

[[noreturn]] void fail(const QString& why) {
    std::fprintf(stderr, "vestrum_bench: %s\n", qPrintable(why));
    std::exit(1);
}

// Runs a step `repeat` times and prints the median in milliseconds.
double median(std::vector<double> runs) {
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

void measure(const char* name, int repeat, const std::function<void()>& before, const std::function<void()>& step) {
    std::vector<double> runs;
    for (int i = 0; i < repeat; ++i) {
        if (before)
            before();
        QElapsedTimer timer;
        timer.start();
        step();
        runs.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::fprintf(stderr, "%s runs:", name);
    for (double r : runs)
        std::fprintf(stderr, " %.1f", r);
    std::fprintf(stderr, "\n");
    std::sort(runs.begin(), runs.end());
    std::printf("%s %.1f\n", name, runs[runs.size() / 2]);
    std::fflush(stdout);
}

// The items of one row of the list with every group open (a group row: its items), or all items. The list
// has a group row for every entry of the group list and for every group number in use.
std::vector<const Item*> itemsOfRow(DBItemCollection& collection, int row) {
    std::vector<const Item*> items;
    if (row < 0) {
        items.assign(collection.begin(), collection.end());
        return items;
    }
    const int groups = std::max(collection.Groups().Count(), collection.MaxGroup() + 1);
    int counter = 0;
    for (int g = 0; g < groups; ++g) {
        const std::vector<const Item*> children = Labels::ItemsOfGroup(collection, g);
        if (counter++ == row)
            return children;
        if (row < counter + int(children.size())) {
            items.push_back(children[size_t(row - counter)]);
            return items;
        }
        counter += int(children.size());
    }
    fail(QStringLiteral("--label-row %1: the list has %2 rows").arg(row).arg(counter));
}

void runLabels(DBItemCollection& collection, const QString& pdfPath, const QString& rawPath, int row,
               const QString& profileName, int repeat) {
    const std::vector<const Item*> items = itemsOfRow(collection, row);
    const std::vector<LabelProfile> profiles = AppSettings::LabelProfileList();
    if (!pdfPath.isEmpty()) {
        LabelProfile profile;
        bool found = false;
        if (!profileName.isEmpty()) {
            found = LabelProfiles::Find(profiles, profileName, &profile);
        } else {
            for (const LabelProfile& p : profiles) {
                if (p.route == LabelProfile::DrawnRoute && !found) {
                    profile = p;
                    found = true;
                }
            }
        }
        if (!found)
            fail(QStringLiteral("no drawn label profile named %1").arg(profileName));
        const Labels::Batch batch = LabelDrawing::Batch(items, profile);
        Labels::ReportSkipped(batch.skipped, nullptr);
        if (batch.labels.empty())
            fail(QStringLiteral("no item to label"));
        measure("labels_ms", repeat, nullptr, [&] {
            QString error;
            const std::vector<LabelDrawing::Content> contents =
                LabelDrawing::Contents(batch.labels, profile, &collection);
            if (!LabelDrawing::WritePdf(pdfPath, profile, contents, &error))
                fail(QStringLiteral("could not write %1: %2").arg(pdfPath, error));
        });
        std::printf("labels %d\n", int(batch.labels.size()));
    }
    if (!rawPath.isEmpty()) {
        const Labels::Batch batch = Labels::ItemBatch(items);
        Labels::ReportSkipped(batch.skipped, nullptr);
        if (batch.labels.empty())
            fail(QStringLiteral("no item to label"));
        const Labels::NameOptions names = AppSettings::LabelNames();
        measure("labels_ms", repeat, nullptr, [&] {
            if (!Labels::WriteRaw(batch.labels, QString::fromLatin1(Labels::kItemFormatFile), names.itemNames,
                                  names.itemNameLength, rawPath, nullptr))
                std::exit(1);
        });
        std::printf("labels %d\n", int(batch.labels.size()));
    }
}

// The insurance report of the whole register with photos and receipts, sorted by room or by group.
void runInsuranceReport(const DBItemCollection& collection, const QString& loadPath, const QString& pdfPath,
                        bool byGroup, int repeat) {
    InsuranceOptions options;
    options.order = byGroup ? InsuranceOptions::ByGroup : InsuranceOptions::ByLocation;
    options.registerName = QFileInfo(loadPath).fileName();
    options.linkFolder = QFileInfo(loadPath).absolutePath();
    options.ownerName = QStringLiteral("Bench");
    const std::vector<const Item*> items = InsuranceReport::ItemsInScope(collection, options);
    int pages = 0, pictures = 0;
    measure("insurance_ms", repeat, nullptr, [&] {
        InsuranceReport report(collection, items, options);
        if (!report.WriteFile(pdfPath))
            fail(QStringLiteral("could not write %1: %2").arg(pdfPath, report.ErrorString()));
        pages = report.Pages();
        pictures = report.Pictures();
    });
    std::printf("pages %d\npictures %d\n", pages, pictures);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);

    QString editionName = QStringLiteral("Tovik");
    QString loadPath, savePath, generatePath, findText, htmlPath, xmlPath, labelsPdf, labelsRaw, labelProfile;
    QString scannerPath, stockPath, scannerOut, csvPath, importCsvPath, filterText, insurancePdf;
    bool filterGiven = false;
    int sortCode = -1, findCode = -1, repeat = 1, generateCount = 0, sortColumn = -1, labelRow = -1;
    int stockCount = 0, scannerLines = 0;
    bool fill = false, applyGood = false, byGroup = false, window = false;
    ServerBenchOptions server;
    auto take = [&args](const char* option) {
        if (args.isEmpty())
            usage(qPrintable(QStringLiteral("%1 needs a value").arg(QLatin1String(option))));
        return args.takeFirst();
    };
    while (!args.isEmpty()) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--edition"))
            editionName = take("--edition");
        else if (option == QLatin1String("--load"))
            loadPath = take("--load");
        else if (option == QLatin1String("--save"))
            savePath = take("--save");
        else if (option == QLatin1String("--html"))
            htmlPath = take("--html");
        else if (option == QLatin1String("--csv"))
            csvPath = take("--csv");
        else if (option == QLatin1String("--import-csv"))
            importCsvPath = take("--import-csv");
        else if (option == QLatin1String("--xml"))
            xmlPath = take("--xml");
        else if (option == QLatin1String("--labels-pdf"))
            labelsPdf = take("--labels-pdf");
        else if (option == QLatin1String("--labels-raw"))
            labelsRaw = take("--labels-raw");
        else if (option == QLatin1String("--label-row"))
            labelRow = take("--label-row").toInt();
        else if (option == QLatin1String("--label-profile"))
            labelProfile = take("--label-profile");
        else if (option == QLatin1String("--insurance-pdf"))
            insurancePdf = take("--insurance-pdf");
        else if (option == QLatin1String("--by-group"))
            byGroup = true;
        else if (option == QLatin1String("--fill"))
            fill = true;
        else if (option == QLatin1String("--window"))
            window = true;
        else if (option == QLatin1String("--sort-column"))
            sortColumn = take("--sort-column").toInt();
        else if (option == QLatin1String("--filter")) {
            filterText = take("--filter");
            filterGiven = true;
        } else if (option == QLatin1String("--sort"))
            sortCode = take("--sort").toInt();
        else if (option == QLatin1String("--find")) {
            findCode = take("--find").toInt();
            findText = take("--find");
        } else if (option == QLatin1String("--repeat"))
            repeat = std::max(1, take("--repeat").toInt());
        else if (option == QLatin1String("--update-locations"))
            scannerPath = take("--update-locations");
        else if (option == QLatin1String("--apply-good"))
            applyGood = true;
        else if (option == QLatin1String("--generate-stock")) {
            stockCount = take("--generate-stock").toInt();
            stockPath = take("--generate-stock");
        } else if (option == QLatin1String("--generate-scanner")) {
            scannerLines = take("--generate-scanner").toInt();
            scannerOut = take("--generate-scanner");
        } else if (option == QLatin1String("--server")) {
            server.conninfo = take("--server");
        } else if (option == QLatin1String("--copy-to-server")) {
            server.copyFrom = take("--copy-to-server");
        } else if (option == QLatin1String("--load-server")) {
            server.load = true;
        } else if (option == QLatin1String("--moves")) {
            server.moves = take("--moves").toInt();
        } else if (option == QLatin1String("--notify")) {
            server.notify = take("--notify").toInt();
        } else if (option == QLatin1String("--seed")) {
            server.seed = take("--seed").toUInt();
        } else if (option == QLatin1String("--generate")) {
            generateCount = take("--generate").toInt();
            generatePath = take("--generate");
        } else
            usage(qPrintable(QStringLiteral("unknown option %1").arg(option)));
    }
    const int edition = EditionFromProgramPath(editionName);
    if (edition == NoEdition)
        usage("--edition takes Tovik, Pellin, Ostrel or Brevane");
    SetEdition(edition);

    // The user's own settings are neither read nor changed.
    QTemporaryDir settingsDir;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnvold"));
    QCoreApplication::setApplicationName(editionName);

    if (filterGiven && !fill)
        usage("--filter needs --fill");
    if (filterGiven && filterText.trimmed().isEmpty())
        usage("--filter takes a text with a word in it");

    BenchDialogs dialogs;
    Dialogs::install(&dialogs);
    // The lists of the sample folder, as the program has them before any register was opened.
    DBItemCollection collection(nullptr, DefaultDatabaseDir(), GetLanguage());

    if (!server.conninfo.isEmpty()) {
        server.repeat = repeat;
        const int status = RunServerBench(collection, server);
        Dialogs::install(nullptr);
        return status;
    }
    if (!server.copyFrom.isEmpty() || server.load || server.moves >= 0 || server.notify > 0)
        usage("--copy-to-server, --load-server and --moves need --server CONNINFO");

    if (!generatePath.isEmpty()) {
        if (generateCount <= 0)
            usage("--generate takes a number of records above 0");
        GenerateSampleItems(collection, generateCount);
        if (!collection.SaveToFileAsAscii(generatePath))
            fail(QStringLiteral("could not write %1").arg(generatePath));
        std::printf("records %d\n", collection.Count());
        if (!csvPath.isEmpty())
            RunCsvExport(collection, csvPath, repeat);
        return 0;
    }
    if (!stockPath.isEmpty()) {
        if (stockCount <= 0)
            usage("--generate-stock takes a number of records above 0");
        // The location list goes beside the register, where the program looks for it.
        collection.SetFolder(QFileInfo(stockPath).absolutePath());
        collection.MakeDynamicLists();
        GenerateStockItems(collection, stockCount);
        if (!collection.SaveToFileAsAscii(stockPath))
            fail(QStringLiteral("could not write %1").arg(stockPath));
        collection.SaveDynamicLists();
        std::printf("records %d\n", collection.Count());
        return 0;
    }
    if (loadPath.isEmpty() && !importCsvPath.isEmpty()) {
        // Into an empty register with the default column captions.
        const int imported = RunCsvImport(collection, importCsvPath, repeat);
        if (!csvPath.isEmpty())
            RunCsvExport(collection, csvPath, repeat);
        return imported == 0 ? 1 : 0;
    }
    if (loadPath.isEmpty())
        usage("--load FILE is needed");
    const bool scanning = !scannerPath.isEmpty() || !scannerOut.isEmpty();
    if (scanning) {
        // The locations are the group list beside the register, as when the program opens it.
        collection.SetFolder(QFileInfo(loadPath).absolutePath());
        collection.MakeDynamicLists();
        if (collection.Groups().Count() == 0)
            std::fprintf(stderr, "vestrum_bench: no group list beside %s: every location is unknown\n",
                         qPrintable(loadPath));
    }

    if (!scanning && !insurancePdf.isEmpty()) {
        // The report names rooms and groups from the lists beside the register.
        collection.SetFolder(QFileInfo(loadPath).absolutePath());
        collection.MakeDynamicLists();
    }

    auto load = [&] {
        if (!collection.LoadFromAsciiFile(loadPath))
            fail(QStringLiteral("could not load %1 (missing, unreadable, another edition's file, or a bad record)")
                     .arg(loadPath));
    };
    measure(
        "load_ms", repeat, [&] { collection.Clear(); }, load);
    // With a scanner file, "records" counts its records.
    std::printf(scanning ? "items %d\n" : "records %d\n", collection.Count());

    if (!scannerOut.isEmpty()) {
        if (scannerLines <= 0)
            usage("--generate-scanner takes a number of lines above 0");
        if (!GenerateScannerFile(collection, scannerLines, scannerOut))
            fail(QStringLiteral("could not write %1 (a register with numbered items and two locations is needed)")
                     .arg(scannerOut));
        std::printf("scanner_lines %d\n", scannerLines);
        return 0;
    }

    int applied = -1;
    if (!scannerPath.isEmpty()) {
        std::unique_ptr<UpdateLocations> import;
        std::unique_ptr<LocationImportUndo> undo;
        // Processor time besides the wall clock: on a busy machine the wall clock mostly measures the waiting.
        std::vector<double> checkRuns, applyRuns, totalRuns, cpuRuns;
        for (int run = 0; run < repeat; ++run) {
            if (run > 0) {
                undo.reset();
                collection.Clear();
                load();
            }
            QElapsedTimer timer;
            timer.start();
            const std::clock_t cpuStart = std::clock();
            import = std::make_unique<UpdateLocations>();
            if (!import->ParseLocationFile(scannerPath))
                fail(QStringLiteral("could not read %1").arg(scannerPath));
            import->Check(collection);
            const double checked = timer.nsecsElapsed() / 1e6;
            applied = 0;
            if (import->GoodCount() > 0 && (import->ProblemCount() == 0 || applyGood)) {
                undo = import->ApplyRecords(collection);
                applied = undo ? undo->Applied() : 0;
            }
            const double total = timer.nsecsElapsed() / 1e6;
            cpuRuns.push_back(1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC);
            checkRuns.push_back(checked);
            applyRuns.push_back(total - checked);
            totalRuns.push_back(total);
        }
        std::fprintf(stderr, "update_locations_ms runs:");
        for (double r : totalRuns)
            std::fprintf(stderr, " %.1f", r);
        std::fprintf(stderr, "\n");
        std::printf(
            "update_check_ms %.1f\nupdate_apply_ms %.1f\nupdate_locations_ms %.1f\nupdate_locations_cpu_ms %.1f\n",
            median(checkRuns), median(applyRuns), median(totalRuns), median(cpuRuns));
        std::printf("records %d\ngood %d\nproblems %d\n", import->RecordCount(), import->GoodCount(),
                    import->ProblemCount());
        for (size_t i = 0; i < import->Records().size(); ++i) {
            const LocationOutcome& outcome = import->Outcomes()[i];
            if (!outcome.ok)
                std::printf("problem: %d | %s\n", import->Records()[i].line, qPrintable(outcome.text));
        }
        std::printf("applied %d\n", applied);
        std::fflush(stdout);
    }

    if (sortCode >= 0) {
        measure(
            "sort_ms", repeat,
            [&] {
                if (repeat > 1) {
                    collection.Clear();
                    load();
                }
            },
            [&] { collection.SortItems(sortCode); });
    }
    if (findCode >= 0) {
        int hits = 0;
        measure(
            "find_ms", repeat, [&] { hits = 0; },
            [&] {
                bool found = false;
                for (Item* item = collection.FindNext(findCode, findText, false, found); item;
                     item = collection.FindNext(findCode, findText, true, found))
                    ++hits;
            });
        std::printf("find_hits %d\n", hits);
    }
    if (!savePath.isEmpty()) {
        measure("save_ms", repeat, nullptr, [&] {
            if (!collection.SaveToFileAsAscii(savePath))
                fail(QStringLiteral("could not save %1").arg(savePath));
        });
    }
    // The plain HTML page (numbered paragraphs, with its heading) and the XML document, as the View menu
    // writes them.
    if (!htmlPath.isEmpty()) {
        measure("html_ms", repeat, nullptr, [&] {
            if (!collection.WriteHtml(htmlPath, true, nullptr, false))
                fail(QStringLiteral("could not write %1").arg(htmlPath));
        });
    }
    if (!xmlPath.isEmpty()) {
        measure("xml_ms", repeat, nullptr, [&] {
            if (!collection.WriteXml(xmlPath))
                fail(QStringLiteral("could not write %1").arg(xmlPath));
        });
    }
    // The export first, so that the same run can read its file back.
    if (!csvPath.isEmpty())
        RunCsvExport(collection, csvPath, repeat);
    int csvImported = -1;
    if (!importCsvPath.isEmpty())
        csvImported = RunCsvImport(collection, importCsvPath, repeat);
    if (!labelsPdf.isEmpty() || !labelsRaw.isEmpty())
        runLabels(collection, labelsPdf, labelsRaw, labelRow, labelProfile, repeat);
    if (!insurancePdf.isEmpty())
        runInsuranceReport(collection, loadPath, insurancePdf, byGroup, repeat);
    if (fill)
        RunFillBenchmark(collection, sortColumn, repeat, filterText);
    if (window) {
        collection.Clear(); // the window reads the register itself
        RunWindowBenchmark(loadPath, repeat);
    }
    std::printf("peak_rss_mb %.1f\n", PeakResidentBytes() / (1024.0 * 1024.0));
    Dialogs::install(nullptr);
    // Nothing of the scanner file or the CSV file could be applied.
    return applied == 0 || csvImported == 0 ? 1 : 0;
}
