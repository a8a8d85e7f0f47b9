// The item dialog on a real collection and no list view at all: its states, editing, saving, copying,
// navigation, searching, links, the print-out, and how it and the set-up dialogs look in every language.
// The dialogs' headers need their forms' generated headers; naming them here has them generated for this test.
#include "ui_AutomakeItemsClass.h"
#include "ui_CommonSetupBase.h"
#include "ui_ItemDialogBase.h"

#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "itemdialog/ItemDialog.h"
#include "platform/Launcher.h"
#include "setup/AutomakeItems.h"
#include "setup/CommonSetup.h"
#include "tests/TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace {

const QStringList& stateButtons() {
    static const QStringList names{"buttonOk",        "savePushButton",  "newPushButton",     "CopyPushButton",
                                   "resetPushButton", "seachPushButton", "SearchAgainButton", "PrevPushButton",
                                   "NextPushButton",  "printButton"};
    return names;
}

// Shows the values put into the refusals' texts, whatever the translation files hold.
class PlaceholderTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        const QString key = QLatin1String(source);
        const bool shown =
            key == QLatin1String("TEXT_NOT_INSERTED_CHARACTER") || key.startsWith(QLatin1String("LINK_PATH_"));
        return shown && qstrcmp(context, "ItemDialog") == 0 ? key + QStringLiteral(" %1 %2") : QString();
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

// The pages and buttons that show an item's links.
const QStringList& linkWidgets() {
    static const QStringList names{"picturePage",           "receiptPage",       "showPhotoPushButton",
                                   "showReceiptPushButton", "showWwwPushButton", "showDocumentPushButton"};
    return names;
}

QStringList without(QStringList list, const QString& name) {
    list.removeAll(name);
    return list;
}

// What a user would notice in a shown window: a raw key in a title, text, tab or tool tip; a field that sticks
// out of its parent; a label or button narrower than its text.
QString problems(QWidget* window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return QStringLiteral("not exposed");
    static const QRegularExpression key(QStringLiteral("[A-Z][A-Z0-9]*_[A-Z0-9_]+|\\b[A-Z]{5,}\\b"));
    QStringList found;
    auto check = [&found](const QObject* owner, QString text) {
        if (key.match(text.remove(QLatin1Char('&'))).hasMatch())
            found << owner->objectName() + QStringLiteral(" shows a key: ") + text;
    };
    check(window, window->windowTitle());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        const QString text = label ? label->text() : button ? button->text() : QString();
        for (const QString& shown : {text, widget->toolTip(), widget->whatsThis()})
            check(widget, shown);
        if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                check(tabs, tabs->tabText(i));
        }
        if (!widget->isVisibleTo(window))
            continue;
        const bool field = label || button || qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget);
        if (field && !widget->parentWidget()->rect().contains(widget->geometry()))
            found << widget->objectName() + QStringLiteral(" sticks out");
        const bool whole = label ? label->text().trimmed().isEmpty() || label->wordWrap() : text.isEmpty();
        if (!whole && widget->width() < widget->sizeHint().width())
            found << widget->objectName() + QStringLiteral(" cut off: ") + text;
    }
    return found.join(QLatin1Char('\n'));
}

