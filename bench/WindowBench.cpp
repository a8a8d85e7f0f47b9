#include "bench/WindowBench.h"

#include "app/Settings.h"
#include "core/DBItemCollection.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/vestrumwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Notes that a widget has started to paint; the paint ends before the event loop turns again.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

} // namespace

void RunWindowBenchmark(const QString& loadPath, int repeat) {
    // The register the window opens at start-up, with the folder of its lists and every group shown.
    const QFileInfo file(loadPath);
    Settings settings;
    settings.setValue(QStringLiteral("LastSavedDBFile"), file.absoluteFilePath());
    settings.setValue(QStringLiteral("LastDBDir"), file.absolutePath());
    settings.setValue(QStringLiteral("Items/showAllItems"), true);
    settings.remove(QStringLiteral("Items/openGroups"));
    settings.sync();

    std::vector<double> runs;
    int rows = 0;
    for (int run = 0; run < repeat; ++run) {
        QElapsedTimer timer;
        timer.start();
        auto window = std::make_unique<MainWindow>();
        const double built = timer.nsecsElapsed() / 1e6;
        window->resize(1024, 768);
        ItemListView* list = window->ListView();
        PaintWatch watch;
        list->viewport()->installEventFilter(&watch);
        window->show();
        QElapsedTimer limit;
        limit.start();
        while (!watch.painted && limit.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        runs.push_back(timer.nsecsElapsed() / 1e6);
        // Where the time went: the window with its register and list, then showing and the first paint.
        std::fprintf(stderr, "window built %.1f, shown and painted %.1f\n", built, runs.back() - built);
        if (!watch.painted) {
            std::fprintf(stderr, "vestrum_bench: the window never painted its list\n");
            std::exit(1);
        }
        list->viewport()->removeEventFilter(&watch);
        rows = window->Collection() ? window->Collection()->Count() : 0;
        // The program's own end would ask about changes and store the layout: neither belongs here.
        DBItemCollection::SetModified(false);
    }
    std::fprintf(stderr, "window_ms runs:");
    for (double r : runs)
        std::fprintf(stderr, " %.1f", r);
    std::fprintf(stderr, " (%d items)\n", rows);
    std::sort(runs.begin(), runs.end());
    std::printf("window_ms %.1f\n", runs[runs.size() / 2]);
    std::fflush(stdout);
}
