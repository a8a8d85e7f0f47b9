#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "printing/PrintSettings.h"
#include "tests/TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QUrl>
#include <QXmlStreamReader>

#include <memory>

namespace {

// Answers the texts of the exports that only a translation file gives words, so the expected files do not
// depend on the state of the translation files.
class ExportTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (qstrcmp(context, "DBItemCollection") != 0)
            return QString();
        if (qstrcmp(source, "ITEM_COUNT") == 0)
            return QStringLiteral("Nr.;");
        if (qstrcmp(source, "EXPORT_NOT_SAVED") == 0)
            return QStringLiteral("Filen kunne ikke gemmes i %1:\n%2");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

Item* makeItem(int group, const QString& name, double price, double priceToday, int location) {
    auto* item = new Item;
    item->SetGroup(group);
    item->SetName(name);
    item->SetPrice(price);
    item->SetPriceToday(priceToday);
    item->SetLocation(location);
    item->SetNumberOfItems(1);
    return item;
}

// Three items, added out of group order: the exports sort them by group.
void fillThree(DBItemCollection& c) {
    c.Groups().SetEntries({QStringLiteral("Køkken"), QStringLiteral("Stue"), QStringLiteral("Tom & Jerry <2>")});
    c.Locations().SetEntries({QStringLiteral("Kælder"), QStringLiteral("Loft")});

    Item* sofa = makeItem(1, QStringLiteral("Sofa"), 12.5, 8000.004, 0);
    sofa->SetProduct(QStringLiteral("Bolia"));
    sofa->SetProducttype(QStringLiteral("Scandinavia 3"));
    sofa->SetDate(QStringLiteral("01.02.2010"));
    sofa->SetSupplier(QStringLiteral("Bolia.com"));
    sofa->SetSerialno(QStringLiteral("S-1"));
    sofa->SetDescription(QStringLiteral("Grå stof"));
    sofa->SetAddress(QStringLiteral("Østergade 1"));
    sofa->SetWww(QStringLiteral("www.bolia.com"));
    c.Add(sofa);

    Item* coffee = makeItem(0, QStringLiteral("Kaffemaskine"), 1234.56, 0.04, 5); // location beyond the list
    coffee->SetProduct(QStringLiteral("Jura"));
    coffee->SetDate(QStringLiteral("15.06.2015"));
    coffee->SetNumberOfItems(2);
    c.Add(coffee);

    Item* cartoon = makeItem(2, QStringLiteral("Tom & Jerry <2>"), 0.0, 0.0, 1);
    cartoon->SetDescription(QStringLiteral("it's \"good\""));
    cartoon->SetDocument(QStringLiteral("/doc/a&b.pdf"));
    c.Add(cartoon);
}

QByteArray expected(const QString& name) {
    return TestSupport::readAll(TestSupport::testDataDir() + QStringLiteral("/export/") + name);
}

QByteArray html(DBItemCollection& c, const QString& path, bool heading, const Item* item, bool special,
                const PrintSettings* table = nullptr) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!c.WriteHtml(&buffer, path, heading, item, special, table))
        return "write failed";
    return buffer.data();
}

QByteArray xml(DBItemCollection& c) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!c.WriteXml(&buffer))
        return "write failed";
    return buffer.data();
}

// Reads a document in the encoding it declares; the text directly inside each element, trimmed and without
// the "; " of the numbered paragraphs, goes to texts, and the picture addresses to sources.
QString parseError(const QByteArray& bytes, QStringList* texts = nullptr, QStringList* sources = nullptr) {
    QXmlStreamReader reader(bytes);
    QStringList open{QString()};
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            open.append(QString());
            if (sources && reader.name() == QLatin1String("img"))
                sources->append(reader.attributes().value(QLatin1String("src")).toString());
            break;
        case QXmlStreamReader::Characters:
            open.last() += reader.text();
            break;
        case QXmlStreamReader::EndElement: {
            QString text = open.takeLast().trimmed();
            if (text.endsWith(QLatin1Char(';')))
                text.chop(1);
            if (texts && !text.isEmpty())
                texts->append(text);
            break;
        }
        default:
            break;
        }
    }
    return reader.hasError() ? QStringLiteral("%1 at line %2").arg(reader.errorString()).arg(reader.lineNumber())
                             : QString();
}

QString names(const DBItemCollection& c) {
    QStringList list;
    for (const Item* item : c)
        list << item->GetName();
    return list.join(QLatin1Char(','));
}

} // namespace

