#include "app/Edition.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "output/ListPrintCommand.h"
#include "printing/ListPrinting.h"
#include "printing/PrintSettings.h"
#include "tests/TestSupport.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

namespace {

PrintSettings noColumns() {
    PrintSettings s;
    s.printGroupField = s.printNameField = s.printModelField = s.printPriceField = s.printPriceTodayField =
        s.printDateField = false;
    return s;
}

// The lines of every page less its heading, which must be the same on each.
QStringList printedLines(const QString& pdf, const QString& heading) {
    QStringList printed;
    for (const QString& page : TestSupport::pdfPages(pdf)) {
        const QStringList lines = TestSupport::simplifiedLines(page);
        if (lines.value(0) != heading)
            return {QStringLiteral("page without heading: ") + lines.value(0)};
        printed << lines.mid(1);
    }
    return printed;
}

} // namespace

class TestListPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::isolateSettings();
        TestSupport::installTranslation(QStringLiteral("dk"));
    }

    void init() {
        SetEdition(Tovik);
        TestSupport::clearSettings();
        ColumnNames::Reset();
        m_collection = std::make_unique<DBItemCollection>(nullptr);
        m_collection->Groups().SetEntries({QStringLiteral("Køkken"), QStringLiteral("Stue")});
        m_collection->Locations().SetEntries({QStringLiteral("Kælder"), QStringLiteral("Loft")});
    }

    void cleanup() { m_collection.reset(); }

    // The defaults: Group, Name, Model, Price, PriceToday and Date, separated by "|"; prices rounded.
    void defaultHeaderAndLine() {
        const PrintSettings settings;
        QCOMPARE(BuildPrintHeaderLine(settings),
                 QStringLiteral(" Gruppe          | Navn            | Fabrikat        | Pris      | Vurd.     "
                                "| Dato       |"));
        Item item;
        item.SetGroup(1);
        item.SetName(QStringLiteral("Sofa"));
        item.SetProduct(QStringLiteral("Bolia"));
        item.SetPrice(12.5);
        item.SetPriceToday(8000.4);
        item.SetDate(QStringLiteral("01.02.2010"));
        QCOMPARE(BuildPrintItemLine(settings, *m_collection, 1, item),
                 QStringLiteral(" Stue            | Sofa            | Bolia           |        13 |      8000 "
                                "| 01.02.2010 |"));
    }

    // One column alone: texts cut on the right, paths keep their end, numbers never cut.
    void cells_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("line");
        using namespace ColumnNames;
        // clang-format off
        QTest::newRow("name cut on the right")   << int(Name) << "Kaffemaskine med mælkeskummer" << 10 << " Kaffemaski |";
        QTest::newRow("name padded")             << int(Name) << "Ur" << 4 << " Ur   |";
        QTest::newRow("picture keeps its end")   << int(Picture) << "/home/anne/billeder/sofa.jpg" << 8 << " sofa.jpg |";
        QTest::newRow("www keeps its end")       << int(Www) << "https://www.bolia.com" << 7 << " lia.com |";
        QTest::newRow("receipt padded left")     << int(Receipt) << "a.png" << 7 << "   a.png |";
        QTest::newRow("price rounded, right")    << int(Price) << "1234.56" << 9 << "      1235 |";
        QTest::newRow("price wider than column") << int(Price) << "1234567890.4" << 9 << " 1234567890 |";
        QTest::newRow("value today")             << int(PriceToday) << "0.49" << 3 << "   0 |";
        QTest::newRow("count right-aligned")     << int(Count) << "12" << 3 << "  12 |";
        QTest::newRow("short date padded left")  << int(Date) << "1.2.2010" << 0 << "   1.2.2010 |";
        QTest::newRow("long date not cut")       << int(Date) << "01.02.2010 kl. 12" << 0 << " 01.02.2010 kl. 12 |";
        QTest::newRow("empty length")            << int(Supplier) << "Ikea" << 0 << "  |";
        QTest::newRow("group name")              << int(Group) << "1" << 6 << " Stue   |";
        QTest::newRow("group beyond the list")   << int(Group) << "12" << 6 << " 12     |";
        QTest::newRow("location name")           << int(Location) << "0" << 4 << " Kæld |";
        QTest::newRow("location beyond the list") << int(Location) << "2" << 4 << " 2    |";
        // clang-format on
    }
    void cells() {
        QFETCH(int, column);
        QFETCH(QString, value);
        QFETCH(int, length);
        QFETCH(QString, line);
        PrintSettings s = noColumns();
        Item item;
        for (const PrintedColumn& c : PrintedColumns()) {
            if (c.column != column)
                continue;
            s.*c.flag = true;
            if (c.length)
                s.*c.length = length;
            item.SetText(c.field, value);
        }
        // Only the chosen column prints, so every field may hold the value.
        item.SetGroup(value.toInt());
        item.SetLocation(value.toInt());
        item.SetNumberOfItems(value.toInt());
        item.SetPrice(value.toDouble());
        item.SetPriceToday(value.toDouble());
        QCOMPARE(BuildPrintItemLine(s, *m_collection, 1, item), line);
    }

    // All eighteen columns in their fixed order, the item number first, with another separator.
    void columnOrderAndSeparator() {
        PrintSettings s;
        for (const PrintedColumn& c : PrintedColumns()) {
            s.*c.flag = true;
            if (c.length)
                s.*c.length = 2;
        }
        s.printSeparator = QStringLiteral("#");
        QCOMPARE(BuildPrintHeaderLine(s),
                 QStringLiteral("Nr.# Gr # Na # Fa # Pr # An # Pr # Vu # Bi # Dato       # Ru # Be # Le # Ad # Se "
                                "# Ww # Kv # Do #"));
        Item item;
        item.SetGroup(0);
        item.SetLocation(1);
        item.SetNumberOfItems(3);
        item.SetPrice(4);
        item.SetPriceToday(5);
        const char* texts[] = {"na", "pr", "ty", "pi", "de", "su", "ad", "se", "ww", "re", "do"};
        const Item::TextField fields[] = {Item::Name,        Item::Product,  Item::Producttype, Item::Photolink,
                                          Item::Description, Item::Supplier, Item::Address,     Item::Serialno,
                                          Item::Www,         Item::Receipt,  Item::Document};
        for (int i = 0; i < 11; ++i)
            item.SetText(fields[i], QLatin1String(texts[i]));
        item.SetDate(QStringLiteral("01.01.2001"));
        QCOMPARE(BuildPrintItemLine(s, *m_collection, 7, item),
                 QStringLiteral("  7# Kø # na # pr # ty #  3 #  4 #  5 # pi # 01.01.2001 # Lo # de # su # ad # se "
                                "# ww # re # do #"));
        QCOMPARE(BuildPrintItemLine(s, *m_collection, 1234, item).left(5), QStringLiteral("1234#"));
    }

    // Printing into a PDF: the header on every page, the lines in sorted order, nothing lost at page ends,
    // numbers with gaps under a filter, and the status messages. On a device finer than the screen a line is
    // taller than the margin; still no line may fall off a page.
    void printsEveryLineOnPagesWithHeaders() {
        if (!TestSupport::haveProgram("pdftotext"))
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        PrintSettings s = noColumns();
        s.printItemCount = true;
        s.printNameField = true;
        s.nameLength = 20;
        s.printPriceField = true;
        s.printGroupOnly = true;
        s.GroupToPrint = 1;
        s.sortMethod = DBItemCollection::SortName;
        const int count = 180;
        for (int i = count; i >= 1; --i) {
            auto* item = new Item;
            item->SetName(QStringLiteral("Ting %1").arg(i, 3, 10, QLatin1Char('0')));
            item->SetGroup(i % 10 == 0 ? 0 : 1); // every tenth is filtered out
            item->SetPrice(i);
            m_collection->Add(item);
        }
        TestDialogs dialogs;
        const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
        dialogs.printTo(pdf);
        RunListPrint(*m_collection, s, nullptr);
        QCOMPARE(m_collection->At(0)->GetName(), QStringLiteral("Ting 001")); // sorted by name

        QStringList wanted;
        for (int i = 1; i <= count; ++i) {
            if (i % 10 != 0)
                wanted << QStringLiteral("%1| Ting %2 | %3 |").arg(i).arg(i, 3, 10, QLatin1Char('0')).arg(i);
        }
        QCOMPARE(printedLines(pdf, QStringLiteral("Nr.| Navn | Pris |")), wanted);
        const int pages = TestSupport::pdfPages(pdf).size();
        QVERIFY(pages >= 3);
        QCOMPARE(dialogs.status.first(), QStringLiteral("Udskriver..."));
        QCOMPARE(dialogs.status.at(1), QStringLiteral("Udskriver (side 2)..."));
        QCOMPARE(dialogs.status.last(), QStringLiteral("Udskrivning færdig"));
        QCOMPARE(dialogs.statusTimes.last(), 2000);
        QCOMPARE(dialogs.status.size(), pages + 1);
        QCOMPARE(dialogs.waitDepth, 0);

        const QString fine = dir.filePath(QStringLiteral("fine.pdf"));
        {
            QPdfWriter writer(fine);
            writer.setResolution(1200);
            QVERIFY(PrintItemList(*m_collection, s, &writer));
        }
        QCOMPARE(printedLines(fine, QStringLiteral("Nr.| Navn | Pris |")), wanted);
    }

    // A cancelled print dialog: only a status message, and the collection stays sorted. With no column chosen
    // only an empty header is drawn, on one page.
    void cancelledAndEmptyPrints() {
        for (int i = 30; i >= 1; --i) {
            auto* item = new Item;
            item->SetName(QStringLiteral("Ting %1").arg(i, 2, 10, QLatin1Char('0')));
            m_collection->Add(item);
        }
        PrintSettings s;
        s.sortMethod = DBItemCollection::SortName;
        TestDialogs dialogs;
        dialogs.printTo(QString());
        RunListPrint(*m_collection, s, nullptr);
        QCOMPARE(dialogs.status, QStringList{QStringLiteral("Udskrivningen blev afbrudt")});
        QCOMPARE(dialogs.statusTimes, QList<int>{2000});
        QCOMPARE(m_collection->At(0)->GetName(), QStringLiteral("Ting 01"));
        QCOMPARE(dialogs.waitDepth, 0);

        if (!TestSupport::haveProgram("pdftotext"))
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("empty.pdf"));
        dialogs.printTo(pdf);
        RunListPrint(*m_collection, noColumns(), nullptr);
        const QStringList pages = TestSupport::pdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        QVERIFY(TestSupport::simplifiedLines(pages.first()).isEmpty());
    }

private:
    std::unique_ptr<DBItemCollection> m_collection;
};

QTEST_MAIN(TestListPrinting)
#include "tst_listprinting.moc"
