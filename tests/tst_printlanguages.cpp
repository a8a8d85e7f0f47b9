// What reaches paper in each language: the item list, the group report and one item, printed into PDFs
// through the print dialog's seam and read back as text, together with the status messages and the report
// window's texts. No upper-case key may show, and the English and Norwegian print-outs carry no Danish.

#include "TestSupport.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ItemListView.h"
#include "output/ListPrintCommand.h"
#include "output/PrintSettings.h"
#include "output/ReportDialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

bool havePdftotext() {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-v")});
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit;
}

Item* makeItem(const QString& name, int group, double price) {
    auto* item = new Item;
    item->SetName(name);
    item->SetGroup(group);
    item->SetLocation(0);
    item->SetNumberOfItems(2);
    item->SetPrice(price);
    item->SetPriceToday(price / 2);
    item->SetDate(QStringLiteral("01.02.2020"));
    return item;
}

} // namespace

class TestPrintLanguages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::isolateSettings(); }

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
        if (!havePdftotext())
            QSKIP("pdftotext (poppler-utils) is not installed");
        SetEdition(edition);
        TestSupport::clearSettings();
        Settings().setValue(QStringLiteral("Language"), language);
        Settings().setValue(QStringLiteral("LastDBDir"), QString()); // no lists from disk
        TestSupport::installTranslation(language);
        ColumnNames::Reset();
        PrintSettings settings = PrintSettings::Defaults();
        settings.printItemCount = true;
        settings.Save();

        DBItemCollection collection(nullptr);
        collection.Groups().SetEntries({QStringLiteral("Audio"), QStringLiteral("Video")});
        collection.Locations().SetEntries({QStringLiteral("A1")});
        collection.Add(makeItem(QStringLiteral("Radio"), 0, 1200));
        collection.Add(makeItem(QStringLiteral("Monitor"), 1, 800));
        ItemListView view(nullptr);
        view.Fill(&collection);
        view.ViewAll(true);

        QTemporaryDir dir;
        TestDialogs dialogs;
        const QString list = dir.filePath(QStringLiteral("list.pdf"));
        const QString report = dir.filePath(QStringLiteral("report.pdf"));
        const QString item = dir.filePath(QStringLiteral("item.pdf"));
        dialogs.printTo(QString()); // the cancelled print says so too
        RunListPrint(collection, nullptr);
        dialogs.printTo(list);
        RunListPrint(collection, nullptr);

        ReportDialog reportDialog(&collection);
        dialogs.printTo(report);
        reportDialog.findChild<QPushButton*>(QStringLiteral("reportPushButton"))->click();

        ItemDialog itemDialog(&collection, collection.At(0), QStringLiteral("DATA"), false);
        dialogs.printTo(item);
        itemDialog.findChild<QPushButton*>(QStringLiteral("printButton"))->click();

        QStringList texts;
        for (const QString& pdf : {list, report, item}) {
            const QString text = TestSupport::pdfPages(pdf).join(QLatin1Char('\n'));
            QVERIFY2(text.contains(QLatin1String("Audio")), qPrintable(pdf + QStringLiteral(":\n") + text));
            texts << text;
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

QTEST_MAIN(TestPrintLanguages)
#include "tst_printlanguages.moc"
