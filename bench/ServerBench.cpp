#include "bench/ServerBench.h"

#include "app/Settings.h"
#include "core/DBItemCollection.h"
#include "server/ServerRegister.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

double median(std::vector<double> runs) {
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

void printRuns(const char* name, const std::vector<double>& runs) {
    std::fprintf(stderr, "%s runs:", name);
    for (double r : runs)
        std::fprintf(stderr, " %.1f", r);
    std::fprintf(stderr, "\n");
    std::printf("%s %.1f\n", name, median(runs));
    std::fflush(stdout);
}

int failed(const QString& why) {
    std::fprintf(stderr, "vestrum_bench: %s\n", qPrintable(why));
    return 1;
}

// A weight per row: the sum of weight x count changes by exactly weight x delta for every movement, so the
// checksums of two processes' moves add up to the change of the register's checksum (modulo 2^64).
quint64 weight(qint64 id) {
    return (quint64(id) * 0x9E3779B97F4A7C15ull) >> 20;
}

bool countsChecksum(const ServerRegister& server, quint64* sum) {
    QSqlQuery query(QSqlDatabase::database(server.ConnectionName()));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, number_of_items FROM vestrum_items")))
        return false;
    *sum = 0;
    while (query.next())
        *sum += weight(query.value(0).toLongLong()) * quint64(qint64(query.value(1).toInt()));
    return true;
}

} // namespace

int RunServerBench(DBItemCollection& collection, const ServerBenchOptions& options) {
    QString error;
    const ServerAddress address = ServerAddress::FromConnInfo(options.conninfo, &error);
    if (!error.isEmpty())
        return failed(error);
    ServerRegister server;
    if (!server.Open(address, &error))
        return failed(error);

    if (!options.copyFrom.isEmpty()) {
        // The lists beside the file, as the program reads them.
        const QString folder = QFileInfo(options.copyFrom).absolutePath();
        Settings().setValue(QStringLiteral("LastDBDir"), folder);
        collection.MakeDynamicLists();
        if (!collection.LoadFromAsciiFile(options.copyFrom, &error))
            return failed(QStringLiteral("could not load %1: %2").arg(options.copyFrom, error));
        QElapsedTimer timer;
        timer.start();
        if (!server.CopyFrom(collection, folder, QStringLiteral("dk"), &error))
            return failed(error);
        printRuns("copy_ms", {timer.nsecsElapsed() / 1e6});
        std::printf("records %d\n", collection.Count());
    }

    const bool loadNeeded = options.load || options.moves >= 0 || options.notify > 0;
    if (loadNeeded) {
        std::vector<double> runs;
        for (int i = 0; i < (options.load ? options.repeat : 1); ++i) {
            QElapsedTimer timer;
            timer.start();
            if (!server.Load(collection, QStringLiteral("dk"), &error))
                return failed(error);
            runs.push_back(timer.nsecsElapsed() / 1e6);
        }
        if (options.load) {
            printRuns("load_ms", runs);
            std::printf("records %d\n", collection.Count());
        }
    }

    if (options.moves >= 0) {
        // Each move takes 1 to 5 pieces from one random item and puts them on another (two locations), in its
        // own transaction; a move the server refuses (too few pieces there) changes nothing.
        const int n = collection.Count();
        if (n < 2 && options.moves > 0)
            return failed(QStringLiteral("--moves needs a register of two items or more"));
        std::mt19937 random(options.seed);
        int applied = 0, refused = 0;
        quint64 movesChecksum = 0;
        QElapsedTimer timer;
        timer.start();
        for (int m = 0; m < options.moves; ++m) {
            const int from = int(random() % quint32(n));
            int to = int(random() % quint32(n - 1));
            if (to >= from)
                ++to;
            const int pieces = 1 + int(random() % 5);
            Item* a = collection.At(from);
            Item* b = collection.At(to);
            if (server.ApplyMovements({{a, -pieces}, {b, pieces}}, QStringLiteral("bench"), &error)) {
                ++applied;
                movesChecksum += weight(server.IdOf(b)) * quint64(pieces) - weight(server.IdOf(a)) * quint64(pieces);
            } else {
                if (server.ConnectionState() != ServerRegister::State::Connected)
                    return failed(error);
                ++refused;
            }
        }
        printRuns("moves_ms", {timer.nsecsElapsed() / 1e6});
        std::printf("moves %d\nrefused %d\nmoves_checksum %llu\n", applied, refused,
                    static_cast<unsigned long long>(movesChecksum));
        quint64 checksum = 0;
        if (!countsChecksum(server, &checksum))
            return failed(QStringLiteral("could not read the counts"));
        std::printf("checksum %llu\n", static_cast<unsigned long long>(checksum));
    }
    if (options.notify > 0) {
        // Another workstation's edit, from a connection of its own, until this collection shows it: the median of
        // N edits of the first item's name (notify_ms).
        if (collection.Count() == 0)
            return failed(QStringLiteral("--notify needs a register with an item"));
        ServerRegister other;
        DBItemCollection theirs(nullptr);
        if (!other.Open(address, &error) || !other.Load(theirs, QStringLiteral("dk"), &error))
            return failed(error);
        Item* shown = collection.At(0);
        Item* edited = other.ItemOf(server.IdOf(shown));
        if (!edited)
            return failed(QStringLiteral("the second connection does not see the first item"));
        std::vector<double> runs;
        for (int i = 0; i < options.notify; ++i) {
            Item values(*edited);
            const QString name = QStringLiteral("notify %1 %2").arg(options.seed).arg(i);
            values.SetName(name);
            QElapsedTimer timer;
            timer.start();
            if (other.WriteEdit(edited, values, nullptr, &error) != ServerRegister::Result::Written)
                return failed(error);
            *edited = values;
            theirs.NotifyItemChanged(edited, edited->GetGroup());
            while (shown->GetName() != name && timer.elapsed() < 10000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (shown->GetName() != name)
                return failed(QStringLiteral("the edit did not arrive within 10 s"));
            runs.push_back(timer.nsecsElapsed() / 1e6);
        }
        printRuns("notify_ms", runs);
    }
    std::fflush(stdout);
    return 0;
}
