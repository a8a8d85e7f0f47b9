// The scanner-file import: its records and rules on a small register, the file, its backups and history, the
// bench's report; then as the user meets it in the window: file chooser, preview, apply, save, the file's
// removal, undo.
#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/DBItemCollection.h"
#include "core/UpdateLocationsData.h"
#include "mainwindow/vestrumwindow.h"
#include "output/LocationPreviewDialog.h"
#include "tests/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <memory>

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

void fill(DBItemCollection& collection) {
    collection.Groups().SetEntries({QStringLiteral("Lager A"), QStringLiteral("Lager B"), QStringLiteral("Butik"),
                                    QStringLiteral("Værksted"), QStringLiteral("Bil")});
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

// The register as Save writes it.
QByteArray saved(DBItemCollection& collection) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return collection.WriteAscii(&buffer, nullptr) ? buffer.data() : QByteArray("(not written)");
}

QAction* action(MainWindow& window, const char* name) {
    return window.findChild<QAction*>(QLatin1String(name));
}

// The count of the item with this number at this location in the window's register; -1 when there is none.
int countOf(MainWindow& window, const char* serial, int group) {
    Item* item = window.Collection()->FindByGroupAndSerial(group, QLatin1String(serial));
    return item ? item->GetNumberOfItems() : -1;
}

} // namespace

class TestUpdateLocations : public QObject {
    Q_OBJECT
private:
    TestDialogs* m_dialogs = nullptr;
    QTimer* m_previewTimer = nullptr;
    QString m_previewCounts;
    int m_previewRows = -1;

    QString database() const { return DefaultDatabasePath(); }
    QString scanner() const {
        return QDir(DefaultDatabaseDir()).absoluteFilePath(QStringLiteral("Location.update.txt"));
    }
    QStringList backups() const {
        return QDir(DefaultDatabaseDir()).entryList({QStringLiteral("Location.update.txt.*")}, QDir::Files);
    }

    // Presses a button of the preview once it shows; a preview left open after that is cancelled.
    void answerPreview(const QString& button) {
        m_previewCounts.clear();
        m_previewRows = -1;
        delete m_previewTimer;
        m_previewTimer = new QTimer(this);
        m_previewTimer->setInterval(10);
        connect(m_previewTimer, &QTimer::timeout, this, [this, button] {
            auto* dialog = qobject_cast<LocationPreviewDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            m_previewTimer->stop();
            m_previewCounts = dialog->findChild<QLabel*>(QStringLiteral("counts"))->text();
            m_previewRows = dialog->Table()->model()->rowCount();
            dialog->findChild<QPushButton*>(button)->click();
            if (dialog->isVisible())
                dialog->reject();
        });
        m_previewTimer->start();
    }

