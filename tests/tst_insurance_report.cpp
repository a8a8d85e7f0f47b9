#include "app/AppSettings.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "mainwindow/vestrumwindow.h"
#include "output/InsuranceReportDialog.h"
#include "printing/InsuranceReport.h"
#include "tests/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <memory>
#include <numeric>

namespace {

#define REQUIRE_POPPLER()                                                                                              \
    if (!TestSupport::haveProgram("pdftotext") || !TestSupport::haveProgram("pdfimages"))                              \
    QSKIP("pdftotext and pdfimages (poppler-utils) are missing: the report's PDF cannot be read back")

Item* makeItem(const QString& name, int group, int location, int count, double price, double today,
               const QString& photo = QString(), const QString& receipt = QString()) {
    auto* item = new Item;
    item->SetName(name);
    item->SetGroup(group);
    item->SetLocation(location);
    item->SetNumberOfItems(count);
    item->SetPrice(price);
    item->SetPriceToday(today);
    item->SetPhotolink(photo);
    item->SetReceipt(receipt);
    item->SetSerialno(name == QLatin1String("Fjernsyn") ? QStringLiteral("SN-4711") : QString());
    return item;
}

QString writePicture(const QString& path, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x ^ y) & 0xff));
    image.save(path);
    return path;
}

// Rooms Stue and Køkken, groups Møbler and Elektronik. The sofa has a photo and a PDF receipt, the chairs a
// photo whose file is gone, the television a picture of its receipt and no photo.
void fill(DBItemCollection& c, const QString& dir) {
    c.Locations().SetEntries({QStringLiteral("Stue"), QStringLiteral("Køkken")});
    c.Groups().SetEntries({QStringLiteral("Møbler"), QStringLiteral("Elektronik")});
    const QString photo = writePicture(dir + QStringLiteral("/sofa.png"), 800, 600);
    const QString receipt = writePicture(dir + QStringLiteral("/kvittering.jpg"), 300, 700);
    c.Add(makeItem(QStringLiteral("Sofa"), 0, 0, 1, 1000, 600, photo, QStringLiteral("faktura-sofa.pdf")));
    c.Add(makeItem(QStringLiteral("Stole"), 0, 1, 4, 250.5, 400, dir + QStringLiteral("/borte.jpg")));
    c.Add(makeItem(QStringLiteral("Fjernsyn"), 1, 0, 1, 5000, 2000, QString(), receipt));
}

QLocale localeOf(const QString& language) {
    return language == QLatin1String("no")   ? QLocale(QLocale::NorwegianBokmal, QLocale::Norway)
           : language == QLatin1String("en") ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                             : QLocale(QLocale::Danish, QLocale::Denmark);
}

InsuranceOptions options(const QString& language, InsuranceOptions::Order order) {
    InsuranceOptions o;
    o.ownerName = QStringLiteral("Else Ærbødig");
    o.ownerAddress = QStringLiteral("Strandvejen 1\n2900 Hellerup");
    o.insurer = QStringLiteral("Tryg");
    o.policyNumber = QStringLiteral("POL-1234");
    o.order = order;
    o.registerName = QStringLiteral("Hjemmet.db");
    o.date = QDate(2026, 12, 7);
    o.locale = localeOf(language);
    return o;
}

// The rows of "pdfimages -list", less its heading and rule.
QStringList imagesIn(const QString& pdf) {
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    images.waitForFinished(30000);
    return QString::fromUtf8(images.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
}

// The whole text with each run of blanks (also the no-break space of Norwegian thousands) made one space.
QString flat(const QString& text) {
    return QString(text).replace(QChar(0x00a0), QLatin1Char(' ')).replace(QChar(0x202f), QLatin1Char(' ')).simplified();
}

} // namespace

class TestInsuranceReport : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestDialogs> m_dialogs;

    QString path(const QString& name) const { return m_dir->filePath(name); }

