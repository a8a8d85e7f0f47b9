#include "TestSupport.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/DBItemCollection.h"
#include "output/UpdateLocationsData.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

// A small stock register: number@location=count, "*" when the date is today. Number 7 stands at two locations.
struct Row {
    const char* serial;
    int group;
    int count;
    const char* name;
};
const Row kRegister[] = {
    {"42", 1, 12, "Skruer"}, {"1000", 2, 5, "Søm"},        {"7", 1, 3, "Lim"},
    {"7", 3, 2, "Lim"},      {"142", 0, 1, "Boremaskine"}, {"100042", 1, 4, "Multimeter"},
};
const char* const kStart = "42@1=12 1000@2=5 7@1=3 7@3=2 142@0=1 100042@1=4";

void setLocations(DBItemCollection& collection) {
    collection.Groups().SetEntries({QStringLiteral("Lager A"), QStringLiteral("Lager B"), QStringLiteral("Butik"),
                                    QStringLiteral("Værksted"), QStringLiteral("Bil")});
}

void fill(DBItemCollection& collection) {
    setLocations(collection);
    for (const Row& row : kRegister) {
        auto* item = new Item;
        item->SetSerialno(QString::fromLatin1(row.serial));
        item->SetGroup(row.group);
        item->SetNumberOfItems(row.count);
        item->SetName(QString::fromUtf8(row.name));
        item->SetDate(QStringLiteral("01.02.2020"));
        item->SetPrice(10.5);
        collection.Add(item);
    }
}

QString describe(const DBItemCollection& collection) {
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    QStringList parts;
    for (const Item* item : collection)
        parts << QStringLiteral("%1@%2=%3%4")
                     .arg(item->GetSerialno())
                     .arg(item->GetGroup())
                     .arg(item->GetNumberOfItems())
                     .arg(item->GetDate() == today ? QStringLiteral("*") : QString());
    return parts.join(QLatin1Char(' '));
}

// A scanner file checked against the small register.
struct Checked {
    TestDialogs dialogs;
    DBItemCollection collection{nullptr};
    UpdateLocations import;
    explicit Checked(const QByteArray& file) {
        fill(collection);
        import.Parse(file);
        import.Check(collection);
    }
};

} // namespace

