// The group report (its text, the dialog, the print-out) and what reaches paper in each language.
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ItemListView.h"
#include "output/ListPrintCommand.h"
#include "output/ReportDialog.h"
#include "printing/PrintSettings.h"
#include "printing/ReportLines.h"
#include "tests/TestSupport.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

Item* makeItem(int group, int count, double price, double priceToday) {
    auto* item = new Item;
    item->SetGroup(group);
    item->SetNumberOfItems(count);
    item->SetPrice(price);
    item->SetPriceToday(priceToday);
    return item;
}

// Groups Stue, (no name), Køkken and Garage; Garage has no items, one item is in group 9, beyond the list.
void fill(DBItemCollection& c) {
    c.Groups().SetEntries({QStringLiteral("Stue"), QString(), QStringLiteral("Køkken"), QStringLiteral("Garage")});
    c.Add(makeItem(0, 5, 100, 50));
    c.Add(makeItem(0, 5, 10.2, 7.5));
    c.Add(makeItem(1, 1, 1000, 900));
    c.Add(makeItem(2, 2, 999.9, 0));
    c.Add(makeItem(9, 3, 1, 1));
}

// An item of the print-outs in every language.
Item* printedItem(const QString& name, int group, double price) {
    Item* item = makeItem(group, 2, price, price / 2);
    item->SetName(name);
    item->SetDate(QStringLiteral("01.02.2020"));
    return item;
}

