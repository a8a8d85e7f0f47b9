#include "app/Edition.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "output/ListPrintCommand.h"
#include "printing/ListPrinting.h"
#include "printing/PrintSettings.h"
#include "tests/TestSupport.h"

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

// The item-number heading comes from the translation files; answer it here so the lines are known.
class PrintTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (qstrcmp(context, "MainWindow") == 0 && qstrcmp(source, "ITEM_COUNT") == 0)
            return QStringLiteral("Nr.");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

PrintSettings noColumns() {
    PrintSettings s;
    s.printGroupField = s.printNameField = s.printModelField = s.printPriceField = s.printPriceTodayField =
        s.printDateField = false;
    return s;
}

bool havePdftotext() {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-v")});
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit;
}

} // namespace

class TestListPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        TestSupport::isolateSettings();
        QCoreApplication::installTranslator(&m_translator);
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

    // The defaults: Group, Name, Model, Price, PriceToday and Date, separated by "|".
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

    void cells_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("line");
        // clang-format off
        QTest::newRow("name cut on the right")   << "name" << "Kaffemaskine med mælkeskummer" << 10 << " Kaffemaski |";
        QTest::newRow("name padded")             << "name" << "Ur" << 4 << " Ur   |";
        QTest::newRow("picture keeps its end")   << "picture" << "/home/anne/billeder/sofa.jpg" << 8 << " sofa.jpg |";
        QTest::newRow("www keeps its end")       << "www" << "https://www.bolia.com" << 7 << " lia.com |";
        QTest::newRow("receipt padded left")     << "receipt" << "a.png" << 7 << "   a.png |";
        QTest::newRow("document keeps its end")  << "document" << "/doc/manual.pdf" << 10 << " manual.pdf |";
        QTest::newRow("price rounded, right")    << "price" << "1234.56" << 9 << "      1235 |";
        QTest::newRow("price wider than column") << "price" << "1234567890.4" << 9 << " 1234567890 |";
        QTest::newRow("value today")             << "priceToday" << "0.49" << 3 << "   0 |";
        QTest::newRow("count right-aligned")     << "count" << "12" << 3 << "  12 |";
        QTest::newRow("short date padded left")  << "date" << "1.2.2010" << 0 << "   1.2.2010 |";
        QTest::newRow("long date not cut")       << "date" << "01.02.2010 kl. 12" << 0 << " 01.02.2010 kl. 12 |";
        QTest::newRow("empty length")            << "supplier" << "Ikea" << 0 << "  |";
        QTest::newRow("group name")              << "group" << "1" << 6 << " Stue   |";
        QTest::newRow("group beyond the list")   << "group" << "12" << 6 << " 12     |";
        QTest::newRow("location name")           << "location" << "0" << 4 << " Kæld |";
        QTest::newRow("location beyond the list") << "location" << "2" << 4 << " 2    |";
        // clang-format on
    }
    void cells() {
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(int, length);
        QFETCH(QString, line);
        PrintSettings s = noColumns();
        Item item;
        if (column == QLatin1String("name")) {
            s.printNameField = true;
            s.nameLength = length;
            item.SetName(value);
        } else if (column == QLatin1String("picture")) {
            s.printPictureField = true;
            s.pictureLength = length;
            item.SetPhotolink(value);
        } else if (column == QLatin1String("www")) {
            s.printWwwField = true;
            s.wwwLength = length;
            item.SetWww(value);
        } else if (column == QLatin1String("receipt")) {
            s.printReceiptField = true;
            s.receiptLength = length;
            item.SetReceipt(value);
        } else if (column == QLatin1String("document")) {
            s.printDocumentField = true;
            s.documentLength = length;
            item.SetDocument(value);
        } else if (column == QLatin1String("price")) {
            s.printPriceField = true;
            s.priceLength = length;
            item.SetPrice(value.toDouble());
        } else if (column == QLatin1String("priceToday")) {
            s.printPriceTodayField = true;
            s.priceTodayLength = length;
            item.SetPriceToday(value.toDouble());
        } else if (column == QLatin1String("count")) {
            s.printCountField = true;
            s.countLength = length;
            item.SetNumberOfItems(value.toInt());
        } else if (column == QLatin1String("date")) {
            s.printDateField = true;
            item.SetDate(value);
        } else if (column == QLatin1String("supplier")) {
            s.printSupplierField = true;
            s.supplierLength = length;
            item.SetSupplier(value);
        } else if (column == QLatin1String("group")) {
            s.printGroupField = true;
            s.groupLength = length;
            item.SetGroup(value.toInt());
        } else if (column == QLatin1String("location")) {
            s.printLocationField = true;
            s.locationLength = length;
            item.SetLocation(value.toInt());
        }
        QCOMPARE(BuildPrintItemLine(s, *m_collection, 1, item), line);
    }

    // All eighteen columns in their fixed order, the item number first, with another separator.
    void columnOrderAndSeparator() {
        PrintSettings s;
        for (bool* flag : {&s.printItemCount, &s.printProductTypeField, &s.printCountField, &s.printPictureField,
                           &s.printLocationField, &s.printDescribeField, &s.printSupplierField, &s.printAddressField,
                           &s.printSerialNumberField, &s.printWwwField, &s.printReceiptField, &s.printDocumentField})
            *flag = true;
        int* lengths[] = {&s.groupLength,        &s.nameLength,     &s.modelLength,      &s.productTypeLength,
                          &s.countLength,        &s.priceLength,    &s.priceTodayLength, &s.pictureLength,
                          &s.locationLength,     &s.describeLength, &s.supplierLength,   &s.addressLength,
                          &s.serialNumberLength, &s.wwwLength,      &s.receiptLength,    &s.documentLength};
        for (int* length : lengths)
            *length = 2;
        s.printSeparator = QStringLiteral("#");
        QCOMPARE(BuildPrintHeaderLine(s),
                 QStringLiteral("Nr.# Gr # Na # Fa # Pr # An # Pr # Vu # Bi # Dato       # Ru # Be # Le # Ad # Se "
                                "# Ww # Kv # Do #"));
        Item item;
        item.SetGroup(0);
        item.SetName(QStringLiteral("na"));
        item.SetProduct(QStringLiteral("pr"));
        item.SetProducttype(QStringLiteral("ty"));
        item.SetNumberOfItems(3);
        item.SetPrice(4);
        item.SetPriceToday(5);
        item.SetPhotolink(QStringLiteral("pi"));
        item.SetDate(QStringLiteral("01.01.2001"));
        item.SetLocation(1);
        item.SetDescription(QStringLiteral("de"));
        item.SetSupplier(QStringLiteral("su"));
        item.SetAddress(QStringLiteral("ad"));
        item.SetSerialno(QStringLiteral("se"));
        item.SetWww(QStringLiteral("ww"));
        item.SetReceipt(QStringLiteral("re"));
        item.SetDocument(QStringLiteral("do"));
        QCOMPARE(BuildPrintItemLine(s, *m_collection, 7, item),
                 QStringLiteral("  7# Kø # na # pr # ty #  3 #  4 #  5 # pi # 01.01.2001 # Lo # de # su # ad # se "
                                "# ww # re # do #"));
        QCOMPARE(BuildPrintItemLine(s, *m_collection, 1234, item).left(5), QStringLiteral("1234#"));
    }

    // Printing into a PDF: the header on every page, the lines in sorted order, nothing lost at page ends,
    // numbers with gaps under a filter, and the status messages.
    void printsEveryLineOnPagesWithHeaders() {
        if (!havePdftotext())
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

        const QStringList pages = TestSupport::pdfPages(pdf);
        QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
        QStringList printed;
        for (const QString& page : pages) {
            const QStringList lines = TestSupport::simplifiedLines(page);
            QVERIFY(!lines.isEmpty());
            QCOMPARE(lines.first(), QStringLiteral("Nr.| Navn | Pris |"));
            printed << lines.mid(1);
        }
        QStringList wanted;
        for (int i = 1; i <= count; ++i) {
            if (i % 10 != 0)
                wanted << QStringLiteral("%1| Ting %2 | %3 |").arg(i).arg(i, 3, 10, QLatin1Char('0')).arg(i);
        }
        QCOMPARE(printed, wanted);

        QCOMPARE(dialogs.status.first(), QStringLiteral("Printing..."));
        QCOMPARE(dialogs.status.at(1), QStringLiteral("Printing (page 2)..."));
        QCOMPARE(dialogs.status.last(), QStringLiteral("Print færdig"));
        QCOMPARE(dialogs.statusTimes.last(), 2000);
        QCOMPARE(dialogs.status.size(), pages.size() + 1);
        QCOMPARE(dialogs.waitDepth, 0);
    }

    // On a device finer than the screen a line is taller than the margin; still no line may fall off a page.
    void aFineDeviceLosesNothingEither() {
        if (!havePdftotext())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        PrintSettings s = noColumns();
        s.printNameField = true;
        for (int i = 1; i <= 120; ++i) {
            auto* item = new Item;
            item->SetName(QStringLiteral("Linje %1").arg(i));
            m_collection->Add(item);
        }
        TestDialogs dialogs;
        const QString pdf = dir.filePath(QStringLiteral("fine.pdf"));
        {
            QPdfWriter writer(pdf);
            writer.setResolution(1200);
            QVERIFY(PrintItemList(*m_collection, s, &writer));
        }
        QStringList printed;
        for (const QString& page : TestSupport::pdfPages(pdf)) {
            const QStringList lines = TestSupport::simplifiedLines(page);
            QCOMPARE(lines.first(), QStringLiteral("Navn |"));
            printed << lines.mid(1);
        }
        QCOMPARE(printed.size(), 120);
        QCOMPARE(printed.last(), QStringLiteral("Linje 120 |"));
    }

    // Cancelling the print dialog: a status message, no file, and the collection stays sorted.
    void cancelledPrint() {
        QTemporaryDir dir;
        PrintSettings s;
        s.sortMethod = DBItemCollection::SortName;
        for (const char* name : {"b", "c", "a"}) {
            auto* item = new Item;
            item->SetName(QLatin1String(name));
            m_collection->Add(item);
        }
        TestDialogs dialogs;
        dialogs.printTo(QString());
        RunListPrint(*m_collection, s, nullptr);
        QCOMPARE(dialogs.status, QStringList{QStringLiteral("Print afbrudt")});
        QCOMPARE(dialogs.statusTimes, QList<int>{2000});
        QCOMPARE(m_collection->At(0)->GetName(), QStringLiteral("a"));
        QCOMPARE(dialogs.waitDepth, 0);
    }

    // With no column chosen only an empty header is drawn, on one page.
    void noColumnsGiveOneEmptyPage() {
        if (!havePdftotext())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        for (int i = 0; i < 30; ++i)
            m_collection->Add(new Item);
        TestDialogs dialogs;
        const QString pdf = dir.filePath(QStringLiteral("empty.pdf"));
        dialogs.printTo(pdf);
        RunListPrint(*m_collection, noColumns(), nullptr);
        const QStringList pages = TestSupport::pdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        QVERIFY(TestSupport::simplifiedLines(pages.first()).isEmpty());
    }

private:
    PrintTranslator m_translator;
    std::unique_ptr<DBItemCollection> m_collection;
};

QTEST_MAIN(TestListPrinting)
#include "tst_listprinting.moc"
