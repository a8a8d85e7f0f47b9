#include "app/Edition.h"
#include "core/ColumnNames.h"
#include "core/CsvFile.h"
#include "core/CsvImport.h"
#include "core/DBItemCollection.h"
#include "mainwindow/CsvImportDialog.h"
#include "mainwindow/vestrumwindow.h"
#include "tests/TestSupport.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

namespace {

QByteArray exportBytes(const std::vector<const Item*>& items, const DBItemCollection& lists) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!CsvFile::Write(&buffer, items, lists, &error))
        qWarning("%s", qPrintable(error));
    return buffer.data();
}

// The blocking problems as "ROW|TEXT" lines, notes as "ROW~TEXT".
QStringList problemLines(const CsvImport::Outcome& outcome) {
    QStringList lines;
    for (const CsvImport::Problem& p : outcome.problems)
        lines << QString::number(p.row) + (p.blocking ? QLatin1Char('|') : QLatin1Char('~')) + p.text;
    return lines;
}

QString rowsText(const std::vector<CsvFile::Row>& rows) {
    QStringList lines;
    for (const CsvFile::Row& row : rows)
        lines << QString::number(row.number) + (row.open ? QStringLiteral("!") : QString()) + QLatin1Char(':') +
                     row.cells.join(QLatin1Char('|'));
    return lines.join(QLatin1Char('/'));
}

} // namespace

// File → Export → CSV and File → Import → CSV: the file both ways, the import's rules and its dialog.
class TestCsv : public QObject {
    Q_OBJECT
private:
    QTemporaryDir* m_install = nullptr;
    std::unique_ptr<TestSupport::SampleInstallation> m_sample;
    TestDialogs* m_dialogs = nullptr;
    DBItemCollection* m_lists = nullptr;

    // The window tests run in a copy of the installation, on its sample register.
    void enterInstallation() { m_sample = std::make_unique<TestSupport::SampleInstallation>(); }

    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = m_install->filePath(name);
        TestSupport::writeAll(path, bytes);
        return path;
    }