    void importFile(MainWindow& window, const QByteArray& content, const QString& button) {
        QVERIFY(TestSupport::writeAll(scanner(), content));
        m_dialogs->chooseFile(scanner());
        answerPreview(button);
        QVERIFY(action(window, "UpdateLocations")->isEnabled());
        action(window, "UpdateLocations")->trigger();
    }

private slots:
    void initTestCase() { TestSupport::isolateSettings(QStringLiteral("Brevane")); }
    // The rules run without lists from disk; the window's tests each start in a copy of the installation.
    void init() {
        SetEdition(Brevane);
        TestSupport::clearSettings();
        TestSupport::setRegisterFolder(QString());
        m_dialogs = new TestDialogs;
    }
    void cleanup() {
        delete m_previewTimer;
        m_previewTimer = nullptr;
        delete m_dialogs;
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
        const QByteArray before = saved(collection);
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
        // The undo gives back the very bytes Save wrote before, once only.
        QVERIFY(undo->IsLastChange());
        QVERIFY(undo->Restore(collection));
        QVERIFY(DBItemCollection::IsModified());
        QVERIFY(!undo->IsLastChange());
        QCOMPARE(saved(collection), before);
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
        QTest::newRow("count empty") << QByteArray("F;1;2;42;") << "\"\" er ikke et helt tal";
        QTest::newRow("count 2.5") << QByteArray("S;2;42;2.5") << "\"2.5\" er ikke et helt tal";
        // The first line of the file has brought number 42 up to 13.
        QTest::newRow("I below zero") << QByteArray("I;1;42;-14") << "13 stk., kan ikke trække 14 fra";
        QTest::newRow("F more than there is") << QByteArray("F;1;2;42;14") << "13 stk., kan ikke flytte 14";
        QTest::newRow("same location") << QByteArray("F;1;1;42;2") << "Samme placering: Lager B";
        QTest::newRow("split larger than the stock") << QByteArray("S;0;1000;6") << "5 stk., kan ikke dele 6 fra";
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
        QVERIFY(outcome.text.contains(problem));
        QCOMPARE(import.Records()[1].line, 2);
        QVERIFY(import.ApplyRecords(collection));
        QCOMPARE(describe(collection), QStringLiteral("42@1=14* 1000@2=5 7@1=3 7@3=2 142@0=1 100042@1=4"));
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
        const QString scan = QStringLiteral("/scan/Location.update.txt");
        QString error;
        QVERIFY(LocationImportHistory::Record(database, a.ContentHash(), {{2026, 12, 5}, {9, 1, 2}}, scan, 1, &error));
        QVERIFY(LocationImportHistory::Record(database, b.ContentHash(), {{2026, 12, 6}, {8, 0}}, scan, 1, &error));
        QCOMPARE(LocationImportHistory::EarlierImport(database, a.ContentHash()),
                 QStringLiteral("05.12.2026 09:01:02"));
        QCOMPARE(LocationImportHistory::EarlierImport(database, b.ContentHash()),
                 QStringLiteral("06.12.2026 08:00:00"));
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
                    QStringList{"--edition", "Brevane", "--load", dir.filePath(QStringLiteral("stock.db")),
                                "--update-locations", dir.filePath(QStringLiteral("scan.txt"))} +
                        options);
        QVERIFY(bench.waitForFinished(60000));
        const QStringList lines = QString::fromUtf8(bench.readAllStandardOutput())
                                      .split(QLatin1Char('\n'))
                                      .filter(QRegularExpression(QStringLiteral("^(records|good|problem|applied)")));
        QCOMPARE(lines, (QStringList{"records 4", "good 2", "problems 2", "problem: 2 | Samme placering: Lager B",
                                     "problem: 4 | Placeringen \"7\" findes ikke (listen har 5)", applied}));
        QCOMPARE(bench.exitCode(), exitCode);
    }

    void applyingAllSavesThenRemovesTheFileAndUndoGivesTheItemsBack() {
        const TestSupport::SampleInstallation install;
        MainWindow window;
        QVERIFY(window.Save()); // the register as this program writes it
        const QByteArray before = TestSupport::readAll(database());
        QCOMPARE(countOf(window, "1001", 0), 120);
        importFile(window, "I;0;1001;5\r\nF;0;4;001002;10\r\n", QStringLiteral("apply"));
        QCOMPARE(m_previewRows, 2);
        QVERIFY(m_previewCounts.startsWith(QStringLiteral("2 linjer: 2 gode, 0 med problemer")));
        QCOMPARE(countOf(window, "1001", 0), 125);
        QCOMPARE(countOf(window, "1002", 0), 75);
        QCOMPARE(countOf(window, "1002", 4), 10);
        // Saved, noted in the history, the file gone and its backup kept.
        QVERIFY(!DBItemCollection::IsModified());
        QVERIFY(TestSupport::readAll(database()) != before);
        QVERIFY(!QFile::exists(scanner()));
        QCOMPARE(backups().size(), 1);
        QVERIFY(QFile::exists(LocationImportHistory::HistoryPath(database())));
        QVERIFY(action(window, "EditImportSummary")->isEnabled());

        // One step of the undo history, saved: undone it is a change, redone the saved state again.
        QAction* undo = action(window, "EditUndo");
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(countOf(window, "1001", 0), 120);
        QCOMPARE(countOf(window, "1002", 4), -1);
        QVERIFY(DBItemCollection::IsModified());
        QVERIFY(!undo->isEnabled());
        action(window, "EditRedo")->trigger();
        QCOMPARE(countOf(window, "1001", 0), 125);
        QCOMPARE(countOf(window, "1002", 4), 10);
        QVERIFY(!DBItemCollection::IsModified());
        undo->trigger();
        QVERIFY(window.Save());
        QCOMPARE(TestSupport::readAll(database()), before);
    }

    void theSameContentTwiceIsAskedFor() {
        const TestSupport::SampleInstallation install;
        MainWindow window;
        importFile(window, "I;0;1001;5\n", QStringLiteral("apply"));
        QCOMPARE(countOf(window, "1001", 0), 125);
        m_dialogs->answer(1); // do not import it again
        importFile(window, "I;0;1001;5\n", QStringLiteral("apply"));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->lastText().contains(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))));
        QCOMPARE(countOf(window, "1001", 0), 125);
        QVERIFY(QFile::exists(scanner()));
        m_dialogs->answer(0); // import it again after all
        importFile(window, "I;0;1001;5\n", QStringLiteral("apply"));
        QCOMPARE(countOf(window, "1001", 0), 130);
        QVERIFY(!QFile::exists(scanner()));
        // The two imports are two steps of the history.
        action(window, "EditUndo")->trigger();
        QCOMPARE(countOf(window, "1001", 0), 125);
        action(window, "EditUndo")->trigger();
        QCOMPARE(countOf(window, "1001", 0), 120);
        QVERIFY(!action(window, "EditUndo")->isEnabled());
    }

    // Cancelled, or problems and back to the preview: nothing is taken. Problems and the good ones: those only.
    void problemsOrCancel_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("answer"); // to the question about the problems; -1 when none is asked
        QTest::addColumn<int>("count");
        const QByteArray problems("I;0;1001;5\nI;0;4711;1\nF;0;0;1002;1\n");
        QTest::newRow("cancel") << QByteArray("I;0;1001;5\n") << "cancel" << -1 << 120;
        QTest::newRow("back to the preview") << problems << "apply" << 1 << 120;
        QTest::newRow("apply the good ones") << problems << "apply" << 0 << 125;
    }
    void problemsOrCancel() {
        QFETCH(QByteArray, file);
        QFETCH(QString, button);
        QFETCH(int, answer);
        QFETCH(int, count);
        const TestSupport::SampleInstallation install;
        MainWindow window;
        const QByteArray before = TestSupport::readAll(database());
        if (answer >= 0)
            m_dialogs->answer(answer);
        importFile(window, file, button);
        QCOMPARE(m_previewRows, answer < 0 ? 1 : 3);
        if (answer >= 0) {
            QVERIFY(m_dialogs->lastText().startsWith(QStringLiteral("2 linjer har problemer")));
            QVERIFY(m_previewCounts.startsWith(QStringLiteral("3 linjer: 1 gode, 2 med problemer")));
        }
        QCOMPARE(countOf(window, "1001", 0), count);
        QCOMPARE(countOf(window, "1002", 0), 85);
        QVERIFY(!DBItemCollection::IsModified());
        const bool taken = count != 120;
        QCOMPARE(QFile::exists(scanner()), !taken);
        QCOMPARE(backups().size(), taken ? 1 : 0);
        QCOMPARE(TestSupport::readAll(database()) != before, taken);
        QCOMPARE(QFile::exists(LocationImportHistory::HistoryPath(database())), taken);
        QCOMPARE(action(window, "EditUndo")->isEnabled(), taken);
        // A cancelled file chooser neither warns nor saves.
        const QByteArray now = TestSupport::readAll(database());
        action(window, "UpdateLocations")->trigger();
        QCOMPARE(TestSupport::readAll(database()), now);
    }

    void aFailedSaveKeepsTheFile() {
        const TestSupport::SampleInstallation install;
        MainWindow window;
        // The database's name now belongs to a folder, so no save can succeed.
        QVERIFY(QFile::remove(database()));
        QVERIFY(QDir().mkdir(database()));
        m_dialogs->answer(0); // the writer's box
        m_dialogs->answer(0); // the file stays
        importFile(window, "I;0;1001;5\n", QStringLiteral("apply"));
        QCOMPARE(m_dialogs->boxes.size(), 2);
        QVERIFY(m_dialogs->lastText().contains(scanner()));
        QVERIFY(QFile::exists(scanner()));
        QCOMPARE(countOf(window, "1001", 0), 125); // in memory, still to be saved
        QVERIFY(DBItemCollection::IsModified());
        QVERIFY(!QFile::exists(LocationImportHistory::HistoryPath(database())));
    }

    void aReadOnlyDatabaseTakesNothing() {
        const TestSupport::SampleInstallation install;
        const QString lock = QDir(DefaultDatabaseDir()).filePath(QStringLiteral("LockFile.txt"));
        TestSupport::writeAll(lock, "K:\\lager.db Locked by PC: WS12, User: clerk");
        m_dialogs->answer(0); // the lock's own message
        MainWindow window;
        // The disabled action aside, the command itself refuses before the file chooser.
        QVERIFY(TestSupport::writeAll(scanner(), "I;0;1001;5\n"));
        m_dialogs->clear();
        m_dialogs->answer(0);
        m_dialogs->chooseFile(scanner());
        window.UpdateLocations();
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->choosers.isEmpty());
        QCOMPARE(countOf(window, "1001", 0), 120);
        QVERIFY(QFile::exists(scanner()));
        QVERIFY(backups().isEmpty());
    }

    // The summary names every record; it is saved and printed as the preview shows it.
    void theSummaryIsSavedAndPrinted() {
        Checked checked("F;1;2;42;3\nI;1;4711;1\n");
        const QStringList lines = checked.import.SummaryText().split(QLatin1Char('\n'));
        QVERIFY(lines.contains(QStringLiteral("linje 1 | Flytning | 42 Skruer | Lager B → Butik | 3 | "
                                              "Lager B → Butik: 3 af 12")));
        QVERIFY(lines.contains(QStringLiteral("linje 2 | Lagerændring | 4711 | Lager B | 1 | "
                                              "PROBLEM: Lagernummer 4711 findes ikke på Lager B")));
        QVERIFY(lines.contains(QStringLiteral("Linjer: 2, gode: 1, med problemer: 1")));
        LocationPreviewDialog preview(checked.import, false);
        QCOMPARE(preview.Table()->model()->rowCount(), 2);
        QVERIFY(preview.findChild<QPushButton*>(QStringLiteral("apply"))->isEnabled());
        QTemporaryDir dir;
        checked.dialogs.chooseFile(dir.filePath(QStringLiteral("summary.txt")));
        preview.findChild<QPushButton*>(QStringLiteral("saveSummary"))->click();
        QCOMPARE(TestSupport::readAll(dir.filePath(QStringLiteral("summary.txt"))), lines.join('\n').toUtf8());
        checked.dialogs.printTo(dir.filePath(QStringLiteral("summary.pdf")));
        preview.findChild<QPushButton*>(QStringLiteral("printSummary"))->click();
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("summary.pdf"))).size() > 0);
        // Nothing good to apply: the button cannot be pressed.
        Checked none("I;1;4711;1\n");
        LocationPreviewDialog bad(none.import, false);
        QVERIFY(!bad.findChild<QPushButton*>(QStringLiteral("apply"))->isEnabled());
    }
};

QTEST_MAIN(TestUpdateLocations)
#include "tst_update_locations.moc"