class TestExport : public QObject {
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
    }

    // The plain page and the XML of three items, and the XML of none (prices 1234.56 -> 1234.6, 0.04 -> 0.0).
    // Exporting leaves the collection in group order, for the item dialog's Previous and Next too. Then the
    // one item's page with its labels and linked files.
    void threeItemsAsHtmlAndXml() {
        DBItemCollection c(nullptr);
        fillThree(c);
        QCOMPARE(html(c, QStringLiteral("/data/register.db.htm"), true, nullptr, false),
                 expected(QStringLiteral("plain_three_items.htm")));
        QCOMPARE(names(c), QStringLiteral("Kaffemaskine,Sofa,Tom & Jerry <2>"));
        QCOMPARE(xml(c), expected(QStringLiteral("three_items.xml")));
        DBItemCollection empty(nullptr);
        QCOMPARE(xml(empty), expected(QStringLiteral("empty.xml")));

        Item* sofa = c.At(1);
        sofa->SetPhotolink(QStringLiteral("/billeder/sofa #1.jpg"));
        sofa->SetReceipt(QStringLiteral("/kvitteringer/bon \"2\" & co?.png"));
        sofa->SetDocument(QStringLiteral("/dok/manual.pdf"));
        QCOMPARE(html(c, QStringLiteral("ignored.htm"), false, sofa, false), expected(QStringLiteral("one_item.htm")));
    }

    // Either filter lets an item through; pictures and receipts as file: URLs; sorted as the settings say.
    void tableFormWithChosenColumnsAndBothFilters() {
        DBItemCollection c(nullptr);
        fillThree(c);
        Item* vase = makeItem(7, QStringLiteral("Vase"), 99.999, 100, 0); // a group beyond the list
        vase->SetPhotolink(QStringLiteral("/billeder/vase #1.jpg"));
        c.Add(vase);
        c.At(0)->SetPhotolink(QStringLiteral("/billeder/sofa \"rød\" ?.jpg"));
        c.At(0)->SetReceipt(QStringLiteral("/kvitteringer/bon 1.png"));

        PrintSettings settings;
        for (bool* flag : {&settings.printItemCount, &settings.printCountField, &settings.printPictureField,
                           &settings.printLocationField, &settings.printWwwField, &settings.printReceiptField,
                           &settings.printDescribeField, &settings.printGroupOnly})
            *flag = true;
        settings.printModelField = false;
        settings.printLocationOnly = true;
        settings.GroupToPrint = 1;    // Stue: the sofa
        settings.LocationToPrint = 0; // Kælder: the sofa and the vase
        settings.sortMethod = DBItemCollection::SortName;
        QCOMPARE(html(c, QStringLiteral("/data/register.db.htm"), false, nullptr, false, &settings),
                 expected(QStringLiteral("table_filters.htm")));
        QCOMPARE(names(c), QStringLiteral("Kaffemaskine,Sofa,Tom & Jerry <2>,Vase"));
    }

    // Ostrel's special cases: a value today of 0.0 is written and numbered, 0.01 leaves an empty paragraph;
    // with every coin valued the page says so instead of being blank.
    void ostrelSpecialCases() {
        SetEdition(Ostrel);
        DBItemCollection c(nullptr);
        c.Groups().SetEntries({QStringLiteral("Danmark"), QStringLiteral("Norge")});
        c.Locations().SetEntries({QStringLiteral("Album 1")});
        Item* a = makeItem(1, QStringLiteral("1875"), 10, 0.0, 0);
        a->SetProduct(QStringLiteral("Sølv"));
        a->SetSupplier(QStringLiteral("Sieg"));
        a->SetSerialno(QStringLiteral("12"));
        a->SetAddress(QStringLiteral("kv. 1+"));
        c.Add(a);
        c.Add(makeItem(0, QStringLiteral("1924"), 5, 0.01, 0));
        Item* d = makeItem(0, QStringLiteral("1960"), 1, 0.0, 3);
        d->SetProducttype(QStringLiteral("2 øre <rund>"));
        c.Add(d);
        QCOMPARE(html(c, QStringLiteral("/mønter/db.txt.htm"), true, nullptr, true),
                 expected(QStringLiteral("ostrel_special.htm")));
        a->SetPriceToday(12);
        d->SetPriceToday(0.5);
        const QByteArray none = html(c, QStringLiteral("/mønter/db.txt.htm"), true, nullptr, true);
        QCOMPARE(parseError(none), QString());
        QVERIFY(none.contains(QStringLiteral("<Items>\r\n<p>Der er ingen mønter uden vurdering.</p>\r\n").toLatin1()));
        QVERIFY(!none.contains("<Item>"));
    }

    // Markup, quotes, control characters (ESC, \x01, \x1f), a tab, a CR and Latin-1 letters in every text
    // an export holds: the item's twelve texts, the group and location names, the column headings and the
    // path. Each form parses as XML in its declared encoding and gives the text back, less the controls,
    // wherever it holds it: the XML's 14 texts; the plain page's 14 and the path; the special cases' 7; the
    // one item's 14 and its 17 labels; the table's 17 headings and 12 text cells.
    void everyTextComesBackFromEveryForm_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("count");
        // clang-format off
        QTest::newRow("XML")           << "xml" << 14;
        QTest::newRow("plain")         << "plain" << 15;
        QTest::newRow("special cases") << "special" << 7;
        QTest::newRow("one item")      << "one" << 31;
        QTest::newRow("table")         << "table" << 29;
        // clang-format on
    }
    void everyTextComesBackFromEveryForm() {
        QFETCH(QString, form);
        QFETCH(int, count);
        const QString text =
            QStringLiteral("Tom & Jerry <2> it's \"q\" ]]> <!-- \x1b[1mW\u00fcrth\x01 \u00f8\x1f\tx\ry");
        const QString readBack = QStringLiteral("Tom & Jerry <2> it's \"q\" ]]> <!-- [1mW\u00fcrth \u00f8\tx\ry");
        DBItemCollection c(nullptr);
        c.Groups().SetEntries({text});
        c.Locations().SetEntries({text});
        Item* item = makeItem(0, text, 1, 0, 0);
        for (int f = 0; f < Item::TextFieldCount; ++f)
            item->SetText(static_cast<Item::TextField>(f), text);
        c.Add(item);
        for (int column = 0; column < ColumnNames::ColumnCount; ++column)
            ColumnNames::SetTitle(column, text);
        PrintSettings all;
        for (const PrintedColumn& column : PrintedColumns())
            all.*column.flag = true;

        const bool table = form == QLatin1String("table");
        const bool one = form == QLatin1String("one");
        const QByteArray page = form == QLatin1String("xml")
                                    ? xml(c)
                                    : html(c, text, !table && !one, one ? item : nullptr,
                                           form == QLatin1String("special"), table ? &all : nullptr);
        QVERIFY(!page.contains('\x1b'));
        QVERIFY(!page.contains("<2>"));
        QStringList texts;
        QCOMPARE(parseError(page, &texts), QString());
        QCOMPARE(texts.count(readBack), count);
    }

    // The page's language is the interface language the collection was given, as XML and browsers name it
    // (Danish: the expected files).
    void pageLanguage() {
        for (const auto& [setting, tag] : {std::pair{"no", "nb"}, std::pair{"en", "en"}}) {
            DBItemCollection c(nullptr, QString(), QString::fromLatin1(setting));
            fillThree(c);
            const QByteArray attributes = QByteArray("<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"") + tag +
                                          "\" lang=\"" + tag + "\">";
            QVERIFY(html(c, QString(), false, c.At(0), false).contains(attributes));
        }
    }

    // A picture link shown in a page: a web address stays that address, a path becomes the file: URL of its
    // absolute path (a relative one from the current folder) whatever its characters. The same in the
    // table form and the one item's page.
    void pictureLinks_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("source"); // FOLDER: the current folder
        // clang-format off
        QTest::newRow("web address")      << "https://example.com/a.jpg?s=1&t='2'" << "https://example.com/a.jpg?s=1&t='2'";
        QTest::newRow("http, upper case") << "HTTP://example.com/b c.png" << "HTTP://example.com/b c.png";
        QTest::newRow("www")              << "www.example.com/p.jpg" << "http://www.example.com/p.jpg";
        QTest::newRow("file URL")         << "file:///billeder/a.jpg" << "file:///billeder/a.jpg";
        QTest::newRow("absolute path")    << "/billeder/sofa #1 <\"r\u00f8d\">.jpg"
                                          << "file:///billeder/sofa%20%231%20%3C%22r%C3%B8d%22%3E.jpg";
        QTest::newRow("relative path")    << "pics/a b#c?.jpg" << "file://FOLDER/pics/a%20b%23c%3F.jpg";
        QTest::newRow("NUL in a path")    << QStringLiteral("/p/a") + QChar(0) + QStringLiteral("b.jpg")
                                          << "file:///p/a%00b.jpg";
        QTest::newRow("not a web scheme") << "javascript:alert(1)" << "file://FOLDER/javascript:alert(1)";
        // clang-format on
    }
    void pictureLinks() {
        QFETCH(QString, link);
        QFETCH(QString, source);
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        DBItemCollection c(nullptr);
        fillThree(c);
        c.At(0)->SetPhotolink(link);
        PrintSettings settings;
        settings.printPictureField = true;
        const QByteArray one = html(c, QString(), false, c.At(0), false);
        const QByteArray table = html(c, QString(), false, nullptr, false, &settings);
        QDir::setCurrent(previous);
        const QString folder = QString::fromUtf8(QUrl::fromLocalFile(QDir(dir.path()).canonicalPath()).toEncoded())
                                   .mid(int(qstrlen("file://")));
        QStringList sources;
        QCOMPARE(parseError(one, nullptr, &sources), QString());
        QCOMPARE(parseError(table, nullptr, &sources), QString());
        source.replace(QLatin1String("FOLDER"), folder);
        QCOMPARE(sources, QStringList({source, source}));
    }

    // A device that fails part way (at once, after the head): the writers say so instead of claiming success.
    void writersReportAFailingDevice() {
        DBItemCollection c(nullptr);
        fillThree(c);
        for (qint64 room : {0, 100}) {
            FailingDevice htmlDevice(room), xmlDevice(room);
            QVERIFY(!c.WriteHtml(&htmlDevice, QString(), true, nullptr, false));
            QVERIFY(!c.WriteXml(&xmlDevice));
        }
    }

    // An export that cannot be written tells the user where and why, and an earlier export of that name
    // stays byte for byte; one that can be written replaces it without a box and leaves no temporary file.
    void aFailedExportReportsAndKeepsTheOldFile_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<bool>("asXml");
        // clang-format off
        QTest::newRow("a folder in the way")      << "folder" << false;
        QTest::newRow("a missing folder")         << "missing" << true;
        QTest::newRow("a read-only folder")       << "read-only" << false;
        QTest::newRow("a full disk, HTML")        << "full" << false;
        QTest::newRow("a full disk, XML")         << "full" << true;
        QTest::newRow("nothing in the way, HTML") << "" << false;
        QTest::newRow("nothing in the way, XML")  << "" << true;
        // clang-format on
    }
    void aFailedExportReportsAndKeepsTheOldFile() {
        QFETCH(QString, obstacle);
        QFETCH(bool, asXml);
        QTemporaryDir dir;
        std::unique_ptr<TmpfsMount> disk;
        DBItemCollection c(nullptr);
        fillThree(c);
        QString folder = dir.path();
        if (obstacle == QLatin1String("full")) {
            disk = std::make_unique<TmpfsMount>(128 * 1024);
            if (!disk->isMounted())
                QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs here (%1)").arg(disk->error())));
            folder = disk->path();
            for (int i = 0; i < 300; ++i)
                c.Add(makeItem(i % 3, QStringLiteral("Ting nummer %1").arg(i), i, i, 0));
        }
        const QString path = folder + (obstacle == QLatin1String("missing") ? QStringLiteral("/no/such/all.xml")
                                                                            : QStringLiteral("/all.export"));
        if (obstacle == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else if (obstacle != QLatin1String("missing"))
            QVERIFY(TestSupport::writeAll(path, "earlier export"));
        if (disk)
            QVERIFY(disk->leaveFree(8 * 1024)); // less than either export needs
        if (obstacle == QLatin1String("read-only")) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            if (QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly)) {
                QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("running as root: a read-only folder does not stop writing");
            }
        }
        TestDialogs dialogs;
        dialogs.expectBoxes(); // when the export fails
        const bool written = asXml ? c.WriteXml(path) : c.WriteHtml(path, true, nullptr, false);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(dialogs.waitDepth, 0);
        if (obstacle.isEmpty()) {
            QVERIFY(written);
            QVERIFY(dialogs.boxes.isEmpty());
            QVERIFY(dialogs.waitCursorsShown >= 1);
            QCOMPARE(TestSupport::readAll(path).left(5), QByteArray("<?xml"));
            if (asXml)
                QCOMPARE(TestSupport::readAll(path), expected(QStringLiteral("three_items.xml")));
            QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("all.export")});
            return;
        }
        QVERIFY(!written);
        QCOMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(dialogs.boxes.last().icon, MessageBoxRequest::Critical);
        const QString where = QStringLiteral("Filen kunne ikke gemmes i ") + path + QStringLiteral(":\n");
        QCOMPARE(dialogs.lastText().left(where.size()), where);
        QVERIFY(dialogs.lastText().length() > path.length() + 30); // and the reason
        if (obstacle == QLatin1String("missing"))
            QVERIFY(!QFile::exists(path));
        else if (obstacle != QLatin1String("folder"))
            QCOMPARE(TestSupport::readAll(path), QByteArray("earlier export"));
    }

private:
    ExportTranslator m_translator;
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