private slots:
    void initTestCase() {
        TestSupport::isolateSettings();
        TestSupport::installTranslation(QStringLiteral("dk"));
    }
    void init() {
        SetEdition(Tovik);
        TestSupport::clearSettings();
        ColumnNames::Reset();
        DBItemCollection::SetModified(false);
        m_install = new QTemporaryDir;
        m_dialogs = new TestDialogs;
        m_lists = new DBItemCollection(nullptr);
        m_lists->Groups().SetEntries(
            {QStringLiteral("Stue"), QStringLiteral("Køkken"), QStringLiteral("Diverse"), QStringLiteral("diverse")});
        m_lists->Locations().SetEntries({QStringLiteral("Kælder"), QStringLiteral("Loft")});
    }
    void cleanup() {
        delete m_lists;
        delete m_dialogs;
        m_sample.reset();
        delete m_install;
    }

    // ";" and line breaks survive the CSV file but not the register's file: the import changes them and says so.
    void roundTripOfTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("imported");
        QTest::addColumn<int>("notes");
        QTest::newRow("199 characters") << QString(199, QLatin1Char('x')) << QString(199, QLatin1Char('x')) << 0;
        QTest::newRow("semicolon") << QStringLiteral("a;b") << QStringLiteral("a,b") << 2;
        QTest::newRow("line breaks") << QStringLiteral("en\r\nto\nTRE") << QStringLiteral("en to TRE") << 2;
        QTest::newRow("250 characters") << QString(250, QLatin1Char('y')) << QString(199, QLatin1Char('y')) << 2;
    }
    void roundTripOfTexts() {
        QFETCH(QString, text);
        QFETCH(QString, imported);
        QFETCH(int, notes);
        Item item;
        item.SetGroup(1);
        item.SetName(text);
        item.SetDescription(text);
        item.SetPrice(1234.56);
        const QByteArray bytes = exportBytes({&item}, *m_lists);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(bytes.endsWith("\r\n"));

        // The CSV file keeps every text as it was.
        const std::vector<CsvFile::Row> rows = CsvFile::Parse(CsvFile::Decode(bytes, CsvFile::Utf8), QLatin1Char(','));
        QCOMPARE(int(rows.size()), 2);
        QCOMPARE(rows[0].cells, CsvFile::HeaderCaptions());
        QCOMPARE(rows[1].cells.mid(0, 2), (QStringList{"Køkken", text}));
        QCOMPARE(rows[1].cells.at(ColumnNames::Price), QStringLiteral("1234.56"));

        CsvImport import;
        import.SetData(bytes);
        CsvImport::Outcome outcome;
        const auto items = import.Items(import.DefaultMapping(), *m_lists, Tovik, false, &outcome);
        QCOMPARE(outcome.problemRows, 0);
        QCOMPARE(int(outcome.problems.size()), notes);
        QCOMPARE(int(items.size()), 1);
        QCOMPARE(items.front()->GetName(), imported);
        QCOMPARE(items.front()->GetDescription(), imported);
    }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rows");
        QTest::newRow("CRLF, LF and CR") << QStringLiteral("a,b\r\nc,d\ne,f\rg")
                                         << QStringLiteral("1:a|b/2:c|d/3:e|f/4:g");
        QTest::newRow("quoted line break and quotes")
            << QStringLiteral("\"x\r\ny\",\"say \"\"hi\"\"\"\r\nz,") << QStringLiteral("1:x\r\ny|say \"hi\"/2:z|");
        QTest::newRow("blank lines are rows without cells")
            << QStringLiteral("a\n\n\nb\n") << QStringLiteral("1:a/2:/3:/4:b");
        QTest::newRow("quote inside a field") << QStringLiteral("5\" disk,b") << QStringLiteral("1:5\" disk|b");
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(QString, rows);
        QCOMPARE(rowsText(CsvFile::Parse(text, QLatin1Char(','))), rows);
    }

    void detection_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("firstCell");
        // clang-format off
        QTest::newRow("UTF-8 BOM, semicolons") << QByteArray("\xEF\xBB\xBFNavn;Pris\r\nSk\xC3\xA6nk;1,5\r\n") << int(CsvFile::Utf8) << ";" << "Skænk";
        QTest::newRow("UTF-8, quoted comma") << QByteArray("Navn,Pris\n\"Stel, 12\",5\nB\xC3\xB8rn,6\n") << int(CsvFile::Utf8) << "," << "Stel, 12";
        QTest::newRow("Latin-1, semicolons") << QByteArray("Navn;Pris\r\nSk\xE6nk;1,5\r\n") << int(CsvFile::Latin1) << ";" << "Skænk";
        QTest::newRow("Windows-1252 euro") << QByteArray("Navn;Pris\r\n\x80 mynt;2\r\n") << int(CsvFile::Latin1) << ";" << "€ mynt";
        QTest::newRow("UTF-16 with tabs") << QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(u"Navn\tP\n\u00F8l\t1\n"), 24)
                                          << int(CsvFile::Utf16) << "\t" << "øl";
        // clang-format on
    }
    void detection() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, encoding);
        QFETCH(QString, separator);
        QFETCH(QString, firstCell);
        CsvImport import;
        import.SetData(bytes);
        QCOMPARE(int(import.Encoding()), encoding);
        QCOMPARE(QString(import.Separator()), separator);
        QCOMPARE(import.ColumnCount(), 2);
        QCOMPARE(import.DataRow(0).cells.at(0), firstCell);
    }

    // Every row's problem with its row number (the header is row 1); a row with a problem gives no item, and
    // then no row goes in unless the caller asks for the others.
    void importRows_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("problems");
        QTest::addColumn<int>("good");
        const QByteArray header = "Navn;Pris;Gruppe;Antal;Dato;Farve\r\n";
        QTest::newRow("clean, Danish numbers, names of any case, an unmapped column")
            << header + "Skab;1.234,50;køkken;2;1.2.2003;rød\r\nStol;;1;;2003-02-01;\r\n"
            << QStringList() << 2;
        QTest::newRow("price no number") << header + "Skab;abc;;;;\r\nStol;10;;;;\r\n"
                                         << QStringList{"2|'Pris' er ikke et tal: \"abc\""} << 1;
        QTest::newRow("negative price, count")
            << header + "Skab;-5;;;;\r\nBord;1;;2,5;;\r\n"
            << QStringList{"2|'Pris' skal være fra 0 til 9999999: \"-5\"",
                           "3|'Antal' skal være et helt tal fra 0 til 100000: \"2,5\""}
            << 0;
        QTest::newRow("unknown and ambiguous group")
            << header + "A;1;Have;;;\r\nB;1;Diverse;;;\r\nC;1;Stue;;;\r\n"
            << QStringList{"2|'Gruppe': \"Have\" står ikke i listen", "3|'Gruppe': \"Diverse\" står ikke i listen"}
            << 1;
        QTest::newRow("characters the register cannot hold")
            << QByteArray("Navn;Pris\r\n") + QString::fromUtf8("Mønt 2 €;1\r\n漢字;1\r\n").toUtf8()
            << QStringList{QString::fromUtf8("2|'Navn' har tegnet \"€\" (U+20AC), som registret ikke kan gemme"),
                           QString::fromUtf8("3|'Navn' har tegnet \"漢\" (U+6F22), som registret ikke kan gemme")}
            << 0;
        QTest::newRow("name missing, bad date, too many fields, quote never ends")
            << header + ";1;;;;\r\nA;1;;;31.02.2010;\r\nB;1;;;;;x\r\nC;\"1;;;;\r\n"
            << QStringList{"2|'Navn' mangler", "3|'Dato' er ingen dato (dd.mm.åååå): \"31.02.2010\"",
                           "4|Rækken har 7 felter, overskriften 6",
                           "5|Et felt i anførselstegn slutter ikke før filens slutning"}
            << 0;
    }
    void importRows() {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, problems);
        QFETCH(int, good);
        CsvImport import;
        import.SetData(csv);
        const std::vector<int> mapping = import.DefaultMapping();
        CsvImport::Outcome outcome;
        const auto all = import.Items(mapping, *m_lists, Tovik, false, &outcome);
        QCOMPARE(problemLines(outcome), problems);
        QCOMPARE(outcome.goodRows(), good);
        QCOMPARE(int(all.size()), problems.isEmpty() ? good : 0);
        const auto some = import.Items(mapping, *m_lists, Tovik, true);
        QCOMPARE(int(some.size()), good);
        if (QByteArray(QTest::currentDataTag()).startsWith("clean")) {
            QCOMPARE(mapping, (std::vector<int>{ColumnNames::Name, ColumnNames::Price, ColumnNames::Group,
                                                ColumnNames::Count, ColumnNames::Date, CsvImport::Ignored}));
            QCOMPARE(some[0]->GetPrice(), 1234.5);
            QCOMPARE(some[0]->GetPriceToday(), 1234.5); // a home's item is worth what it cost
            QCOMPARE(some[0]->GetGroup(), 1);
            QCOMPARE(some[0]->GetDate(), QStringLiteral("01.02.2003"));
            QCOMPARE(some[1]->GetNumberOfItems(), 1);
            QCOMPARE(some[1]->GetDate(), QStringLiteral("01.02.2003"));
        }
    }

    // A generated register out and back in: every item equal; groups and locations without a name go as numbers.
    void registerRoundTrip() {
        DBItemCollection collection(nullptr);
        collection.Groups().SetEntries(m_lists->Groups().Entries());
        for (int i = 0; i < 300; ++i) {
            auto* item = new Item;
            item->SetGroup(i % 6); // 2 and 3 share a name, 4 and 5 have none: numbers
            item->SetName(QStringLiteral("Ting \"%1\", nr. %1").arg(i));
            item->SetPrice(i * 1.01);
            item->SetPriceToday(i / 3.0);
            item->SetNumberOfItems(i % 4);
            item->SetLocation(i % 3);
            item->SetWww(QStringLiteral("https://x.dk/?a=%1&b=æ").arg(i));
            item->SetDate(i % 2 ? QStringLiteral("24.12.1999") : QString());
            item->SetDescription(i % 2 ? QStringLiteral("  æøå ÆØÅ é  ") : QString()); // blanks and letters kept
            collection.Add(item);
        }
        const std::vector<const Item*> items(collection.begin(), collection.end());
        CsvImport import;
        import.SetData(exportBytes(items, collection));
        const auto back = import.Items(import.DefaultMapping(), collection, Tovik, false);
        QCOMPARE(int(back.size()), collection.Count());
        for (int i = 0; i < collection.Count(); ++i) {
            const Item& a = *collection.At(i);
            const Item& b = *back[size_t(i)];
            QCOMPARE(b.GetGroup(), a.GetGroup());
            QCOMPARE(b.GetLocation(), a.GetLocation());
            QCOMPARE(b.GetNumberOfItems(), a.GetNumberOfItems());
            QCOMPARE(b.GetPrice(), a.GetPrice());
            QCOMPARE(b.GetPriceToday(), a.GetPriceToday());
            QCOMPARE(b.AllLatin1(), a.AllLatin1()); // every text, the date too
        }
    }

    // The menu entries with the file chooser and the mapping dialog answered through the seam.
    void exportThenImportThroughTheWindow() {
        enterInstallation();
        MainWindow window;
        const int before = window.Collection()->Count();
        QVERIFY(before > 0);
        const QString csv = m_install->filePath(QStringLiteral("ud"));
        m_dialogs->chooseFile(csv);
        window.findChild<QAction*>(QStringLiteral("FileExportCsv"))->trigger();
        const QByteArray bytes = TestSupport::readAll(csv + QStringLiteral(".csv"));
        QCOMPARE(int(bytes.count("\r\n")), before + 1);
        QVERIFY(!DBItemCollection::IsModified());

        // The same file back, its "Navn" column renamed so that it maps to nothing until the user chooses.
        QByteArray renamed = bytes;
        renamed.replace(QByteArray("\xEF\xBB\xBF") + ColumnNames::Title(0).toUtf8() + ',' +
                            ColumnNames::Title(1).toUtf8() + ',',
                        QByteArray("\xEF\xBB\xBF") + ColumnNames::Title(0).toUtf8() + ",Betegnelse,");
        m_dialogs->chooseFile(writeFile(QStringLiteral("ind.csv"), renamed));
        QStringList firstProblems;
        bool importEnabledBefore = true;
        int nameColumnField = 0;
        m_dialogs->driveWindow([&](QObject* shown) {
            auto* dialog = qobject_cast<CsvImportDialog*>(shown);
            if (!dialog)
                return 0;
            auto* problems = dialog->findChild<QListWidget*>(QStringLiteral("problems"));
            for (int i = 0; i < std::min(2, problems->count()); ++i)
                firstProblems << problems->item(i)->text();
            importEnabledBefore = dialog->findChild<QPushButton*>(QStringLiteral("import"))->isEnabled();
            nameColumnField = dialog->FieldBox(1)->currentData().toInt();
            dialog->SetField(1, ColumnNames::Name);
            return dialog->findChild<QPushButton*>(QStringLiteral("import"))->isEnabled() ? int(QDialog::Accepted)
                                                                                          : int(QDialog::Rejected);
        });
        window.findChild<QAction*>(QStringLiteral("FileImportCsv"))->trigger();
        QVERIFY(m_dialogs->windows.isEmpty());
        QVERIFY(m_dialogs->boxes.isEmpty());
        QCOMPARE(nameColumnField, int(CsvImport::Ignored));
        QCOMPARE(firstProblems.value(0), QStringLiteral("Række 2: '%1' mangler").arg(ColumnNames::Title(1)));
        QVERIFY(!importEnabledBefore);
        QCOMPARE(window.Collection()->Count(), 2 * before);
        QVERIFY(DBItemCollection::IsModified());
        for (int i = 0; i < before; ++i)
            QCOMPARE(window.Collection()->At(before + i)->AllLatin1(), window.Collection()->At(i)->AllLatin1());
    }

    // Files with nothing to import say so; a problem row blocks the import until the user leaves it out.
    void importWithoutRowsOrWithProblemRows_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("box");
        QTest::newRow("empty file") << QByteArray() << "er tom.";
        QTest::newRow("header only") << QByteArray("Navn;Pris\r\n")
                                     << "har ingen rækker at indlæse, kun en overskrift.";
        QTest::newRow("problem row skipped") << QByteArray("Navn;Pris\r\nA;1\r\nB;x\r\n") << "";
    }
    void importWithoutRowsOrWithProblemRows() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, box);
        enterInstallation();
        MainWindow window;
        const int before = window.Collection()->Count();
        m_dialogs->chooseFile(writeFile(QStringLiteral("in.csv"), csv));
        if (!box.isEmpty()) {
            m_dialogs->expectBoxes(1);
        } else {
            m_dialogs->driveWindow([](QObject* shown) {
                auto* dialog = qobject_cast<CsvImportDialog*>(shown);
                auto* import = dialog->findChild<QPushButton*>(QStringLiteral("import"));
                if (import->isEnabled())
                    return int(QDialog::Rejected);
                dialog->findChild<QCheckBox*>(QStringLiteral("skipProblemRows"))->setChecked(true);
                return import->isEnabled() ? int(QDialog::Accepted) : int(QDialog::Rejected);
            });
        }
        window.findChild<QAction*>(QStringLiteral("FileImportCsv"))->trigger();
        QVERIFY(m_dialogs->windows.isEmpty());
        if (!box.isEmpty())
            QVERIFY(m_dialogs->lastText().endsWith(box));
        QCOMPARE(window.Collection()->Count(), before + (box.isEmpty() ? 1 : 0));
        QCOMPARE(DBItemCollection::IsModified(), box.isEmpty());
    }
};

QTEST_MAIN(TestCsv)
#include "tst_csv.moc"