class TestUpdateLocations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::isolateSettings(QStringLiteral("Brevane"));
        SetEdition(Brevane);
        Settings().setValue(QStringLiteral("LastDBDir"), QString());
    }

    void eachKindChangesTheRegister_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("good");
        QTest::newRow("I adds") << QByteArray("I;1;42;3") << "42@1=15* 1000@2=5 7@1=3 7@3=2 142@0=1 100042@1=4" << 1;
        QTest::newRow("I takes to zero") << QByteArray("I;1;42;-12")
                                         << "42@1=0* 1000@2=5 7@1=3 7@3=2 142@0=1 100042@1=4" << 1;
        QTest::newRow("leading zeros only")
            << QByteArray("I;2;001000;1\nI;1;100042;1") << "42@1=12 1000@2=6* 7@1=3 7@3=2 142@0=1 100042@1=5*" << 2;
        QTest::newRow("F part to a new place")
            << QByteArray("F;1;2;42;3") << "42@1=9* 1000@2=5 7@1=3 7@3=2 142@0=1 100042@1=4 42@2=3*" << 1;
        QTest::newRow("F onto the same number")
            << QByteArray("F;1;3;7;1") << "42@1=12 1000@2=5 7@1=2* 7@3=3* 142@0=1 100042@1=4" << 1;
        QTest::newRow("F every piece") << QByteArray("F;1;4;42;12")
                                       << "1000@2=5 7@1=3 7@3=2 142@0=1 100042@1=4 42@4=12*" << 1;
        QTest::newRow("S sets the location")
            << QByteArray("S;4;1000") << "42@1=12 1000@4=5 7@1=3 7@3=2 142@0=1 100042@1=4" << 1;
        QTest::newRow("S splits from the source")
            << QByteArray("S;4;1000;2") << "42@1=12 1000@2=3* 7@1=3 7@3=2 142@0=1 100042@1=4 100043@4=2*" << 1;
        QTest::newRow("works on the state the records before left")
            << QByteArray("I;2;1000;10\nF;2;4;1000;8\nF;4;0;1000;8\nS;3;1000")
            << "42@1=12 1000@2=7* 7@1=3 7@3=2 142@0=1 100042@1=4 1000@0=8*" << 3;
        QTest::newRow("blank lines, CR LF and the final line end are no records")
            << QByteArray("\r\nI;1;42;1\r\n   \r\n\r\n") << "42@1=13* 1000@2=5 7@1=3 7@3=2 142@0=1 100042@1=4" << 1;
    }
    void eachKindChangesTheRegister() {
        QFETCH(QByteArray, file);
        QFETCH(QString, after);
        QFETCH(int, good);
        Checked checked(file);
        DBItemCollection& collection = checked.collection;
        UpdateLocations& import = checked.import;
        QCOMPARE(describe(collection), QString::fromLatin1(kStart)); // a check changes nothing
        QCOMPARE(import.GoodCount(), good);
        QCOMPARE(import.ProblemCount(), import.RecordCount() - good);
        DBItemCollection::SetModified(false);
        const auto undo = import.ApplyRecords(collection);
        QVERIFY(undo);
        QCOMPARE(describe(collection), after);
        QVERIFY(DBItemCollection::IsModified());
        // The new record copies its source beyond the fields the import sets.
        for (const Item* item : collection)
            QCOMPARE(item->GetPrice(), 10.5);
        QVERIFY(undo->Restore(collection));
        QCOMPARE(describe(collection), QString::fromLatin1(kStart));
        QVERIFY(checked.dialogs.boxes.isEmpty());
    }

    void aRecordWithAProblemChangesNothing_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("problem");
        QTest::newRow("unknown item") << QByteArray("I;1;4711;1") << "findes ikke på Lager B";
        QTest::newRow("item elsewhere") << QByteArray("F;0;2;42;1") << "findes ikke på Lager A";
        QTest::newRow("location past the list") << QByteArray("I;5;42;1") << "\"5\" findes ikke (listen har 5)";
        QTest::newRow("location no number") << QByteArray("S;x;42") << "\"x\" findes ikke";
        QTest::newRow("second location") << QByteArray("F;1;-1;42;1") << "\"-1\" findes ikke";
        QTest::newRow("I count 0") << QByteArray("I;1;42;0") << "Antallet 0";
        QTest::newRow("F count 0") << QByteArray("F;1;2;42;0") << "over 0, ikke 0";
        QTest::newRow("F count -3") << QByteArray("F;1;2;42;-3") << "over 0, ikke -3";
        QTest::newRow("count x") << QByteArray("I;1;42;x") << "\"x\" er ikke et helt tal";
        QTest::newRow("count empty") << QByteArray("F;1;2;42;") << "\"\" er ikke et helt tal";
        QTest::newRow("count 2.5") << QByteArray("S;2;42;2.5") << "\"2.5\" er ikke et helt tal";
        // The first line of the file has brought number 42 up to 13.
        QTest::newRow("I below zero") << QByteArray("I;1;42;-14") << "13 stk., kan ikke trække 14 fra";
        QTest::newRow("F more than there is") << QByteArray("F;1;2;42;14") << "13 stk., kan ikke flytte 14";
        QTest::newRow("same location") << QByteArray("F;1;1;42;2") << "Samme placering: Lager B";
        QTest::newRow("split larger than the stock") << QByteArray("S;0;1000;6") << "5 stk., kan ikke dele 6 fra";
        QTest::newRow("split to no location") << QByteArray("S;9;1000;1") << "\"9\" findes ikke";
        QTest::newRow("number at two places") << QByteArray("S;4;7") << "7 står på 2 placeringer";
        QTest::newRow("# in the id") << QByteArray("I;1;#42;1") << "indeholder \"#\"";
        QTest::newRow("id no number") << QByteArray("I;1;4x2;1") << "\"4x2\" er ikke et tal";
        QTest::newRow("too few fields") << QByteArray("F;1;2;42") << "Forkert antal felter: 4 (en F-linje har 5)";
        QTest::newRow("too many fields") << QByteArray("I;1;42;1;") << "Forkert antal felter: 5 (en I-linje har 4)";
        QTest::newRow("lower-case kind") << QByteArray("i;1;42;1") << "Ukendt linjeart \"i\"";
        QTest::newRow("overflow") << QByteArray("I;1;42;2147483647") << "for stort";
    }
    void aRecordWithAProblemChangesNothing() {
        QFETCH(QByteArray, line);
        QFETCH(QString, problem);
        Checked checked(QByteArray("I;1;42;1\n") + line + QByteArray("\nI;1;42;1\n"));
        DBItemCollection& collection = checked.collection;
        UpdateLocations& import = checked.import;
        QCOMPARE(import.RecordCount(), 3);
        QCOMPARE(import.GoodCount(), 2);
        const LocationOutcome& outcome = import.Outcomes()[1];
        QVERIFY(!outcome.ok);
        QVERIFY2(outcome.text.contains(problem), qPrintable(outcome.text));
        QCOMPARE(import.Records()[1].line, 2);
        QVERIFY(import.ApplyRecords(collection));
        QCOMPARE(describe(collection), QStringLiteral("42@1=14* 1000@2=5 7@1=3 7@3=2 142@0=1 100042@1=4"));
    }

    void undoGivesBackTheSavedBytes() {
        TestDialogs dialogs;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("stock.db"));
        {
            DBItemCollection collection(nullptr);
            fill(collection);
            QVERIFY(collection.SaveToFileAsAscii(path));
        }
        const QByteArray before = TestSupport::readAll(path);
        DBItemCollection collection(nullptr);
        QVERIFY(collection.LoadFromAsciiFile(path));
        setLocations(collection);
        QCOMPARE(collection.Count(), 6);
        UpdateLocations import;
        import.Parse("F;1;4;42;12\nS;2;100042;1\nI;2;1000;-1\nS;0;142\n");
        import.Check(collection);
        QCOMPARE(import.GoodCount(), 4);
        auto undo = import.ApplyRecords(collection);
        QVERIFY(undo);
        QVERIFY(collection.SaveToFileAsAscii(path));
        QVERIFY(TestSupport::readAll(path) != before);
        QVERIFY(undo->IsLastChange());
        QVERIFY(undo->Restore(collection));
        QVERIFY(DBItemCollection::IsModified());
        QVERIFY(!undo->IsLastChange()); // once only
        QVERIFY(collection.SaveToFileAsAscii(path));
        QCOMPARE(TestSupport::readAll(path), before);
        undo.reset();
        QCOMPARE(collection.Count(), 6);
    }

    // An edit between the check and the apply stops the apply; an edit after the import ends its undo.
    void anEditInBetweenStopsApplyAndUndo() {
        Checked early("I;1;42;1");
        DBItemCollection::SetModified(true);
        QVERIFY(!early.import.ApplyRecords(early.collection));
        QCOMPARE(describe(early.collection), QString::fromLatin1(kStart));
        Checked late("F;1;4;42;12");
        auto undo = late.import.ApplyRecords(late.collection);
        QVERIFY(undo);
        DBItemCollection::SetModified(false); // saving is no change of the items
        QVERIFY(undo->IsLastChange());
        DBItemCollection::SetModified(true);
        QVERIFY(!undo->Restore(late.collection));
        QCOMPARE(describe(late.collection), QStringLiteral("1000@2=5 7@1=3 7@3=2 142@0=1 100042@1=4 42@4=12*"));
    }

    void theFileItself() {
        TestDialogs dialogs;
        dialogs.expectBoxes(2); // the missing file, and the file changed after it was read
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Location.update.txt"));
        UpdateLocations missing;
        QVERIFY(!missing.ParseLocationFile(path));
        QCOMPARE(dialogs.lastTitle(), QStringLiteral("Brevane"));
        QVERIFY(dialogs.lastText().startsWith(QStringLiteral("File: does not exist")));

        QVERIFY(TestSupport::writeAll(path, "I;1;42;1\n"));
        UpdateLocations import;
        QVERIFY(import.ParseLocationFile(path));
        QCOMPARE(import.RecordCount(), 1);
        // Backups carry the second and never replace one another.
        const QDateTime when(QDate(2026, 12, 5), QTime(19, 5, 7));
        const QString first = import.WriteBackup(when);
        const QString second = import.WriteBackup(when);
        QCOMPARE(first, path + QStringLiteral(".05.12.2026.19.05.07"));
        QCOMPARE(second, first + QStringLiteral("-2"));
        QCOMPARE(TestSupport::readAll(first), QByteArray("I;1;42;1\n"));
        QCOMPARE(TestSupport::readAll(second), QByteArray("I;1;42;1\n"));
        // Lines written after the file was read keep it.
        QVERIFY(TestSupport::writeAll(path, "I;1;42;1\nI;1;42;2\n"));
        QVERIFY(!import.DeleteLocationFile());
        QVERIFY(QFile::exists(path));
        QVERIFY(TestSupport::writeAll(path, "I;1;42;1\n"));
        QVERIFY(import.DeleteLocationFile());
        QVERIFY(!QFile::exists(path));
        QVERIFY(QFile::exists(first));
    }

    void theHistoryKnowsAnImportedContent() {
        QTemporaryDir dir;
        const QString database = dir.filePath(QStringLiteral("stock.db"));
        UpdateLocations a, b;
        a.Parse("I;1;42;1\n");
        b.Parse("I;1;42;2\n");
        QCOMPARE(LocationImportHistory::EarlierImport(database, a.ContentHash()), QString());
        QString error;
        QVERIFY(LocationImportHistory::Record(database, a.ContentHash(), QDateTime(QDate(2026, 12, 5), QTime(9, 1, 2)),
                                              QStringLiteral("/scan/Location.update.txt"), 1, &error));
        QVERIFY(LocationImportHistory::Record(database, b.ContentHash(), QDateTime(QDate(2026, 12, 6), QTime(8, 0)),
                                              QStringLiteral("/scan/Location.update.txt"), 1, &error));
        QCOMPARE(LocationImportHistory::EarlierImport(database, a.ContentHash()),
                 QStringLiteral("05.12.2026 09:01:02"));
        QCOMPARE(LocationImportHistory::EarlierImport(database, b.ContentHash()),
                 QStringLiteral("06.12.2026 08:00:00"));
    }

    void theSummaryListsEveryRecord() {
        Checked checked("F;1;2;42;3\nI;1;4711;1\n");
        const QStringList lines = checked.import.SummaryText().split(QLatin1Char('\n'));
        QVERIFY(lines.contains(QStringLiteral("linje 1 | Flytning | 42 Skruer | Lager B → Butik | 3 | "
                                              "Lager B → Butik: 3 af 12")));
        QVERIFY(lines.contains(QStringLiteral("linje 2 | Lagerændring | 4711 | Lager B | 1 | "
                                              "PROBLEM: Lagernummer 4711 findes ikke på Lager B")));
        QVERIFY(lines.contains(QStringLiteral("Linjer: 2, gode: 1, med problemer: 1")));
    }

    void theBenchPrintsEachProblem_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("applied");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("problems stop it") << QStringList() << "applied 0" << 1;
        QTest::newRow("the good ones") << QStringList{QStringLiteral("--apply-good")} << "applied 2" << 0;
    }
    void theBenchPrintsEachProblem() {
        QFETCH(QStringList, options);
        QFETCH(QString, applied);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        {
            TestDialogs dialogs;
            DBItemCollection collection(nullptr);
            fill(collection);
            QVERIFY(collection.SaveToFileAsAscii(dir.filePath(QStringLiteral("stock.db"))));
        }
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("groups")));
        QVERIFY(TestSupport::writeAll(dir.filePath(QStringLiteral("groups/groups.dk.txt")),
                                      "Lager A\r\nLager B\r\nButik\r\nV\xe6rksted\r\nBil\r\n"));
        QVERIFY(TestSupport::writeAll(dir.filePath(QStringLiteral("scan.txt")),
                                      "I;1;42;1\nF;1;1;42;1\nS;4;1000\nI;7;42;1\n"));
        QProcess bench;
        bench.start(QStringLiteral(VESTRUM_BINARY_DIR "/bench/vestrum_bench"),
                    QStringList{QStringLiteral("--edition"), QStringLiteral("Brevane"), QStringLiteral("--load"),
                                dir.filePath(QStringLiteral("stock.db")), QStringLiteral("--update-locations"),
                                dir.filePath(QStringLiteral("scan.txt"))} +
                        options);
        QVERIFY(bench.waitForFinished(60000));
        QStringList lines;
        for (const QString& line : QString::fromUtf8(bench.readAllStandardOutput()).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("records")) || line.startsWith(QLatin1String("good")) ||
                line.startsWith(QLatin1String("problem")) || line.startsWith(QLatin1String("applied")))
                lines << line;
        }
        QCOMPARE(lines,
                 (QStringList{QStringLiteral("records 4"), QStringLiteral("good 2"), QStringLiteral("problems 2"),
                              QStringLiteral("problem: 2 | Samme placering: Lager B"),
                              QStringLiteral("problem: 4 | Placeringen \"7\" findes ikke (listen har 5)"), applied}));
        QCOMPARE(bench.exitCode(), exitCode);
    }
};

QTEST_GUILESS_MAIN(TestUpdateLocations)
#include "tst_update_locations.moc"