// Where a text ends (index of its last character) in a line, or -1.
int endOf(const QString& line, const QString& text, int from = 0) {
    const int at = line.indexOf(text, from);
    return at < 0 ? -1 : at + text.size() - 1;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::isolateSettings(); }

    void init() {
        TestSupport::clearSettings();
        TestSupport::installTranslation(QStringLiteral("dk"));
        ColumnNames::Reset();
    }

    void textOfEveryEdition_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QStringList>("view");
        const QStringList counting = {
            QStringLiteral("-------Gruppe----------------Antal---Pris----Vurd."),
            QString(),
            QStringLiteral("Garage                       0       0.0       0.0"),
            QStringLiteral("Køkken                       2    1999.8       0.0"),
            QStringLiteral("Stue                        10     551.0      57.5"),
            QString(57, QLatin1Char('-')),
            QStringLiteral("I alt                       16    3553.8     958.5"),
            QStringLiteral("Antal poster: 5"),
        };
        QTest::newRow("Tovik") << int(Tovik) << counting;
        QTest::newRow("Ostrel") << int(Ostrel) << counting;
        QTest::newRow("Brevane") << int(Brevane) << counting;
        QTest::newRow("Pellin") << int(Pellin)
                                << QStringList{
                                       QStringLiteral("-------Gruppe-------------------Pris----Vurd."),
                                       QString(),
                                       QStringLiteral("Garage                          0.0       0.0"),
                                       QStringLiteral("Køkken                        999.9       0.0"),
                                       QStringLiteral("Stue                          110.2      57.5"),
                                       QString(57, QLatin1Char('-')),
                                       QStringLiteral("I alt                        2111.1     958.5"),
                                       QStringLiteral("Antal poster: 5"),
                                   };
    }
    void textOfEveryEdition() {
        QFETCH(int, edition);
        QFETCH(QStringList, view);
        SetEdition(edition);
        DBItemCollection c(nullptr);
        fill(c);
        const ReportLines report(c);
        // The window scrolls the group lines and keeps the totals below them; the total counts pieces, the
        // count line records.
        QCOMPARE(report.ViewText().split(QLatin1Char('\n')), view.mid(0, 6));
        QCOMPARE(report.TotalsText().split(QLatin1Char('\n')), view.mid(6));
        // Printed: the group lines, the hyphen line and the total; then the count of records.
        QCOMPARE(report.Lines(), view.mid(2, 5));
        QCOMPARE(report.CountLine(), QStringLiteral("Antal poster: 5"));
    }

    // A "%2" in a group name stays as it is: the line is filled in one pass.
    void placeholdersInAGroupName() {
        SetEdition(Tovik);
        DBItemCollection c(nullptr);
        c.Groups().SetEntries({QStringLiteral("Udsalg 50%2 %1")});
        c.Add(makeItem(0, 1, 3, 2));
        QCOMPARE(ReportLines::GroupLine(c, c.Groups().Entry(0), 0),
                 QStringLiteral("Udsalg 50%2 %1               1       3.0       2.0"));
        QCOMPARE(ReportLines::GroupLine(c, QString(), 0), QString());
    }

    // The texts of each language line the numbers up under the column titles of the window's header line,
    // and the printed heading's words end where the numbers end.
    void textsLineUp_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        for (const char* language : {"dk", "no", "en"}) {
            QTest::addRow("%s", language) << int(Tovik) << language;
            QTest::addRow("%s Pellin", language) << int(Pellin) << language;
        }
    }
    void textsLineUp() {
        QFETCH(int, edition);
        QFETCH(QString, language);
        const bool pellin = edition == Pellin;
        SetEdition(edition);
        TestSupport::installTranslation(language);
        ColumnNames::Reset();
        DBItemCollection c(nullptr);
        c.Groups().SetEntries({QStringLiteral("Stue")});
        // The widest values the columns hold.
        c.Add(pellin ? makeItem(0, 1, 9999999.9, 9999999.9) : makeItem(0, 9999, 1000.0, 9999999.9));
        const ReportLines report(c);
        const QString header = report.ColumnHeaderLine();
        const QString line = report.Lines().first();
        const QStringList headerWords = report.PrintHeader().split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(1);
        QVERIFY(line.startsWith(QStringLiteral("Stue ")));
        // The numbers, right-aligned, and the titles they belong under.
        const QStringList numbers =
            pellin ? QStringList{"9999999.9", "9999999.9"} : QStringList{"9999", "9999000.0", "9999999.9"};
        QStringList titles;
        for (int column : {ColumnNames::Count, ColumnNames::Price, ColumnNames::PriceToday})
            titles << ColumnNames::Title(column);
        if (pellin)
            titles.removeFirst();
        QCOMPARE(headerWords.size(), numbers.size());
        int from = 25;
        for (int i = 0; i < numbers.size(); ++i) {
            const int end = endOf(line, numbers.at(i), from);
            QVERIFY(end > from);
            QCOMPARE(line.at(end - numbers.at(i).size()), QLatin1Char(' ')); // columns apart
            const int titleEnd = endOf(header, titles.at(i));
            QVERIFY(end >= titleEnd - titles.at(i).size() + 1 && end <= titleEnd);
            QCOMPARE(endOf(report.PrintHeader(), headerWords.at(i)), end);
            from = end + 1;
        }
    }

    // The dialog shows the text in a fixed-pitch font and prints it; a cancelled print says nothing.
    void dialogShowsAndPrints() {
        SetEdition(Tovik);
        DBItemCollection c(nullptr);
        fill(c);
        ReportDialog dialog(&c, nullptr, "report", false);
        auto* view = dialog.findChild<QPlainTextEdit*>(QStringLiteral("reportMultiLineEdit"));
        QVERIFY(view);
        QVERIFY(view->isReadOnly());
        QCOMPARE(view->toPlainText(), dialog.Report().ViewText());
        auto* totals = dialog.findChild<QLabel*>(QStringLiteral("totalsLabel"));
        QVERIFY(totals);
        QCOMPARE(totals->text(), dialog.Report().TotalsText());
        QCOMPARE(totals->font(), view->font());
        const QFontMetrics metrics(view->font()); // every character as wide as the next
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiiii")),
                 metrics.horizontalAdvance(QStringLiteral("MMMMM")));

        // A snapshot: later changes do not reach an open report.
        c.Add(makeItem(0, 1, 1, 1));
        QCOMPARE(view->toPlainText(), dialog.Report().ViewText());
        QVERIFY(dialog.Report().CountLine().endsWith(QStringLiteral(" 5")));

        QTemporaryDir dir;
        TestDialogs dialogs;
        dialogs.printTo(QString()); // cancelled: nothing printed, nothing said
        auto* print = dialog.findChild<QPushButton*>(QStringLiteral("reportPushButton"));
        QVERIFY(print);
        QTest::mouseClick(print, Qt::LeftButton);
        QVERIFY(dialogs.boxes.isEmpty());
        QVERIFY(QDir(dir.path()).isEmpty());

        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        dialogs.printTo(pdf);
        QTest::mouseClick(print, Qt::LeftButton);
        if (!TestSupport::haveProgram("pdftotext"))
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QStringList pages = TestSupport::pdfPages(pdf); // the snapshot: five records, not six
        QCOMPARE(pages.size(), 1);
        QCOMPARE(TestSupport::simplifiedLines(pages.first()),
                 (QStringList{"Gruppe Stk. Købspris Vurderet", "Garage 0 0.0 0.0", "Køkken 2 1999.8 0.0",
                              "Stue 10 551.0 57.5", QString(57, QLatin1Char('-')), "I alt 16 3553.8 958.5",
                              "Antal poster: 5"}));
    }

    // On a 1024x768 screen the totals are in view however many groups there are, and a short report shows
    // every line without scrolling.
    void dialogFitsItsText_data() {
        QTest::addColumn<int>("groups");
        QTest::newRow("short") << 12;
        QTest::newRow("taller than the screen") << 80;
    }
    void dialogFitsItsText() {
        QFETCH(int, groups);
        SetEdition(Tovik);
        DBItemCollection c(nullptr);
        QStringList names;
        for (int i = 0; i < groups; ++i) {
            names << QStringLiteral("Gruppe %1").arg(i);
            c.Add(makeItem(i, 1, 1000.0 * i, 0));
        }
        c.Groups().SetEntries(names);
        ReportDialog dialog(&c);
        const QRect screen(0, 0, 1024, 768);
        dialog.SizeToText(screen);
        dialog.move(0, 0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(screen.contains(dialog.frameGeometry()));
        auto* totals = dialog.findChild<QLabel*>(QStringLiteral("totalsLabel"));
        QVERIFY(totals->isVisible());
        QVERIFY(dialog.rect().contains(QRect(totals->mapTo(&dialog, QPoint(0, 0)), totals->size())));
        QVERIFY(totals->height() >= totals->sizeHint().height());
        auto* view = dialog.findChild<QPlainTextEdit*>(QStringLiteral("reportMultiLineEdit"));
        QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
        if (groups < 20)
            QCOMPARE(view->verticalScrollBar()->maximum(), 0);
    }

    // A report longer than a page goes on over several pages, each with the heading; nothing is lost.
    void longReportBreaksPages() {
        if (!TestSupport::haveProgram("pdftotext"))
            QSKIP("pdftotext (poppler-utils) is not installed");
        SetEdition(Tovik);
        DBItemCollection c(nullptr);
        QStringList groups;
        for (int i = 0; i < 150; ++i)
            groups << QStringLiteral("Gruppe %1").arg(i, 3, 10, QLatin1Char('0'));
        c.Groups().SetEntries(groups);
        for (int i = 0; i < 150; ++i)
            c.Add(makeItem(i, 1, i, 0));
        const ReportLines report(c);
        QTemporaryDir dir;
        for (int resolution : {96, 1200}) {
            const QString pdf = dir.filePath(QStringLiteral("report%1.pdf").arg(resolution));
            {
                QPdfWriter writer(pdf);
                writer.setResolution(resolution);
                QVERIFY(PrintReport(report, &writer));
            }
            const QStringList pages = TestSupport::pdfPages(pdf);
            QVERIFY(pages.size() >= 3);
            QStringList printed;
            for (const QString& page : pages) {
                const QStringList lines = TestSupport::simplifiedLines(page);
                QCOMPARE(lines.first(), QStringLiteral("Gruppe Stk. Købspris Vurderet"));
                printed << lines.mid(1);
            }
            QCOMPARE(printed.size(), 150 + 3);
            for (int i = 0; i < 150; ++i)
                QCOMPARE(printed.at(i), QStringLiteral("Gruppe %1 1 %2.0 0.0").arg(i, 3, 10, QLatin1Char('0')).arg(i));
            QCOMPARE(printed.at(150), QString(57, QLatin1Char('-')));
            QCOMPARE(printed.at(151), QStringLiteral("I alt 150 11175.0 0.0"));
            QCOMPARE(printed.at(152), QStringLiteral("Antal poster: 150"));
        }
    }

    // The item list, the group report and one item, printed into PDFs through the print dialog's seam and read
    // back as text, together with the status messages and the report window's texts: no upper-case key may
    // show, and the English and Norwegian print-outs carry no Danish.
    void noKeysAndNoDanishOnPaper_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("danish"); // words that must not be printed
        // Words only Danish has (Norwegian writes "ferdig", "Antall", "Bilde", "Kjøpspris"...).
        const QStringList onlyDanish{"færdig",  "Antal", "Købspris", "Vurderet", "Billede", "Rum",
                                     "Anslået", "Værdi", "Udskriv",  "afbrudt",  "Beløb",   "Løbenummer"};
        // English shares none of the Danish words of the print-outs.
        const QStringList alsoNorwegian{"Gruppe",  "Navn",  "Fabrikat", "Pris", "Dato",   "Beskrivelse", "Kvitt.",
                                        "Adresse", "I alt", "Stk.",     "Nr.",  "poster", "Pris i alt"};
        for (int edition : {int(Tovik), int(Pellin)}) {
            const QString name = edition == Tovik ? QStringLiteral("Tovik") : QStringLiteral("Pellin");
            QTest::addRow("%s dk", qPrintable(name)) << edition << "dk" << QStringList();
            QTest::addRow("%s no", qPrintable(name)) << edition << "no" << onlyDanish;
            QTest::addRow("%s en", qPrintable(name)) << edition << "en" << onlyDanish + alsoNorwegian;
        }
    }
    void noKeysAndNoDanishOnPaper() {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(QStringList, danish);
        if (!TestSupport::haveProgram("pdftotext"))
            QSKIP("pdftotext (poppler-utils) is not installed");
        SetEdition(edition);
        TestSupport::clearSettings();
        Settings().setValue(QStringLiteral("Language"), language);
        TestSupport::setRegisterFolder(QString()); // no lists from disk
        TestSupport::installTranslation(language);
        ColumnNames::Reset();
        PrintSettings settings;
        settings.printItemCount = true;

        DBItemCollection collection(nullptr);
        collection.Groups().SetEntries({QStringLiteral("Audio"), QStringLiteral("Video")});
        collection.Locations().SetEntries({QStringLiteral("A1")});
        collection.Add(printedItem(QStringLiteral("Radio"), 0, 1200));
        collection.Add(printedItem(QStringLiteral("Monitor"), 1, 800));
        ItemListView view(nullptr);
        view.Fill(&collection);
        view.ViewAll(true);

        QTemporaryDir dir;
        TestDialogs dialogs;
        const QStringList pdfs{dir.filePath("list.pdf"), dir.filePath("report.pdf"), dir.filePath("item.pdf")};
        dialogs.printTo(QString()); // the cancelled print says so too
        RunListPrint(collection, settings, nullptr);
        dialogs.printTo(pdfs[0]);
        RunListPrint(collection, settings, nullptr);
        ReportDialog reportDialog(&collection);
        dialogs.printTo(pdfs[1]);
        reportDialog.findChild<QPushButton*>(QStringLiteral("reportPushButton"))->click();
        ItemDialog itemDialog(&collection, collection.At(0), QStringLiteral("DATA"), false);
        dialogs.printTo(pdfs[2]);
        itemDialog.findChild<QPushButton*>(QStringLiteral("printButton"))->click();

        QStringList texts;
        for (const QString& pdf : pdfs) {
            texts << TestSupport::pdfPages(pdf).join(QLatin1Char('\n'));
            QVERIFY(texts.last().contains(QLatin1String("Audio")));
        }
        texts << dialogs.status << reportDialog.windowTitle()
              << reportDialog.findChild<QPlainTextEdit*>(QStringLiteral("reportMultiLineEdit"))->toPlainText()
              << reportDialog.findChild<QLabel*>(QStringLiteral("totalsLabel"))->text();
        const QString all = texts.join(QLatin1Char('\n'));

        const QRegularExpressionMatch key = QRegularExpression(QStringLiteral("[A-Z]{2,}_[A-Z_]+")).match(all);
        QVERIFY2(!key.hasMatch(), qPrintable(key.captured() + QStringLiteral(" in:\n") + all));
        for (const QString& word : danish) {
            const QRegularExpression whole(QStringLiteral("(?<!\\w)%1(?!\\w)").arg(QRegularExpression::escape(word)),
                                           QRegularExpression::UseUnicodePropertiesOption);
            QVERIFY2(!whole.match(all).hasMatch(), qPrintable(word + QStringLiteral(" in:\n") + all));
        }
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
