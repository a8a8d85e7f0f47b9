// The item dialog's rules that need no window: validation, the price, count and text validators, picture
// fitting, the live total, the print-out lines, stored paths and the number of pre-created items.
#include "app/Edition.h"
#include "app/LinkFolders.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/CountValidator.h"
#include "core/DBItemCollection.h"
#include "core/ItemDialogRules.h"
#include "core/ItemValidation.h"
#include "core/Latin1Validator.h"
#include "core/PrecreatedItems.h"
#include "core/PriceValidator.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

namespace {

QSize size(const QString& text) {
    return QSize(text.section(QLatin1Char('x'), 0, 0).toInt(), text.section(QLatin1Char('x'), 1, 1).toInt());
}

// One rule applied to a text ('|' between its inputs), its answer as text.
QString apply(const QString& rule, const QString& input) {
    const QString first = input.section(QLatin1Char('|'), 0, 0);
    const QString second = input.section(QLatin1Char('|'), 1, 1);
    if (rule == QLatin1String("caption"))
        return ItemValidation::Caption(input);
    const QStringList states{"invalid", "intermediate", "acceptable"};
    QString text = input;
    int pos = int(text.size());
    if (rule == QLatin1String("price")) // the verdict and the text as it stands after it
        return states.at(PriceValidator().validate(text, pos)) + QLatin1Char(' ') + text;
    if (rule == QLatin1String("read price"))
        return QString::number(PriceValidator::ReadPrice(input));
    if (rule == QLatin1String("count"))
        return QLatin1String(CountValidator().IsComplete(input) ? "complete" : "incomplete");
    if (rule == QLatin1String("precreate"))
        return QString::number(PrecreatedItems::CountFromText(input));
    if (rule == QLatin1String("text")) { // the verdict and the refused character; nothing typed is changed
        const int state = Latin1Validator().validate(text, pos);
        return states.at(state) + QLatin1Char(' ') +
               (text == input ? Latin1Validator::Describe(input, Latin1Validator::FirstRefused(input))
                              : QStringLiteral("changed"));
    }
    if (rule == QLatin1String("fit")) {
        const QSize shown = ItemDialogRules::FitPixmapSize(size(first), size(second));
        return QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height());
    }
    // The live total of an item holding 2 x 10.0, which it must not change.
    Item item;
    item.SetNumberOfItems(2);
    item.SetPrice(10.0);
    const QString total = ItemDialogRules::LiveTotalText(first, second, item);
    return item.GetNumberOfItems() == 2 && item.GetPrice() == 10.0 ? total : QStringLiteral("item changed");
}

} // namespace

