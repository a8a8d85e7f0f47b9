#include "app/Edition.h"
#include "app/Settings.h"
#include "core/DBItemCollection.h"
#include "tests/TestSupport.h"

#include <QTest>

#include <algorithm>
#include <random>

namespace {
Item* makeItem(const QString& name, int group = 0, double price = 0, int count = 1) {
    auto* item = new Item;
    item->SetName(name);
    item->SetGroup(group);
    item->SetPrice(price);
    item->SetNumberOfItems(count);
    return item;
}

QStringList names(const DBItemCollection& c) {
    QStringList result;
    for (const Item* item : c)
        result << item->GetName();
    return result;
}
} // namespace

class TestCollection : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::isolateSettings();
        SetEdition(Tovik);
        // No lists needed: the database folder does not exist.
        Settings().setValue(QStringLiteral("LastDBDir"), QStringLiteral("/nonexistent"));
    }

    // Add, Remove and Clear keep the order and the modified flag; Remove hands the item back; the neighbours
    // stop at the edges.
    void addRemoveClearAndTheModifiedFlag() {
        DBItemCollection c(nullptr);
        QVERIFY(!DBItemCollection::IsModified());
        Item *a = makeItem("a"), *b = makeItem("b"), *d = makeItem("d");
        c.Add(a);
        QVERIFY(DBItemCollection::IsModified());
        c.AddItems({b, d});
        QCOMPARE(names(c), (QStringList{"a", "b", "d"}));
        QVERIFY(c.Remove(b));
        QCOMPARE(names(c), (QStringList{"a", "d"}));
        QVERIFY(!c.Remove(b)); // not in the collection any more
        delete b;              // Remove hands the item back to the caller
        bool edge = false;
        QCOMPARE(c.Next(a, edge), d);
        QVERIFY(!edge);
        QCOMPARE(c.Next(d, edge), d);
        QVERIFY(edge);
        QCOMPARE(c.Previous(a, edge), a);
        QVERIFY(edge);
        c.Clear();
        QCOMPARE(c.Count(), 0);
        DBItemCollection::SetModified(false);
    }

    void findNextCodes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("hits");
        QTest::newRow("0 group") << 0 << "2" << QStringList{"Abc"};
        QTest::newRow("1 count") << 1 << "6" << QStringList{"xAB"};
        QTest::newRow("2 name, case ignored") << 2 << "ab" << QStringList{"Abc", "xAB"};
        QTest::newRow("4 price rounded") << 4 << "100" << QStringList{"Abc"};
        QTest::newRow("4 price not with decimals") << 4 << "99.6" << QStringList{};
        QTest::newRow("5 value today") << 5 << "80" << QStringList{"xAB"};
        QTest::newRow("6 date exactly") << 6 << "01.02.2003" << QStringList{"Abc"};
        QTest::newRow("6 date part") << 6 << "02.2003" << QStringList{};
        QTest::newRow("7 location contains") << 7 << "1" << QStringList{"Abc", "xAB"};
        QTest::newRow("9 serial exactly, case too") << 9 << "ab" << QStringList{"Zed"};
        QTest::newRow("10 description") << 10 << "ÆG" << QStringList{"Zed"};
        QTest::newRow("empty text") << 2 << "" << QStringList{};
        QTest::newRow("unknown code") << 99 << "a" << QStringList{};
    }
    void findNextCodes() {
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(QStringList, hits);
        DBItemCollection c(nullptr);
        Item* abc = makeItem(QStringLiteral("Abc"), 2, 99.6);
        abc->SetDate(QStringLiteral("01.02.2003"));
        abc->SetLocation(1);
        abc->SetSerialno(QStringLiteral("AB"));
        Item* xab = makeItem(QStringLiteral("xAB"), 0, 5, 6);
        xab->SetPriceToday(80.2);
        xab->SetLocation(12);
        Item* zed = makeItem(QStringLiteral("Zed"), 1);
        zed->SetSerialno(QStringLiteral("ab"));
        zed->SetDescription(QStringLiteral("Blæst glas, æg"));
        c.AddItems({abc, xab, zed});
        // Step through all hits with continue; after the last, none once, then the first again.
        QStringList found;
        bool ok = false;
        Item* item = c.FindNext(code, text, false, ok);
        while (item) {
            QVERIFY(ok);
            found << item->GetName();
            item = c.FindNext(code, text, true, ok);
        }
        QVERIFY(!ok);
        QCOMPARE(found, hits);
        if (!hits.isEmpty())
            QCOMPARE(c.FindNext(code, text, true, ok)->GetName(), hits.first());
    }

    // A changed sequence starts at the first item: the old position would skip one.
    void continuationStartsOverAfterAChange() {
        DBItemCollection c(nullptr);
        c.AddItems({makeItem("box 1"), makeItem("box 2"), makeItem("box 3")});
        bool ok = false;
        auto next = [&](bool again) {
            const Item* item = c.FindNext(2, QStringLiteral("box"), again, ok);
            return item ? item->GetName() : QStringLiteral("-");
        };
        QCOMPARE(next(false), QStringLiteral("box 1"));
        QCOMPARE(next(true), QStringLiteral("box 2"));
        Item* removed = c.At(0);
        c.Remove(removed);
        delete removed;
        QCOMPARE(next(true), QStringLiteral("box 2"));
        QCOMPARE(next(true), QStringLiteral("box 3"));
        c.SortItems(1);
        QCOMPARE(next(true), QStringLiteral("box 2"));
        c.Clear();
        QCOMPARE(next(true), QStringLiteral("-"));
    }

    // Search and search again ("-": none, after which the first comes again); several criteria are tried in order,
    // a later one supplying the hits the first has no more of.
    void searchTriesCriteriaInOrder_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QStringList>("found");
        // clang-format off
        QTest::newRow("name, date 01.01.1900 skipped") << "name" << "LAMP" << "" << QStringList{"Table lamp", "-", "Table lamp"};
        QTest::newRow("price rounded")                 << "price" << "12" << "" << QStringList{"Table lamp", "-"};
        QTest::newRow("name, then product")            << "name" << "lamp" << "lampe" << QStringList{"Table lamp", "Box"};
        QTest::newRow("nothing")                       << "" << "" << "" << QStringList{"-"};
        QTest::newRow("location 0")                    << "location" << "0" << "" << QStringList{"Table lamp"};
        // clang-format on
    }
    void searchTriesCriteriaInOrder() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, product);
        QFETCH(QStringList, found);
        DBItemCollection c(nullptr);
        c.AddItems({makeItem(QStringLiteral("Table lamp"), 0, 11.6), makeItem(QStringLiteral("Box"), 0, 1234),
                    makeItem(QStringLiteral("Boxer"), 0, 3)});
        c.At(1)->SetProduct(QStringLiteral("Lampe AS"));
        c.At(1)->SetLocation(1);
        c.At(2)->SetLocation(1);
        SearchCriteria criteria;
        criteria.date = QStringLiteral("01.01.1900");
        if (field == "name")
            criteria.name = text;
        else if (field == "price")
            criteria.price = text;
        else if (field == "location")
            criteria.location = text.toInt();
        criteria.product = product;
        QStringList seen;
        for (int i = 0; i < found.size(); ++i) {
            const Item* item = c.Search(criteria, i > 0);
            seen << (item ? item->GetName() : QStringLiteral("-"));
        }
        QCOMPARE(seen, found);
    }

    // Counts and sums by group (10000: all), the highest serial number (the start number only for an empty
    // register) and the look-up by group and serial number (the text as it stands).
    void countsSumsAndSerials() {
        DBItemCollection c(nullptr);
        QCOMPARE(c.SumGroupValue(10000, false, false), 0.0);
        QCOMPARE(c.MaxGroup(), 0);
        QCOMPARE(c.FindByGroupAndSerial(0, QStringLiteral("42")), nullptr);
        QCOMPARE(c.LastSerialNumber(), 0);
        c.SetStartSerialNumber(1000);
        QCOMPARE(c.LastSerialNumber(), 1000);
        const auto add = [&c](int group, double price, int count, double today, const char* serial) {
            Item* item = makeItem("x", group, price, count);
            item->SetPriceToday(today);
            item->SetSerialno(QString::fromLatin1(serial));
            c.Add(item);
            return item;
        };
        add(1, 10.0, 2, 7, "A-17")->SetLocation(4);
        QCOMPARE(c.LastSerialNumber(), 0);
        add(1, 3.0, 0, 1, "0057");
        Item* d = add(5, 2.5, 5, 2, "0057");
        QCOMPARE(c.LastSerialNumber(), 57);
        QCOMPARE(c.FindByGroupAndSerial(5, QStringLiteral("0057")), d);
        QCOMPARE(c.FindByGroupAndSerial(5, QStringLiteral("57")), nullptr);
        QCOMPARE(c.FindByGroupAndSerial(-1, QStringLiteral("0057")), nullptr);
        QCOMPARE(c.FindByGroupAndSerial(1, QString()), nullptr);
        QCOMPARE(c.CountGroupItems(10000, false), 3);
        QCOMPARE(c.CountGroupItems(10000, true), 7);
        QCOMPARE(c.CountGroupItems(1, false), 2);
        QCOMPARE(c.CountGroupItems(10001, false), 0);
        QCOMPARE(c.CountGroupItems(-1, false), 0);
        QCOMPARE(c.SumGroupValue(10000, false, false), 20.0 + 0.0 + 12.5);
        QCOMPARE(c.SumGroupValue(10000, true, false), 10.0); // once per item, whatever the count
        QCOMPARE(c.SumGroupValue(1, false, true), 13.0);
        QCOMPARE(c.SumGroupValue(2, false, false), 0.0);
        QCOMPARE(c.MaxGroup(), 5);
        QCOMPARE(c.MaxLocation(), 4);
    }

    void sorting_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("0 group") << 0 << QStringList{"apple", "Zebra", "zulu", "Äble", "Bee"};
        QTest::newRow("1 name, upper case first") << 1 << QStringList{"Bee", "Zebra", "apple", "zulu", "Äble"};
        QTest::newRow("2 product") << 2 << QStringList{"Bee", "apple", "Zebra", "zulu", "Äble"};
        QTest::newRow("5 total price") << 5 << QStringList{"zulu", "Zebra", "apple", "Äble", "Bee"};
        QTest::newRow("9 date, invalid first") << 9 << QStringList{"Äble", "Bee", "zulu", "apple", "Zebra"};
        QTest::newRow("10 location") << 10 << QStringList{"Zebra", "Bee", "apple", "Äble", "zulu"};
        QTest::newRow("other code keeps the order") << 3 << QStringList{"apple", "Zebra", "Äble", "Bee", "zulu"};
    }
    void sorting() {
        QFETCH(int, code);
        QFETCH(QStringList, order);
        DBItemCollection c(nullptr);
        struct Row {
            const char* name;
            int group;
            double price;
            int count;
            const char* date;
            int location;
            const char* product;
        } rows[] = {
            {"apple", 0, 10, 2, "05.01.2001", 3, "b"}, {"Zebra", 0, 5, 1, "01.02.2001", 1, "c"},
            {"Äble", 2, 30, 1, "31.02.2001", 4, "æ"},  {"Bee", 3, 100, 1, "", 2, "a"},
            {"zulu", 0, 1, 1, "31.12.1999", 5, "d"},
        };
        for (const Row& r : rows) {
            Item* item = makeItem(QString::fromUtf8(r.name), r.group, r.price, r.count);
            item->SetDate(QLatin1String(r.date));
            item->SetLocation(r.location);
            item->SetProduct(QString::fromUtf8(r.product));
            c.Add(item);
        }
        c.SortItems(code);
        QCOMPARE(names(c), order);
        // Five items can come out in order even from an unstable sort; hundreds sharing four keys cannot.
        c.Clear();
        std::vector<int> keys;
        for (int i = 0; i < 400; ++i)
            keys.push_back(i % 4);
        std::shuffle(keys.begin(), keys.end(), std::mt19937(7));
        for (int i = 0; i < int(keys.size()); ++i) {
            const int k = keys[i];
            Item* item = makeItem(QStringLiteral("n%1").arg(k), k, 10.0 * (k + 1));
            item->SetProduct(QStringLiteral("p%1").arg(k));
            item->SetDate(QStringLiteral("0%1.01.2001").arg(k + 1));
            item->SetLocation(k);
            item->SetDescription(QString::number(i)); // the position before sorting
            c.Add(item);
        }
        c.SortItems(code);
        const auto key = [&](int at) { // code 3 sorts nothing: every item keeps its place
            return std::pair(code == 3 ? 0 : c.At(at)->GetGroup(), c.At(at)->GetDescription().toInt());
        };
        for (int i = 1; i < c.Count(); ++i)
            QVERIFY(key(i - 1) < key(i)); // by key, equal keys in their old order
    }
};

QTEST_GUILESS_MAIN(TestCollection)
#include "tst_collection.moc"
