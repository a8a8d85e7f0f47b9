#include "core/Item.h"

#include <QTest>

#include <memory>
#include <thread>
#include <vector>

class TestItem : public QObject {
    Q_OBJECT
private slots:
    void numberRenderings() {
        Item item;
        item.SetPrice(1234.565);
        item.SetPriceToday(-2.5);
        QCOMPARE(item.GetPriceText(0), QStringLiteral("1235"));
        QCOMPARE(item.GetPriceText(1), QStringLiteral("1234.6"));
        QCOMPARE(item.GetPriceTodayText(2), QStringLiteral("-2.50"));
        item.SetNumberOfItems(3);
        item.SetPrice(12.5);
        QCOMPARE(item.GetTotalPrice(), 37.5);
        QCOMPARE(item.GetTotalPriceText(), QStringLiteral("37.50"));
        item.SetNumberOfItems(100000);
        item.SetPrice(9999999.0); // the largest values the dialog accepts: no exponent, no grouping
        QCOMPARE(item.GetTotalPriceText(), QStringLiteral("999999900000.00"));
    }

    // Every day of some years, leap rules included, read as the calendar says; other forms are no date.
    void datesAgreeWithTheCalendar() {
        Item item;
        for (int year : {1, 1899, 1900, 1999, 2000, 2024, 2100, 2400, 9999}) {
            for (int month = 0; month <= 13; ++month) {
                for (int day = 0; day <= 32; ++day) {
                    const QDate expected(year, month, day);
                    item.SetDate(QStringLiteral("%1.%2.%3")
                                     .arg(day, 2, 10, QLatin1Char('0'))
                                     .arg(month, 2, 10, QLatin1Char('0'))
                                     .arg(year, 4, 10, QLatin1Char('0')));
                    QCOMPARE(item.GetDateAsDate(), expected.isValid() ? expected : QDate());
                }
            }
        }
        for (const char* text : {"5.5.2010", "", "ab.cd.efgh", "05.01.2001 "}) {
            item.SetDate(QLatin1String(text));
            QCOMPARE(item.GetDateAsDate(), QDate());
        }
    }

    void serialNumber_data() {
        QTest::addColumn<QString>("serialno");
        QTest::addColumn<int>("number");
        QTest::newRow("A-17") << "A-17" << 0;
        QTest::newRow("0042") << "0042" << 42;
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

    // Characters XML cannot hold are dropped; tab and line feed stay, CR is kept as a reference.
    void escapeXml_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        auto row = [](const char* name, const QString& text, const QString& escaped) {
            QTest::newRow(name) << text << escaped;
        };
        row("mixed", "a<b & x'y", "a&lt;b &amp; x&apos;y");
        row("quote", "\"", "&quot;");
        row("entity escaped again", "&lt;", "&amp;lt;");
        row("greater", "2>1", "2&gt;1");
        row("controls", "a\x1b[1mb\001c\x1f\x7f", "a[1mbc\x7f");
        row("line ends", "t\tl\nc\r", "t\tl\nc&#13;");
        row("latin-1", QString::fromLatin1("W\xfcrth \xf8"), QString::fromLatin1("W\xfcrth \xf8"));
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

    // Setting one text leaves every other as it was, whatever the lengths; a text longer than the limit is
    // kept up to it; the file's ISO 8859-1 holds the Danish letters, anything else becomes "?".
    void texts() {
        Item item;
        for (int f = 0; f < Item::TextFieldCount; ++f)
            item.SetText(Item::TextField(f), QStringLiteral("value %1").arg(f));
        item.SetDescription(QString(Item::MaxTextLength + 100, QLatin1Char('x')));
        item.SetName(QString());
        item.SetProducttype(QStringLiteral("Sofabord i ær, Ørsted & Åby"));
        item.SetSupplier(QStringLiteral("Kaffe 20 €"));
        for (int f = 0; f < Item::TextFieldCount; ++f) {
            const QString expected = f == Item::Description   ? QString(Item::MaxTextLength, QLatin1Char('x'))
                                     : f == Item::Name        ? QString()
                                     : f == Item::Producttype ? QStringLiteral("Sofabord i ær, Ørsted & Åby")
                                     : f == Item::Supplier    ? QStringLiteral("Kaffe 20 ?")
                                                              : QStringLiteral("value %1").arg(f);
            QCOMPARE(item.GetText(Item::TextField(f)), expected);
        }
        QCOMPARE(item.Latin1(Item::Producttype).size(), 27);
    }

    void copyKeepsTheRecordNotTheListRow() {
        Item original;
        original.SetName(QStringLiteral("Stol"));
        original.SetPrice(100);
        original.SetNumberOfItems(6);
        original.SetWww(QStringLiteral("https://example.dk"));
        original.SetListGroup(3);
        Item copy(original);
        QCOMPARE(copy.GetTotalPriceText(), QStringLiteral("600.00"));
        QCOMPARE(copy.GetWww(), QStringLiteral("https://example.dk"));
        QCOMPARE(copy.ListGroup(), -1);
        copy.SetName(QStringLiteral("Bord"));
        QCOMPARE(original.GetName(), QStringLiteral("Stol"));
    }

    // Items share large blocks: those made on a thread that has ended, over several blocks, keep their values
    // when every other one is deleted on another thread and new ones are made between them.
    void itemsOutliveTheThreadThatMadeThem() {
        std::vector<Item*> items;
        std::thread reader([&items] {
            for (int i = 0; i < 100000; ++i) {
                items.push_back(new Item);
                items.back()->SetGroup(i);
            }
        });
        reader.join();
        std::vector<std::unique_ptr<Item>> later;
        for (size_t i = 0; i < items.size(); i += 2) {
            delete items[i];
            items[i] = nullptr;
            later.push_back(std::make_unique<Item>());
            later.back()->SetGroup(-int(i));
        }
        for (size_t i = 1; i < items.size(); i += 2)
            QCOMPARE(items[i]->GetGroup(), int(i));
        for (size_t i = 0; i < later.size(); ++i)
            QCOMPARE(later[i]->GetGroup(), -int(2 * i));
        for (Item* item : items)
            delete item;
    }
};

QTEST_GUILESS_MAIN(TestItem)
#include "tst_item.moc"