// An open database, and the item the dialog last announced as shown.
struct Register {
    std::unique_ptr<DBItemCollection> collection;
    Item* shown = nullptr;
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
        r.collection = std::make_unique<DBItemCollection>(nullptr, DefaultDatabaseDir());
        if (sample)
            r.collection->LoadFromAsciiFile(DefaultDatabasePath());
        for (Item* item : items)
            r.collection->Add(item);
        ColumnNames::SetTitlesFromFields(r.collection->Fields(), DBItemCollection::LoadedFormatVersion());
        DBItemCollection::SetModified(false);
        return r;
    }

    static std::unique_ptr<ItemDialog> dialogOn(Register& r, Item* item, bool search = false,
                                                const QString& groupName = QString(),
                                                const QString& page = QStringLiteral("DATA")) {
        auto dialog = std::make_unique<ItemDialog>(r.collection.get(), item, page, search, nullptr, groupName);
        QObject::connect(dialog.get(), &ItemDialog::itemShown, [&r](Item* shown) { r.shown = shown; });
        dialog->show();
        (void)QTest::qWaitForWindowExposed(dialog.get());
        return dialog;
    }

    // Those of the named widgets that are enabled, in the order given.
    static QStringList enabled(const ItemDialog& dialog, const QStringList& names = stateButtons()) {
        QStringList found;
        for (const QString& name : names) {
            if (auto* widget = dialog.findChild<QWidget*>(name); widget && widget->isEnabled())
                found << name;
        }
        return found;
    }

    static void click(ItemDialog& dialog, const QString& name) {
        auto* button = dialog.findChild<QPushButton*>(name);
        QVERIFY2(button && button->isEnabled(), qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    static void type(QLineEdit* edit, const QString& text) {
        QVERIFY(edit);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    // Steps as "<line edit>=<text>" to type, or a button's name to click.
    static void run(ItemDialog& dialog, const QStringList& steps) {
        for (const QString& step : steps) {
            if (step.contains(QLatin1Char('=')))
                type(dialog.findChild<QLineEdit*>(step.section(QLatin1Char('='), 0, 0)),
                     step.section(QLatin1Char('='), 1));
            else
                click(dialog, step);
        }
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

    // Which buttons are enabled after opening the dialog in one way and taking some steps.
    void stateTable_data() {
        QTest::addColumn<QString>("opening"); // "locked" is Brevane's sample, locked by another user
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("enabled");
        const QStringList all = stateButtons();
        const QStringList edit = without(all, QStringLiteral("SearchAgainButton"));
        const QStringList newItem{"buttonOk", "savePushButton"};
        const QStringList copy{"buttonOk", "savePushButton", "newPushButton", "resetPushButton", "printButton"};
        const QStringList search{"newPushButton", "CopyPushButton", "resetPushButton", "seachPushButton"};
        const QStringList readOnly{"resetPushButton", "seachPushButton", "PrevPushButton", "NextPushButton",
                                   "printButton"};
        // clang-format off
        QTest::newRow("constructed with an item")    << "item" << QStringList{} << edit;
        QTest::newRow("constructed without an item") << "nothing" << QStringList{} << newItem;
        QTest::newRow("New")                         << "item" << QStringList{"newPushButton"} << newItem;
        QTest::newRow("Copy")                        << "item" << QStringList{"CopyPushButton"} << copy;
        QTest::newRow("Save after New")              << "nothing" << QStringList{"nameLineEdit=Lampe", "priceLineEdit=100", "savePushButton"} << edit;
        QTest::newRow("Save after Copy")             << "item" << QStringList{"CopyPushButton", "savePushButton"} << edit;
        QTest::newRow("Reset")                       << "item" << QStringList{"resetPushButton"} << search;
        QTest::newRow("search flag")                 << "search" << QStringList{} << search;
        QTest::newRow("a hit")                       << "search" << QStringList{"nameLineEdit=sofa", "seachPushButton"} << all;
        QTest::newRow("a miss")                      << "search" << QStringList{"nameLineEdit=zzzz", "seachPushButton"} << search;
        QTest::newRow("searching again past the last hit") << "search" << QStringList{"nameLineEdit=3-personers", "seachPushButton", "SearchAgainButton"} << (search + QStringList{"SearchAgainButton"});
        QTest::newRow("New after a search")          << "search" << QStringList{"newPushButton"} << newItem;
        QTest::newRow("Previous at the first item")  << "item" << QStringList{"PrevPushButton"} << without(edit, QStringLiteral("PrevPushButton"));
        QTest::newRow("empty collection")            << "empty" << QStringList{} << newItem;
        QTest::newRow("read-only database")          << "locked" << QStringList{} << readOnly;
        QTest::newRow("read-only database, search")  << "locked" << QStringList{"resetPushButton"} << QStringList{"resetPushButton", "seachPushButton"};
        // clang-format on
    }
    void stateTable() {
        m_dialogs->expectBoxes(1);
        QFETCH(QString, opening);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, enabled);
        const int edition = opening == QLatin1String("locked") ? Brevane : Tovik;
        if (opening == QLatin1String("locked")) {
            SetEdition(edition);
            Settings().setValue(QStringLiteral("LastDBDir"), DefaultDatabaseDir());
            QVERIFY(TestSupport::writeAll(DefaultDatabaseDir() + QStringLiteral("/LockFile.txt"),
                                          "DemoBrevane.dk.db Locked by PC: lager, User: bo"));
        }
        Register r = open(edition, opening != QLatin1String("empty"));
        QCOMPARE(r.collection->IsReadOnly(), opening == QLatin1String("locked"));
        const bool withItem = opening == QLatin1String("item") || opening == QLatin1String("locked");
        auto dialog = dialogOn(r, withItem ? r.collection->At(0) : nullptr,
                               opening == QLatin1String("search") || opening == QLatin1String("empty"));
        run(*dialog, steps);
        QCOMPARE(TestItemDialog::enabled(*dialog), enabled);
    }

    // New after a full item keeps nothing of it; the date is today, the count Pellin's "0" or else "1", and
    // Brevane numbers the item at once (neither number typed) and leaves the location to be chosen. A refused
    // new item keeps the dialog open with what was typed; the message names the field as its label does.
    void newItemIsEmptyAndValidated_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("refusal"); // of a name alone; empty where it is saved
        // clang-format off
        QTest::newRow("Tovik without a price") << int(Tovik) << "Ugyldig værdi: Feltet 'Pris' skal være et tal fra 0 til 9999999.\n\nRet det, og prøv igen.";
        QTest::newRow("Pellin without a price saves") << int(Pellin) << "";
        QTest::newRow("Brevane without a location") << int(Brevane) << "Fejl: Vælg en værdi i feltet 'Varetype', før varen gemmes.";
        // clang-format on
    }
    void newItemIsEmptyAndValidated() {
        QFETCH(int, edition);
        QFETCH(QString, refusal);
        Register r = open(edition, true);
        Item* full = r.collection->At(0);
        for (int field = 0; field < Item::TextFieldCount; ++field)
            full->SetText(Item::TextField(field), QStringLiteral("x%1").arg(field));
        full->SetPhotolink(QStringLiteral("db/DemoDBStd/billeder/sofa.jpg"));
        full->SetReceipt(QStringLiteral("db/DemoDBStd/billeder/ur.jpg"));
        full->SetLocation(2);
        full->SetPrice(10);
        full->SetPriceToday(20);
        auto dialog = dialogOn(r, full);
        click(*dialog, QStringLiteral("newPushButton"));
        QVERIFY(dialog->IsNewItem());
        const QString count = edition == Pellin ? QStringLiteral("0") : QStringLiteral("1");
        for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
            if (edit == dialog->numberOfItemsLineEdit)
                QCOMPARE(edit->text(), count);
            else if (edit == dialog->priceTotalLineEdit) // computed from count and the empty price
                QCOMPARE(edit->text(), edition == Pellin ? QString() : QStringLiteral("0.00"));
            else if (edit == dialog->serialnoLineEdit && edition == Brevane)
                QCOMPARE(edit->text(), QString::number(r.collection->LastSerialNumber() + 1));
            else if (!qobject_cast<QDateEdit*>(edit->parent()))
                QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
        }
        QCOMPARE(dialog->locationComboBox->currentIndex(), edition == Brevane ? -1 : 0);
        QCOMPARE(dialog->buyQDateEdit->date(), QDate::currentDate());
        if (edition == Brevane)
            QVERIFY(!dialog->serialnoLineEdit->isEnabled() && !dialog->numberOfItemsLineEdit->isEnabled());
        QVERIFY(dialog->ImageIconTextLabel->pixmap().isNull());
        QCOMPARE(enabled(*dialog, linkWidgets()), QStringList());

        const int before = r.collection->Count();
        m_dialogs->expectBoxes(refusal.isEmpty() ? 0 : 1);
        run(*dialog, {"nameLineEdit=Ny", "buttonOk"});
        if (!refusal.isEmpty()) {
            QCOMPARE(m_dialogs->lastTitle() + QStringLiteral(": ") + m_dialogs->lastText(), refusal);
            QVERIFY(dialog->isVisible());
            QCOMPARE(dialog->nameLineEdit->text(), QStringLiteral("Ny"));
            QCOMPARE(r.collection->Count(), before);
            dialog->locationComboBox->setCurrentIndex(1);
            run(*dialog, {"priceLineEdit=5", "buttonOk"});
        }
        QCOMPARE(r.collection->Count(), before + 1);
        Item* saved = r.collection->At(before);
        QCOMPARE(saved->GetName(), QStringLiteral("Ny"));
        for (Item::TextField field : {Item::Product, Item::Supplier, Item::Description, Item::Address, Item::Photolink,
                                      Item::Www, Item::Receipt, Item::Document, Item::Producttype})
            QVERIFY2(saved->IsEmpty(field), qPrintable(saved->GetText(field)));
        QCOMPARE(saved->GetSerialno().isEmpty(), edition != Brevane);
        QCOMPARE(saved->GetLocation(), refusal.isEmpty() ? 0 : 1);
    }

    // Previous and Next follow the register, announce the item shown, stop at both ends and drop unsaved edits;
    // the total follows what is typed at once, and Cancel leaves the item as it was.
    void previousAndNextStopAtTheEdges() {
        Item* a = makeItem(QStringLiteral("Alfa"), 0, 100.0, 1);
        Item* b = makeItem(QStringLiteral("Bravo"));
        Item* c = makeItem(QStringLiteral("Charlie"), 0, 100.0, 1);
        Register r = open(Tovik, false, {a, b, c});
        auto dialog = dialogOn(r, a);
        click(*dialog, QStringLiteral("PrevPushButton"));
        QCOMPARE(dialog->CurrentItem(), a);
        run(*dialog, {"nameLineEdit=Ændret", "numberOfItemsLineEdit=3", "priceLineEdit=12,5"});
        QCOMPARE(dialog->priceLineEdit->text(), QStringLiteral("12.5"));
        QCOMPARE(dialog->priceTotalLineEdit->text(), QStringLiteral("37.50"));
        click(*dialog, QStringLiteral("NextPushButton"));
        QCOMPARE(dialog->nameLineEdit->text(), QStringLiteral("Bravo"));
        QCOMPARE(r.shown, b);
        click(*dialog, QStringLiteral("PrevPushButton"));
        QCOMPARE(dialog->nameLineEdit->text(), QStringLiteral("Alfa"));
        QCOMPARE(a->GetName(), QStringLiteral("Alfa"));
        QCOMPARE(a->GetNumberOfItems(), 1);
        run(*dialog, {"NextPushButton", "NextPushButton", "NextPushButton"});
        QCOMPARE(dialog->CurrentItem(), c);
        QVERIFY(!dialog->NextPushButton->isEnabled());
        QVERIFY(dialog->PrevPushButton->isEnabled());
        QCOMPARE(r.shown, c);
        run(*dialog, {"numberOfItemsLineEdit=3", "priceLineEdit=12,5", "buttonCancel"});
        QCOMPARE(c->GetNumberOfItems(), 1);
        QCOMPARE(c->GetPrice(), 100.0);
        QVERIFY(!DBItemCollection::IsModified());
    }

    // A new item from a group row has that group (one matching no name, letter case counting, the first); saving
    // adds it; changing it later with OK moves it.
    void savingAddsAndChangesThroughTheCollection() {
        Register r = open(Tovik, true);
        const QString third = r.collection->Groups().Entry(2);
        for (const QString& name : {QStringLiteral("Ingen sådan gruppe"), third.toUpper()})
            QCOMPARE(dialogOn(r, nullptr, false, name)->groupComboBox->currentIndex(), 0);
        const int before = r.collection->Count();
        auto dialog = dialogOn(r, nullptr, false, r.collection->Groups().Entry(3));
        run(*dialog,
            {"nameLineEdit=Kaffemaskine", "priceLineEdit=1499,95", "numberOfItemsLineEdit=2", "savePushButton"});
        QCOMPARE(r.collection->Count(), before + 1);
        Item* saved = r.collection->At(before);
        QCOMPARE(saved->GetName(), QStringLiteral("Kaffemaskine"));
        QCOMPARE(saved->GetGroup(), 3);
        QCOMPARE(saved->GetPrice(), 1499.95);
        QCOMPARE(saved->GetPriceToday(), 1499.95); // the empty value today took the price
        QCOMPARE(saved->GetNumberOfItems(), 2);
        QCOMPARE(saved->GetDate(), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
        QVERIFY(DBItemCollection::IsModified());

        dialog->groupComboBox->setCurrentIndex(2);
        run(*dialog, {"nameLineEdit=Kaffemaskine, sort", "buttonOk"});
        QCOMPARE(r.collection->Count(), before + 1);
        QCOMPARE(saved->GetGroup(), 2);
        QCOMPARE(saved->GetName(), QStringLiteral("Kaffemaskine, sort"));
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
        // Shown after an item with a date, as when browsing.
        Item* dated = r.collection->At(0);
        dated->SetDate(QStringLiteral("14.03.2019"));
        Item* item = r.collection->At(1);
        item->SetDate(stored);
        auto dialog = dialogOn(r, dated);
        click(*dialog, QStringLiteral("NextPushButton"));
        QCOMPARE(dialog->CurrentItem(), item);
        if (change)
            dialog->buyQDateEdit->setDate(QDate(2015, 12, 24));
        click(*dialog, QStringLiteral("buttonOk"));
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
        click(*dialog, QStringLiteral("CopyPushButton"));
        QCOMPARE(dialog->serialnoLineEdit->text(), serial);
        run(*dialog, {"nameLineEdit=Stikkontakt, sort", "savePushButton"});
        QCOMPARE(r.collection->Count(), 2);
        QCOMPARE(original->GetName(), QStringLiteral("Stikkontakt"));
        QCOMPARE(original->GetSerialno(), QStringLiteral("57"));
        Item* copy = r.collection->At(1);
        QCOMPARE(copy->GetName(), QStringLiteral("Stikkontakt, sort"));
        QCOMPARE(copy->GetSerialno(), serial);
        QCOMPARE(copy->GetNumberOfItems(), 120);
    }

    // The items shown by Search and then Search again ("-" for the error box).
    void searchSequences_data() {
        QTest::addColumn<QStringList>("criteria");
        QTest::addColumn<int>("searchesAgain");
        QTest::addColumn<QStringList>("shown");
        // clang-format off
        QTest::newRow("serial number only exactly")          << QStringList{"serialnoLineEdit=ab"} << 1 << QStringList{"Toolbox", "-"};
        QTest::newRow("nothing filled in")                   << QStringList{} << 0 << QStringList{"-"};
        QTest::newRow("first, second, error, first again")   << QStringList{"nameLineEdit=box"} << 3 << QStringList{"Shoebox", "Toolbox", "-", "Shoebox"};
        QTest::newRow("a later criterion supplies the hit")  << QStringList{"nameLineEdit=zzz", "productLineEdit=Miele"} << 0 << QStringList{"Table lamp"};
        // clang-format on
    }
    void searchSequences() {
        m_dialogs->expectBoxes(3);
        QFETCH(QStringList, criteria);
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
        run(*dialog, criteria);
        QStringList seen;
        for (int i = 0; i <= searchesAgain; ++i) {
            click(*dialog, i == 0 ? QStringLiteral("seachPushButton") : QStringLiteral("SearchAgainButton"));
            seen << (dialog->CurrentItem() ? dialog->nameLineEdit->text() : QStringLiteral("-"));
            if (dialog->CurrentItem())
                QCOMPARE(r.shown, dialog->CurrentItem());
        }
        QCOMPARE(seen, shown);
        QCOMPARE(m_dialogs->boxes.size(), int(seen.count(QStringLiteral("-"))));
        for (const TestDialogs::Shown& box : m_dialogs->boxes)
            QCOMPARE(box.title + QLatin1Char('|') + box.text + QLatin1Char('|') + box.buttons.join(QLatin1Char(',')),
                     QStringLiteral("Fejl søgning|Search_Error|Ok"));
    }

    // Reset empties every field and locks the boxes the edition cannot search by.
    void searchModeEmptiesAndLocksTheBoxes_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QStringList>("searchable");
        const QStringList group{"groupComboBox", "locationComboBox"};
        QTest::newRow("Tovik") << int(Tovik) << QStringList{"supplierComboBox", "serialnoLineEdit"};
        QTest::newRow("Ostrel") << int(Ostrel) << QStringList{"serialnoLineEdit"};
        QTest::newRow("Brevane") << int(Brevane) << group + QStringList{"supplierComboBox", "serialnoLineEdit"};
    }
    void searchModeEmptiesAndLocksTheBoxes() {
        QFETCH(int, edition);
        QFETCH(QStringList, searchable);
        Register r = open(edition, true);
        auto dialog = dialogOn(r, r.collection->At(0));
        click(*dialog, QStringLiteral("resetPushButton"));
        QCOMPARE(dialog->nameLineEdit->text(), QString());
        QCOMPARE(dialog->groupComboBox->currentText(), QString());
        QCOMPARE(dialog->locationComboBox->currentText(), QString());
        QCOMPARE(enabled(*dialog, {"groupComboBox", "locationComboBox", "supplierComboBox", "serialnoLineEdit"}),
                 searchable);
        QCOMPARE(dialog->buyQDateEdit->date(), dialog->buyQDateEdit->minimumDate()); // no date criterion
        QVERIFY(!dialog->primaryTabWidget->isTabEnabled(1));
    }

    // What the file cannot hold (a letter outside ISO 8859-1, a path too long) is reported, naming the character:
    // a chosen file is not linked, a paste into a text field or the supplier box is refused.
    void whatTheFileCannotHoldIsRefused() {
        m_dialogs->expectBoxes(4);
        Register r = open(Tovik, true);
        auto dialog = dialogOn(r, nullptr);
        m_dialogs->chooseFile(QStringLiteral("/home/anna/Zdjęcia/dom.jpg"));
        click(*dialog, QStringLiteral("browsePhotoPushButton"));
        QCOMPARE(dialog->photolinkLineEdit->text(), QString());
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->lastText().contains(QStringLiteral("\"ę\" (U+0119)")));
        QVERIFY(m_dialogs->lastText().contains(QStringLiteral("/home/anna/Zdjęcia/dom.jpg")));
        m_dialogs->chooseFile(QLatin1Char('/') + QString(200, QLatin1Char('x')) + QStringLiteral(".jpg"));
        click(*dialog, QStringLiteral("browsePhotoPushButton"));
        QCOMPARE(dialog->photolinkLineEdit->text(), QString());
        QVERIFY(m_dialogs->lastText().startsWith(QStringLiteral("LINK_PATH_TOO_LONG 199 /xxx")));

        type(dialog->nameLineEdit, QStringLiteral("Sofa"));
        QGuiApplication::clipboard()->setText(QStringLiteral(", pris 100 € (tilbud)"));
        dialog->nameLineEdit->end(false);
        dialog->nameLineEdit->paste();
        QCOMPARE(dialog->nameLineEdit->text(), QStringLiteral("Sofa"));
        QTRY_COMPARE(m_dialogs->boxes.size(), 3);
        QVERIFY(m_dialogs->lastText().contains(QStringLiteral("\"€\" (U+20AC)")));
        dialog->supplierComboBox->setEditText(QStringLiteral("Ikea"));
        QGuiApplication::clipboard()->setText(QStringLiteral("Łódź"));
        dialog->supplierComboBox->lineEdit()->paste();
        QCOMPARE(dialog->supplierComboBox->currentText(), QStringLiteral("Ikea"));
        QTRY_COMPARE(m_dialogs->boxes.size(), 4);
    }

    // The print-out read back: label and value on one line; a cancelled print prints nothing.
    void printingAnItem() {
        Register r = open(Tovik, true);
        auto dialog = dialogOn(r, r.collection->At(0));
        const QString pdf = m_dir->filePath(QStringLiteral("item.pdf"));
        m_dialogs->printTo(QString());
        click(*dialog, QStringLiteral("printButton"));
        QVERIFY(!QFile::exists(pdf));
        m_dialogs->printTo(pdf);
        click(*dialog, QStringLiteral("printButton"));
        const QString text = TestSupport::pdfPages(pdf).join(QLatin1Char('\f'));
        const QString nameLine = text.section(QLatin1Char('\n'), 1, 1);
        QVERIFY2(nameLine.contains(QStringLiteral("Navn")) && nameLine.contains(QStringLiteral("3-personers sofa")),
                 qPrintable(nameLine));
        QVERIFY(text.contains(QStringLiteral("db/DemoDBStd/billeder/sofa.jpg")));
        QFile::remove(pdf);
    }

    // A browse button opens in the folder of the field's link, else the set-up's, else the register's; it stores
    // the absolute path with the platform's separators.
    void browsingStoresTheAbsolutePath_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("link"); // in the field before browsing
        QTest::addColumn<QString>("key");  // of a folder chosen in the set-up
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("nowEnabled");
        const QString pictures =
            QStringLiteral("Billeder (*.png *.jpg *.jpeg *.gif *.bmp *.tif *.tiff *.webp);;Alle filer (*)");
        // clang-format off
        QTest::newRow("picture, set-up folder") << "browsePhotoPushButton" << "photolinkLineEdit" << "" << "PicturePath" << "/srv/arkiv" << pictures << QStringList{"picturePage", "showPhotoPushButton"};
        QTest::newRow("receipt, register's folder") << "browseReceiptPushButton" << "receiptLineEdit" << "" << "" << "db/DemoDBStd" << "Kvitteringer (*.pdf *.png" << QStringList{"receiptPage", "showReceiptPushButton"};
        QTest::newRow("document, the link's folder") << "insertDocumentPushButton" << "documentLineEdit" << "db/DemoDBStd/billeder/sofa.jpg" << "DocumentPath" << "db/DemoDBStd/billeder" << "Dokumenter (*.pdf" << QStringList{"showDocumentPushButton"};
        // clang-format on
    }
    void browsingStoresTheAbsolutePath() {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QString, link);
        QFETCH(QString, key);
        QFETCH(QString, directory);
        QFETCH(QString, filter);
        QFETCH(QStringList, nowEnabled);
        Register r = open(Tovik, true);
        if (!key.isEmpty())
            Settings().setValue(key, QStringLiteral("/srv/arkiv"));
        auto dialog = dialogOn(r, nullptr);
        auto* edit = dialog->findChild<QLineEdit*>(field);
        edit->setText(link);
        click(*dialog, button); // cancelled: nothing changes
        QCOMPARE(edit->text(), link);
        m_dialogs->chooseFile(QStringLiteral("db/DemoDBStd/billeder/ur.jpg"));
        click(*dialog, button);
        QCOMPARE(m_dialogs->choosers.size(), 2);
        const TestDialogs::Chooser& chooser = m_dialogs->choosers.at(0);
        QCOMPARE(chooser.mode, FileDialogRequest::OpenFile);
        QCOMPARE(chooser.directory, directory.startsWith(QLatin1Char('/'))
                                        ? directory
                                        : QDir::toNativeSeparators(QDir::current().absoluteFilePath(directory)));
        QVERIFY2(chooser.filter.startsWith(filter), qPrintable(chooser.filter));
        QCOMPARE(edit->text(), QDir::toNativeSeparators(
                                   QDir::current().absoluteFilePath(QStringLiteral("db/DemoDBStd/billeder/ur.jpg"))));
        QCOMPARE(enabled(*dialog, nowEnabled), nowEnabled);
    }

    // A 2000 x 1000 picture fills its page and the thumbnail as far as it fits, whole and not squeezed; the
    // receipt, a picture too, has its page; an item without either has neither page.
    void picturesAreShownFitted() {
        QImage big(2000, 1000, QImage::Format_RGB32);
        big.fill(Qt::darkGreen);
        QVERIFY(big.save(m_dir->filePath(QStringLiteral("stor.png"))));
        Register r = open(Tovik, true);
        Item* sofa = r.collection->At(0);
        sofa->SetPhotolink(m_dir->filePath(QStringLiteral("stor.png")));
        auto dialog = dialogOn(r, sofa, false, QString(), QStringLiteral("PICTURE"));
        QCOMPARE(dialog->primaryTabWidget->currentWidget(), dialog->picturePage);
        for (QLabel* label : {dialog->pixmapPictureLabel, dialog->ImageIconTextLabel}) {
            dialog->primaryTabWidget->setCurrentWidget(label == dialog->ImageIconTextLabel ? dialog->basicPage
                                                                                           : dialog->picturePage);
            QCoreApplication::processEvents();
            const QSize shown = label->pixmap().size();
            const QSize room = label->contentsRect().size();
            QVERIFY(shown.width() <= room.width() && shown.height() <= room.height());
            QVERIFY(shown.width() == room.width() || shown.height() == room.height()); // as large as it fits
            QVERIFY(qAbs(shown.width() - 2 * shown.height()) <= 2);                    // not squeezed
        }
        QVERIFY(dialog->ShowPage(QStringLiteral("RECEIPT")));
        QVERIFY(!dialog->pixmapReceipt->pixmap().isNull());
        QVERIFY(!dialog->ShowPage(QStringLiteral("OTHER")));
        QCOMPARE(dialog->primaryTabWidget->currentWidget(), dialog->receiptPage);
        click(*dialog, QStringLiteral("NextPushButton"));
        QVERIFY(r.collection->At(1)->GetPhotolink().isEmpty());
        QCOMPARE(enabled(*dialog, linkWidgets()), QStringList{"showWwwPushButton"});
    }

    // The desktop opens a picture unless a viewer is chosen; that one gets an argument list.
    void showButtonsUseTheViewerOrTheDesktop() {
        RecordingLauncher launcher;
        Register r = open(Tovik, true);
        Item* sofa = r.collection->At(0);
        {
            auto dialog = dialogOn(r, sofa);
            click(*dialog, QStringLiteral("showPhotoPushButton"));
            QCOMPARE(launcher.started.size(), 0);
            QCOMPARE(launcher.opened,
                     QList<QUrl>{QUrl::fromLocalFile(QDir::current().absoluteFilePath(sofa->GetPhotolink()))});
        }
        Settings().setValue(QStringLiteral("PictureViewerProgram"), QStringLiteral("gimp"));
        {
            // The sample's link is relative to the installation: a viewer gets only a whole path.
            auto dialog = dialogOn(r, sofa);
            m_dialogs->answer(0);
            click(*dialog, QStringLiteral("showPhotoPushButton"));
            QCOMPARE(launcher.started.size(), 0);
            QCOMPARE(m_dialogs->boxes.size(), 1);
            QCOMPARE(launcher.opened.size(), 1);
            m_dialogs->clear();
        }
        const QString picture = QDir::current().absoluteFilePath(sofa->GetPhotolink());
        sofa->SetPhotolink(picture);
        auto dialog = dialogOn(r, sofa);
        click(*dialog, QStringLiteral("showPhotoPushButton"));
        QCOMPARE(launcher.started, QList<QStringList>{(QStringList{"gimp", picture})});
        // Tovik's receipt goes to the desktop whatever viewer is chosen.
        click(*dialog, QStringLiteral("showReceiptPushButton"));
        QCOMPARE(launcher.opened.size(), 2);
        QCOMPARE(launcher.started.size(), 1);
    }

    // Pellin hides the total and names the picture page from its field list; every text field's tool tip says
    // longer texts are cut, also where the edition replaced its help.
    void editionsShapeTheDialog() {
        Register r = open(Pellin, true);
        auto dialog = dialogOn(r, r.collection->At(0));
        QVERIFY(dialog->priceTotalLineEdit->isHidden());
        QVERIFY(dialog->priceTotalTextLabel->isHidden());
        QCOMPARE(dialog->primaryTabWidget->tabText(1), r.collection->Fields().Entry(6));

        Register coins = open(Ostrel, true);
        auto coin = dialogOn(coins, coins.collection->At(0));
        QCOMPARE(coin->addressLineEdit->toolTip(), QStringLiteral("TOOLTIP_OSTREL_QUALITY\nTOOLTIP_TEXT_CUT"));
        for (ItemDialog* d : {dialog.get(), coin.get()}) {
            for (QWidget* field : std::initializer_list<QWidget*>{d->nameLineEdit, d->productLineEdit, d->infoLineEdit,
                                                                  d->documentLineEdit, d->supplierComboBox})
                QVERIFY2(field->toolTip().endsWith(QStringLiteral("TOOLTIP_TEXT_CUT")),
                         qPrintable(field->objectName()));
        }
    }

    void okStoresTheWindowGeometryAndCancelDoesNot() {
        Register r = open(Tovik, true);
        for (const char* button : {"buttonCancel", "buttonOk"}) {
            auto dialog = dialogOn(r, r.collection->At(0));
            dialog->resize(800, 640);
            click(*dialog, QLatin1String(button));
            QCOMPARE(Settings().value(QStringLiteral("ItemDialog/ItemDialogWidth")).toInt(),
                     qstrcmp(button, "buttonOk") == 0 ? 800 : 0);
        }
        QCOMPARE(Settings().value(QStringLiteral("ItemDialog/ItemDialogHeight")).toInt(), 640);
        QCOMPARE(dialogOn(r, r.collection->At(0))->size(), QSize(800, 640));
    }

    // Last, as it installs the real translations: no raw key and no text cut off on the item dialog's pages (an
    // item with a picture) and the set-up dialogs, and the item dialog fits the size it first opens at.
    void dialogsLook_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        for (int edition : {Tovik, Pellin, Ostrel, Brevane}) {
            SetEdition(edition);
            for (const char* language : {"dk", "no", "en"})
                QTest::addRow("%s %s", qPrintable(GetAppName()), language) << edition << QString::fromLatin1(language);
        }
    }
    void dialogsLook() {
        QFETCH(int, edition);
        QFETCH(QString, language);
        SetEdition(edition);
        Settings().setValue(QStringLiteral("Language"), language);
        Settings().setValue(QStringLiteral("LastDBDir"), DefaultDatabaseDir());
        TestSupport::installTranslation(language);
        Register r{std::make_unique<DBItemCollection>(nullptr, DefaultDatabaseDir())};
        QVERIFY(r.collection->LoadFromAsciiFile(DefaultDatabasePath()));
        auto withPicture = std::find_if(r.collection->begin(), r.collection->end(), [](const Item* item) {
            return IsPictureFile(item->GetPhotolink()) && QFileInfo::exists(item->GetPhotolink());
        });
        QVERIFY(withPicture != r.collection->end());
        auto dialog = dialogOn(r, *withPicture);
        QCOMPARE(dialog->size(), QSize(627, 539));
        QCOMPARE(dialog->minimumSizeHint().boundedTo(dialog->size()), dialog->minimumSizeHint());
        QCOMPARE(problems(dialog.get()), QString());
        dialog->ShowPage(QStringLiteral("PICTURE"));
        QCOMPARE(problems(dialog.get()), QString());
        dialog->ShowPage(QStringLiteral("DATA"));
        dialog->ResetSlot();
        QCOMPARE(problems(dialog.get()), QString());
        CommonSetup folders(nullptr, QCoreApplication::translate("CommonSetup", "CommonSetupDialogTitle"));
        QCOMPARE(problems(&folders), QString());
        if (edition == Brevane) { // the only edition with pre-created items
            DBItemCollection empty(nullptr, DefaultDatabaseDir());
            AutomakeItems automake(&empty, nullptr);
            QCOMPARE(problems(&automake), QString());
        }
    }
};

QTEST_MAIN(TestItemDialog)
#include "tst_itemdialog.moc"
