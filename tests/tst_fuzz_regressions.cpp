#include "TestSupport.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/DBItemCollection.h"

#include <QDir>
#include <QTest>

// Replays every input the fuzzer ever found troublesome (tests/data/fuzz) and its seed corpus through the
// database reader, the way the fuzz target does: the first byte chooses the edition.
class TestFuzzRegressions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::isolateSettings();
        Settings().setValue(QStringLiteral("LastDBDir"), QString());
    }

    void replay_data() {
        QTest::addColumn<QString>("path");
        for (const QString& folder : {TestSupport::testDataDir() + QStringLiteral("/fuzz"),
                                      TestSupport::sourceDir() + QStringLiteral("/fuzz/corpus")}) {
            const QDir dir(folder);
            for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
                QTest::newRow(qPrintable(name)) << dir.filePath(name);
        }
    }
    void replay() {
        QFETCH(QString, path);
        TestDialogs dialogs;
        const QByteArray data = TestSupport::readAll(path);
        if (data.isEmpty())
            return;
        static const int editions[] = {Tovik, Pellin, Ostrel, Brevane};
        SetEdition(editions[static_cast<unsigned char>(data.at(0)) % 4]);
        DBItemCollection collection(nullptr);
        collection.LoadFromBuffer(QByteArrayView(data).sliced(1));
        for (const Item* item : collection)
            QVERIFY(item->AllLatin1().size() <= Item::TextFieldCount * Item::MaxTextLength);
        QCOMPARE(dialogs.waitDepth, 0);
    }
};

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "tst_fuzz_regressions.moc"