class TestItemDialogRules : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::isolateSettings();
        SetEdition(Tovik);
        TestSupport::setRegisterFolder();
        // The rules must not depend on the desktop's language.
        QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    // Validate's checks in their order, per edition; fields are price|value today|count|name|location, the
    // result is "<kind> <title>: <text>", todayAfter the value today once validated.
    void validate_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("todayAfter");
        // A message names the field as its label does.
        const QString price = QStringLiteral("1 Ugyldig værdi: Feltet 'Pris' skal være et tal fra 0 til 9999999.");
        const QString today = QStringLiteral("1 Ugyldig værdi: Feltet 'Vurd.' skal være et tal fra 0 til 9999999.");
        const QString count = QStringLiteral("1 Ugyldig værdi: Feltet 'Antal' skal være et helt tal fra 1 til 100000.");
        const QString name = QStringLiteral("2 Fejl: Udfyld feltet 'Navn', før %1 gemmes.");
        const QString ok = QStringLiteral("0 : ");
        // clang-format off
        QTest::newRow("Tovik complete")                << int(Tovik) << "250|200|1|Sofa|" << ok << "200";
        QTest::newRow("Tovik empty price refused")     << int(Tovik) << "|200|1|Sofa|" << price << "200";
        QTest::newRow("Tovik three decimals refused")  << int(Tovik) << "12.345|200|1|Sofa|" << price << "200";
        QTest::newRow("Tovik empty value today takes the price") << int(Tovik) << "250||1|Sofa|" << ok << "250";
        QTest::newRow("Tovik value today out of range") << int(Tovik) << "250|1.999|1|Sofa|" << today << "1.999";
        QTest::newRow("Tovik comma price")             << int(Tovik) << "12,50|10|2|Sofa|" << ok << "10";
        QTest::newRow("Tovik count 0")                 << int(Tovik) << "250|200|0|Sofa|" << count << "200";
        QTest::newRow("Tovik count over 100000")       << int(Tovik) << "250|200|100001|Sofa|" << count << "200";
        QTest::newRow("Tovik count checked after the value today took the price") << int(Tovik) << "250|||Sofa|" << count << "250";
        QTest::newRow("Tovik name missing")            << int(Tovik) << "250|200|1||" << name.arg("genstanden") << "200";
        QTest::newRow("Pellin empty price and count 0 save") << int(Pellin) << "||0|Solnedgang|" << ok << "";
        QTest::newRow("Pellin name missing")           << int(Pellin) << "||0||" << name.arg("billedet") << "";
        QTest::newRow("Ostrel empty price and count save") << int(Ostrel) << "|||1875|" << ok << "";
        QTest::newRow("Ostrel name (the year) missing") << int(Ostrel) << "350||1||" << name.arg("mønten") << "";
        QTest::newRow("Brevane empty price saves")     << int(Brevane) << "||5|Kabel|Lager 1" << ok << "";
        QTest::newRow("Brevane count required")        << int(Brevane) << "|||Kabel|Lager 1" << count << "";
        QTest::newRow("Brevane name missing")          << int(Brevane) << "||5||" << name.arg("varen") << "";
        QTest::newRow("Brevane location missing")      << int(Brevane) << "||5|Kabel|" << "2 Fejl: Vælg en værdi i feltet 'Varetype', før varen gemmes." << "";
        // clang-format on
    }
    void validate() {
        QFETCH(int, edition);
        QFETCH(QString, fields);
        QFETCH(QString, result);
        QFETCH(QString, todayAfter);
        const QStringList f = fields.split(QLatin1Char('|'));
        ItemValidation::Fields values{f[0], f[1], f[2], f[3], f[4]};
        const ItemValidation::Captions captions{QStringLiteral("Pris"), QStringLiteral("Vurd."),
                                                QStringLiteral("Antal"), QStringLiteral("Navn"),
                                                QStringLiteral("Varetype")};
        const ItemValidation::Result got = ItemValidation::Validate(values, edition, captions);
        QCOMPARE(QStringLiteral("%1 %2: %3").arg(int(got.kind)).arg(got.title, got.text), result);
        QCOMPARE(values.priceToday, todayAfter);
        QCOMPARE(got.priceTodayTakesPrice, f[1].isEmpty() && todayAfter != f[1]);
    }

    // A field's rules on a text: a label's text as a message names its field; the price field takes the
    // file's "." whatever the desktop's language and a typed "," as "."; the price read (0 when empty or no
    // number); a count is complete from 1 to 100000 without thousands separators; 1 to 999 items are
    // pre-created, else none; text fields take ISO 8859-1 only, below 200 characters; a picture is fitted
    // whole and unsqueezed; the live total of 2 x 10.0 keeps the item's value for an empty or invalid field.
    void rules_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        // clang-format off
        QTest::newRow("caption marker and colon") << "caption" << "&Pris (1 stk):" << "Pris (1 stk)";
        QTest::newRow("caption marker inside")    << "caption" << "ww&w (web):" << "www (web)";
        QTest::newRow("caption ampersand")        << "caption" << "Køb && salg :" << "Køb & salg";
        QTest::newRow("price comma taken as point") << "price" << "12,50" << "acceptable 12.50";
        QTest::newRow("price trailing point")     << "price" << "12." << "acceptable 12.";
        QTest::newRow("price empty")              << "price" << "" << "intermediate ";
        QTest::newRow("price lone point")         << "price" << "." << "intermediate .";
        QTest::newRow("price three decimals")     << "price" << "12.505" << "invalid 12.505";
        QTest::newRow("price negative")           << "price" << "-1" << "invalid -1";
        QTest::newRow("price exponent")           << "price" << "1e5" << "invalid 1e5";
        QTest::newRow("price top")                << "price" << "9999999" << "acceptable 9999999";
        QTest::newRow("price above the top")      << "price" << "9999999.5" << "intermediate 9999999.5";
        QTest::newRow("price eight digits")       << "price" << "10000000" << "invalid 10000000";
        QTest::newRow("price two decimal marks")  << "price" << "1,2,3" << "invalid 1.2.3";
        QTest::newRow("price group separator")    << "price" << "1 000" << "invalid 1 000";
        QTest::newRow("read price point")         << "read price" << "12.50" << "12.5";
        QTest::newRow("read price comma")         << "read price" << "12,5" << "12.5";
        QTest::newRow("read price empty")         << "read price" << "" << "0";
        QTest::newRow("read price not a number")  << "read price" << "abc" << "0";
        QTest::newRow("count 1")                  << "count" << "1" << "complete";
        QTest::newRow("count 100000")             << "count" << "100000" << "complete";
        QTest::newRow("count 0")                  << "count" << "0" << "incomplete";
        QTest::newRow("count 100001")             << "count" << "100001" << "incomplete";
        QTest::newRow("count Danish thousands")   << "count" << "1.000" << "incomplete";
        QTest::newRow("count English thousands")  << "count" << "1,000" << "incomplete";
        QTest::newRow("precreate 1")              << "precreate" << "1" << "1";
        QTest::newRow("precreate 999")            << "precreate" << "999" << "999";
        QTest::newRow("precreate 1000")           << "precreate" << "1000" << "0";
        QTest::newRow("precreate 0")              << "precreate" << "0" << "0";
        QTest::newRow("precreate not a number")   << "precreate" << "tre" << "0";
        QTest::newRow("text Danish letters")      << "text" << "Rødgrød med fløde, 12½ kr" << "acceptable ";
        QTest::newRow("text separator")           << "text" << "a;b" << "invalid \";\" (U+003B)";
        QTest::newRow("text euro sign")           << "text" << "100 €" << "invalid \"€\" (U+20AC)";
        QTest::newRow("text Polish l")            << "text" << "Łódź" << "invalid \"Ł\" (U+0141)";
        QTest::newRow("text emoji")               << "text" << QString::fromUtf8("ok \xF0\x9F\x98\x80") << QString::fromUtf8("invalid \"\xF0\x9F\x98\x80\" (U+1F600)");
        QTest::newRow("text line break")          << "text" << "a\nb" << "invalid U+000A";
        QTest::newRow("text 199 characters")      << "text" << QString(199, QLatin1Char('x')) << "acceptable ";
        QTest::newRow("text 200 characters")      << "text" << QString(200, QLatin1Char('x')) << "invalid ";
        QTest::newRow("fit wide picture")         << "fit" << "1000x500|400x300" << "400x200";
        QTest::newRow("fit small picture unscaled") << "fit" << "100x50|400x300" << "100x50";
        QTest::newRow("fit tall picture")         << "fit" << "300x600|400x300" << "150x300";
        QTest::newRow("fit 4:3 photo in a wide label") << "fit" << "640x480|600x350" << "467x350";
        QTest::newRow("fit exactly the label")    << "fit" << "400x300|400x300" << "400x300";
        QTest::newRow("fit no picture")           << "fit" << "0x0|400x300" << "0x0";
        QTest::newRow("total 3 x 12,5")           << "total" << "3|12,5" << "37.50";
        QTest::newRow("total count 0 keeps the item's count") << "total" << "0|12.5" << "25.00";
        QTest::newRow("total empty fields keep the item's values") << "total" << "|" << "20.00";
        // clang-format on
    }
    void rules() {
        QFETCH(QString, rule);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QCOMPARE(apply(rule, input), output);
    }

    // A text longer than a field takes (read from a file) is shown whole and can still be shortened, but not
    // lengthened beyond the limit; a refused character typed is refused quietly, a refused paste is reported.
    void latin1ValidatorInAField() {
        QLineEdit edit;
        edit.setValidator(new Latin1Validator(&edit));
        edit.setText(QString(230, QLatin1Char('x')));
        QCOMPARE(edit.text().size(), 230);
        QTest::keyClick(&edit, Qt::Key_End);
        for (int i = 0; i < 40; ++i)
            QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text().size(), 190);
        for (int i = 0; i < 20; ++i)
            QTest::keyClick(&edit, Qt::Key_Y);
        QCOMPARE(edit.text().size(), 199);

        Latin1Validator validator;
        QSignalSpy refused(&validator, &Latin1Validator::characterRefused);
        int pos = 0;
        QString text = QStringLiteral("Sofa");
        QCOMPARE(validator.validate(text, pos), QValidator::Acceptable);
        text = QStringLiteral("Sofa€");
        QCOMPARE(validator.validate(text, pos), QValidator::Invalid);
        QCOMPARE(refused.count(), 0);
        text = QStringLiteral("Sofa, pris 100 €");
        QCOMPARE(validator.validate(text, pos), QValidator::Invalid);
        QCOMPARE(refused.count(), 1);
        QCOMPARE(refused.at(0).at(1).toInt(), 15);
    }

    // The print-out: the list's headings in the printed order, group and location by name, the total
    // (not in Pellin) after the price, and a group number outside the list printed as nothing.
    void printLines_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<int>("group");
        QTest::newRow("Tovik") << int(Tovik) << 1;
        QTest::newRow("Pellin") << int(Pellin) << 1;
        QTest::newRow("a group beyond the list") << int(Tovik) << 7;
    }
    void printLines() {
        QFETCH(int, edition);
        QFETCH(int, group);
        ColumnNames::Reset();
        DBItemCollection collection(nullptr);
        collection.Groups().SetEntries({QStringLiteral("Stue"), QStringLiteral("Køkken")});
        collection.Locations().SetEntries({QStringLiteral("Kælder"), QStringLiteral("Loft")});
        Item item;
        item.SetGroup(group);
        item.SetName(QStringLiteral("Kaffemaskine"));
        item.SetProducttype(QStringLiteral("EA 8808"));
        item.SetNumberOfItems(3);
        item.SetPrice(12.5);
        item.SetPriceToday(20);
        item.SetLocation(1);
        item.SetDocument(QStringLiteral("manual.pdf"));
        QStringList lines;
        for (const auto& line : ItemDialogRules::PrintLines(item, collection, edition))
            lines << line.label + QLatin1Char('=') + line.value;
        QStringList expected = QStringLiteral("Gruppe=%1;Navn=Kaffemaskine;Fabrikat=;Produkt model=EA 8808;Antal=3;"
                                              "Pris=12.50;TotalPrice=37.50;Vurd.=20.00;Dato=;Rum=Loft;Leverandør=;"
                                              "Adresse=;Serie no.=;Beskrivelse=;Billede=;Www=;Kvitt.=;Dok.=manual.pdf")
                                   .arg(group == 1 ? QStringLiteral("Køkken") : QStringLiteral("7"))
                                   .split(QLatin1Char(';'));
        if (edition == Pellin)
            expected.removeAll(QStringLiteral("TotalPrice=37.50"));
        QCOMPARE(lines, expected);
    }

    // A chosen file is stored as an absolute path with the platform's separators, never with "\" on Linux.
    void storedPathIsAbsoluteWithNativeSeparators() {
        const QString stored = LinkFolders::StoredPath(QStringLiteral("Pics/house.JPEG"));
        QCOMPARE(stored, QDir::toNativeSeparators(QDir::current().absoluteFilePath(QStringLiteral("Pics/house.JPEG"))));
        QVERIFY(IsPictureFile(stored));
        QVERIFY(IsPictureFile(QStringLiteral("notes.jpg.txt")));
        QCOMPARE(LinkFolders::StoredPath(QStringLiteral("/home/anna/Billeder/hus.jpg")),
                 QDir::toNativeSeparators(QStringLiteral("/home/anna/Billeder/hus.jpg")));
    }
};

QTEST_MAIN(TestItemDialogRules)
#include "tst_itemdialog_rules.moc"
