#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/EditConflict.h"
#include "core/ItemCommands.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ServerDialogs.h"
#include "mainwindow/vestrumwindow.h"
#include "server/ServerRegister.h"
#include "tests/TestPostgres.h"
#include "tests/TestSupport.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

namespace {

// "name|www|count|price|group" to an item and back.
Item parse(const QString& text) {
    const QStringList f = text.split(QLatin1Char('|'));
    Item item;
    item.SetName(f.value(0));
    item.SetWww(f.value(1));
    item.SetNumberOfItems(f.value(2).toInt());
    item.SetPrice(f.value(3).toDouble());
    item.SetGroup(f.value(4).toInt());
    return item;
}
QString summary(const Item& item) {
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(item.GetName(), item.GetWww())
        .arg(item.GetNumberOfItems())
        .arg(item.GetPrice())
        .arg(item.GetGroup());
}

// The marked rows of a comparison as "Navn:12" (caption, who changed it: 1 me, 2 them, 3 both).
QString marked(const std::vector<EditConflict::Field>& fields) {
    QStringList rows;
    for (const EditConflict::Field& field : fields) {
        if (field.differs)
            rows << QStringLiteral("%1:%2").arg(ColumnNames::Title(field.column)).arg(field.changedBy);
    }
    return rows.join(QLatin1Char(' '));
}

// Fills the connection dialog the seam hands over with `a` and answers it.
std::function<int(QObject*)> fillConnection(const ServerAddress& a, bool accept = true) {
    return [=](QObject* window) {
        auto* dialog = qobject_cast<ServerConnectionDialog*>(window);
        if (!dialog)
            return int(QDialog::Rejected);
        dialog->findChild<QLineEdit*>(QStringLiteral("hostEdit"))->setText(a.host);
        dialog->findChild<QSpinBox*>(QStringLiteral("portSpin"))->setValue(a.port);
        dialog->findChild<QLineEdit*>(QStringLiteral("databaseEdit"))->setText(a.database);
        dialog->findChild<QLineEdit*>(QStringLiteral("userEdit"))->setText(a.user);
        dialog->findChild<QLineEdit*>(QStringLiteral("passwordEdit"))->setText(a.password);
        return int(accept ? QDialog::Accepted : QDialog::Rejected);
    };
}

// Clicks a button of the conflict dialog; records the marked captions the table shows.
std::function<int(QObject*)> clickConflict(const QString& button, QStringList* shownMarks = nullptr) {
    return [=](QObject* window) {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (!dialog || !dialog->findChild<QPushButton*>(button))
            return int(QDialog::Rejected);
        if (shownMarks) {
            auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("conflictTable"));
            for (int row = 0; row < table->rowCount(); ++row) {
                if (table->item(row, 0)->text().startsWith(QLatin1String("* ")))
                    *shownMarks << table->item(row, 0)->text().mid(2);
            }
        }
        dialog->findChild<QPushButton*>(button)->click();
        return dialog->result();
    };
}

void trigger(QObject& window, const char* action) {
    window.findChild<QAction*>(QLatin1String(action))->trigger();
}

// Whether the settings file the window saves holds `text`.
bool settingsHold(MainWindow& window, const QByteArray& text) {
    window.SaveSettings();
    Settings settings;
    settings.sync();
    return TestSupport::readAll(settings.fileName()).contains(text);
}

// An edit on another workstation, through its undo history as the user's edits go.
void editThere(DBItemCollection& collection, Item* item, const std::function<void(Item*)>& change) {
    const Item before(*item);
    change(item);
    collection.Push(new EditItemCommand(&collection, item, before));
}

} // namespace

class TestServerWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        TestSupport::isolateSettings(QStringLiteral("Brevane"));
        TestSupport::installTranslation(QStringLiteral("dk"));
    }
    void init() { SetEdition(Brevane); }

    void conflictRules_data() {
        QTest::addColumn<QString>("mine");
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("keepMine");
        const auto row = [](const char* tag, const char* mine, const char* theirs, const QString& marks,
                            const char* keepMine) {
            QTest::newRow(tag) << QString(mine) << QString(theirs) << marks << QString(keepMine);
        };
        const QString name = ColumnNames::Title(ColumnNames::Name), count = ColumnNames::Title(ColumnNames::Count);
        row("different fields: keep mine keeps theirs too", "Taburet||5|100|1", "Stol||5|120|1",
            name + ":1 " + ColumnNames::Title(ColumnNames::Price) + ":2", "Taburet||5|120|1");
        row("one field: mine wins", "Taburet||5|100|1", "Skammel||5|100|1", name + ":3", "Taburet||5|100|1");
        row("the same change: not marked", "Taburet|x.dk|5|100|1", "Taburet||5|100|1",
            ColumnNames::Title(ColumnNames::Www) + ":1", "Taburet|x.dk|5|100|1");
        row("counts are movements: both stay", "Stol||3|100|1", "Stol||9|100|1", count + ":3", "Stol||7|100|1");
        row("a movement below zero: my count stands", "Stol||0|100|1", "Stol||2|100|1", count + ":3", "Stol||0|100|1");
    }
    void conflictRules() {
        QFETCH(QString, mine);
        QFETCH(QString, theirs);
        using EditConflict::Choice;
        const Item base = parse(QStringLiteral("Stol||5|100|1")), m = parse(mine), t = parse(theirs);
        QTEST(marked(EditConflict::Compare(base, m, t)), "marks");
        QTEST(summary(EditConflict::Resolve(Choice::KeepMine, base, m, t)), "keepMine");
        QCOMPARE(summary(EditConflict::Resolve(Choice::KeepTheirs, base, m, t)), theirs);
        // Editing again starts from what keeping mine would write.
        QTEST(summary(EditConflict::Resolve(Choice::EditAgain, base, m, t)), "keepMine");
    }

    // Closing the box without a choice must neither drop the edit nor overwrite theirs: it edits again.
    void conflictDialogAnswers() {
        TestDialogs dialogs;
        const Item base = parse(QStringLiteral("Stol||5"));
        const auto fields = EditConflict::Compare(base, parse(QStringLiteral("Taburet||5")), base);
        dialogs.driveWindow(clickConflict(QStringLiteral("editAgainButton")));
        dialogs.driveWindow([](QObject*) { return int(QDialog::Rejected); });
        for (int i = 0; i < 2; ++i)
            QCOMPARE(EditConflictDialog::Ask(nullptr, QStringLiteral("'Stol'"), fields),
                     EditConflict::Choice::EditAgain);
    }

    void connectionDialogThroughTheSeam_data() {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("database");
        QTest::newRow("filled in") << true << "lager";
        QTest::newRow("cancelled") << false << "lager";
        QTest::newRow("no database") << true << " "; // a warning box
    }
    void connectionDialogThroughTheSeam() {
        QFETCH(bool, accept);
        QFETCH(QString, database);
        TestDialogs dialogs;
        auto typed = ServerAddress::FromConnInfo(QStringLiteral("host=db.butik.lan port=5433 user=kasse1 password=pw"));
        typed.database = database;
        dialogs.driveWindow(fillConnection(typed, accept));
        const bool warned = database.trimmed().isEmpty();
        if (warned)
            dialogs.answer(0);
        ServerAddress result;
        const bool answered = ServerConnectionDialog::Ask(nullptr, QStringLiteral("Åbn"), ServerAddress(), &result);
        QCOMPARE(dialogs.boxes.size(), int(warned));
        QCOMPARE(answered, accept && !warned);
        if (answered) {
            QCOMPARE(result.Url(), QStringLiteral("postgresql://kasse1@db.butik.lan:5433/lager"));
            QCOMPARE(result.password, QStringLiteral("pw"));
        }
    }

    // A server that cannot be reached: one box names it and the file register stays. Then copy the register to a
    // server and work on it there: state in the status bar, no lock file, a conflict settled through the box, a
    // change refused while the server is away, Save As writing a file. No password typed reaches the settings.
    void throughTheWindow() {
        TestPostgres postgres;
        if (!postgres.isReady() && postgres.error().contains(QLatin1String("not found")))
            QSKIP(qPrintable(postgres.error()));
        QVERIFY2(postgres.isReady() && postgres.createDatabase(QStringLiteral("lager")), qPrintable(postgres.error()));
        TestSupport::SampleInstallation install;
        TestDialogs dialogs;
        MainWindow window;
        const QString lock = window.Collection()->LockFilePath(), file = window.CurrentFileName();
        const int items = window.Collection()->Count();
        QVERIFY(QFile::exists(lock));
        dialogs.clear();
        dialogs.driveWindow(fillConnection(ServerAddress::FromConnInfo(
            QStringLiteral("host=127.0.0.1 port=1 dbname=lager user=kasse1 password=Hemmelig-Kode-1"))));
        dialogs.answer(0);
        trigger(window, "FileOpenServer");
        QCOMPARE(dialogs.boxes.size(), 1);
        QVERIFY2(dialogs.lastText().contains(QLatin1String("lager")), qPrintable(dialogs.lastText()));
        QVERIFY(!window.Server());
        QCOMPARE(window.CurrentFileName(), file);
        QCOMPARE(window.Collection()->Count(), items);
        QVERIFY(QFile::exists(lock));
        QVERIFY(!settingsHold(window, "Hemmelig-Kode-1"));

        ServerAddress typed = postgres.address(QStringLiteral("lager"));
        typed.password = QStringLiteral("Hemmelig-Kode-2");
        dialogs.driveWindow(fillConnection(typed));
        trigger(window, "FileCopyToServer");
        QVERIFY2(window.Server(), qPrintable(dialogs.lastText()));
        QVERIFY(!QFile::exists(lock));
        auto* state = window.findChild<QLabel*>(QStringLiteral("ServerState"));
        QVERIFY(state && !state->isHidden());
        QVERIFY2(state->text().contains(QLatin1String("forbundet")), qPrintable(state->text()));
        // The recent list names the server's register as such.
        QVERIFY(window.findChild<QAction*>(QStringLiteral("RecentFile0"))
                    ->text()
                    .startsWith(QStringLiteral("&1 lager på /")));
        QVERIFY(!settingsHold(window, typed.password.toUtf8()));

        // Another workstation changes the first item's price; this one its name, from the dialog that still
        // shows the old price.
        DBItemCollection otherCollection(nullptr);
        ServerRegister other;
        QString error;
        QVERIFY2(other.Open(window.Server()->Address(), &error) && other.Load(otherCollection, GetLanguage(), &error),
                 qPrintable(error));
        Item* item = window.Collection()->At(0);
        Item* theirs = otherCollection.At(0);
        editThere(otherCollection, theirs, [](Item* i) { i->SetPrice(i->GetPrice() + 10); });
        ItemDialog dialog(window.Collection(), item, QStringLiteral("DATA"), false, &window);
        dialog.nameLineEdit->setText(QStringLiteral("Navn fra kassen"));
        QStringList marks;
        dialogs.driveWindow(clickConflict(QStringLiteral("keepMineButton"), &marks));
        QVERIFY(dialog.save_slot());
        QCOMPARE(marks, (QStringList{ColumnNames::Title(ColumnNames::Name), ColumnNames::Title(ColumnNames::Price)}));
        QCOMPARE(item->GetName(), QStringLiteral("Navn fra kassen"));
        QCOMPARE(item->GetPrice(), theirs->GetPrice()); // their price stays
        QTRY_COMPARE(theirs->GetName(), QStringLiteral("Navn fra kassen"));

        // The other workstation changes an item open here: a notice, and the dialog keeps the user's text until a
        // save shows both versions.
        Item* second = window.Collection()->At(1);
        Item* theirSecond = other.ItemOf(window.Server()->IdOf(second));
        QVERIFY(theirSecond);
        ItemDialog open(window.Collection(), second, QStringLiteral("DATA"), false, &window);
        open.show();
        open.nameLineEdit->setText(QStringLiteral("Min tekst"));
        dialogs.clear();
        dialogs.answer(0); // keep what I have
        QSignalSpy changed(window.Collection(), &DBItemCollection::itemChanged);
        const int group = second->GetGroup();
        editThere(otherCollection, theirSecond, [](Item* i) {
            i->SetName(QStringLiteral("Fra lageret"));
            i->SetGroup(i->GetGroup() + 1);
        });
        QTRY_COMPARE(second->GetName(), QStringLiteral("Fra lageret"));
        QCOMPARE(window.Collection()->At(1), second);
        QCOMPARE(changed.at(0).at(1).toInt(), group); // the old group, for the list
        QTRY_COMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(open.nameLineEdit->text(), QStringLiteral("Min tekst"));
        dialogs.driveWindow(clickConflict(QStringLiteral("keepTheirsButton")));
        QVERIFY(open.save_slot());
        QCOMPARE(open.nameLineEdit->text(), QStringLiteral("Fra lageret"));
        QCOMPARE(second->GetName(), QStringLiteral("Fra lageret"));
        open.hide();
        otherCollection.Add(new Item(*theirs));
        QTRY_COMPARE(window.Collection()->Count(), items + 1);

        // A group renamed here reaches the other workstation.
        trigger(window, "SetupGroups");
        QDialog* setup = window.findChild<QDialog*>(QStringLiteral("Setup Groups"));
        QVERIFY(setup);
        QStringList groups = window.Collection()->Groups().Entries();
        groups[0] = QStringLiteral("Hylde 'A'; DROP TABLE vestrum_items");
        window.Collection()->Groups().SetEntries(groups);
        setup->accept();
        QTRY_COMPARE(otherCollection.Groups().Entries(), groups);

        // The server goes away: a change is refused with a box and taken back, and the dialog keeps its text.
        window.Server()->SetRetryInterval(300);
        other.SetRetryInterval(100);
        QVERIFY(postgres.stop());
        QVERIFY(!window.Server()->CheckConnection());
        QTRY_VERIFY2(!state->text().contains(QLatin1String(": forbundet")), qPrintable(state->text()));
        dialogs.clear();
        dialogs.expectBoxes(2);
        item->SetName(QStringLiteral("Ikke gemt"));
        window.Collection()->NotifyItemChanged(item, item->GetGroup());
        QTRY_COMPARE(item->GetName(), QStringLiteral("Navn fra kassen"));
        dialog.nameLineEdit->setText(QStringLiteral("Mens serveren er væk"));
        QVERIFY(!dialog.save_slot());
        QCOMPARE(dialogs.boxes.size(), 2);
        QCOMPARE(dialog.nameLineEdit->text(), QStringLiteral("Mens serveren er væk"));
        QCOMPARE(item->GetName(), QStringLiteral("Navn fra kassen"));

        // Save As writes the usual file and the window stays on the server register.
        const QString copy = install.filePath(QStringLiteral("kopi.db"));
        dialogs.chooseFile(copy);
        QVERIFY(window.SaveAs());
        QVERIFY(TestSupport::readAll(copy).contains("Navn fra kassen"));
        QVERIFY(window.Server());
        QCOMPARE(window.RecentFiles().value(0), window.Server()->Address().Url());

        // The server is back: the window reconnects by itself and the kept text can be saved.
        QVERIFY(postgres.start());
        QTRY_VERIFY2_WITH_TIMEOUT(state->text().contains(QLatin1String(": forbundet")), qPrintable(state->text()),
                                  15000);
        QVERIFY(dialog.save_slot());
        QCOMPARE(item->GetName(), QStringLiteral("Mens serveren er væk"));
        // The other workstation lost the server too and catches up once it is back.
        other.CheckConnection();
        QTRY_COMPARE_WITH_TIMEOUT(theirs->GetName(), QStringLiteral("Mens serveren er væk"), 5000);
    }

    // An item deleted on another workstation while open here: the dialog stays with the user's text, and a save
    // asks to save it as a new item or to discard it.
    void deletedElsewhereKeepsTheText() {
        TestPostgres postgres;
        if (!postgres.isReady() && postgres.error().contains(QLatin1String("not found")))
            QSKIP(qPrintable(postgres.error()));
        QVERIFY2(postgres.isReady() && postgres.createDatabase(QStringLiteral("lager")), qPrintable(postgres.error()));
        TestSupport::SampleInstallation install;
        TestDialogs dialogs;
        MainWindow window;
        dialogs.driveWindow(fillConnection(postgres.address(QStringLiteral("lager"))));
        trigger(window, "FileCopyToServer");
        QVERIFY2(window.Server(), qPrintable(dialogs.lastText()));
        DBItemCollection otherCollection(nullptr);
        ServerRegister other;
        QString error;
        QVERIFY2(other.Open(window.Server()->Address(), &error), qPrintable(error));
        QVERIFY2(other.Load(otherCollection, GetLanguage(), &error), qPrintable(error));
        for (const int answer : {0, 1}) { // save as a new item, discard
            Item* item = window.Collection()->At(0);
            const int count = window.Collection()->Count();
            const QString typed = QStringLiteral("Skrevet her %1").arg(answer);
            ItemDialog dialog(window.Collection(), item, QStringLiteral("DATA"), false, &window);
            dialog.show();
            dialog.nameLineEdit->setText(typed);
            dialogs.clear();
            dialogs.answer(0); // the notice
            otherCollection.Push(new DeleteItemCommand(&otherCollection, other.ItemOf(window.Server()->IdOf(item))));
            QTRY_COMPARE(window.Collection()->Count(), count - 1);
            QCOMPARE(dialogs.boxes.size(), 1);
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.nameLineEdit->text(), typed);
            dialogs.answer(answer);
            dialog.save_slot();
            QCOMPARE(dialogs.boxes.size(), 2);
            QCOMPARE(window.Collection()->Count(), count - 1 + (answer == 0 ? 1 : 0));
            QCOMPARE(dialog.isVisible(), answer == 0);
            if (answer == 0)
                QTRY_COMPARE(otherCollection.At(otherCollection.Count() - 1)->GetName(), typed);
        }
    }

    // A login that needs a password nobody gave is asked for it once; the password reaches no settings.
    void aPasswordIsAskedForOnce() {
        TestPostgres postgres;
        if (!postgres.isReady() && postgres.error().contains(QLatin1String("not found")))
            QSKIP(qPrintable(postgres.error()));
        QVERIFY2(postgres.isReady() && postgres.createDatabase(QStringLiteral("lager")) &&
                     postgres.addPasswordLogin(QStringLiteral("kasse"), QStringLiteral("Hemmelig-Kode-3")),
                 qPrintable(postgres.error()));
        TestSupport::SampleInstallation install;
        TestDialogs dialogs;
        MainWindow window;
        ServerAddress typed = postgres.address(QStringLiteral("lager"));
        typed.user = QStringLiteral("kasse");
        dialogs.driveWindow(fillConnection(typed));
        typed.password = QStringLiteral("Hemmelig-Kode-3");
        dialogs.driveWindow(fillConnection(typed));
        trigger(window, "FileCopyToServer");
        QVERIFY2(window.Server(), qPrintable(dialogs.lastText()));
        QVERIFY(dialogs.windows.isEmpty());
        QCOMPARE(window.Server()->Address().user, typed.user);
        QVERIFY(!settingsHold(window, "Hemmelig-Kode-3"));
    }
};

QTEST_MAIN(TestServerWindow)
#include "tst_server_window.moc"
