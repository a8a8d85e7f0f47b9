#include "TestSupport.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/DBItemCollection.h"
#include "output/UpdateLocationsData.h"

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
        SetEdition(Brevane);
        DBItemCollection collection(nullptr);
        collection.Groups().SetEntries(
            {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
        const struct {
            const char* serial;
            int group;
            int count;
        } rows[] = {{"1", 0, 5}, {"2", 1, 0}, {"7", 1, 3}, {"7", 2, 2}, {"0042", 3, 9}, {"100042", 0, 2147483000},
                    {"x", 0, 1}};
        for (const auto& row : rows) {
            auto* item = new Item;
            item->SetSerialno(QString::fromLatin1(row.serial));
            item->SetGroup(row.group);
            item->SetNumberOfItems(row.count);
            item->SetDate(QStringLiteral("01.02.2020"));
            collection.Add(item);
        }
        auto describe = [&collection] {
            QString text;
            for (const Item* item : collection)
                text += QStringLiteral("%1@%2=%3 %4;")
                            .arg(item->GetSerialno())
                            .arg(item->GetGroup())
                            .arg(item->GetNumberOfItems())
                            .arg(item->GetDate());
            return text;
        };
        const QString before = describe();
        UpdateLocations import;
        import.Parse(TestSupport::readAll(path));
        import.Check(collection);
        QCOMPARE(import.GoodCount() + import.ProblemCount(), import.RecordCount());
        QCOMPARE(describe(), before);
        auto undo = import.ApplyRecords(collection);
        QVERIFY(undo);
        for (const Item* item : collection)
            QVERIFY(item->GetNumberOfItems() >= 0);
        QVERIFY(undo->Restore(collection));
        QCOMPARE(describe(), before);
        QVERIFY(dialogs.boxes.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "tst_fuzz_regressions.moc"
