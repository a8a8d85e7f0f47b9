#include "app/Settings.h"
#include "core/DBItemCollection.h"
#include "fuzz/FuzzChecks.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Replays every input the fuzzers ever found troublesome and their seed corpora the way the fuzz targets run
// them (fuzz/FuzzChecks.h): database files through the reader, the exports and the log; lookup-list files
// through the lists, the exports and the log; scanner files checked, applied and undone on a small register.
// The first byte of an input chooses the edition.
class TestFuzzRegressions : public QObject {
    Q_OBJECT
    enum Kind { Database, Lists, Scanner };

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
        QTest::addColumn<int>("kind");
        const QString data = TestSupport::testDataDir() + QStringLiteral("/fuzz");
        const QString corpus = TestSupport::sourceDir() + QStringLiteral("/fuzz/corpus");
        const std::pair<QString, int> folders[] = {{data, Database},
                                                   {corpus, Database},
                                                   {data + QStringLiteral("/lists"), Lists},
                                                   {corpus + QStringLiteral("_lists"), Lists},
                                                   {data + QStringLiteral("/scanner"), Scanner},
                                                   {corpus + QStringLiteral("_scanner"), Scanner}};
        for (const auto& [folder, kind] : folders) {
            const QDir dir(folder);
            for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
                QTest::newRow(qPrintable((QStringList{"", "lists/", "scanner/"}.at(kind) + name)))
                    << dir.filePath(name) << kind;
        }
    }
    void replay() {
        QFETCH(QString, path);
        QFETCH(int, kind);
        TestDialogs dialogs;
        if (kind != Scanner)
            dialogs.expectBoxes(); // a file the reader refuses
        Settings().setValue(QStringLiteral("Language"), QStringLiteral("dk"));
        const QByteArray data = TestSupport::readAll(path);
        const QString error = kind == Lists     ? FuzzChecks::listsRunError(data, m_dir.path())
                              : kind == Scanner ? FuzzChecks::scannerRunError(data)
                                                : FuzzChecks::databaseRunError(data, m_dir.filePath("log.xml"));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(dialogs.waitDepth, 0);
        if (kind == Scanner)
            QVERIFY(dialogs.boxes.isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "tst_fuzz_regressions.moc"
