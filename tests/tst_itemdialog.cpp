// The item dialog on a real collection and list view: its states, editing, saving, copying, navigation,
// searching, links and the print-out.
// The dialog's header needs its form's generated header; naming it here has it generated for this test too.
#include "ui_ItemDialogBase.h"

#include "TestSupport.h"
#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"
#include "platform/Launcher.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QUrl>

#include <memory>

namespace {

const char* const kStateButtons[] = {"buttonOk",        "savePushButton",  "newPushButton",     "CopyPushButton",
                                     "resetPushButton", "seachPushButton", "SearchAgainButton", "PrevPushButton",
                                     "NextPushButton",  "printButton"};

// Gives the keys whose words carry placeholders a form with them, so the values shown can be checked
// whatever the state of the translation files.
class PlaceholderTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (qstrcmp(context, "ItemDialog") != 0)
            return QString();
        if (qstrcmp(source, "TEXT_NOT_INSERTED_CHARACTER") == 0)
            return QStringLiteral("TEXT_NOT_INSERTED_CHARACTER %1");
        if (qstrcmp(source, "LINK_PATH_NOT_STORABLE") == 0)
            return QStringLiteral("LINK_PATH_NOT_STORABLE %1 %2");
        if (qstrcmp(source, "LINK_PATH_TOO_LONG") == 0)
            return QStringLiteral("LINK_PATH_TOO_LONG %1 %2");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

Item* makeItem(const QString& name, int group = 0, double price = 0, int count = 1) {
    auto* item = new Item;
    item->SetName(name);
    item->SetGroup(group);
    item->SetPrice(price);
    item->SetNumberOfItems(count);
    item->SetDate(QStringLiteral("01.02.2020"));
    return item;
}

// An open database with its list, as the main window holds them.
struct Register {
    std::unique_ptr<DBItemCollection> collection;
    std::unique_ptr<ItemListView> view;

    void attachView() {
        view = std::make_unique<ItemListView>(nullptr);
        view->SetCollection(collection.get());
        view->Fill(collection.get());
        view->ViewAll(true);
        DBItemCollection::SetModified(false);
    }
};

} // namespace