private slots:
    void initTestCase() { TestSupport::isolateSettings(); }
    void init() {
        SetEdition(Tovik);
        TestSupport::clearSettings();
        TestSupport::installTranslation(QStringLiteral("dk"));
        ColumnNames::Reset();
        m_dir = std::make_unique<QTemporaryDir>();
        m_dialogs = std::make_unique<TestDialogs>();
    }
    void cleanup() {
        QVERIFY2(m_dialogs->answers.isEmpty(), "a box that was expected was not shown");
        m_dialogs.reset();
        m_dir.reset();
    }

    // The report read back in each language, by room and by group: cover totals equal the sums over the
    // items, each section ends with its own subtotals, every page has its "page N of M", the pictures are
    // in, a missing photo and a PDF receipt are named.
    void reportReadBack_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("byGroup");
        QTest::addColumn<QString>("pageOf"); // the footer of page 1 of 4
        QTest::addColumn<QStringList>("sections");
        QTest::addColumn<QStringList>("sums"); // items, pieces, purchase and today of each section
        QTest::addColumn<QString>("total");
        const QStringList rooms{"Stue", "Køkken"};
        // clang-format off
        QTest::newRow("dk rooms")  << "dk" << false << "Side 1 af 4" << rooms
                                   << QStringList{"2 2 6.000,00 2.600,00", "1 4 1.002,00 400,00"} << "7.002,00";
        QTest::newRow("no rooms")  << "no" << false << "Side 1 av 4" << rooms
                                   << QStringList{"2 2 6 000,00 2 600,00", "1 4 1 002,00 400,00"} << "7 002,00";
        QTest::newRow("en groups") << "en" << true << "Page 1 of 4"
                                   << QStringList{"Furniture", "Electronics"}
                                   << QStringList{"2 5 2,002.00 1,000.00", "1 1 5,000.00 2,000.00"} << "7,002.00";
        // clang-format on
    }
    void reportReadBack() {
        QFETCH(QString, language);
        QFETCH(bool, byGroup);
        QFETCH(QString, pageOf);
        const QString missing = language == QLatin1String("en") ? "(missing)" : "(mangler)"; // after a lost file
        QFETCH(QStringList, sections);
        QFETCH(QStringList, sums);
        QFETCH(QString, total);
        REQUIRE_POPPLER();
        TestSupport::installTranslation(language);
        DBItemCollection c(nullptr);
        fill(c, m_dir->path());
        if (language == QLatin1String("en"))
            c.Groups().SetEntries({QStringLiteral("Furniture"), QStringLiteral("Electronics")});
        const InsuranceOptions o =
            options(language, byGroup ? InsuranceOptions::ByGroup : InsuranceOptions::ByLocation);
        InsuranceReport report(c, InsuranceReport::ItemsInScope(c, o), o);
        QList<QPair<int, int>> calls;
        QVERIFY(report.WriteFile(path(QStringLiteral("r.pdf")), [&calls](int page, int pages) {
            calls << qMakePair(page, pages);
            return true;
        }));
        QCOMPARE(report.Pictures(), 2);
        // Cover, contents and one page per section; the progress saw every page made.
        QCOMPARE(report.Pages(), 4);
        QCOMPARE(calls.last(), qMakePair(4, 4));

        const QStringList pages = TestSupport::pdfPages(path(QStringLiteral("r.pdf")));
        QCOMPARE(pages.size(), 4);
        for (int i = 0; i < pages.size(); ++i) {
            const QString footer = QString(pageOf).replace(QLatin1String("1"), QString::number(i + 1));
            QVERIFY2(flat(pages[i]).contains(footer), qPrintable(footer));
            QVERIFY(pages[i].contains(QLatin1String("Hjemmet.db")));
        }
        const QString cover = flat(pages[0]);
        for (const QString& text :
             {QStringLiteral("Else Ærbødig"), QStringLiteral("2900 Hellerup"), QStringLiteral("Tryg"),
              QStringLiteral("POL-1234"), total, flat(localeOf(language).toString(3000.0, 'f', 2))})
            QVERIFY2(cover.contains(text), qPrintable(text));
        // The contents list the sections with the page each begins on; each section ends with its subtotals.
        for (int i = 0; i < 2; ++i) {
            const QString line = sections[i] + QLatin1Char(' ') + sums[i] + QLatin1Char(' ') + QString::number(3 + i);
            QVERIFY2(flat(pages[1]).contains(line), qPrintable(line));
            QVERIFY2(flat(pages[2 + i]).contains(sections[i] + QLatin1Char(' ') + sums[i]), qPrintable(sums[i]));
        }
        const QString all = flat(pages.join(QLatin1Char(' ')));
        QVERIFY(all.contains(QLatin1String("borte.jpg ") + missing));
        QVERIFY(all.contains(QLatin1String("faktura-sofa.pdf")));
        QVERIFY(all.contains(QLatin1String("SN-4711")));
        QVERIFY(m_dialogs->boxes.isEmpty());
    }

    // The scopes: one room, one group, the filter's hits (whatever the list's filter gives).
    void scope_data() {
        QTest::addColumn<int>("scope");
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("names");
        // clang-format off
        QTest::newRow("whole")            << int(InsuranceOptions::WholeRegister) << 0 << QStringList{"Sofa", "Stole", "Fjernsyn"};
        QTest::newRow("room Stue")        << int(InsuranceOptions::OneLocation) << 0 << QStringList{"Sofa", "Fjernsyn"};
        QTest::newRow("room Køkken")      << int(InsuranceOptions::OneLocation) << 1 << QStringList{"Stole"};
        QTest::newRow("group Elektronik") << int(InsuranceOptions::OneGroup) << 1 << QStringList{"Fjernsyn"};
        QTest::newRow("filter")           << int(InsuranceOptions::FilterHits) << 0 << QStringList{"Stole"};
        // clang-format on
    }
    void scope() {
        QFETCH(int, scope);
        QFETCH(int, number);
        QFETCH(QStringList, names);
        DBItemCollection c(nullptr);
        fill(c, m_dir->path());
        InsuranceOptions o = options(QStringLiteral("dk"), InsuranceOptions::ByLocation);
        o.scope = InsuranceOptions::Scope(scope);
        o.scopeNumber = number;
        const std::vector<const Item*> items = InsuranceReport::ItemsInScope(c, o, {c.At(1)});
        QStringList found;
        for (const Item* item : items)
            found << item->GetName();
        QCOMPARE(found, names);
        InsuranceReport report(c, items, o);
        QCOMPARE(report.GrandTotals().items, names.size());
        QCOMPARE(std::accumulate(report.Sections().begin(), report.Sections().end(), 0,
                                 [](int sum, const InsuranceReport::Section& s) { return sum + s.totals.items; }),
                 names.size());
    }

    // A cancel, while the pages are counted or while they are made, leaves no file and an earlier one as
    // it was; a report that cannot be saved (no folder, a disk full at the end) gets a box and keeps it too.
    void cancelAndFailure_data() {
        QTest::addColumn<int>("cancelAt"); // the page whose progress cancels; 0 while counting, -1 never
        QTest::addColumn<bool>("earlier");
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("cancel while counting") << 0 << false << "";
        QTest::newRow("cancel on page 2") << 2 << false << "";
        QTest::newRow("cancel, earlier file") << 3 << true << "";
        QTest::newRow("no folder") << -1 << false << "no folder";
        QTest::newRow("full disk") << -1 << true << "full disk";
    }
    void cancelAndFailure() {
        QFETCH(int, cancelAt);
        QFETCH(bool, earlier);
        QFETCH(QString, obstacle);
        std::unique_ptr<TmpfsMount> disk;
        QString folder = m_dir->path();
        if (obstacle == QLatin1String("full disk")) {
            disk = std::make_unique<TmpfsMount>(1024 * 1024);
            if (!disk->isMounted())
                QSKIP(qPrintable(QLatin1String("no tmpfs: ") + disk->error()));
            folder = disk->path();
        }
        DBItemCollection c(nullptr);
        fill(c, m_dir->path());
        // Enough rooms for the counting run to ask about a cancel.
        for (int i = 0; i < 60; ++i)
            c.Add(makeItem(QStringLiteral("Lampe %1").arg(i), 0, 2 + i, 1, 10, 5));
        const InsuranceOptions o = options(QStringLiteral("dk"), InsuranceOptions::ByLocation);
        QString target = folder + QStringLiteral("/r.pdf");
        if (obstacle == QLatin1String("no folder")) {
            QVERIFY(TestSupport::writeAll(path(QStringLiteral("file")), "x"));
            target = path(QStringLiteral("file/r.pdf"));
        }
        if (earlier)
            QVERIFY(TestSupport::writeAll(target, "earlier"));
        if (disk)
            QVERIFY(disk->leaveFree(8 * 1024));
        if (!obstacle.isEmpty())
            m_dialogs->expectBoxes();
        InsuranceReport report(c, InsuranceReport::ItemsInScope(c, o), o);
        const bool written = report.WriteFile(
            target, [cancelAt](int page, int pages) { return !(pages == 0 ? cancelAt == 0 : page == cancelAt); });
        QVERIFY(!written);
        QCOMPARE(report.Cancelled(), obstacle.isEmpty());
        QCOMPARE(QFile::exists(target), earlier);
        if (earlier)
            QCOMPARE(TestSupport::readAll(target), QByteArray("earlier"));
        QCOMPARE(QDir(folder).entryList(QDir::Files).filter(QStringLiteral(".pdf")).size(), int(earlier));
        QCOMPARE(m_dialogs->boxes.size(), int(!obstacle.isEmpty()));
        if (!obstacle.isEmpty())
            QVERIFY(m_dialogs->lastText().contains(QLatin1String("r.pdf")));
    }

    // Twelve photos of 1200 x 900 give twelve JPEG pictures of at most 600 pixels on the long side.
    void picturesAreScaledJpeg() {
        REQUIRE_POPPLER();
        DBItemCollection c(nullptr);
        const QString photo = writePicture(path(QStringLiteral("big.png")), 1200, 900);
        for (int i = 0; i < 12; ++i)
            c.Add(makeItem(QStringLiteral("Ting %1").arg(i), 0, 0, 1, 100, 50, photo));
        InsuranceOptions o = options(QStringLiteral("dk"), InsuranceOptions::ByLocation);
        InsuranceReport report(c, InsuranceReport::ItemsInScope(c, o), o);
        QVERIFY(report.WriteFile(path(QStringLiteral("p.pdf"))));
        QCOMPARE(report.Pictures(), 12);
        const QStringList rows = imagesIn(path(QStringLiteral("p.pdf")));
        QCOMPARE(rows.size(), 12);
        for (const QString& row : rows) {
            const QStringList columns = row.simplified().split(QLatin1Char(' '));
            QCOMPARE(columns.value(2), QStringLiteral("image"));
            QCOMPARE(columns.value(3).toInt(), 600);
            QCOMPARE(columns.value(4).toInt(), 450);
            QCOMPARE(columns.value(8), QStringLiteral("jpeg"));
        }
    }

    // The dialog starts from the kept owner and choices and offers the filter's hits only when filtered.
    void dialogKeepsTheOwner() {
        DBItemCollection c(nullptr);
        fill(c, m_dir->path());
        InsuranceOptions kept = options(QStringLiteral("dk"), InsuranceOptions::ByGroup);
        kept.photos = false;
        AppSettings::StoreInsurance(kept);
        for (bool filtered : {false, true}) {
            InsuranceReportDialog dialog(c, filtered, nullptr);
            auto* scope = dialog.findChild<QComboBox*>(QStringLiteral("InsuranceScope"));
            QVERIFY(scope);
            // Whole register, the filter when set, two rooms and two groups.
            QCOMPARE(scope->count(), 5 + int(filtered));
            QCOMPARE(scope->itemText(scope->count() - 1), ColumnNames::Title(ColumnNames::Group) + ": Elektronik");
            scope->setCurrentIndex(scope->count() - 1);
            dialog.findChild<QLineEdit*>(QStringLiteral("InsuranceInsurer"))->setText(QStringLiteral("Alka"));
            const InsuranceOptions got = dialog.Options();
            QCOMPARE(got.ownerName, kept.ownerName);
            QCOMPARE(got.ownerAddress, kept.ownerAddress);
            QCOMPARE(got.policyNumber, kept.policyNumber);
            QCOMPARE(got.insurer, QStringLiteral("Alka"));
            QCOMPARE(got.order, InsuranceOptions::ByGroup);
            QCOMPARE(got.photos, false);
            QCOMPARE(got.scope, InsuranceOptions::OneGroup);
            QCOMPARE(got.scopeNumber, 1);
        }
    }

    // File → Insurance report in every edition, from the menu and the tool bar: the dialog, the file chooser,
    // then the PDF of the sample with its pictures, and the owner kept for the next time.
    void windowCommand_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QList<int>>("labels"); // columns whose captions of the register label the items
        using namespace ColumnNames;
        QTest::newRow("Tovik") << int(Tovik) << QList<int>{Product, Price};
        QTest::newRow("Pellin") << int(Pellin) << QList<int>{Product, PriceToday};
        // The coin edition's name is the year, its product the metal, its address the grade.
        QTest::newRow("Ostrel") << int(Ostrel) << QList<int>{Name, Product, Address};
        QTest::newRow("Brevane") << int(Brevane) << QList<int>{Product, Serialno};
    }
    void windowCommand() {
        QFETCH(int, edition);
        QFETCH(QList<int>, labels);
        SetEdition(edition);
        const TestSupport::SampleInstallation install;
        {
            MainWindow window;
            QAction* action = window.findChild<QAction*>(QStringLiteral("FileInsuranceReport"));
            QVERIFY(action);
            QVERIFY(window.findChild<QMenu*>(QStringLiteral("FileMenu"))->actions().contains(action));
            QVERIFY(window.findChild<QToolBar*>(QStringLiteral("FileToolBar"))->actions().contains(action));
            const QString target = path(QStringLiteral("forsikring"));
            m_dialogs->chooseFile(target);
            QTimer::singleShot(0, this, [] {
                auto* dialog = qobject_cast<InsuranceReportDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->findChild<QLineEdit*>(QStringLiteral("InsuranceOwnerName"))->setText(QStringLiteral("Ejer"));
                dialog->accept();
            });
            action->trigger();
            QVERIFY2(m_dialogs->boxes.isEmpty(), qPrintable(m_dialogs->lastText()));
            QVERIFY(QFile::exists(target + QStringLiteral(".pdf")));
            QCOMPARE(AppSettings::Insurance().ownerName, QStringLiteral("Ejer"));
            if (TestSupport::haveProgram("pdftotext") && TestSupport::haveProgram("pdfimages")) {
                const QString text =
                    flat(TestSupport::pdfPages(target + QStringLiteral(".pdf")).join(QLatin1Char(' ')));
                for (int column : labels) {
                    const QString caption = ColumnNames::Title(column).remove(QLatin1Char('&')).trimmed();
                    QVERIFY2(text.contains(caption), qPrintable(caption));
                }
                QVERIFY(!imagesIn(target + QStringLiteral(".pdf")).isEmpty()); // the sample's photos are in
            }
            window.close();
        }
    }
};

QTEST_MAIN(TestInsuranceReport)
#include "tst_insurance_report.moc"
