#include "bench/FillBench.h"

#include "core/DBItemCollection.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"
#include "platform/ProcessInfo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double median(std::vector<double> runs, const char* name) {
    std::fprintf(stderr, "%s runs:", name);
    for (double r : runs)
        std::fprintf(stderr, " %.1f", r);
    std::fprintf(stderr, "\n");
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

void paintOnce(QWidget& widget) {
    widget.repaint();
    QCoreApplication::processEvents();
}
} // namespace

void RunFillBenchmark(DBItemCollection& collection, int sortColumn, int repeat, const QString& filterText) {
    // A register without its lists still gets one group row per group number used.
    if (collection.Groups().Count() == 0) {
        for (int g = 0; g <= collection.MaxGroup(); ++g)
            collection.Groups().Append(QStringLiteral("Gruppe %1").arg(g));
    }
    QWidget window;
    window.resize(1024, 768);
    auto* view = new ItemListView(&window);
    view->resize(1024, 768);
    window.show();
    paintOnce(window);

    const qint64 before = PeakResidentBytes();
    const qint64 residentBefore = CurrentResidentBytes();
    std::vector<double> fills;
    for (int i = 0; i < repeat; ++i) {
        view->Clear();
        QElapsedTimer timer;
        timer.start();
        view->SetCollection(&collection);
        view->Fill(&collection);
        view->ViewAll(true);
        paintOnce(window);
        fills.push_back(timer.nsecsElapsed() / 1e6);
    }
    const qint64 after = PeakResidentBytes();
    const qint64 residentAfter = CurrentResidentBytes();
    std::printf("fill_ms %.1f\n", median(fills, "fill_ms"));
    // What the view and its model add to the peak, and what they hold while shown.
    const double items = collection.Count() ? collection.Count() : 1;
    std::printf("view_bytes_per_item %.1f\n", (after - before) / items);
    std::printf("view_resident_bytes_per_item %.1f\n", (residentAfter - residentBefore) / items);
    std::fflush(stdout);

    if (sortColumn >= 0) {
        std::vector<double> sorts;
        const int x = view->header()->sectionViewportPosition(sortColumn) + view->header()->sectionSize(sortColumn) / 2;
        for (int i = 0; i < repeat; ++i) {
            QElapsedTimer timer;
            timer.start();
            // A real click on the header, as the user makes it.
            QTest::mouseClick(view->header()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, 5));
            paintOnce(window);
            sorts.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("header_sort_ms %.1f\n", median(sorts, "header_sort_ms"));
        std::fflush(stdout);
    }

    if (filterText.isEmpty())
        return;
    std::vector<double> filters;
    for (int i = 0; i < repeat; ++i) {
        view->SetFilter(QString());
        paintOnce(window);
        QElapsedTimer timer;
        timer.start();
        view->SetFilter(filterText);
        paintOnce(window);
        filters.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("filter_ms %.1f\n", median(filters, "filter_ms"));
    std::printf("filter_hits %lld\n", static_cast<long long>(view->Model()->ShownTotals().items));
}
