#include "app/Settings.h"
#include "core/DBItemCollection.h"
#include "fuzz/FuzzChecks.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Replays every input the fuzzers ever found troublesome and their seed corpora, the way the fuzz targets
// run them (fuzz/FuzzChecks.h): database files (tests/data/fuzz, fuzz/corpus) through the reader, the
// exports and the log; lookup-list files (tests/data/fuzz/lists, fuzz/corpus_lists) through the lists,
// the exports and the log. The first byte of an input chooses the edition.
class TestFuzzRegressions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::isolateSettings();
        QVERIFY(m_dir.isValid());
        for (const char* folder : {"groups", "location", "supplier", "fields"})
            QVERIFY(QDir(m_dir.path()).mkpath(QLatin1String(folder)));
        qputenv("DEBUGTARNVOLD", "1");
    }
    void cleanupTestCase() { qunsetenv("DEBUGTARNVOLD"); }

    void replay_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("lists");
        const struct {
            QString folder;
            bool lists;
        } folders[] = {{TestSupport::testDataDir() + QStringLiteral("/fuzz"), false},
                       {TestSupport::sourceDir() + QStringLiteral("/fuzz/corpus"), false},
                       {TestSupport::testDataDir() + QStringLiteral("/fuzz/lists"), true},
                       {TestSupport::sourceDir() + QStringLiteral("/fuzz/corpus_lists"), true}};
        for (const auto& [folder, lists] : folders) {
            const QDir dir(folder);
            for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
                QTest::newRow(qPrintable((lists ? QStringLiteral("lists/") : QString()) + name))
                    << dir.filePath(name) << lists;
        }
    }
    void replay() {
        QFETCH(QString, path);
        QFETCH(bool, lists);
        TestDialogs dialogs;
        dialogs.expectBoxes(); // a file the reader refuses
        Settings().setValue(QStringLiteral("Language"), QStringLiteral("dk"));
        const QByteArray data = TestSupport::readAll(path);
        const QString error = lists ? FuzzChecks::listsRunError(data, m_dir.path())
                                    : FuzzChecks::databaseRunError(data, m_dir.filePath(QStringLiteral("log.xml")));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(dialogs.waitDepth, 0);
    }

    // The scanner-file import, as fuzz_scanner_import runs it: checked, applied and undone on a small register.
    void replayScanner_data() {
        QTest::addColumn<QString>("path");
        for (const QString& folder : {TestSupport::testDataDir() + QStringLiteral("/fuzz/scanner"),
                                      TestSupport::sourceDir() + QStringLiteral("/fuzz/corpus_scanner")}) {
            const QDir dir(folder);
            for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
                QTest::newRow(qPrintable(name)) << dir.filePath(name);
        }
    }
    void replayScanner() {
        QFETCH(QString, path);
        TestDialogs dialogs;
        const QString error = FuzzChecks::scannerRunError(TestSupport::readAll(path));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(dialogs.boxes.isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "tst_fuzz_regressions.moc"
