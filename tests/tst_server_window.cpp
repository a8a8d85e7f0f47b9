// The window's side of a register on a database server: the conflict rules, the connection and conflict dialogs
// through the seam, the password kept out of the settings, and one run through the window against a PostgreSQL
// of the test's own.

#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/EditConflict.h"
#include "core/ItemCommands.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/ServerDialogs.h"
#include "mainwindow/vestrumwindow.h"
#include "server/ServerRegister.h"
#include "tests/TestPostgres.h"
#include "tests/TestSupport.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <memory>

namespace {

// "name=Stol;count=5;price=10" onto an item.
void apply(Item& item, const QString& changes) {
    for (const QString& change : changes.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString key = change.section(QLatin1Char('='), 0, 0);
        const QString value = change.section(QLatin1Char('='), 1);
        if (key == QLatin1String("name"))
            item.SetName(value);
        else if (key == QLatin1String("www"))
            item.SetWww(value);
        else if (key == QLatin1String("count"))
            item.SetNumberOfItems(value.toInt());
        else if (key == QLatin1String("price"))
            item.SetPrice(value.toDouble());
        else if (key == QLatin1String("group"))
            item.SetGroup(value.toInt());
        else
            qFatal("unknown field %s", qPrintable(key));
    }
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

QString summary(const Item& item) {
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(item.GetName(), item.GetWww())
        .arg(item.GetNumberOfItems())
        .arg(item.GetPrice())
        .arg(item.GetGroup());
}

// Fills the connection dialog the seam hands over and answers it.
std::function<int(QObject*)> fillConnection(const QString& host, int port, const QString& database, const QString& user,
                                            const QString& password, bool accept = true) {
    return [=](QObject* window) {
        auto* dialog = qobject_cast<ServerConnectionDialog*>(window);
        if (!dialog)
            return int(QDialog::Rejected);
        dialog->findChild<QLineEdit*>(QStringLiteral("hostEdit"))->setText(host);
        dialog->findChild<QSpinBox*>(QStringLiteral("portSpin"))->setValue(port);
        dialog->findChild<QLineEdit*>(QStringLiteral("databaseEdit"))->setText(database);
        dialog->findChild<QLineEdit*>(QStringLiteral("userEdit"))->setText(user);
        dialog->findChild<QLineEdit*>(QStringLiteral("passwordEdit"))->setText(password);
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
        QTest::addColumn<QString>("keepTheirs");
        // The base of every row: name Stol, no www, count 5, price 100, group 1.
        const QString name = ColumnNames::Title(ColumnNames::Name);
        const QString count = ColumnNames::Title(ColumnNames::Count);
        const QString price = ColumnNames::Title(ColumnNames::Price);
        const QString www = ColumnNames::Title(ColumnNames::Www);
        QTest::newRow("different fields: keep mine keeps their field too")
            << "name=Taburet"
            << "price=120" << QStringLiteral("%1:1 %2:2").arg(name, price) << "Taburet||5|120|1"
            << "Stol||5|120|1";
        QTest::newRow("the same field: keep mine wins it")
            << "name=Taburet"
            << "name=Skammel" << QStringLiteral("%1:3").arg(name) << "Taburet||5|100|1"
            << "Skammel||5|100|1";
        QTest::newRow("the same change on both: nothing marked")
            << "name=Taburet;www=x.dk"
            << "name=Taburet" << QStringLiteral("%1:1").arg(www) << "Taburet|x.dk|5|100|1"
            << "Taburet||5|100|1";
        QTest::newRow("counts are movements: a sale and a delivery both stay")
            << "count=3"
            << "count=9" << QStringLiteral("%1:3").arg(count) << "Stol||7|100|1"
            << "Stol||9|100|1";
        QTest::newRow("a movement below zero: my count stands")
            << "count=0"
            << "count=2" << QStringLiteral("%1:3").arg(count) << "Stol||0|100|1"
            << "Stol||2|100|1";
        QTest::newRow("only theirs changed")
            << ""
            << "group=2;price=90" << QStringLiteral("Gruppe:2 %1:2").arg(price) << "Stol||5|90|2"
            << "Stol||5|90|2";
    }
    void conflictRules() {
        QFETCH(QString, mine);
        QFETCH(QString, theirs);
        Item base;
        apply(base, QStringLiteral("name=Stol;count=5;price=100;group=1"));
        Item mineItem(base);
        apply(mineItem, mine);
        Item theirsItem(base);
        apply(theirsItem, theirs);
        QTEST(marked(EditConflict::Compare(base, mineItem, theirsItem)), "marks");
        QTEST(summary(EditConflict::Resolve(EditConflict::Choice::KeepMine, base, mineItem, theirsItem)), "keepMine");
        QTEST(summary(EditConflict::Resolve(EditConflict::Choice::KeepTheirs, base, mineItem, theirsItem)),
              "keepTheirs");
        // Editing again starts from what keeping mine would write.
        QCOMPARE(summary(EditConflict::Resolve(EditConflict::Choice::EditAgain, base, mineItem, theirsItem)),
                 summary(EditConflict::Resolve(EditConflict::Choice::KeepMine, base, mineItem, theirsItem)));
    }

    void conflictDialogAnswers_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("choice");
        QTest::newRow("keep theirs") << "keepTheirsButton" << int(EditConflict::Choice::KeepTheirs);
        QTest::newRow("keep mine") << "keepMineButton" << int(EditConflict::Choice::KeepMine);
        QTest::newRow("edit again") << "editAgainButton" << int(EditConflict::Choice::EditAgain);
        QTest::newRow("closed without a choice") << "" << int(EditConflict::Choice::EditAgain);
    }
    void conflictDialogAnswers() {
        QFETCH(QString, button);
        TestDialogs dialogs;
        Item base;
        apply(base, QStringLiteral("name=Stol;count=5"));
        Item mine(base);
        apply(mine, QStringLiteral("name=Taburet"));
        QStringList marks;
        if (button.isEmpty())
            dialogs.driveWindow([](QObject*) { return int(QDialog::Rejected); });
        else
            dialogs.driveWindow(clickConflict(button, &marks));
        const auto choice =
            EditConflictDialog::Ask(nullptr, QStringLiteral("'Stol'"), EditConflict::Compare(base, mine, base));
        QTEST(int(choice), "choice");
        if (!button.isEmpty())
            QCOMPARE(marks, QStringList{ColumnNames::Title(ColumnNames::Name)});
    }

    void connectionDialogThroughTheSeam_data() {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("database");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<int>("warnings");
        QTest::newRow("filled in") << true << "lager" << true << 0;
        QTest::newRow("cancelled") << false << "lager" << false << 0;
        QTest::newRow("no database") << true << " " << false << 1;
    }
    void connectionDialogThroughTheSeam() {
        QFETCH(bool, accept);
        QFETCH(QString, database);
        TestDialogs dialogs;
        dialogs.driveWindow(fillConnection(QStringLiteral("db.butik.lan"), 5433, database, QStringLiteral("kasse1"),
                                           QStringLiteral("hemmelig"), accept));
        QFETCH(int, warnings);
        for (int i = 0; i < warnings; ++i)
            dialogs.answer(0);
        ServerAddress address;
        QTEST(ServerConnectionDialog::Ask(nullptr, QStringLiteral("Åbn"), ServerAddress(), &address), "answered");
        QCOMPARE(dialogs.boxes.size(), warnings);
        if (dialogs.boxes.isEmpty() && accept) {
            QCOMPARE(address.Url(), QStringLiteral("postgresql://kasse1@db.butik.lan:5433/lager"));
            QCOMPARE(address.password, QStringLiteral("hemmelig"));
        }
    }

    void recentEntries_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("server");
        QTest::addColumn<QString>("name");
        QTest::newRow("file") << "/home/butik/lager.db" << false << "lager.db";
        QTest::newRow("server") << "postgresql://kasse1@db.butik.lan:5432/lager" << true << "lager på db.butik.lan";
    }
    void recentEntries() {
        QFETCH(QString, entry);
        QTEST(MainWindow::IsServerEntry(entry), "server");
        QTEST(MainWindow::RecentEntryName(entry), "name");
    }