class TestItemDialog : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestDialogs> m_dialogs;
    QString m_oldCurrent;
    PlaceholderTranslator m_translator;

    // The edition's sample lists (and, with sample, its sample database); otherwise the given items.
    Register open(int edition, bool sample, const QList<Item*>& items = {}) {
        SetEdition(edition);
        Settings settings;
        settings.setValue(QStringLiteral("Language"), QStringLiteral("dk"));
        settings.setValue(QStringLiteral("LastDBDir"), DefaultDatabaseDir());
        settings.sync();
        Register r;
        r.collection = std::make_unique<DBItemCollection>(nullptr);
        if (sample)
            r.collection->LoadFromAsciiFile(DefaultDatabasePath());
        for (Item* item : items)
            r.collection->Add(item);
        r.attachView();
        return r;
    }

    static std::unique_ptr<ItemDialog> dialogOn(Register& r, Item* item, bool search = false,
                                                const QString& groupName = QString(),
                                                const QString& page = QStringLiteral("DATA")) {
        auto dialog =
            std::make_unique<ItemDialog>(r.collection.get(), r.view.get(), item, page, search, nullptr, groupName);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get()))
            qWarning("dialog not exposed");
        return dialog;
    }

    static QStringList enabledButtons(const ItemDialog& dialog) {
        QStringList names;
        for (const char* name : kStateButtons) {
            auto* button = dialog.findChild<QPushButton*>(QLatin1String(name));
            if (button && button->isEnabled())
                names << QLatin1String(name);
        }
        return names;
    }

    static void click(ItemDialog& dialog, const char* name) {
        auto* button = dialog.findChild<QPushButton*>(QLatin1String(name));
        QVERIFY2(button, name);
        QVERIFY2(button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    static void type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    static QString pdfText(const QString& pdf) {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        if (!process.waitForFinished(30000))
            return QString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

private slots:
    void initTestCase() {
        TestSupport::isolateSettings();
        m_oldCurrent = QDir::currentPath();
        // One copy of the sample data serves every test; none of them changes the databases.
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        TestSupport::copyTree(TestSupport::sourceDir() + QStringLiteral("/data"), m_dir->path());
        QCoreApplication::installTranslator(&m_translator);
    }

    void init() {
        TestSupport::clearSettings();
        ColumnNames::Reset();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_dialogs = std::make_unique<TestDialogs>();
    }

    void cleanup() {
        m_dialogs.reset();
        // Lock files are the only thing the tests leave in the sample copy.
        for (const char* folder : {"db/DemoDBStd", "db/DemoDBFilm", "db/DemoDBCoins", "db/DemoBrevane"})
            QFile::remove(m_dir->filePath(QLatin1String(folder) + QStringLiteral("/LockFile.txt")));
        QDir::setCurrent(m_oldCurrent);
        DBItemCollection::SetModified(false);
    }

    void stateTable_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("enabled");
        const QStringList edit{"buttonOk",       "savePushButton",  "newPushButton",
                               "CopyPushButton", "resetPushButton", "seachPushButton",
                               "PrevPushButton", "NextPushButton",  "printButton"};
        const QStringList editAfterSearch{"buttonOk",        "savePushButton",  "newPushButton",     "CopyPushButton",
                                          "resetPushButton", "seachPushButton", "SearchAgainButton", "PrevPushButton",
                                          "NextPushButton",  "printButton"};
        const QStringList newItem{"buttonOk", "savePushButton"};
        const QStringList copy{"buttonOk", "savePushButton", "newPushButton", "resetPushButton", "printButton"};
        const QStringList search{"newPushButton", "CopyPushButton", "resetPushButton", "seachPushButton"};

        QTest::newRow("constructed with an item") << int(Tovik) << "item" << QStringList{} << edit;
        QTest::newRow("constructed without an item") << int(Tovik) << "nothing" << QStringList{} << newItem;
        QTest::newRow("New") << int(Tovik) << "item" << QStringList{"new"} << newItem;
        QTest::newRow("Copy") << int(Tovik) << "item" << QStringList{"copy"} << copy;
        QTest::newRow("Save after New") << int(Tovik) << "nothing" << QStringList{"name:Lampe", "price:100", "save"}
                                        << edit;
        QTest::newRow("Save after Copy") << int(Tovik) << "item" << QStringList{"copy", "save"} << edit;
        QTest::newRow("Reset") << int(Tovik) << "item" << QStringList{"reset"} << search;
        QTest::newRow("search flag") << int(Tovik) << "search" << QStringList{} << search;
        QTest::newRow("a hit") << int(Tovik) << "search" << QStringList{"name:sofa", "search"} << editAfterSearch;
        QTest::newRow("a miss") << int(Tovik) << "search" << QStringList{"name:zzzz", "search"} << search;
        QTest::newRow("searching again past the last hit")
            << int(Tovik) << "search" << QStringList{"name:3-personers", "search", "again"}
            << (search + QStringList{"SearchAgainButton"});
        QTest::newRow("New after a search") << int(Tovik) << "search" << QStringList{"new"} << newItem;
        QTest::newRow("Previous at the first item")
            << int(Tovik) << "item" << QStringList{"previous"}
            << QStringList{"buttonOk",        "savePushButton",  "newPushButton",  "CopyPushButton",
                           "resetPushButton", "seachPushButton", "NextPushButton", "printButton"};
        QTest::newRow("empty collection") << int(Tovik) << "empty" << QStringList{} << newItem;
        QTest::newRow("read-only database")
            << int(Brevane) << "locked" << QStringList{}
            << QStringList{"resetPushButton", "seachPushButton", "PrevPushButton", "NextPushButton", "printButton"};
        QTest::newRow("read-only database, search")
            << int(Brevane) << "locked" << QStringList{"reset"} << QStringList{"resetPushButton", "seachPushButton"};
    }
    void stateTable() {
        QFETCH(int, edition);
        QFETCH(QString, opening);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, enabled);
        if (opening == QLatin1String("locked")) {
            SetEdition(edition);
            Settings().setValue(QStringLiteral("LastDBDir"), DefaultDatabaseDir());
            QVERIFY(TestSupport::writeAll(DefaultDatabaseDir() + QStringLiteral("/LockFile.txt"),
                                          "DemoBrevane.dk.db Locked by PC: lager, User: bo"));
        }
        Register r = open(edition, opening != QLatin1String("empty"));
        if (opening == QLatin1String("locked"))
            QVERIFY(r.collection->IsReadOnly());
        Item* first = r.collection->Count() > 0 ? r.collection->At(0) : nullptr;
        auto dialog =
            dialogOn(r, opening == QLatin1String("item") || opening == QLatin1String("locked") ? first : nullptr,
                     opening == QLatin1String("search") || opening == QLatin1String("empty"));
        for (const QString& step : steps) {
            if (step.startsWith(QLatin1String("name:")))
                type(dialog->nameLineEdit, step.mid(5));
            else if (step.startsWith(QLatin1String("price:")))
                type(dialog->priceLineEdit, step.mid(6));
            else if (step == QLatin1String("new"))
                click(*dialog, "newPushButton");
            else if (step == QLatin1String("copy"))
                click(*dialog, "CopyPushButton");
            else if (step == QLatin1String("save"))
                click(*dialog, "savePushButton");
            else if (step == QLatin1String("reset"))
                click(*dialog, "resetPushButton");
            else if (step == QLatin1String("search"))
                click(*dialog, "seachPushButton");
            else if (step == QLatin1String("again"))
                click(*dialog, "SearchAgainButton");
            else if (step == QLatin1String("previous"))
                click(*dialog, "PrevPushButton");
            else
                QFAIL(qPrintable(step));
        }
        QCOMPARE(enabledButtons(*dialog), enabled);
    }

    void newItemCount_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("count");
        QTest::newRow("Tovik") << int(Tovik) << "1";
        QTest::newRow("Pellin") << int(Pellin) << "0";
        QTest::newRow("Ostrel") << int(Ostrel) << "1";
        QTest::newRow("Brevane") << int(Brevane) << "1";
    }
    void newItemCount() {
        QFETCH(int, edition);
        QFETCH(QString, count);
        Register r = open(edition, true);
        auto dialog = dialogOn(r, nullptr);
        QCOMPARE(dialog->numberOfItemsLineEdit->text(), count);
        QVERIFY(dialog->IsNewItem());
        QCOMPARE(dialog->buyQDateEdit->date(), QDate::currentDate());
    }

    void brevaneNewItemIsNumberedAndWithoutLocation() {
        Register r = open(Brevane, true);
        const int next = r.collection->LastSerialNumber() + 1;
        auto dialog = dialogOn(r, nullptr);
        QCOMPARE(dialog->serialnoLineEdit->text(), QString::number(next));
        QVERIFY(!dialog->serialnoLineEdit->isEnabled());
        QCOMPARE(dialog->locationComboBox->currentText(), QString());
        QVERIFY(!dialog->numberOfItemsLineEdit->isEnabled());
    }

    void groupPreselectedFromAGroupRow_data() {
        QTest::addColumn<int>("groupRow");
        QTest::addColumn<QString>("groupName");
        QTest::addColumn<int>("selected");
        QTest::newRow("the third group") << 2 << "" << 2;
        QTest::newRow("no such group") << -1 << "Ingen sådan gruppe" << 0;
        QTest::newRow("letter case differs") << -2 << "" << 0;
    }
    void groupPreselectedFromAGroupRow() {
        QFETCH(int, groupRow);
        QFETCH(QString, groupName);
        QFETCH(int, selected);
        Register r = open(Tovik, true);
        if (groupRow >= 0)
            groupName = r.view->Model()->GroupName(groupRow);
        else if (groupRow == -2)
            groupName = r.view->Model()->GroupName(2).toUpper();
        auto dialog = dialogOn(r, nullptr, false, groupName);
        QCOMPARE(dialog->groupComboBox->currentIndex(), selected);
        QVERIFY(dialog->IsNewItem());
    }

    void liveTotal_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("shownPrice");
        QTest::addColumn<QString>("total");
        QTest::newRow("3 x 12.5") << "3"
                                  << "12.5"
                                  << "12.5"
                                  << "37.50";
        QTest::newRow("comma typed as decimal point") << "3"
                                                      << "12,5"
                                                      << "12.5"
                                                      << "37.50";
        QTest::newRow("letters refused") << "2"
                                         << "1x0"
                                         << "10"
                                         << "20.00";
    }
    void liveTotal() {
        QFETCH(QString, count);
        QFETCH(QString, price);
        QFETCH(QString, shownPrice);
        QFETCH(QString, total);
        Register r = open(Tovik, false, {makeItem(QStringLiteral("Stol"), 0, 100.0, 1)});
        auto dialog = dialogOn(r, nullptr);
        type(dialog->numberOfItemsLineEdit, count);
        type(dialog->priceLineEdit, price);
        QCOMPARE(dialog->priceLineEdit->text(), shownPrice);
        QCOMPARE(dialog->priceTotalLineEdit->text(), total);
    }

    void typingLeavesAStoredItemAloneUntilSaved() {
        Item* chair = makeItem(QStringLiteral("Stol"), 0, 100.0, 1);
        Register r = open(Tovik, false, {chair});
        auto dialog = dialogOn(r, chair);
        type(dialog->numberOfItemsLineEdit, QStringLiteral("4"));
        QCOMPARE(dialog->priceTotalLineEdit->text(), QStringLiteral("400.00"));
        click(*dialog, "buttonCancel");
        QCOMPARE(chair->GetNumberOfItems(), 1);
        QVERIFY(!DBItemCollection::IsModified());
    }

    void previousAndNextStopAtTheEdges() {
        Item* a = makeItem(QStringLiteral("Alfa"));
        Item* b = makeItem(QStringLiteral("Bravo"));
        Item* c = makeItem(QStringLiteral("Charlie"));
        Register r = open(Tovik, false, {a, b, c});
        auto dialog = dialogOn(r, a);
        click(*dialog, "PrevPushButton");
        QCOMPARE(dialog->CurrentItem(), a);
        QCOMPARE(dialog->nameLineEdit->text(), QStringLiteral("Alfa"));
        QVERIFY(!dialog->PrevPushButton->isEnabled());
        QVERIFY(dialog->NextPushButton->isEnabled());
        click(*dialog, "NextPushButton");
        QCOMPARE(dialog->nameLineEdit->text(), QStringLiteral("Bravo"));
        QVERIFY(dialog->PrevPushButton->isEnabled());
        QCOMPARE(r.view->ItemOf(r.view->isItemSelected()), b);
        click(*dialog, "NextPushButton");
        click(*dialog, "NextPushButton");
        QCOMPARE(dialog->CurrentItem(), c);
        QVERIFY(!dialog->NextPushButton->isEnabled());
        QVERIFY(dialog->PrevPushButton->isEnabled());
        QCOMPARE(r.view->ItemOf(r.view->isItemSelected()), c);
    }

    void navigatingDropsUnsavedEdits() {
        Item* a = makeItem(QStringLiteral("Alfa"));
        Item* b = makeItem(QStringLiteral("Bravo"));
        Register r = open(Tovik, false, {a, b});
        auto dialog = dialogOn(r, a);
        type(dialog->nameLineEdit, QStringLiteral("Ændret"));
        click(*dialog, "NextPushButton");
        click(*dialog, "PrevPushButton");
        QCOMPARE(dialog->nameLineEdit->text(), QStringLiteral("Alfa"));
        QCOMPARE(a->GetName(), QStringLiteral("Alfa"));
    }

    void savingANewItemAddsItsRowUnderItsGroup() {
        Register r = open(Tovik, true);
        const int before = r.collection->Count();
        const QString groupName = r.view->Model()->GroupName(3);
        auto dialog = dialogOn(r, nullptr, false, groupName);
        type(dialog->nameLineEdit, QStringLiteral("Kaffemaskine"));
        type(dialog->priceLineEdit, QStringLiteral("1499,95"));
        type(dialog->numberOfItemsLineEdit, QStringLiteral("2"));
        click(*dialog, "savePushButton");
        QCOMPARE(r.collection->Count(), before + 1);
        Item* saved = r.collection->At(before);
        QCOMPARE(dialog->CurrentItem(), saved);
        QVERIFY(!dialog->IsNewItem());
        QCOMPARE(saved->GetName(), QStringLiteral("Kaffemaskine"));
        QCOMPARE(saved->GetPrice(), 1499.95);
        QCOMPARE(saved->GetPriceToday(), 1499.95); // the empty value today took the price
        QCOMPARE(saved->GetNumberOfItems(), 2);
        QCOMPARE(saved->GetGroup(), 3);
        QCOMPARE(saved->GetDate(), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
        const QModelIndex row = r.view->Model()->IndexOf(saved);
        QVERIFY(row.isValid());
        QCOMPARE(row.parent(), r.view->Model()->GroupIndex(3));
        QCOMPARE(r.view->ItemOf(r.view->isItemSelected()), saved);
        QVERIFY(DBItemCollection::IsModified());
        QCOMPARE(dialog->CurrentState(), ItemDialog::State::Edit);
    }

    void savingAStoredItemRewritesItsRow() {
        Register r = open(Tovik, true);
        Item* item = r.collection->At(1);
        auto dialog = dialogOn(r, item);
        dialog->groupComboBox->setCurrentIndex(2);
        type(dialog->nameLineEdit, QStringLiteral("Spisebordsstol, eg"));
        click(*dialog, "buttonOk");
        QCOMPARE(item->GetName(), QStringLiteral("Spisebordsstol, eg"));
        QCOMPARE(r.view->Model()->IndexOf(item).parent(), r.view->Model()->GroupIndex(2));
        QCOMPARE(r.view->Model()->CellText(item, ColumnNames::Name), QStringLiteral("Spisebordsstol, eg"));
        QVERIFY(DBItemCollection::IsModified());
        QVERIFY(!dialog->isVisible());
    }

    void datesAreKeptUnlessChanged_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("change");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no date stays none") << QString() << false << QString();
        QTest::newRow("a date stays") << "05.01.2001" << false << "05.01.2001";
        QTest::newRow("text that is no date stays") << "ca. 1990" << false << "ca. 1990";
        QTest::newRow("a chosen date is written") << QString() << true << "24.12.2015";
    }
    void datesAreKeptUnlessChanged() {
        QFETCH(QString, stored);
        QFETCH(bool, change);
        QFETCH(QString, saved);
        Register r = open(Tovik, true);
        // Shown after an item with a date, as a user browsing the register does.
        Item* dated = r.collection->At(0);
        dated->SetDate(QStringLiteral("14.03.2019"));
        Item* item = r.collection->At(1);
        item->SetDate(stored);
        auto dialog = dialogOn(r, dated);
        click(*dialog, "NextPushButton");
        QCOMPARE(dialog->CurrentItem(), item);
        if (change)
            dialog->buyQDateEdit->setDate(QDate(2015, 12, 24));
        click(*dialog, "buttonOk");
        QCOMPARE(item->GetDate(), saved);
    }

    void copyAddsANewItemAndLeavesTheOriginal_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("serial");
        QTest::newRow("Tovik keeps the serial number") << int(Tovik) << "57";
        QTest::newRow("Brevane numbers the copy") << int(Brevane) << "58";
    }
    void copyAddsANewItemAndLeavesTheOriginal() {
        QFETCH(int, edition);
        QFETCH(QString, serial);
        Item* original = makeItem(QStringLiteral("Stikkontakt"), 0, 38.0, 120);
        original->SetSerialno(QStringLiteral("57"));
        original->SetLocation(1);
        Register r = open(edition, false, {original});
        auto dialog = dialogOn(r, original);
        click(*dialog, "CopyPushButton");
        QVERIFY(dialog->IsNewItem());
        QVERIFY(dialog->CurrentItem() != original);
        QCOMPARE(dialog->serialnoLineEdit->text(), serial);
        type(dialog->nameLineEdit, QStringLiteral("Stikkontakt, sort"));
        click(*dialog, "savePushButton");
        QCOMPARE(r.collection->Count(), 2);
        QCOMPARE(original->GetName(), QStringLiteral("Stikkontakt"));
        QCOMPARE(original->GetSerialno(), QStringLiteral("57"));
        Item* copy = r.collection->At(1);
        QCOMPARE(copy->GetName(), QStringLiteral("Stikkontakt, sort"));
        QCOMPARE(copy->GetSerialno(), serial);
        QCOMPARE(copy->GetNumberOfItems(), 120);
        QVERIFY(r.view->Model()->IndexOf(copy).isValid());
    }

    void validationKeepsTheDialogOpen_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("price");
        QTest::addColumn<bool>("chooseLocation");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("Tovik without a price") << int(Tovik) << "" << true << "Felt grænseværdi fejl"
                                               << "'Købspris' skal være: 0.0 -> 9999999\n\nRet det !";
        QTest::newRow("Brevane without a location")
            << int(Brevane) << "10" << false << "Fejl" << QStringLiteral("BrevaneItemTypeHasNotBeenSelected%1");
        QTest::newRow("Pellin without a price saves") << int(Pellin) << "" << true << ""
                                                      << "";
    }
    void validationKeepsTheDialogOpen() {
        QFETCH(int, edition);
        QFETCH(QString, price);
        QFETCH(bool, chooseLocation);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Register r = open(edition, true);
        const int before = r.collection->Count();
        auto dialog = dialogOn(r, nullptr);
        type(dialog->nameLineEdit, QStringLiteral("Ny ting"));
        type(dialog->priceLineEdit, price);
        if (chooseLocation)
            dialog->locationComboBox->setCurrentIndex(0);
        click(*dialog, "buttonOk");
        if (title.isEmpty()) {
            QCOMPARE(m_dialogs->boxes.size(), 0);
            QCOMPARE(r.collection->Count(), before + 1);
            return;
        }
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->lastTitle(), title);
        if (text.contains(QLatin1String("%1")))
            text = text.arg(ColumnNames::Title(ColumnNames::Location));
        QCOMPARE(m_dialogs->lastText(), text);
        QCOMPARE(r.collection->Count(), before);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->nameLineEdit->text(), QStringLiteral("Ny ting"));
    }

    void searchSequences_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<int>("searchesAgain");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("name, letter case ignored") << "name"
                                                   << "LAMP" << 0 << QStringList{"Table lamp"};
        QTest::newRow("price 12 matches 11.6, not 1234") << "price"
                                                         << "12" << 1 << QStringList{"Shoebox", "-"};
        QTest::newRow("price with decimals matches nothing") << "price"
                                                             << "12.4" << 0 << QStringList{"-"};
        QTest::newRow("serial number only exactly") << "serial"
                                                    << "ab" << 1 << QStringList{"Toolbox", "-"};
        QTest::newRow("nothing filled in") << "none"
                                           << "" << 0 << QStringList{"-"};
        QTest::newRow("first, second, error, first again")
            << "name"
            << "box" << 3 << QStringList{"Shoebox", "Toolbox", "-", "Shoebox"};
        QTest::newRow("a later criterion supplies the hit") << "name+product"
                                                            << "zzz|Miele" << 0 << QStringList{"Table lamp"};
    }
    void searchSequences() {
        QFETCH(QString, field);
        QFETCH(QString, criterion);
        QFETCH(int, searchesAgain);
        QFETCH(QStringList, shown);
        Item* shoebox = makeItem(QStringLiteral("Shoebox"), 0, 11.6);
        shoebox->SetSerialno(QStringLiteral("AB"));
        Item* lamp = makeItem(QStringLiteral("Table lamp"), 1, 1234);
        lamp->SetProduct(QStringLiteral("Miele"));
        lamp->SetSerialno(QStringLiteral("abc"));
        Item* toolbox = makeItem(QStringLiteral("Toolbox"), 0, 99);
        toolbox->SetSerialno(QStringLiteral("ab"));
        Register r = open(Tovik, false, {shoebox, lamp, toolbox});
        auto dialog = dialogOn(r, nullptr, true);
        if (field == QLatin1String("name")) {
            type(dialog->nameLineEdit, criterion);
        } else if (field == QLatin1String("price")) {
            type(dialog->priceLineEdit, criterion);
        } else if (field == QLatin1String("serial")) {
            type(dialog->serialnoLineEdit, criterion);
        } else if (field == QLatin1String("name+product")) {
            type(dialog->nameLineEdit, criterion.section(QLatin1Char('|'), 0, 0));
            type(dialog->productLineEdit, criterion.section(QLatin1Char('|'), 1, 1));
        }
        QStringList seen;
        auto record = [&] {
            seen << (dialog->CurrentItem() ? dialog->nameLineEdit->text() : QStringLiteral("-"));
            if (dialog->CurrentItem())
                QCOMPARE(r.view->ItemOf(r.view->isItemSelected()), dialog->CurrentItem());
        };
        click(*dialog, "seachPushButton");
        record();
        for (int i = 0; i < searchesAgain; ++i) {
            click(*dialog, "SearchAgainButton");
            record();
        }
        QCOMPARE(seen, shown);
        const int errors = int(seen.count(QStringLiteral("-")));
        QCOMPARE(m_dialogs->boxes.size(), errors);
        for (const TestDialogs::Shown& box : m_dialogs->boxes) {
            QCOMPARE(box.title, QStringLiteral("Fejl søgning"));
            QCOMPARE(box.text, QStringLiteral("Search_Error"));
            QCOMPARE(box.buttons, QStringList{QStringLiteral("Ok")});
        }
    }

    void searchingAgainAfterTheItemsChangedStartsOver() {
        Item* first = makeItem(QStringLiteral("Shoebox"));
        Item* second = makeItem(QStringLiteral("Toolbox"));
        Register r = open(Tovik, false, {first, second, makeItem(QStringLiteral("Boxing gloves"))});
        auto dialog = dialogOn(r, nullptr, true);
        type(dialog->nameLineEdit, QStringLiteral("box"));
        click(*dialog, "seachPushButton");
        QCOMPARE(dialog->CurrentItem(), first);
        click(*dialog, "SearchAgainButton");
        QCOMPARE(dialog->CurrentItem(), second);
        // The collection is re-sorted as by a save; the old position means nothing in the new order.
        r.collection->SortItems(DBItemCollection::SortName);
        click(*dialog, "SearchAgainButton");
        QCOMPARE(dialog->nameLineEdit->text(), QStringLiteral("Boxing gloves"));
    }

    void searchModeEmptiesAndLocksTheBoxes_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<bool>("groupEnabled");
        QTest::addColumn<bool>("supplierEnabled");
        QTest::addColumn<bool>("serialEnabled");
        QTest::newRow("Tovik") << int(Tovik) << false << true << true;
        QTest::newRow("Ostrel") << int(Ostrel) << false << false << true;
        QTest::newRow("Brevane") << int(Brevane) << true << true << true;
    }
    void searchModeEmptiesAndLocksTheBoxes() {
        QFETCH(int, edition);
        QFETCH(bool, groupEnabled);
        QFETCH(bool, supplierEnabled);
        QFETCH(bool, serialEnabled);
        Register r = open(edition, true);
        auto dialog = dialogOn(r, r.collection->At(0));
        click(*dialog, "resetPushButton");
        QCOMPARE(dialog->CurrentItem(), nullptr);
        QCOMPARE(dialog->groupComboBox->currentText(), QString());
        QCOMPARE(dialog->locationComboBox->currentText(), QString());
        QCOMPARE(dialog->groupComboBox->isEnabled(), groupEnabled);
        QCOMPARE(dialog->locationComboBox->isEnabled(), groupEnabled);
        QCOMPARE(dialog->supplierComboBox->isEnabled(), supplierEnabled);
        QCOMPARE(dialog->serialnoLineEdit->isEnabled(), serialEnabled);
        QCOMPARE(dialog->buyQDateEdit->date(), dialog->buyQDateEdit->minimumDate()); // no date criterion
        QCOMPARE(dialog->nameLineEdit->text(), QString());
        QVERIFY(!dialog->primaryTabWidget->isTabEnabled(1));
    }

    void aPasteTheDatabaseCannotHoldIsRefused() {
        Register r = open(Tovik, true);
        auto dialog = dialogOn(r, nullptr);
        type(dialog->nameLineEdit, QStringLiteral("Sofa"));
        QGuiApplication::clipboard()->setText(QStringLiteral(", pris 100 € (tilbud)"));
        dialog->nameLineEdit->end(false);
        dialog->nameLineEdit->paste();
        QCOMPARE(dialog->nameLineEdit->text(), QStringLiteral("Sofa"));
        QTRY_COMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY2(m_dialogs->lastText().contains(QStringLiteral("\"€\" (U+20AC)")), qPrintable(m_dialogs->lastText()));

        // A character typed is refused quietly, as ";" is.
        auto typeCharacter = [&](const QString& character) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, character);
            QApplication::sendEvent(dialog->nameLineEdit, &press);
        };
        typeCharacter(QStringLiteral("€"));
        QTest::keyClicks(dialog->nameLineEdit, QStringLiteral(";"));
        QCOMPARE(dialog->nameLineEdit->text(), QStringLiteral("Sofa"));
        typeCharacter(QStringLiteral("é")); // a letter the file holds goes in
        QCOMPARE(dialog->nameLineEdit->text(), QStringLiteral("Sofaé"));
        QCoreApplication::processEvents();
        QCOMPARE(m_dialogs->boxes.size(), 1);

        // The editable supplier box refuses the same.
        dialog->supplierComboBox->setEditText(QStringLiteral("Ikea"));
        QGuiApplication::clipboard()->setText(QStringLiteral("Łódź"));
        dialog->supplierComboBox->lineEdit()->paste();
        QCOMPARE(dialog->supplierComboBox->currentText(), QStringLiteral("Ikea"));
        QTRY_COMPARE(m_dialogs->boxes.size(), 2);
    }

    void printingAnItem_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("absent");
        QTest::newRow("Tovik") << int(Tovik) << QStringList{"Navn",          "3-personers sofa",
                                                            "Fabrikat",      "Eilersen",
                                                            "Produkt model", "Streamline",
                                                            "18995.00",      "TotalPrice",
                                                            "9000.00",       "14.03.2019",
                                                            "ILVA",          "db/DemoDBStd/billeder/sofa.jpg"}
                               << "";
        QTest::newRow("Pellin") << int(Pellin) << QStringList{"Titel",     "Solnedgang over Skagen Strand",
                                                              "Kamera",    "Nikon D750",
                                                              "1500.00",   "2500.00",
                                                              "14.07.2018"}
                                << "TotalPrice";
    }
    void printingAnItem() {
        QFETCH(int, edition);
        QFETCH(QStringList, expected);
        QFETCH(QString, absent);
        Register r = open(edition, true);
        auto dialog = dialogOn(r, r.collection->At(0));
        const QString pdf = m_dir->filePath(QStringLiteral("item.pdf"));
        m_dialogs->printTo(pdf);
        click(*dialog, "printButton");
        const QString text = pdfText(pdf);
        QVERIFY2(!text.isEmpty(), "pdftotext gave nothing");
        for (const QString& word : expected)
            QVERIFY2(text.contains(word), qPrintable(word + QStringLiteral(" not in:\n") + text));
        if (!absent.isEmpty())
            QVERIFY2(!text.contains(absent), qPrintable(absent));
        // Label and value share a line, the labels come in the list's order.
        QVERIFY(text.indexOf(expected.at(0)) < text.indexOf(expected.at(2)));
        const QString nameLine = text.section(QLatin1Char('\n'), 1, 1);
        QVERIFY2(nameLine.contains(expected.at(0)) && nameLine.contains(expected.at(1)), qPrintable(nameLine));
    }

    void aCancelledPrintDialogPrintsNothing() {
        Register r = open(Tovik, true);
        auto dialog = dialogOn(r, r.collection->At(0));
        const QString pdf = m_dir->filePath(QStringLiteral("none.pdf"));
        m_dialogs->printTo(QString());
        click(*dialog, "printButton");
        QVERIFY(!QFile::exists(pdf));
    }

    void browsingStoresTheAbsolutePath_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("filterStart");
        QTest::newRow("picture") << "browsePhotoPushButton"
                                 << "PicturePath"
                                 << "Billed fil (*.bmp";
        QTest::newRow("receipt") << "browseReceiptPushButton"
                                 << "ReceiptPath"
                                 << "Kvittering (*.bmp";
        QTest::newRow("document") << "insertDocumentPushButton"
                                  << "DocumentPath"
                                  << "Kvittering (*.doc *.pdf  *.txt";
    }
    void browsingStoresTheAbsolutePath() {
        QFETCH(QString, button);
        QFETCH(QString, key);
        QFETCH(QString, filterStart);
        Register r = open(Tovik, true);
        Settings().setValue(key, QStringLiteral("/srv/arkiv"));
        auto dialog = dialogOn(r, nullptr);
        m_dialogs->chooseFile(QStringLiteral("db/DemoDBStd/billeder/ur.jpg"));
        click(*dialog, qPrintable(button));
        QCOMPARE(m_dialogs->choosers.size(), 1);
        QCOMPARE(m_dialogs->choosers.at(0).mode, FileDialogRequest::PickFile); // no "replace?" question
        QCOMPARE(m_dialogs->choosers.at(0).directory, QStringLiteral("/srv/arkiv"));
        QVERIFY2(m_dialogs->choosers.at(0).filter.startsWith(filterStart),
                 qPrintable(m_dialogs->choosers.at(0).filter));
        const QString stored =
            QDir::toNativeSeparators(QDir::current().absoluteFilePath(QStringLiteral("db/DemoDBStd/billeder/ur.jpg")));
        QLineEdit* field = button == QLatin1String("browsePhotoPushButton")     ? dialog->photolinkLineEdit
                           : button == QLatin1String("browseReceiptPushButton") ? dialog->receiptLineEdit
                                                                                : dialog->documentLineEdit;
        QCOMPARE(field->text(), stored);
        if (field == dialog->photolinkLineEdit) {
            QVERIFY(dialog->primaryTabWidget->isTabEnabled(1));
            QVERIFY(dialog->showPhotoPushButton->isEnabled());
        } else if (field == dialog->receiptLineEdit) {
            QVERIFY(dialog->primaryTabWidget->isTabEnabled(2));
            QVERIFY(dialog->showReceiptPushButton->isEnabled());
        } else {
            QVERIFY(dialog->showDocumentPushButton->isEnabled());
        }
    }

    void browsingStartsInThePicturesFolderByDefault() {
        const QByteArray saved = qgetenv("ProgramFiles");
        qunsetenv("ProgramFiles");
        Register r = open(Tovik, true);
        auto dialog = dialogOn(r, nullptr);
        click(*dialog, "browsePhotoPushButton"); // cancelled: nothing changes
        click(*dialog, "insertDocumentPushButton");
        QCOMPARE(m_dialogs->choosers.size(), 2);
        QCOMPARE(m_dialogs->choosers.at(0).directory,
                 QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)));
        QCOMPARE(m_dialogs->choosers.at(1).directory,
                 QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
        QCOMPARE(dialog->photolinkLineEdit->text(), QString());
        if (!saved.isNull())
            qputenv("ProgramFiles", saved);
    }

    void aPathTheDatabaseCannotHoldIsNotLinked() {
        Register r = open(Tovik, true);
        auto dialog = dialogOn(r, nullptr);
        m_dialogs->chooseFile(QStringLiteral("/home/anna/Zdjęcia/dom.jpg"));
        click(*dialog, "browsePhotoPushButton");
        QCOMPARE(dialog->photolinkLineEdit->text(), QString());
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->lastText().contains(QStringLiteral("\"ę\" (U+0119)")));
        QVERIFY(m_dialogs->lastText().contains(QStringLiteral("/home/anna/Zdjęcia/dom.jpg")));

        m_dialogs->chooseFile(QLatin1Char('/') + QString(200, QLatin1Char('x')) + QStringLiteral(".jpg"));
        click(*dialog, "browsePhotoPushButton");
        QCOMPARE(dialog->photolinkLineEdit->text(), QString());
        QVERIFY(m_dialogs->lastText().startsWith(QStringLiteral("LINK_PATH_TOO_LONG 199 /xxx")));
    }

    void picturesAreShownFitted() {
        Register r = open(Tovik, true);
        Item* sofa = r.collection->At(0);
        QVERIFY(IsPictureFile(sofa->GetPhotolink()));
        auto dialog = dialogOn(r, sofa, false, QString(), QStringLiteral("PICTURE"));
        QCOMPARE(dialog->primaryTabWidget->currentWidget(), dialog->picturePage);
        QVERIFY(!dialog->ImageIconTextLabel->pixmap().isNull());
        const QPixmap picture = dialog->pixmapPictureLabel->pixmap();
        QVERIFY(!picture.isNull());
        const QSize room = dialog->pixmapPictureLabel->contentsRect().size();
        QVERIFY2(picture.width() <= room.width() && picture.height() <= room.height(), "picture larger than its page");
        const QSize thumb = dialog->ImageIconTextLabel->pixmap().size();
        QVERIFY(thumb.width() <= dialog->ImageIconTextLabel->width());
        // 320 x 240: the aspect survives the fitting.
        QVERIFY(qAbs(thumb.width() * 3 - thumb.height() * 4) <= 4);
        QVERIFY(dialog->primaryTabWidget->isTabEnabled(2)); // the receipt is a picture too
        QVERIFY(dialog->ShowPage(QStringLiteral("RECEIPT")));
        QVERIFY(!dialog->pixmapReceipt->pixmap().isNull());
        QVERIFY(!dialog->ShowPage(QStringLiteral("OTHER")));
        QCOMPARE(dialog->primaryTabWidget->currentWidget(), dialog->receiptPage);
    }

    void aLargePictureIsScaledDownWhole() {
        QImage big(2000, 1000, QImage::Format_RGB32);
        big.fill(Qt::darkGreen);
        QVERIFY(big.save(m_dir->filePath(QStringLiteral("stor.png"))));
        Item* painting = makeItem(QStringLiteral("Maleri"));
        painting->SetPhotolink(m_dir->filePath(QStringLiteral("stor.png")));
        Register r = open(Tovik, false, {painting});
        auto dialog = dialogOn(r, painting, false, QString(), QStringLiteral("PICTURE"));
        for (QLabel* label : {dialog->pixmapPictureLabel, dialog->ImageIconTextLabel}) {
            dialog->primaryTabWidget->setCurrentWidget(label == dialog->ImageIconTextLabel ? dialog->basicPage
                                                                                           : dialog->picturePage);
            QCoreApplication::processEvents();
            const QSize shown = label->pixmap().size();
            const QSize room = label->contentsRect().size();
            QVERIFY2(shown.width() <= room.width() && shown.height() <= room.height(), qPrintable(label->objectName()));
            QVERIFY(shown.width() == room.width() || shown.height() == room.height()); // as large as it fits
            QVERIFY(qAbs(shown.width() - 2 * shown.height()) <= 2);                    // not squeezed
        }
    }

    void anItemWithoutPicturesHasNoPicturePages() {
        Register r = open(Tovik, true);
        Item* chair = r.collection->At(1);
        QVERIFY(chair->GetPhotolink().isEmpty());
        auto dialog = dialogOn(r, chair);
        QVERIFY(!dialog->primaryTabWidget->isTabEnabled(1));
        QVERIFY(!dialog->primaryTabWidget->isTabEnabled(2));
        QVERIFY(!dialog->showPhotoPushButton->isEnabled());
        QVERIFY(!dialog->showReceiptPushButton->isEnabled());
        QVERIFY(dialog->showWwwPushButton->isEnabled()); // it has a web address
        QVERIFY(!dialog->showDocumentPushButton->isEnabled());
    }

    void showButtonsUseTheViewerOrTheDesktop() {
        RecordingLauncher launcher;
        Register r = open(Tovik, true);
        Item* sofa = r.collection->At(0);
        {
            auto dialog = dialogOn(r, sofa);
            click(*dialog, "showPhotoPushButton");
            QCOMPARE(launcher.started.size(), 0);
            QCOMPARE(launcher.opened.size(), 1);
            QCOMPARE(launcher.opened.at(0),
                     QUrl::fromLocalFile(QDir::current().absoluteFilePath(sofa->GetPhotolink())));
        }
        Settings().setValue(QStringLiteral("PictureViewerProgram"), QStringLiteral("gimp"));
        auto dialog = dialogOn(r, sofa);
        click(*dialog, "showPhotoPushButton");
        QCOMPARE(launcher.started.size(), 1);
        QCOMPARE(launcher.started.at(0), (QStringList{"gimp", sofa->GetPhotolink()}));
        // A viewer that does not start is reported, and the desktop opens the file instead.
        launcher.startSucceeds = false;
        click(*dialog, "showPhotoPushButton");
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->lastTitle(), QStringLiteral("Fejl"));
        QCOMPARE(launcher.opened.size(), 2);
        // Tovik's receipt goes to the desktop whatever viewer is chosen.
        click(*dialog, "showReceiptPushButton");
        QCOMPARE(launcher.opened.size(), 3);
        QCOMPARE(launcher.started.size(), 2);
    }

    void helpOpensTheEditionsPage() {
        RecordingLauncher launcher;
        Register r = open(Ostrel, true);
        auto dialog = dialogOn(r, r.collection->At(0));
        click(*dialog, "helpPushButton");
        QCOMPARE(launcher.opened.size(), 1);
        QVERIFY2(launcher.opened.at(0).toLocalFile().endsWith(QStringLiteral("/help/OstrelDialog.dk.htm")),
                 qPrintable(launcher.opened.at(0).toString()));
    }

    void helpIsDisabledInEnglish() {
        Register r = open(Tovik, true);
        Settings().setValue(QStringLiteral("Language"), QStringLiteral("en"));
        auto dialog = dialogOn(r, r.collection->At(0));
        QVERIFY(!dialog->helpPushButton->isEnabled());
    }

    void editionsLabelTheirFields() {
        Register r = open(Pellin, true);
        auto dialog = dialogOn(r, r.collection->At(0));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("PICTURE_GALLERY"));
        QVERIFY(dialog->priceTotalLineEdit->isHidden());
        QVERIFY(dialog->priceTotalTextLabel->isHidden());
        QCOMPARE(dialog->primaryTabWidget->tabText(1), r.collection->Fields().Entry(6));
        QCOMPARE(dialog->showPhotoPushButton->text(), r.collection->Fields().Entry(6) + QStringLiteral("SHOWPHOTO"));
        QCOMPARE(dialog->productBrandTextLabel->text(), r.collection->Fields().Entry(16));
        QCOMPARE(dialog->numberOfItemsLineEdit->toolTip(), QStringLiteral("TOOLTIP_PELLIN_REG_NUMBER"));
        QVERIFY(dialog->priceLineEdit->toolTip().contains(QStringLiteral("PRICE_DECIMAL_POINT")));
        QVERIFY(dialog->supplierComboBox->toolTip().isEmpty());

        Register coins = open(Ostrel, true);
        auto coin = dialogOn(coins, coins.collection->At(0));
        QCOMPARE(coin->windowTitle(), QStringLiteral("OSTREL_DIALOG_TITLE"));
        QCOMPARE(coin->addressLineEdit->toolTip(), QStringLiteral("TOOLTIP_OSTREL_QUALITY"));
        QVERIFY(coin->nameLineEdit->toolTip().isEmpty());
        QCOMPARE(coin->priceLineEdit->toolTip(), QStringLiteral("PRICE_DECIMAL_POINT"));
        QVERIFY(!coin->priceTotalLineEdit->isHidden());
    }

    void okStoresTheWindowGeometryAndCancelDoesNot() {
        Register r = open(Tovik, true);
        {
            auto dialog = dialogOn(r, r.collection->At(0));
            dialog->resize(800, 640);
            click(*dialog, "buttonCancel");
            QVERIFY(!Settings().contains(QStringLiteral("ItemDialog/ItemDialogWidth")));
        }
        auto dialog = dialogOn(r, r.collection->At(0));
        dialog->resize(800, 640);
        click(*dialog, "buttonOk");
        Settings settings;
        QCOMPARE(settings.value(QStringLiteral("ItemDialog/ItemDialogWidth")).toInt(), 800);
        QCOMPARE(settings.value(QStringLiteral("ItemDialog/ItemDialogHeight")).toInt(), 640);
        auto again = dialogOn(r, r.collection->At(0));
        QCOMPARE(again->size(), QSize(800, 640));
    }

    void theListViewOpensTheDialog() {
        Register r = open(Tovik, true);
        Item* sofa = r.collection->At(0);
        auto openDialogs = [] {
            QList<ItemDialog*> found;
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* dialog = qobject_cast<ItemDialog*>(widget); dialog && dialog->isVisible())
                    found << dialog;
            }
            return found;
        };
        r.view->doubleClickOnItemSlot(r.view->Model()->IndexOf(sofa));
        QList<ItemDialog*> shown = openDialogs();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0)->CurrentItem(), sofa);
        QCOMPARE(shown.at(0)->primaryTabWidget->currentWidget(), shown.at(0)->basicPage);
        shown.at(0)->close();
        QTest::qWait(0);

        r.view->doubleClickOnItemSlot(r.view->Model()->GroupIndex(4));
        shown = openDialogs();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.at(0)->IsNewItem());
        QCOMPARE(shown.at(0)->groupComboBox->currentIndex(), 4);
        shown.at(0)->close();

        r.view->ItemSelected(r.view->Model()->IndexOf(sofa));
        r.view->ShowPicture1();
        shown = openDialogs();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0)->primaryTabWidget->currentWidget(), shown.at(0)->picturePage);
        shown.at(0)->close();

        r.view->SeachItem();
        shown = openDialogs();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0)->CurrentState(), ItemDialog::State::Search);
        shown.at(0)->close();
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestItemDialog)
#include "tst_itemdialog.moc"
