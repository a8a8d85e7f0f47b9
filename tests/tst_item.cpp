#include "core/Item.h"

#include <QTest>

class TestItem : public QObject {
    Q_OBJECT
private slots:
    void numberRenderings() {
        Item item;
        item.SetPrice(1234.565);
        item.SetNumberOfItems(3);
        item.SetPriceToday(-2.5);
        QCOMPARE(item.GetPriceText(0), QStringLiteral("1235"));
        QCOMPARE(item.GetPriceText(1), QStringLiteral("1234.6"));
        QCOMPARE(item.GetPriceTodayText(2), QStringLiteral("-2.50"));
        item.SetPrice(12.5);
        QCOMPARE(item.GetTotalPrice(), 37.5);
        QCOMPARE(item.GetTotalPriceText(), QStringLiteral("37.50"));
        item.SetNumberOfItems(100000);
        item.SetPrice(9999999.0); // the largest values the dialog accepts: no exponent, no grouping
        QCOMPARE(item.GetTotalPriceText(), QStringLiteral("999999900000.00"));
        item.SetLocation(12);
        QCOMPARE(item.GetLocationText(), QStringLiteral("12"));
        QCOMPARE(item.GetNumberOfItemsText(), QStringLiteral("100000"));
    }

    void dates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("valid") << "05.01.2001" << QDate(2001, 1, 5);
        QTest::newRow("leap day") << "29.02.2024" << QDate(2024, 2, 29);
        QTest::newRow("no such day") << "31.02.2010" << QDate();
        QTest::newRow("short form") << "5.5.2010" << QDate();
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("letters") << "ab.cd.efgh" << QDate();
        QTest::newRow("month 13") << "01.13.2000" << QDate();
    }
    void dates() {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        Item item;
        item.SetDate(text);
        QCOMPARE(item.GetDate(), text);
        QCOMPARE(item.GetDateAsDate(), date);
    }

    void datesAgreeWithTheCalendar() {
        // Every day of some years, leap rules included, read as the calendar says.
        for (int year : {1, 1899, 1900, 1999, 2000, 2024, 2100, 2400, 9999}) {
            for (int month = 0; month <= 13; ++month) {
                for (int day = 0; day <= 32; ++day) {
                    const QString text = QStringLiteral("%1.%2.%3")
                                             .arg(day, 2, 10, QLatin1Char('0'))
                                             .arg(month, 2, 10, QLatin1Char('0'))
                                             .arg(year, 4, 10, QLatin1Char('0'));
                    const QDate expected(year, month, day);
                    Item item;
                    item.SetDate(text);
                    QCOMPARE(item.GetDateAsDate(), expected.isValid() ? expected : QDate());
                }
            }
        }
    }

    void serialNumber_data() {
        QTest::addColumn<QString>("serialno");
        QTest::addColumn<int>("number");
        QTest::newRow("A-17") << "A-17" << 0;
        QTest::newRow("0042") << "0042" << 42;
        QTest::newRow("plain") << "1001" << 1001;
        QTest::newRow("blanks around") << " 57 " << 57;
        QTest::newRow("too large") << "99999999999" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void serialNumber() {
        QFETCH(QString, serialno);
        QFETCH(int, number);
        Item item;
        item.SetSerialno(serialno);
        QCOMPARE(item.GetSerialNumber(), number);
    }

    void escapeXml_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("mixed") << "a<b & x'y"
                               << "a&lt;b &amp; x&apos;y";
        QTest::newRow("quote") << "\""
                               << "&quot;";
        QTest::newRow("entity escaped again") << "&lt;"
                                              << "&amp;lt;";
        QTest::newRow("greater") << "2>1"
                                 << "2&gt;1";
        QTest::newRow("plain") << "Kaffemaskine"
                               << "Kaffemaskine";
        // Characters XML cannot hold are dropped; tab and line feed stay, CR is kept as a reference.
        QTest::newRow("controls") << "a\x1b[1mb\x01"
                                     "c\x1f\x7f"
                                  << "a[1mbc\x7f";
        QTest::newRow("line ends") << "t\tl\nc\r"
                                   << "t\tl\nc&#13;";
        QTest::newRow("latin-1") << QString::fromLatin1("W\xfcrth \xf8") << QString::fromLatin1("W\xfcrth \xf8");
    }
    void escapeXml() {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(EscapeXml(text), escaped);
        Item item;
        item.SetDescription(text);
        QCOMPARE(item.GetDescription(1), escaped);
        QCOMPARE(item.GetDescription(0), text);
        QCOMPARE(item.GetDescription(2), text); // only the flag 1 escapes
    }

    void textsAreIndependent() {
        // Setting one text must leave every other text as it was, whatever the lengths.
        Item item;
        const Item::TextField fields[] = {Item::Name,     Item::Product,     Item::Date,     Item::Supplier,
                                          Item::Serialno, Item::Description, Item::Address,  Item::Photolink,
                                          Item::Www,      Item::Receipt,     Item::Document, Item::Producttype};
        for (Item::TextField f : fields)
            item.SetText(f, QStringLiteral("value %1").arg(int(f)));
        item.SetDescription(QString(150, QLatin1Char('x')));
        item.SetName(QString());
        item.SetProducttype(QStringLiteral("ø"));
        for (Item::TextField f : fields) {
            QString expected = QStringLiteral("value %1").arg(int(f));
            if (f == Item::Description)
                expected = QString(150, QLatin1Char('x'));
            if (f == Item::Name)
                expected.clear();
            if (f == Item::Producttype)
                expected = QStringLiteral("ø");
            QCOMPARE(item.GetText(f), expected);
        }
    }

    void latin1Letters() {
        Item item;
        item.SetName(QStringLiteral("Sofabord i ær, Ørsted & Åby"));
        QCOMPARE(item.GetName(), QStringLiteral("Sofabord i ær, Ørsted & Åby"));
        QCOMPARE(item.Latin1(Item::Name).size(), 27);
        // The file holds ISO 8859-1 only; anything else becomes "?" as it would on saving.
        item.SetName(QStringLiteral("Kaffe 20 €"));
        QCOMPARE(item.GetName(), QStringLiteral("Kaffe 20 ?"));
    }

    void copyKeepsTheRecordNotTheListRow() {
        Item original;
        original.SetGroup(3);
        original.SetName(QStringLiteral("Stol"));
        original.SetPrice(100);
        original.SetPriceToday(80);
        original.SetNumberOfItems(6);
        original.SetLocation(2);
        original.SetWww(QStringLiteral("https://example.dk"));
        original.SetListGroup(3);
        Item copy(original);
        QCOMPARE(copy.GetGroup(), 3);
        QCOMPARE(copy.GetName(), QStringLiteral("Stol"));
        QCOMPARE(copy.GetTotalPriceText(), QStringLiteral("600.00"));
        QCOMPARE(copy.GetWww(), QStringLiteral("https://example.dk"));
        QCOMPARE(copy.ListGroup(), -1);
        copy.SetName(QStringLiteral("Bord"));
        QCOMPARE(original.GetName(), QStringLiteral("Stol"));
    }

    void overlongTextsAreKeptUpToTheLimit() {
        Item item;
        item.SetDescription(QString(Item::MaxTextLength + 100, QLatin1Char('d')));
        item.SetAddress(QStringLiteral("after"));
        QCOMPARE(item.GetDescription().size(), Item::MaxTextLength);
        QCOMPARE(item.GetAddress(), QStringLiteral("after"));
    }
};

QTEST_GUILESS_MAIN(TestItem)
#include "tst_item.moc"
