#include "app/AppSettings.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "output/printSelectDataDialog.h"
#include "printing/ListPrinting.h"
#include "tests/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// A widget of a dialog by its object name; a missing one fails the test instead of crashing it.
template <class T> T* w(QObject& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("the dialog has no %s named %s", T::staticMetaObject.className(), name);
    return widget;
}

QStringList entries(QObject& dialog, const char* list) {
    QStringList texts;
    for (int row = 0; row < w<QListWidget>(dialog, list)->count(); ++row)
        texts << w<QListWidget>(dialog, list)->item(row)->text();
    return texts;
}

void selectEntry(QObject& dialog, const char* list, const QString& text) {
    const QList<QListWidgetItem*> found = w<QListWidget>(dialog, list)->findItems(text, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    w<QListWidget>(dialog, list)->setCurrentItem(found.first());
}

// The "Print" keys of the store with their values as text.
QMap<QString, QString> storedKeys() {
    Settings settings;
    QMap<QString, QString> keys;
    for (const QString& key : settings.allKeys()) {
        if (key.startsWith(QLatin1String("Print/")))
            keys.insert(key, settings.value(key).toString());
    }
    return keys;
}

} // namespace

class TestPrintSettings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::isolateSettings(); }

    void init() {
        SetEdition(Tovik);
        TestSupport::clearSettings();
        ColumnNames::Reset();
        m_collection = std::make_unique<DBItemCollection>(nullptr);
        m_collection->Groups().SetEntries({QStringLiteral("Køkken"), QStringLiteral("Stue"), QStringLiteral("Have")});
        m_collection->Locations().SetEntries({QStringLiteral("Kælder"), QStringLiteral("Loft")});
    }

    void cleanup() { m_collection.reset(); }

    // The 40 "Print" keys: an empty store reads as the defaults, every key is read under the name it is
    // written, and the sort method is left out when asked.
    void fortyKeysRoundTrip() {
        AppSettings::StorePrint(PrintSettings());
        const QMap<QString, QString> defaults = storedKeys();
        QCOMPARE(defaults.size(), 40);
        TestSupport::clearSettings();
        AppSettings::StorePrint(AppSettings::Print());
        QCOMPARE(storedKeys(), defaults);

        QMap<QString, QString> changed;
        for (auto it = defaults.begin(); it != defaults.end(); ++it) {
            bool number = false;
            const int value = it.value().toInt(&number);
            changed[it.key()] = it.value() == QLatin1String("true")    ? QStringLiteral("false")
                                : it.value() == QLatin1String("false") ? QStringLiteral("true")
                                : number                               ? QString::number(value + 1)
                                                                       : QStringLiteral("#");
            Settings().setValue(it.key(), changed[it.key()]);
        }
        const PrintSettings read = AppSettings::Print();
        TestSupport::clearSettings();
        AppSettings::StorePrint(read);
        QCOMPARE(storedKeys(), changed);

        TestSupport::clearSettings();
        AppSettings::StorePrint(read, false);
        QCOMPARE(storedKeys().size(), 39);
        QVERIFY(!Settings().contains(QStringLiteral("Print/sortMethod")));
    }

    // Group and location to print are 1 and 2; with both filters an item passes when either matches (the
    // export's table checks a location match under both, the list print a group match alone).
    void filter_data() {
        QTest::addColumn<bool>("groupOnly");
        QTest::addColumn<bool>("locationOnly");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("location");
        QTest::addColumn<bool>("passes");
        // clang-format off
        QTest::newRow("no filter")              << false << false << 0 << 0 << true;
        QTest::newRow("group differs")          << true  << false << 0 << 2 << false;
        QTest::newRow("location matches")       << false << true  << 0 << 2 << true;
        QTest::newRow("location differs")       << false << true  << 1 << 0 << false;
        QTest::newRow("both, group matches")    << true  << true  << 1 << 0 << true;
        QTest::newRow("both, neither")          << true  << true  << 0 << 0 << false;
        // clang-format on
    }
    void filter() {
        QFETCH(bool, groupOnly);
        QFETCH(bool, locationOnly);
        QFETCH(int, group);
        QFETCH(int, location);
        QFETCH(bool, passes);
        PrintSettings settings;
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

    // The labels take the column titles, and no text is clipped: every button and label gets its size hint.
    void labelsTakeTheColumnTitlesUnclipped() {
        ColumnNames::SetTitle(ColumnNames::Name, QStringLiteral("År"));
        ColumnNames::SetTitle(ColumnNames::Location, QStringLiteral("Krone"));
        printSelectDataDialog dialog(m_collection.get());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (QWidget* widget : dialog.findChildren<QWidget*>()) {
            if (widget->isVisible() && (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget)))
                QVERIFY2(widget->width() >= widget->sizeHint().width(), qPrintable(widget->objectName()));
        }
        QCOMPARE(w<QRadioButton>(dialog, "sortNameRadioButton")->text(), QStringLiteral("År"));
        QCOMPARE(w<QLabel>(dialog, "nameLengthLabel")->text(), QStringLiteral("År"));
        QCOMPARE(w<QRadioButton>(dialog, "sortLocationButton")->text(), QStringLiteral("Krone"));
        QVERIFY(w<QCheckBox>(dialog, "PrintLocationCheckBox")->text().endsWith(QStringLiteral("Krone")));
        QVERIFY(entries(dialog, "wantedListBox").contains(QStringLiteral("År")));
    }

    void validatorsLimitTheLengths_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("acceptable");
        // clang-format off
        QTest::newRow("price 12")     << "priceLengthLineEdit" << "12" << true;
        QTest::newRow("price 13")     << "priceLengthLineEdit" << "13" << false;
        QTest::newRow("today 13")     << "priceTodayLengthLineEdit" << "13" << false;
        QTest::newRow("count 20")     << "countLengthLineEdit" << "20" << true;
        QTest::newRow("count 21")     << "countLengthLineEdit" << "21" << false;
        QTest::newRow("name 0")       << "nameLengthLineEdit" << "0" << false;
        QTest::newRow("name 200")     << "nameLengthLineEdit" << "200" << true;
        QTest::newRow("document 201") << "documentLengthLineEdit" << "201" << false;
        // clang-format on
    }
    void validatorsLimitTheLengths() {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(bool, acceptable);
        printSelectDataDialog dialog(m_collection.get());
        int position = 0;
        const QValidator* validator = w<QLineEdit>(dialog, qPrintable(edit))->validator();
        QVERIFY(validator);
        QCOMPARE(validator->validate(text, position) == QValidator::Acceptable, acceptable);
        QVERIFY(!w<QLineEdit>(dialog, "dateLengthLineEdit")->validator()); // the date's length is fixed
    }

    // Both lengths out of range: only the description is named; the dialog stays open and stores nothing.
    void bothLengthsWrongNamesOnlyTheDescription() {
        TestDialogs dialogs;
        dialogs.expectBoxes(2);
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
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!Settings().contains(QStringLiteral("Print/printNameFieldLength")));

        w<QLineEdit>(dialog, "describeLengthLineEdit")->setText(QStringLiteral("20"));
        dialog.accept();
        QCOMPARE(dialogs.boxes.size(), 2);
        QVERIFY(dialogs.lastText().contains(QStringLiteral("Adresse")));

        w<QLineEdit>(dialog, "addressLengthLineEdit")->setText(QStringLiteral("200"));
        dialog.accept();
        QCOMPARE(dialogs.boxes.size(), 2);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(AppSettings::Print().nameLength, 40);
        QCOMPARE(AppSettings::Print().addressLength, 200);
    }

    void everythingAvailablePrintsNoColumn() {
        printSelectDataDialog dialog(m_collection.get());
        while (w<QListWidget>(dialog, "wantedListBox")->count() > 0) {
            w<QListWidget>(dialog, "wantedListBox")->setCurrentRow(0);
            dialog.remove_slot();
        }
        QCOMPARE(entries(dialog, "availableListBox").size(), 18);
        dialog.accept();
        QCOMPARE(BuildPrintHeaderLine(AppSettings::Print()), QString());
    }

    // Add and Remove move the current entry; without one they do nothing. Entries come back in the dialog's
    // own order, not in the order they were added.
    void addAndRemoveKeepTheFixedOrder() {
        const QString itemCount = QCoreApplication::translate("printSelectDataDialog", "ITEM_COUNT");
        {
            printSelectDataDialog dialog(m_collection.get());
            const QStringList wanted = entries(dialog, "wantedListBox");
            w<QListWidget>(dialog, "availableListBox")->setCurrentItem(nullptr);
            w<QListWidget>(dialog, "wantedListBox")->setCurrentItem(nullptr);
            dialog.add_slot();
            dialog.remove_slot();
            QCOMPARE(entries(dialog, "wantedListBox"), wanted);
            selectEntry(dialog, "wantedListBox", QStringLiteral("Navn"));
            QTest::mouseClick(w<QPushButton>(dialog, "RemoveButton"), Qt::LeftButton);
            QCOMPARE(entries(dialog, "availableListBox").last(), QStringLiteral("Navn"));
            selectEntry(dialog, "availableListBox", QStringLiteral("Produkt model"));
            QTest::mouseClick(w<QPushButton>(dialog, "AddButton"), Qt::LeftButton);
            selectEntry(dialog, "availableListBox", itemCount);
            QTest::mouseClick(w<QPushButton>(dialog, "AddButton"), Qt::LeftButton);
            QCOMPARE(entries(dialog, "wantedListBox").mid(5), (QStringList{"Produkt model", itemCount}));
            QTest::mouseClick(w<QPushButton>(dialog, "buttonOk"), Qt::LeftButton);
        }
        const PrintSettings settings = AppSettings::Print();
        QVERIFY(settings.printProductTypeField && settings.printItemCount && !settings.printNameField);
        printSelectDataDialog dialog(m_collection.get());
        QCOMPARE(entries(dialog, "wantedListBox"),
                 (QStringList{itemCount, "Gruppe", "Fabrikat", "Pris", "Vurd.", "Dato", "Produkt model"}));
    }

    // OK stores every widget (an empty length as 0) and updates the shared copy; Cancel stores nothing.
    void okStoresTheWidgetsAndCancelDoesNot() {
        {
            printSelectDataDialog dialog(m_collection.get());
            w<QLineEdit>(dialog, "nameLengthLineEdit")->setText(QStringLiteral("77"));
            QTest::mouseClick(w<QPushButton>(dialog, "buttonCancel"), Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(storedKeys().isEmpty());
        }
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
        w<QLineEdit>(dialog, "wwwLengthLineEdit")->clear();
        w<QLineEdit>(dialog, "priceLengthLineEdit")->setText(QStringLiteral("12"));
        dialog.accept();
        const PrintSettings settings = AppSettings::Print();
        QCOMPARE(settings.sortMethod, int(DBItemCollection::SortDate));
        QVERIFY(settings.printGroupOnly && settings.printLocationOnly);
        QCOMPARE(settings.GroupToPrint, 2);
        QCOMPARE(settings.LocationToPrint, 1);
        QCOMPARE(settings.printSeparator, QStringLiteral(";"));
        QCOMPARE(settings.wwwLength, 0);
        QCOMPARE(settings.priceLength, 12);
        QCOMPARE(printSelectDataDialog::Shared().sortMethod, int(DBItemCollection::SortDate));
        QCOMPARE(printSelectDataDialog::Shared().wwwLength, 0);
    }

    // Stored values no widget stands for: an unknown separator shows and saves the bar, a sort method without
    // a button checks none and is kept, a group beyond the list selects none.
    void storedValuesWithoutAWidget() {
        Settings().setValue(QStringLiteral("Print/printSeparator"), QStringLiteral("X"));
        Settings().setValue(QStringLiteral("Print/sortMethod"), 3);
        Settings().setValue(QStringLiteral("Print/GroupToPrint"), 7);
        printSelectDataDialog dialog(m_collection.get());
        QCOMPARE(w<QComboBox>(dialog, "printSepaComboBox")->currentText(), QStringLiteral("|"));
        for (const char* button : {"sortTypeRadioButton", "sortNameRadioButton", "sortModelRadioButton",
                                   "sortPriceRadioButton", "sortDateradioButton", "sortLocationButton"})
            QVERIFY2(!w<QRadioButton>(dialog, button)->isChecked(), button);
        QCOMPARE(w<QComboBox>(dialog, "PrintGroupComboBox")->currentIndex(), -1);
        dialog.accept();
        QCOMPARE(Settings().value(QStringLiteral("Print/sortMethod")).toInt(), 3);
        QCOMPARE(Settings().value(QStringLiteral("Print/printSeparator")).toString(), QStringLiteral("|"));
        QCOMPARE(printSelectDataDialog::Shared().printSeparator, QStringLiteral("|"));

        Settings().setValue(QStringLiteral("Print/printSeparator"), QStringLiteral("I"));
        printSelectDataDialog again(m_collection.get());
        QCOMPARE(w<QComboBox>(again, "printSepaComboBox")->currentIndex(), 6);
    }

private:
    std::unique_ptr<DBItemCollection> m_collection;
};

QTEST_MAIN(TestPrintSettings)
#include "tst_printsettings.moc"
