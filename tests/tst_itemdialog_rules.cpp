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

    // Validate's checks in their order, per edition; priceTodayAfter is the value today once validated.
    void validate_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("priceToday");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("location");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("priceTodayAfter");
        const int ok = ItemValidation::Result::Accepted;
        const int bounds = ItemValidation::Result::FieldBounds;
        const int missing = ItemValidation::Result::Missing;
        // A message names the field as its label does.
        const QString price = QStringLiteral("Feltet 'Pris' skal være et tal fra 0 til 9999999.");
        const QString today = QStringLiteral("Feltet 'Vurd.' skal være et tal fra 0 til 9999999.");
        const QString count = QStringLiteral("Feltet 'Antal' skal være et helt tal fra 1 til 100000.");
        // clang-format off
        QTest::newRow("Tovik complete")                << int(Tovik) << "250" << "200" << "1" << "Sofa" << "" << ok << "" << "200";
        QTest::newRow("Tovik empty price refused")     << int(Tovik) << "" << "200" << "1" << "Sofa" << "" << bounds << price << "200";
        QTest::newRow("Tovik three decimals refused")  << int(Tovik) << "12.345" << "200" << "1" << "Sofa" << "" << bounds << price << "200";
        QTest::newRow("Tovik empty value today takes the price") << int(Tovik) << "250" << "" << "1" << "Sofa" << "" << ok << "" << "250";
        QTest::newRow("Tovik value today out of range") << int(Tovik) << "250" << "1.999" << "1" << "Sofa" << "" << bounds << today << "1.999";
        QTest::newRow("Tovik comma price")             << int(Tovik) << "12,50" << "10" << "2" << "Sofa" << "" << ok << "" << "10";
        QTest::newRow("Tovik count 0")                 << int(Tovik) << "250" << "200" << "0" << "Sofa" << "" << bounds << count << "200";
        QTest::newRow("Tovik count over 100000")       << int(Tovik) << "250" << "200" << "100001" << "Sofa" << "" << bounds << count << "200";
        QTest::newRow("Tovik count checked after the value today took the price") << int(Tovik) << "250" << "" << "" << "Sofa" << "" << bounds << count << "250";
        QTest::newRow("Tovik name missing")            << int(Tovik) << "250" << "200" << "1" << "" << "" << missing << "Udfyld feltet 'Navn', før genstanden gemmes." << "200";
        QTest::newRow("Pellin empty price and count 0 save") << int(Pellin) << "" << "" << "0" << "Solnedgang" << "" << ok << "" << "";
        QTest::newRow("Pellin name missing")           << int(Pellin) << "" << "" << "0" << "" << "" << missing << "Udfyld feltet 'Navn', før billedet gemmes." << "";
        QTest::newRow("Ostrel empty price and count save") << int(Ostrel) << "" << "" << "" << "1875" << "" << ok << "" << "";
        QTest::newRow("Ostrel name (the year) missing") << int(Ostrel) << "350" << "" << "1" << "" << "" << missing << "Udfyld feltet 'Navn', før mønten gemmes." << "";
        QTest::newRow("Brevane empty price saves")     << int(Brevane) << "" << "" << "5" << "Kabel" << "Lager 1" << ok << "" << "";
        QTest::newRow("Brevane count required")        << int(Brevane) << "" << "" << "" << "Kabel" << "Lager 1" << bounds << count << "";
        QTest::newRow("Brevane name missing")          << int(Brevane) << "" << "" << "5" << "" << "" << missing << "Udfyld feltet 'Navn', før varen gemmes." << "";
        QTest::newRow("Brevane location missing")      << int(Brevane) << "" << "" << "5" << "Kabel" << "" << missing << "Vælg en værdi i feltet 'Varetype', før varen gemmes." << "";
        // clang-format on
    }
    void validate() {
        QFETCH(int, edition);
        QFETCH(QString, price);
        QFETCH(QString, priceToday);
        QFETCH(QString, number);
        QFETCH(QString, name);
        QFETCH(QString, location);
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(QString, priceTodayAfter);
        ItemValidation::Fields fields{price, priceToday, number, name, location};
        const ItemValidation::Captions captions{QStringLiteral("Pris"), QStringLiteral("Vurd."),
                                                QStringLiteral("Antal"), QStringLiteral("Navn"),
                                                QStringLiteral("Varetype")};
        const ItemValidation::Result result = ItemValidation::Validate(fields, edition, captions);
        QCOMPARE(int(result.kind), kind);
        const QString title = kind == ItemValidation::Result::FieldBounds ? QStringLiteral("Ugyldig værdi")
                              : kind == ItemValidation::Result::Missing   ? QStringLiteral("Fejl")
                                                                          : QString();
        QCOMPARE(result.title, title);
        QCOMPARE(result.text, text);
        QCOMPARE(fields.priceToday, priceTodayAfter);
        QCOMPARE(result.priceTodayTakesPrice, priceToday.isEmpty() && priceTodayAfter != priceToday);
    }

    // A label's text as a message names its field.
    void caption_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::newRow("marker and colon") << QStringLiteral("&Pris (1 stk):") << QStringLiteral("Pris (1 stk)");
        QTest::newRow("marker inside") << QStringLiteral("ww&w (web):") << QStringLiteral("www (web)");
        QTest::newRow("a real ampersand") << QStringLiteral("Køb && salg :") << QStringLiteral("Køb & salg");
    }
    void caption() {
        QFETCH(QString, label);
        QFETCH(QString, caption);
        QCOMPARE(ItemValidation::Caption(label), caption);
    }

    // The file's "." is the decimal point whatever the desktop's language; a typed "," is taken as ".".
    void priceValidator_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("after");
        const int invalid = QValidator::Invalid;
        const int intermediate = QValidator::Intermediate;
        const int acceptable = QValidator::Acceptable;
        // clang-format off
        QTest::newRow("comma taken as point") << "12,50" << acceptable << "12.50";
        QTest::newRow("trailing point")       << "12." << acceptable << "12.";
        QTest::newRow("empty")                << "" << intermediate << "";
        QTest::newRow("lone point")           << "." << intermediate << ".";
        QTest::newRow("three decimals")       << "12.505" << invalid << "12.505";
        QTest::newRow("negative")             << "-1" << invalid << "-1";
        QTest::newRow("exponent")             << "1e5" << invalid << "1e5";
        QTest::newRow("top")                  << "9999999" << acceptable << "9999999";
        QTest::newRow("above the top")        << "9999999.5" << intermediate << "9999999.5";
        QTest::newRow("eight digits")         << "10000000" << invalid << "10000000";
        QTest::newRow("two decimal marks")    << "1,2,3" << invalid << "1.2.3";
        QTest::newRow("group separator")      << "1 000" << invalid << "1 000";
        // clang-format on
    }
    void priceValidator() {
        QFETCH(QString, input);
        QFETCH(int, state);
        QFETCH(QString, after);
        int pos = int(input.size());
        QCOMPARE(int(PriceValidator().validate(input, pos)), state);
        QCOMPARE(input, after);
    }

    // The numbers read from a field: a price ("," or "."; 0 when empty or no number), whether a count is
    // complete (1 to 100000, no thousands separators) and the number of items to pre-create (1 to 999, else 0).
    void numberFields_data() {
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        // clang-format off
        QTest::newRow("price point")             << "price" << "12.50"  << 12.5;
        QTest::newRow("price comma")             << "price" << "12,5"   << 12.5;
        QTest::newRow("price empty")             << "price" << ""       << 0.0;
        QTest::newRow("price not a number")      << "price" << "abc"    << 0.0;
        QTest::newRow("count 1")                 << "count" << "1"      << 1.0;
        QTest::newRow("count 100000")            << "count" << "100000" << 1.0;
        QTest::newRow("count 0")                 << "count" << "0"      << 0.0;
        QTest::newRow("count 100001")            << "count" << "100001" << 0.0;
        QTest::newRow("count Danish thousands")  << "count" << "1.000"  << 0.0;
        QTest::newRow("count English thousands") << "count" << "1,000"  << 0.0;
        QTest::newRow("precreate 1")             << "precreate" << "1"    << 1.0;
        QTest::newRow("precreate 999")           << "precreate" << "999"  << 999.0;
        QTest::newRow("precreate 1000")          << "precreate" << "1000" << 0.0;
        QTest::newRow("precreate 0")             << "precreate" << "0"    << 0.0;
        QTest::newRow("precreate negative")      << "precreate" << "-5"   << 0.0;
        QTest::newRow("precreate not a number")  << "precreate" << "tre"  << 0.0;
        // clang-format on
    }
    void numberFields() {
        QFETCH(QString, reader);
        QFETCH(QString, text);
        QFETCH(double, value);
        if (reader == QLatin1String("price"))
            QCOMPARE(PriceValidator::ReadPrice(text), value);
        else if (reader == QLatin1String("count"))
            QCOMPARE(CountValidator().IsComplete(text), value == 1.0);
        else
            QCOMPARE(PrecreatedItems::CountFromText(text), int(value));
    }

    // The file is ISO 8859-1: nothing outside it goes in, and nothing typed is changed behind the user's back.
    void latin1Validator_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("described");
        const int invalid = QValidator::Invalid;
        const int acceptable = QValidator::Acceptable;
        // clang-format off
        QTest::newRow("Danish letters") << "Rødgrød med fløde, 12½ kr" << acceptable << "";
        QTest::newRow("separator")      << "a;b" << invalid << "\";\" (U+003B)";
        QTest::newRow("euro sign")      << "100 €" << invalid << "\"€\" (U+20AC)";
        QTest::newRow("Polish l")       << "Łódź" << invalid << "\"Ł\" (U+0141)";
        QTest::newRow("emoji")          << QString::fromUtf8("ok \xF0\x9F\x98\x80") << invalid << QString::fromUtf8("\"\xF0\x9F\x98\x80\" (U+1F600)");
        QTest::newRow("line break")     << "a\nb" << invalid << "U+000A";
        QTest::newRow("199 characters") << QString(199, QLatin1Char('x')) << acceptable << "";
        QTest::newRow("200 characters") << QString(200, QLatin1Char('x')) << invalid << "";
        // clang-format on
    }
    void latin1Validator() {
        QFETCH(QString, text);
        QFETCH(int, state);
        QFETCH(QString, described);
        int pos = 0;
        QString input = text;
        QCOMPARE(int(Latin1Validator().validate(input, pos)), state);
        QCOMPARE(input, text);
        QCOMPARE(Latin1Validator::Describe(text, Latin1Validator::FirstRefused(text)), described);
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
        QString text = QStringLiteral("Sofa€");
        QCOMPARE(validator.validate(text, pos), QValidator::Invalid);
        QCOMPARE(refused.count(), 0);
        text = QStringLiteral("Sofa, pris 100 €");
        QCOMPARE(validator.validate(text, pos), QValidator::Invalid);
        QCOMPARE(refused.count(), 1);
        QCOMPARE(refused.at(0).at(1).toInt(), 15);
    }

    void fitPixmapSize_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("label");
        QTest::addColumn<QSize>("shown");
        // clang-format off
        QTest::newRow("wide picture")           << QSize(1000, 500) << QSize(400, 300) << QSize(400, 200);
        QTest::newRow("small picture unscaled") << QSize(100, 50) << QSize(400, 300) << QSize(100, 50);
        QTest::newRow("tall picture")           << QSize(300, 600) << QSize(400, 300) << QSize(150, 300);
        QTest::newRow("4:3 photo in a wide label stays inside") << QSize(640, 480) << QSize(600, 350) << QSize(467, 350);
        QTest::newRow("exactly the label")      << QSize(400, 300) << QSize(400, 300) << QSize(400, 300);
        QTest::newRow("no picture")             << QSize(0, 0) << QSize(400, 300) << QSize(0, 0);
        // clang-format on
    }
    void fitPixmapSize() {
        QFETCH(QSize, picture);
        QFETCH(QSize, label);
        QFETCH(QSize, shown);
        QCOMPARE(ItemDialogRules::FitPixmapSize(picture, label), shown);
    }

    // The item holds 2 x 10.0; a field that is empty or no valid number leaves the item's value in the sum.
    void liveTotal_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("total");
        // clang-format off
        QTest::newRow("3 x 12,5")                            << "3" << "12,5" << "37.50";
        QTest::newRow("count 0 keeps the item's count")      << "0" << "12.5" << "25.00";
        QTest::newRow("empty fields keep the item's values") << "" << "" << "20.00";
        // clang-format on
    }
    void liveTotal() {
        QFETCH(QString, count);
        QFETCH(QString, price);
        QFETCH(QString, total);
        Item item;
        item.SetNumberOfItems(2);
        item.SetPrice(10.0);
        QCOMPARE(ItemDialogRules::LiveTotalText(count, price, item), total);
        QCOMPARE(item.GetNumberOfItems(), 2); // nothing is written into the item
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