    // A server that cannot be reached: one box names it, the file register stays, and the password typed for the
    // attempt is nowhere in the settings file.
    void unreachableServerChangesNothing() {
        TestSupport::SampleInstallation install;
        TestDialogs dialogs;
        MainWindow window;
        const QString file = window.CurrentFileName();
        const int items = window.Collection()->Count();
        dialogs.clear();
        dialogs.driveWindow(fillConnection(QStringLiteral("127.0.0.1"), 1, QStringLiteral("lager"),
                                           QStringLiteral("kasse1"), QStringLiteral("Hemmelig-Kode-1")));
        dialogs.answer(0);
        window.findChild<QAction*>(QStringLiteral("FileOpenServer"))->trigger();
        QCOMPARE(dialogs.boxes.size(), 1);
        QVERIFY2(dialogs.lastText().contains(QLatin1String("lager")), qPrintable(dialogs.lastText()));
        QVERIFY(!window.Server());
        QCOMPARE(window.CurrentFileName(), file);
        QCOMPARE(window.Collection()->Count(), items);
        window.SaveSettings();
        Settings settings;
        settings.sync();
        QVERIFY(!TestSupport::readAll(settings.fileName()).contains("Hemmelig-Kode-1"));
    }

    // Copy a register to the server and work on it there: state in the status bar, no lock file, a conflict
    // settled through the box, a change refused while the server is away, Save As writing a file.
    void throughTheWindow() {
        TestPostgres postgres;
        if (!postgres.isReady() && postgres.error().contains(QLatin1String("not found")))
            QSKIP(qPrintable(postgres.error()));
        QVERIFY2(postgres.isReady(), qPrintable(postgres.error()));
        QVERIFY(postgres.createDatabase(QStringLiteral("lager")));
        TestSupport::SampleInstallation install;
        TestDialogs dialogs;
        MainWindow window;
        const QString lock = window.Collection()->LockFilePath();
        QVERIFY(QFile::exists(lock));
        const QString secret = QStringLiteral("Hemmelig-Kode-2");

        dialogs.driveWindow(
            fillConnection(postgres.socketDir(), 5432, QStringLiteral("lager"), postgres.user(), secret));
        window.findChild<QAction*>(QStringLiteral("FileCopyToServer"))->trigger();
        QVERIFY2(window.Server(), qPrintable(dialogs.lastText()));
        QVERIFY(!QFile::exists(lock));
        auto* state = window.findChild<QLabel*>(QStringLiteral("ServerState"));
        QVERIFY(state && !state->isHidden());
        QVERIFY2(state->text().contains(QLatin1String("forbundet")), qPrintable(state->text()));
        QVERIFY(MainWindow::IsServerEntry(window.RecentFiles().value(0)));
        window.SaveSettings();
        {
            Settings settings;
            settings.sync();
            QVERIFY(!TestSupport::readAll(settings.fileName()).contains(secret.toUtf8()));
        }

        // Another workstation changes the first item's price; this one its name, from the dialog that still
        // shows the old price.
        DBItemCollection otherCollection(nullptr);
        ServerRegister other;
        QString error;
        QVERIFY2(other.Open(window.Server()->Address(), &error), qPrintable(error));
        QVERIFY2(other.Load(otherCollection, GetLanguage(), &error), qPrintable(error));
        Item* item = window.Collection()->At(0);
        Item* theirs = otherCollection.At(0);
        {
            const Item before(*theirs);
            theirs->SetPrice(theirs->GetPrice() + 10);
            otherCollection.Push(new EditItemCommand(&otherCollection, theirs, before));
        }
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
        {
            const Item before(*theirSecond);
            theirSecond->SetName(QStringLiteral("Fra lageret"));
            otherCollection.Push(new EditItemCommand(&otherCollection, theirSecond, before));
        }
        QTRY_COMPARE(second->GetName(), QStringLiteral("Fra lageret"));
        QTRY_COMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(open.nameLineEdit->text(), QStringLiteral("Min tekst"));
        dialogs.driveWindow(clickConflict(QStringLiteral("keepTheirsButton")));
        QVERIFY(open.save_slot());
        QCOMPARE(open.nameLineEdit->text(), QStringLiteral("Fra lageret"));
        QCOMPARE(second->GetName(), QStringLiteral("Fra lageret"));
        open.hide();

        // A group renamed here reaches the other workstation.
        window.findChild<QAction*>(QStringLiteral("SetupGroups"))->trigger();
        QDialog* setup = window.findChild<QDialog*>(QStringLiteral("Setup Groups"));
        QVERIFY(setup);
        QStringList groups = window.Collection()->Groups().Entries();
        groups[0] = QStringLiteral("Hylde 'A'; DROP TABLE vestrum_items");
        window.Collection()->Groups().SetEntries(groups);
        setup->accept();
        QTRY_COMPARE(otherCollection.Groups().Entry(0), groups[0]);

        // The server goes away: the change is refused with a box, and the dialog keeps its text.
        window.Server()->SetRetryInterval(300);
        QVERIFY(postgres.stop());
        QVERIFY(!window.Server()->CheckConnection());
        QTRY_VERIFY2(!state->text().contains(QLatin1String(": forbundet")), qPrintable(state->text()));
        dialog.nameLineEdit->setText(QStringLiteral("Mens serveren er væk"));
        dialogs.clear();
        dialogs.answer(0);
        QVERIFY(!dialog.save_slot());
        QCOMPARE(dialogs.boxes.size(), 1);
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
    }

    // An item deleted on another workstation while open here: the dialog stays with the user's text, and a save
    // asks to save it as a new item or to discard it.
    void deletedElsewhereKeepsTheText() {
        TestPostgres postgres;
        if (!postgres.isReady() && postgres.error().contains(QLatin1String("not found")))
            QSKIP(qPrintable(postgres.error()));
        QVERIFY2(postgres.isReady(), qPrintable(postgres.error()));
        QVERIFY(postgres.createDatabase(QStringLiteral("lager")));
        TestSupport::SampleInstallation install;
        TestDialogs dialogs;
        MainWindow window;
        dialogs.driveWindow(fillConnection(postgres.socketDir(), 5432, QStringLiteral("lager"), postgres.user(), {}));
        window.findChild<QAction*>(QStringLiteral("FileCopyToServer"))->trigger();
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
};

QTEST_MAIN(TestServerWindow)
#include "tst_server_window.moc"
