#include "TestSupport.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "output/ListPrinting.h"
#include "output/PrintSettings.h"
#include "output/printSelectDataDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>

namespace {

using Getter = std::function<QVariant(const PrintSettings&)>;

// Every key with its default, as the settings store holds them, and the member that shows it.
struct KeyRow {
    const char* key;
    QVariant defaultValue;
    QVariant otherValue;
    Getter member;
};

const std::vector<KeyRow>& keyRows() {
    static const std::vector<KeyRow> rows = {
        {"Print/printItemCount", false, true, [](const PrintSettings& s) { return QVariant(s.printItemCount); }},
        {"Print/printGroupField", true, false, [](const PrintSettings& s) { return QVariant(s.printGroupField); }},
        {"Print/printNameField", true, false, [](const PrintSettings& s) { return QVariant(s.printNameField); }},
        {"Print/printModelField", true, false, [](const PrintSettings& s) { return QVariant(s.printModelField); }},
        {"Print/printProductTypeField", false, true,
         [](const PrintSettings& s) { return QVariant(s.printProductTypeField); }},
        {"Print/printCountField", false, true, [](const PrintSettings& s) { return QVariant(s.printCountField); }},
        {"Print/printPriceField", true, false, [](const PrintSettings& s) { return QVariant(s.printPriceField); }},
        {"Print/printPriceTodayField", true, false,
         [](const PrintSettings& s) { return QVariant(s.printPriceTodayField); }},
        {"Print/printPictureField", false, true, [](const PrintSettings& s) { return QVariant(s.printPictureField); }},
        {"Print/printDateField", true, false, [](const PrintSettings& s) { return QVariant(s.printDateField); }},
        {"Print/printLocationField", false, true,
         [](const PrintSettings& s) { return QVariant(s.printLocationField); }},
        {"Print/printDescribeField", false, true,
         [](const PrintSettings& s) { return QVariant(s.printDescribeField); }},
        {"Print/printSupplierField", false, true,
         [](const PrintSettings& s) { return QVariant(s.printSupplierField); }},
        {"Print/printAddressField", false, true, [](const PrintSettings& s) { return QVariant(s.printAddressField); }},
        {"Print/printSerialNumberField", false, true,
         [](const PrintSettings& s) { return QVariant(s.printSerialNumberField); }},
        {"Print/printWwwField", false, true, [](const PrintSettings& s) { return QVariant(s.printWwwField); }},
        {"Print/printReceiptField", false, true, [](const PrintSettings& s) { return QVariant(s.printReceiptField); }},
        {"Print/printDocumentField", false, true,
         [](const PrintSettings& s) { return QVariant(s.printDocumentField); }},
        {"Print/printSeparator", QStringLiteral("|"), QStringLiteral("#"),
         [](const PrintSettings& s) { return QVariant(s.printSeparator); }},
        {"Print/printGroupOnly", false, true, [](const PrintSettings& s) { return QVariant(s.printGroupOnly); }},
        {"Print/printLocationOnly", false, true, [](const PrintSettings& s) { return QVariant(s.printLocationOnly); }},
        {"Print/GroupToPrint", 0, 4, [](const PrintSettings& s) { return QVariant(s.GroupToPrint); }},
        {"Print/LocationToPrint", 0, 3, [](const PrintSettings& s) { return QVariant(s.LocationToPrint); }},
        {"Print/sortMethod", 0, 9, [](const PrintSettings& s) { return QVariant(s.sortMethod); }},
        {"Print/printGroupFieldLength", 15, 21, [](const PrintSettings& s) { return QVariant(s.groupLength); }},
        {"Print/printModelFieldLength", 15, 22, [](const PrintSettings& s) { return QVariant(s.modelLength); }},
        {"Print/printProductTypeFieldLength", 15, 23,
         [](const PrintSettings& s) { return QVariant(s.productTypeLength); }},
        {"Print/printCountFieldLength", 3, 5, [](const PrintSettings& s) { return QVariant(s.countLength); }},
        {"Print/printPriceFieldLength", 9, 11, [](const PrintSettings& s) { return QVariant(s.priceLength); }},
        {"Print/printPriceTodayFieldLength", 9, 12,
         [](const PrintSettings& s) { return QVariant(s.priceTodayLength); }},
        {"Print/printPictureFieldLength", 15, 24, [](const PrintSettings& s) { return QVariant(s.pictureLength); }},
        {"Print/printLocationFieldLength", 15, 25, [](const PrintSettings& s) { return QVariant(s.locationLength); }},
        {"Print/printSerialNumberFieldLength", 15, 26,
         [](const PrintSettings& s) { return QVariant(s.serialNumberLength); }},
        {"Print/printReceiptFieldLength", 15, 27, [](const PrintSettings& s) { return QVariant(s.receiptLength); }},
        {"Print/printAddressFieldLength", 15, 28, [](const PrintSettings& s) { return QVariant(s.addressLength); }},
        {"Print/printDescribeFieldLength", 15, 29, [](const PrintSettings& s) { return QVariant(s.describeLength); }},
        {"Print/printNameFieldLength", 15, 30, [](const PrintSettings& s) { return QVariant(s.nameLength); }},
        {"Print/printSupplierFieldLength", 15, 31, [](const PrintSettings& s) { return QVariant(s.supplierLength); }},
        {"Print/printWwwFieldLength", 15, 32, [](const PrintSettings& s) { return QVariant(s.wwwLength); }},
        {"Print/printDocumentFieldLength", 15, 33, [](const PrintSettings& s) { return QVariant(s.documentLength); }},
    };
    return rows;
}

// A widget of a dialog by its object name; a missing one fails the test instead of crashing it.
template <class T> T* w(QObject& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("the dialog has no %s named %s", T::staticMetaObject.className(), name);
    return widget;
}

QStringList entries(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QString itemCountEntry() {
    return QCoreApplication::translate("printSelectDataDialog", "ITEM_COUNT");
}

void selectEntry(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    list->setCurrentItem(found.first());
}

QVariant stored(const char* key) {
    return Settings().value(QLatin1String(key));
}

} // namespace

class TestPrintSettings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::isolateSettings(); }

    void init() {
        SetEdition(Tovik);
        TestSupport::clearSettings();
        Settings().setValue(QStringLiteral("LastDBDir"), QStringLiteral("/nonexistent"));
        ColumnNames::Reset();
        PrintSettings::Shared() = PrintSettings::Defaults();
        m_collection = std::make_unique<DBItemCollection>(nullptr);
        m_collection->Groups().SetEntries({QStringLiteral("Køkken"), QStringLiteral("Stue"), QStringLiteral("Have")});
        m_collection->Locations().SetEntries({QStringLiteral("Kælder"), QStringLiteral("Loft")});
    }

    void cleanup() { m_collection.reset(); }

    void fortyKeysWithTheirDefaults_data() {
        QTest::addColumn<int>("row");
        QCOMPARE(int(keyRows().size()), 40);
        for (int row = 0; row < int(keyRows().size()); ++row)
            QTest::newRow(keyRows()[row].key) << row;
    }
    void fortyKeysWithTheirDefaults() {
        QFETCH(int, row);
        const KeyRow& k = keyRows()[row];
        QCOMPARE(k.member(PrintSettings()), k.defaultValue); // empty store
        QCOMPARE(k.member(PrintSettings::Defaults()), k.defaultValue);
        Settings().setValue(QLatin1String(k.key), k.otherValue);
        QCOMPARE(k.member(PrintSettings()), k.otherValue);
        // Saving writes the key back under the same name.
        TestSupport::clearSettings();
        PrintSettings::Defaults().Save();
        QCOMPARE(stored(k.key).toString(), k.defaultValue.toString());
    }

    void saveWithoutTheSortMethod() {
        PrintSettings settings = PrintSettings::Defaults();
        settings.sortMethod = 9;
        settings.Save(false);
        QVERIFY(!Settings().contains(QStringLiteral("Print/sortMethod")));
        settings.Save();
        QCOMPARE(PrintSettings().sortMethod, 9);
    }

    void filter_data() {
        QTest::addColumn<bool>("groupOnly");
        QTest::addColumn<bool>("locationOnly");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("location");
        QTest::addColumn<bool>("passes");
        // Group and location to print are 1 and 2.
        QTest::newRow("no filter") << false << false << 0 << 0 << true;
        QTest::newRow("group matches") << true << false << 1 << 0 << true;
        QTest::newRow("group differs") << true << false << 0 << 2 << false;
        QTest::newRow("location matches") << false << true << 0 << 2 << true;
        QTest::newRow("location differs") << false << true << 1 << 0 << false;
        QTest::newRow("both, group matches") << true << true << 1 << 0 << true;
        QTest::newRow("both, location matches") << true << true << 0 << 2 << true;
        QTest::newRow("both, neither") << true << true << 0 << 0 << false;
    }
    void filter() {
        QFETCH(bool, groupOnly);
        QFETCH(bool, locationOnly);
        QFETCH(int, group);
        QFETCH(int, location);
        QFETCH(bool, passes);
        PrintSettings settings = PrintSettings::Defaults();
        settings.printGroupOnly = groupOnly;
        settings.printLocationOnly = locationOnly;
        settings.GroupToPrint = 1;
        settings.LocationToPrint = 2;
        Item item;
        item.SetGroup(group);
        item.SetLocation(location);
        item.SetName(QStringLiteral("x"));
        QCOMPARE(settings.Passes(item), passes);
        QCOMPARE(BuildPrintItemLine(settings, *m_collection, 1, item).isEmpty(), !passes);
    }

    // --- the dialog ---------------------------------------------------------------------------------------

    void dialogShowsTheDefaults() {
        printSelectDataDialog dialog(m_collection.get(), nullptr, "Print setup", true);
        QCOMPARE(dialog.objectName(), QStringLiteral("Print setup"));
        QVERIFY(dialog.isModal());
        QCOMPARE(entries(w<QListWidget>(dialog, "wantedListBox")),
                 (QStringList{"Gruppe", "Navn", "Fabrikat", "Pris", "Vurd.", "Dato"}));
        QCOMPARE(entries(w<QListWidget>(dialog, "availableListBox")),
                 (QStringList{itemCountEntry(), "Antal", "Billede", "Rum", "Beskrivelse", QStringLiteral("Leverandør"),
                              "Adresse", "Serie no.", "Www", "Kvitt.", "Dok.", "Produkt model"}));
        QCOMPARE(w<QComboBox>(dialog, "printSepaComboBox")->count(), 7);
        QCOMPARE(w<QComboBox>(dialog, "printSepaComboBox")->currentText(), QStringLiteral("|"));
        QCOMPARE(w<QLineEdit>(dialog, "priceLengthLineEdit")->text(), QStringLiteral("9"));
        QCOMPARE(w<QLineEdit>(dialog, "countLengthLineEdit")->text(), QStringLiteral("3"));
        QCOMPARE(w<QLineEdit>(dialog, "nameLengthLineEdit")->text(), QStringLiteral("15"));
        QCOMPARE(w<QLineEdit>(dialog, "dateLengthLineEdit")->text(), QStringLiteral("10"));
        QVERIFY(w<QRadioButton>(dialog, "sortTypeRadioButton")->isChecked());
        QCOMPARE(w<QComboBox>(dialog, "PrintGroupComboBox")->count(), 3);
        QCOMPARE(w<QComboBox>(dialog, "PrintGroupComboBox")->currentText(), QStringLiteral("Køkken"));
        QCOMPARE(w<QComboBox>(dialog, "PrintLocationComboBox")->currentText(), QStringLiteral("Kælder"));
        QVERIFY(w<QCheckBox>(dialog, "PrintLocationCheckBox")->text().endsWith(QStringLiteral("Rum")));
        QVERIFY(!w<QCheckBox>(dialog, "PrintGroupCheckBox")->isChecked());
    }

    void sortButtonsAndLengthLabelsTakeTheColumnTitles() {
        ColumnNames::SetTitle(ColumnNames::Name, QStringLiteral("År"));
        ColumnNames::SetTitle(ColumnNames::Location, QStringLiteral("Krone"));
        printSelectDataDialog dialog(m_collection.get());
        QCOMPARE(w<QRadioButton>(dialog, "sortNameRadioButton")->text(), QStringLiteral("År"));
        QCOMPARE(w<QLabel>(dialog, "nameLengthLabel")->text(), QStringLiteral("År"));
        QCOMPARE(w<QRadioButton>(dialog, "sortLocationButton")->text(), QStringLiteral("Krone"));
        QCOMPARE(w<QRadioButton>(dialog, "sortTypeRadioButton")->text(), QStringLiteral("Gruppe"));
        QCOMPARE(w<QRadioButton>(dialog, "sortPriceRadioButton")->text(), QStringLiteral("Pris"));
        QVERIFY(w<QCheckBox>(dialog, "PrintLocationCheckBox")->text().endsWith(QStringLiteral("Krone")));
        QVERIFY(entries(w<QListWidget>(dialog, "wantedListBox")).contains(QStringLiteral("År")));
    }

    void validatorsLimitTheLengths() {
        printSelectDataDialog dialog(m_collection.get());
        auto top = [](QLineEdit* edit) {
            const auto* validator = qobject_cast<const QIntValidator*>(edit->validator());
            return validator ? validator->top() : -1;
        };
        QCOMPARE(top(w<QLineEdit>(dialog, "priceLengthLineEdit")), 12);
        QCOMPARE(top(w<QLineEdit>(dialog, "priceTodayLengthLineEdit")), 12);
        QCOMPARE(top(w<QLineEdit>(dialog, "countLengthLineEdit")), 20);
        QCOMPARE(top(w<QLineEdit>(dialog, "nameLengthLineEdit")), 200);
        QCOMPARE(top(w<QLineEdit>(dialog, "documentLengthLineEdit")), 200);
        QCOMPARE(top(w<QLineEdit>(dialog, "dateLengthLineEdit")), -1);
        auto acceptable = [&dialog](const char* edit, QString text) {
            int position = 0;
            return w<QLineEdit>(dialog, edit)->validator()->validate(text, position) == QValidator::Acceptable;
        };
        QVERIFY(acceptable("priceLengthLineEdit", QStringLiteral("12")));
        QVERIFY(!acceptable("priceLengthLineEdit", QStringLiteral("13")));
        QVERIFY(!acceptable("countLengthLineEdit", QStringLiteral("21")));
        QVERIFY(!acceptable("nameLengthLineEdit", QStringLiteral("0")));
        QVERIFY(acceptable("nameLengthLineEdit", QStringLiteral("200")));
        QVERIFY(!acceptable("nameLengthLineEdit", QStringLiteral("201")));
    }

    void bothLengthsWrongNamesOnlyTheDescription() {
        TestDialogs dialogs;
        printSelectDataDialog dialog(m_collection.get());
        w<QLineEdit>(dialog, "addressLengthLineEdit")->setText(QStringLiteral("0"));
        w<QLineEdit>(dialog, "describeLengthLineEdit")->setText(QStringLiteral("201"));
        w<QLineEdit>(dialog, "nameLengthLineEdit")->setText(QStringLiteral("40"));
        dialog.accept();
        QCOMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(dialogs.boxes.first().icon, MessageBoxRequest::Critical);
        QCOMPARE(dialogs.boxes.first().buttons.size(), 1);
        QCOMPARE(dialogs.lastTitle(), QCoreApplication::translate("printSelectDataDialog", "Felt grænseværdi fejl"));
        const QString description =
            QCoreApplication::translate("printSelectDataDialog", "'Beskrivelse felt længde' skal være: 1 -> %2")
                .arg(200);
        QCOMPARE(dialogs.lastText(), description + QStringLiteral("\n\n") +
                                         QCoreApplication::translate("printSelectDataDialog", "Ret det !"));
        QVERIFY(!dialogs.lastText().contains(QStringLiteral("Adresse")));
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // stays open
        QVERIFY(!Settings().contains(QStringLiteral("Print/printNameFieldLength")));

        w<QLineEdit>(dialog, "describeLengthLineEdit")->setText(QStringLiteral("20"));
        dialog.accept();
        QCOMPARE(dialogs.boxes.size(), 2);
        QVERIFY(dialogs.lastText().contains(QStringLiteral("Adresse")));

        w<QLineEdit>(dialog, "addressLengthLineEdit")->setText(QStringLiteral("200"));
        dialog.accept();
        QCOMPARE(dialogs.boxes.size(), 2);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(PrintSettings().nameLength, 40);
        QCOMPARE(PrintSettings().addressLength, 200);
    }

    void unknownSeparatorShowsAndSavesTheBar() {
        Settings().setValue(QStringLiteral("Print/printSeparator"), QStringLiteral("X"));
        printSelectDataDialog dialog(m_collection.get());
        QCOMPARE(w<QComboBox>(dialog, "printSepaComboBox")->currentText(), QStringLiteral("|"));
        dialog.accept();
        QCOMPARE(stored("Print/printSeparator").toString(), QStringLiteral("|"));
        QCOMPARE(PrintSettings::Shared().printSeparator, QStringLiteral("|"));

        Settings().setValue(QStringLiteral("Print/printSeparator"), QStringLiteral("I"));
        printSelectDataDialog again(m_collection.get());
        QCOMPARE(w<QComboBox>(again, "printSepaComboBox")->currentIndex(), 6);
    }

    void everythingAvailableStoresEveryFlagFalse() {
        printSelectDataDialog dialog(m_collection.get());
        while (w<QListWidget>(dialog, "wantedListBox")->count() > 0) {
            w<QListWidget>(dialog, "wantedListBox")->setCurrentRow(0);
            dialog.remove_slot();
        }
        QCOMPARE(w<QListWidget>(dialog, "availableListBox")->count(), 18);
        dialog.accept();
        const PrintSettings settings;
        for (const KeyRow& k : keyRows()) {
            if (k.defaultValue.typeId() == QMetaType::Bool && QByteArray(k.key).endsWith("Field"))
                QCOMPARE(k.member(settings), QVariant(false));
        }
        QVERIFY(!settings.printItemCount);
        Item item;
        item.SetName(QStringLiteral("Sofa"));
        QCOMPARE(BuildPrintItemLine(settings, *m_collection, 1, item), QString());
        QCOMPARE(BuildPrintHeaderLine(settings), QString());
    }

    void addAndRemoveNeedACurrentEntry() {
        printSelectDataDialog dialog(m_collection.get());
        const QStringList wanted = entries(w<QListWidget>(dialog, "wantedListBox"));
        w<QListWidget>(dialog, "availableListBox")->setCurrentItem(nullptr);
        w<QListWidget>(dialog, "wantedListBox")->setCurrentItem(nullptr);
        dialog.add_slot();
        dialog.remove_slot();
        QCOMPARE(entries(w<QListWidget>(dialog, "wantedListBox")), wanted);
        selectEntry(w<QListWidget>(dialog, "availableListBox"), QStringLiteral("Antal"));
        QTest::mouseClick(w<QPushButton>(dialog, "AddButton"), Qt::LeftButton);
        QCOMPARE(entries(w<QListWidget>(dialog, "wantedListBox")).last(), QStringLiteral("Antal"));
        selectEntry(w<QListWidget>(dialog, "wantedListBox"), QStringLiteral("Navn"));
        QTest::mouseClick(w<QPushButton>(dialog, "RemoveButton"), Qt::LeftButton);
        QCOMPARE(entries(w<QListWidget>(dialog, "availableListBox")).last(), QStringLiteral("Navn"));
    }

    // Entries come back in the dialog's own order, not in the order they were added.
    void reopeningShowsTheFixedOrder() {
        {
            printSelectDataDialog dialog(m_collection.get());
            selectEntry(w<QListWidget>(dialog, "availableListBox"), QStringLiteral("Produkt model"));
            dialog.add_slot();
            selectEntry(w<QListWidget>(dialog, "availableListBox"), itemCountEntry());
            dialog.add_slot();
            QCOMPARE(entries(w<QListWidget>(dialog, "wantedListBox")).mid(6),
                     (QStringList{"Produkt model", itemCountEntry()}));
            QTest::mouseClick(w<QPushButton>(dialog, "buttonOk"), Qt::LeftButton);
        }
        const PrintSettings settings;
        QVERIFY(settings.printProductTypeField);
        QVERIFY(settings.printItemCount);
        printSelectDataDialog dialog(m_collection.get());
        QCOMPARE(
            entries(w<QListWidget>(dialog, "wantedListBox")),
            (QStringList{itemCountEntry(), "Gruppe", "Navn", "Fabrikat", "Pris", "Vurd.", "Dato", "Produkt model"}));
    }

    void okStoresTheWidgets() {
        Settings().setValue(QStringLiteral("Print/GroupToPrint"), 2);
        Settings().setValue(QStringLiteral("Print/sortMethod"), 10);
        printSelectDataDialog dialog(m_collection.get());
        QCOMPARE(w<QComboBox>(dialog, "PrintGroupComboBox")->currentText(), QStringLiteral("Have"));
        QVERIFY(w<QRadioButton>(dialog, "sortLocationButton")->isChecked());
        w<QRadioButton>(dialog, "sortDateradioButton")->setChecked(true);
        w<QCheckBox>(dialog, "PrintGroupCheckBox")->setChecked(true);
        w<QCheckBox>(dialog, "PrintLocationCheckBox")->setChecked(true);
        w<QComboBox>(dialog, "PrintLocationComboBox")->setCurrentIndex(1);
        w<QComboBox>(dialog, "printSepaComboBox")->setCurrentIndex(1);
        w<QLineEdit>(dialog, "wwwLengthLineEdit")->clear(); // an empty length is stored as 0
        w<QLineEdit>(dialog, "priceLengthLineEdit")->setText(QStringLiteral("12"));
        dialog.accept();
        const PrintSettings settings;
        QCOMPARE(settings.sortMethod, int(DBItemCollection::SortDate));
        QVERIFY(settings.printGroupOnly);
        QVERIFY(settings.printLocationOnly);
        QCOMPARE(settings.GroupToPrint, 2);
        QCOMPARE(settings.LocationToPrint, 1);
        QCOMPARE(settings.printSeparator, QStringLiteral(";"));
        QCOMPARE(settings.wwwLength, 0);
        QCOMPARE(settings.priceLength, 12);
        QCOMPARE(PrintSettings::Shared().sortMethod, int(DBItemCollection::SortDate));
        QCOMPARE(PrintSettings::Shared().wwwLength, 0);
    }

    void noSortButtonCheckedWritesNoSortMethod() {
        Settings().setValue(QStringLiteral("Print/sortMethod"), 3); // no button has code 3
        printSelectDataDialog dialog(m_collection.get());
        for (QRadioButton* button :
             {w<QRadioButton>(dialog, "sortTypeRadioButton"), w<QRadioButton>(dialog, "sortNameRadioButton"),
              w<QRadioButton>(dialog, "sortModelRadioButton"), w<QRadioButton>(dialog, "sortPriceRadioButton"),
              w<QRadioButton>(dialog, "sortDateradioButton"), w<QRadioButton>(dialog, "sortLocationButton")})
            QVERIFY(!button->isChecked());
        dialog.accept();
        QCOMPARE(stored("Print/sortMethod").toInt(), 3);
    }

    void cancelLeavesTheStoreAlone() {
        printSelectDataDialog dialog(m_collection.get());
        w<QLineEdit>(dialog, "nameLengthLineEdit")->setText(QStringLiteral("77"));
        QTest::mouseClick(w<QPushButton>(dialog, "buttonCancel"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!Settings().contains(QStringLiteral("Print/printNameFieldLength")));
    }

    void helpButton_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("Tovik dk") << int(Tovik) << "dk" << true;
        QTest::newRow("Tovik no") << int(Tovik) << "no" << true;
        QTest::newRow("Tovik en") << int(Tovik) << "en" << false;
        QTest::newRow("Ostrel dk") << int(Ostrel) << "dk" << true;
        QTest::newRow("Ostrel no") << int(Ostrel) << "no" << false;
        QTest::newRow("Pellin dk") << int(Pellin) << "dk" << false;
        QTest::newRow("Brevane dk") << int(Brevane) << "dk" << false;
    }
    void helpButton() {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(bool, enabled);
        SetEdition(edition);
        Settings().setValue(QStringLiteral("Language"), language);
        printSelectDataDialog dialog(m_collection.get());
        QCOMPARE(w<QPushButton>(dialog, "buttonHelp")->isEnabled(), enabled);
    }

    void aGroupIndexBeyondTheListLeavesTheComboEmpty() {
        Settings().setValue(QStringLiteral("Print/GroupToPrint"), 7);
        printSelectDataDialog dialog(m_collection.get());
        QCOMPARE(w<QComboBox>(dialog, "PrintGroupComboBox")->currentIndex(), -1);
    }

    // No text of the dialog is clipped: the layouts give every widget at least its size hint.
    void nothingIsClipped() {
        printSelectDataDialog dialog(m_collection.get());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (QWidget* widget : dialog.findChildren<QWidget*>()) {
            if (!widget->isVisible() || qobject_cast<QListWidget*>(widget) || widget->sizeHint().isEmpty())
                continue;
            if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget))
                QVERIFY2(widget->width() >= widget->sizeHint().width(), qPrintable(widget->objectName()));
        }
    }

private:
    std::unique_ptr<DBItemCollection> m_collection;
};

QTEST_MAIN(TestPrintSettings)
#include "tst_printsettings.moc"
