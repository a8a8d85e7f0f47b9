#include "app/Edition.h"
#include "app/Settings.h"
#include "core/ColumnNames.h"
#include "core/DBItemCollection.h"
#include "core/EField.h"
#include "core/LogXML.h"
#include "tests/TestSupport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

namespace {
const QByteArray kTovikHeader = "#2.5.5 (TVK)- Format: group;name;product;price;priceToday;date;supplier;serialno;"
                                "description;address;photolink;number_of_items;location;www;receipt;document;"
                                "producttype;";

// Every item as one line, numbers exact, for comparing loads.
QList<QByteArray> dump(const DBItemCollection& c) {
    QList<QByteArray> lines;
    for (const Item* item : c) {
        QByteArray line =
            QByteArray::number(item->GetGroup()) + '|' + QByteArray::number(item->GetNumberOfItems()) + '|' +
            QByteArray::number(item->GetLocation()) + '|' + QByteArray::number(item->GetPrice(), 'g', 17) + '|' +
            QByteArray::number(item->GetPriceToday(), 'g', 17) + '|' + QByteArray::number(item->DateKey());
        for (int f = 0; f < Item::TextFieldCount; ++f)
            line += '|' + item->Latin1(Item::TextField(f)).toByteArray();
        lines << line;
    }
    return lines;
}

// Records generated as the writer writes them, or (odd) now and then in a form only the field descriptions
// decide: blanks and signs before numbers, exponents, long numbers, a point too many, odd counts, long texts,
// short lines, extra columns, blank lines, other line ends, a second "#" line.
QByteArray generatedRecords(int count, bool odd, quint32 seed = 7) {
    QRandomGenerator random(seed);
    auto one = [&random](std::initializer_list<const char*> choices) {
        return QByteArray(choices.begin()[random.bounded(int(choices.size()))]);
    };
    auto rare = [&random, odd](int in) { return odd && random.bounded(in) == 0; };
    auto number = [&random](int below, const char* decimals) {
        return QByteArray::number(random.bounded(below)) + decimals;
    };
    QByteArray bytes = kTovikHeader + "\r\n";
    for (int i = 0; i < count; ++i) {
        QByteArray c[17]; // the columns in file order
        for (QByteArray& text : c) {
            text = random.bounded(3) ? one({"Sofa", "Bang & Olufsen", "K\xf8leskab", "Stel, 12 personer", " med blank ",
                                            "SN12345678", "/home/anne/Billeder/IMG_1234.jpg", "x"})
                                     : QByteArray();
            if (rare(40))
                text = QByteArray(random.bounded(150, 340), 'L');
        }
        c[0] = rare(8) ? one({" 12", "+12", "\t5", "0012345678", "-0", "-7"}) : number(20, "");
        c[3] = rare(6) ? one({"1e3", " 2.5", "+3", "1.", ".5", "-0.25", "12345678901234567", "1.2.3", "123456.123456"})
                       : number(100000, ".500000");
        c[4] = rare(10) ? one({"0", "2E-2", "00000000000000001.5", "7 "}) : number(1000, ".000000");
        c[5] = random.bounded(4) ? QByteArray("05.01.2001") : one({"29.02.2024", "31.02.2010", "1.1.1"});
        c[11] = rare(10) ? one({" 3 ", "x", "+4", "99999999999"}) : one({"1", "1", "", "3"});
        c[12] = number(9, "");
        QByteArray line;
        for (const QByteArray& column : c)
            line += column + ';';
        // A short line ends after its number columns, so it still loads.
        if (rare(15)) {
            int at = -1;
            for (int k = random.bounded(12, 17); k > 0; --k)
                at = line.indexOf(';', at + 1);
            line.truncate(at);
        }
        if (rare(15))
            line += one({"extra;columns", "   ", ";;"});
        bytes += line + (rare(10) ? one({"\n", "\r", "\r\n\r\n", "\r\n  \t\r\n", "\r\n#2.5.5 (TVK)\r\n"}) : "\r\n");
    }
    return bytes;
}

Item* addItem(DBItemCollection& c, const QString& name, int group = 0) {
    auto* item = new Item;
    item->SetName(name);
    item->SetGroup(group);
    c.Add(item);
    return item;
}
} // namespace

class TestDatabaseFile : public QObject {
    Q_OBJECT
private:
    QTemporaryDir* m_dir = nullptr;
    TestDialogs* m_dialogs = nullptr;

    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("db.tvk")) {
        const QString path = m_dir->filePath(name);
        TestSupport::writeAll(path, bytes);
        return path;
    }

    // What one way of reading makes of a file: loaded quietly, with a box, and from memory.
    QList<QByteArray> loadWith(const QString& path, const DBItemCollection::ReadStrategy& way) {
        DBItemCollection::SetReadingStrategy(way);
        QList<QByteArray> outcome;
        {
            DBItemCollection c(nullptr);
            QString reason;
            outcome << QByteArray::number(c.LoadFromAsciiFile(path, &reason)) << reason.toUtf8()
                    << QByteArray::number(c.FormatVersion()) << dump(c);
        }
        {
            m_dialogs->expectBoxes(); // when the file is refused
            DBItemCollection c(nullptr);
            c.LoadFromAsciiFile(path);
            outcome << "box: " + m_dialogs->lastText().toUtf8() << dump(c);
            m_dialogs->answers.clear();
            m_dialogs->clear();
        }
        DBItemCollection c(nullptr);
        QString reason;
        c.LoadFromBuffer(TestSupport::readAll(path), &reason);
        return outcome << "memory: " + reason.toUtf8() << dump(c);
    }

    // The file read by the field descriptions alone on one thread, and every other way: the direct scan,
    // stretches side by side (more than there are cores), pieces of a few bytes, from memory. The same items
    // and the same messages each time.
    void sameEveryWay(const QString& path) {
        const DBItemCollection::ReadStrategy saved = DBItemCollection::ReadingStrategy();
        const qint64 never = std::numeric_limits<qint64>::max();
        const QList<QByteArray> expected = loadWith(path, {1, never, false, 1 << 21});
        for (const DBItemCollection::ReadStrategy& way : {DBItemCollection::ReadStrategy{1, never, true, 1 << 21},
                                                          {2, 0, true, 64},
                                                          {3, 0, true, 1 << 21},
                                                          {7, 0, false, 7},
                                                          saved}) {
            const QList<QByteArray> got = loadWith(path, way);
            DBItemCollection::SetReadingStrategy(saved);
            QCOMPARE(got, expected);
        }
    }

    // Loads the file without a box and compares every record with those read from the CR LF form.
    void loadsAsCrLf(const QString& path, const QByteArray& crlf, int count) {
        DBItemCollection expected(nullptr);
        QVERIFY(expected.LoadFromAsciiFile(write(crlf, QStringLiteral("crlf.db"))));
        QCOMPARE(expected.Count(), count);
        DBItemCollection c(nullptr);
        QVERIFY(c.LoadFromAsciiFile(path));
        QVERIFY(m_dialogs->boxes.isEmpty());
        QCOMPARE(dump(c), dump(expected));
    }

private slots:
    void initTestCase() {
        TestSupport::isolateSettings();
        TestSupport::installTranslation(QStringLiteral("en"));
    }
    void init() {
        SetEdition(Tovik);
        TestSupport::clearSettings();
        m_dir = new QTemporaryDir;
        Settings().setValue(QStringLiteral("LastDBDir"), m_dir->path());
        m_dialogs = new TestDialogs;
    }
    void cleanup() {
        delete m_dialogs;
        delete m_dir;
    }

    // Generated registers, and one bad line wherever it is: every way of reading gives the same items and the
    // same message, which names the first bad line of the file by its real line number.
    void readingWaysAgree_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason"); // empty: the file loads
        const QByteArray records = generatedRecords(10000, false);
        // A line put before record i (line i + 2, after the header) becomes line i + 2.
        auto put = [](QByteArray bytes, int record, const QByteArray& line) {
            int at = 0;
            for (int i = 0; i <= record; ++i)
                at = bytes.indexOf('\n', at) + 1;
            return bytes.insert(at, line + "\r\n");
        };
        auto reason = [](int line, const char* what, const QVariant& arg) {
            return QCoreApplication::translate("DBItemCollection", "DB_LINE_ERROR")
                .arg(line)
                .arg(QCoreApplication::translate("DBItemCollection", what).arg(arg.toString()));
        };
        const QByteArray badPrice = "3;Bad;;abc;1;;;;;;;1;0;;;;;";
        QTest::newRow("1 record") << generatedRecords(1, false) << QString();
        QTest::newRow("10 records") << generatedRecords(10, false) << QString();
        QTest::newRow("10000 records") << records << QString();
        QTest::newRow("10000 records in odd forms") << generatedRecords(10000, true) << QString();
        QTest::newRow("40000 in odd forms, a few MB") << generatedRecords(40000, true, 11) << QString();
        QTest::newRow("bad price on line 9001")
            << put(records, 8999, badPrice)
            << reason(9001, "DB_COLUMN_NOT_A_NUMBER", ColumnNames::Title(ColumnNames::Price));
        QTest::newRow("bad lines 2001 and 9002: the first")
            << put(put(records, 8999, badPrice), 1999, "x;Bad;;1;1;;;;;;;1;0;;;;;")
            << reason(2001, "DB_COLUMN_NOT_A_NUMBER", ColumnNames::Title(ColumnNames::Group));
        QTest::newRow("over-long line 7001 before a bad line")
            << put(put(records, 8999, badPrice), 6999, "3;Long;;1;1;;;;;;;1;0;;;;;" + QByteArray(400, ' '))
            << reason(7001, "DB_LINE_TOO_LONG", 349);
        QTest::newRow("cut inside the last record") << records + "4;Cut;;1" << QString();
    }
    void readingWaysAgree() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = write(bytes);
        QString error;
        QCOMPARE(DBItemCollection(nullptr).LoadFromAsciiFile(path, &error), reason.isEmpty());
        QCOMPARE(error, reason);
        sameEveryWay(path);
    }

    void headerVersions_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QByteArray>("tail"); // the columns after the twelfth, as that version writes them
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("location");
        QTest::addColumn<QByteArray>("tailTexts"); // www, receipt, document and product type as read
        // clang-format off
        QTest::newRow("none")          << QByteArray() << QByteArray("") << 100 << 0 << QByteArray("");
        QTest::newRow("1.9.9")         << QByteArray("#1.9.9") << QByteArray("") << 100 << 0 << QByteArray("");
        QTest::newRow("2.3.5")         << QByteArray("#2.3.5") << QByteArray("") << 100 << 0 << QByteArray("");
        QTest::newRow("2.4.0")         << QByteArray("#2.4.0") << QByteArray(";;;;") << 240 << 0 << QByteArray("");
        QTest::newRow("2.5.0")         << QByteArray("#2.5.0") << QByteArray(";;;;") << 240 << 0 << QByteArray("");
        QTest::newRow("2.4.1")         << QByteArray("#2.4.1") << QByteArray("7;;;;") << 241 << 7 << QByteArray("");
        QTest::newRow("2.4.9")         << QByteArray("#2.4.9") << QByteArray("7;;;;") << 241 << 7 << QByteArray("");
        QTest::newRow("2.5.1")         << QByteArray("#2.5.1") << QByteArray("7;;;;") << 241 << 7 << QByteArray("");
        QTest::newRow("2.5.2")         << QByteArray("#2.5.2") << QByteArray("7;w;r;") << 252 << 7 << QByteArray("wr");
        QTest::newRow("2.5.3 any tag") << QByteArray("#2.5.3 (BRV)") << QByteArray("7;w;r;d;") << 253 << 7 << QByteArray("wrd");
        QTest::newRow("2.5.4")         << QByteArray("#2.5.4 (TVK)") << QByteArray("7;w;r;d;") << 254 << 7 << QByteArray("wrd");
        QTest::newRow("2.5.5")         << kTovikHeader << QByteArray("7;w;r;d;p;") << 255 << 7 << QByteArray("wrdp");
        QTest::newRow("2.5.9 tag not checked") << QByteArray("#2.5.9 (OSR)") << QByteArray("7;w;r;d;p;") << 255 << 7 << QByteArray("wrdp");
        // clang-format on
    }
    void headerVersions() {
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, tail);
        QFETCH(int, version);
        QFETCH(int, location);
        QFETCH(QByteArray, tailTexts);
        QByteArray bytes;
        if (!header.isEmpty())
            bytes += header + "\r\n";
        bytes += "3;Stol;IKEA;100.000000;80.000000;01.02.2003;Bilka;S1;Beskr;Adr;foto.jpg;2;" + tail + "\r\n";
        bytes += "4;Bord;;1.5;0;;;;;;;;" + tail + "\r\n";
        DBItemCollection c(nullptr);
        QVERIFY(c.LoadFromAsciiFile(write(bytes)));
        QVERIFY(m_dialogs->boxes.isEmpty());
        QCOMPARE(c.FormatVersion(), version);
        QCOMPARE(c.Count(), 2);
        const Item* item = c.At(0);
        QCOMPARE(item->GetGroup(), 3);
        // Every text in field order: the fixed columns, then what this version's tail holds.
        QCOMPARE(item->AllLatin1().toByteArray(), "StolIKEA01.02.2003BilkaS1BeskrAdrfoto.jpg" + tailTexts);
        QCOMPARE(item->GetNumberOfItems(), 2);
        QCOMPARE(item->GetLocation(), location);
        QCOMPARE(item->GetWww(), QString::fromLatin1(tailTexts.left(1)));
        QCOMPARE(item->GetProducttype(), tailTexts.size() == 4 ? QStringLiteral("p") : QString());
        QCOMPARE(c.At(1)->GetNumberOfItems(), 1); // an empty count column means one
        if (version >= 240)
            QCOMPARE(DBItemCollection::LoadedFormatVersion(), version);
        sameEveryWay(m_dir->filePath(QStringLiteral("db.tvk")));
    }

    // The edition tags refused are rows of notARegister; Brevane takes its lock once the file is read.
    void layoutsThatStillLoad_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("edition");
        const QByteArray record = "1;A;;1;1;;;;;;;1;0;;;;;";
        QTest::newRow("Tovik takes 2.5.3 BRV") << QByteArray("#2.5.3 (BRV)\r\n") << 0 << int(Tovik);
        QTest::newRow("Pellin reads PLN") << QByteArray("#2.5.4 (PLN)\r\n") << 0 << int(Pellin);
        QTest::newRow("Brevane reads BRV") << QByteArray("#2.5.5 (BRV)\r\n") << 0 << int(Brevane);
        QTest::newRow("empty file") << QByteArray() << 0 << int(Tovik);
        QTest::newRow("only a header") << kTovikHeader + "\r\n" << 0 << int(Tovik);
        QTest::newRow("blank lines between") << kTovikHeader + "\r\n\r\n" + record + "\r\n\r\n\n" + record + "\r\n\r\n"
                                             << 2 << int(Tovik);
        QTest::newRow("no line end at the end") << kTovikHeader + "\r\n" + record + "\r\n" + record << 2 << int(Tovik);
        QTest::newRow("cut inside the last record")
            << kTovikHeader + "\r\n" + record + "\r\n1;B;;1;1;;;" << 1 << int(Tovik);
        QTest::newRow("cut inside a number") << kTovikHeader + "\r\n" + record + "\r\n2" << 1 << int(Tovik);
        QTest::newRow("second header skipped")
            << kTovikHeader + "\r\n" + record + "\r\n#2.5.5 (TVK)\r\n" + record << 2 << int(Tovik);
    }
    void layoutsThatStillLoad() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFETCH(int, edition);
        SetEdition(edition);
        const QString path = write(bytes);
        {
            DBItemCollection c(nullptr, m_dir->path());
            QVERIFY(c.LoadFromAsciiFile(path));
            QCOMPARE(c.Count(), count);
            QVERIFY(m_dialogs->boxes.isEmpty());
            QCOMPARE(m_dialogs->waitDepth, 0);
            QCOMPARE(QFile::exists(m_dir->filePath(QStringLiteral("LockFile.txt"))), edition == Brevane);
        }
        sameEveryWay(path);
    }

    // Each bad file in both forms: reported in a box naming the record counter, or, for a file the user
    // opens, quietly with the reason naming the line of the file.
    void badRecords_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("kept");
        QTest::addColumn<QString>("reason");
        const QByteArray record = "1;A;;1;1;;;;;;;1;0;;;;;\r\n";
        auto line = [](int number, const QString& what) {
            return QCoreApplication::translate("DBItemCollection", "DB_LINE_ERROR").arg(number).arg(what);
        };
        auto notANumber = [](int column) {
            return QCoreApplication::translate("DBItemCollection", "DB_COLUMN_NOT_A_NUMBER")
                .arg(ColumnNames::Title(column));
        };
        const QString tooLong = QCoreApplication::translate("DBItemCollection", "DB_LINE_TOO_LONG").arg(349);
        QTest::newRow("group not a number") << kTovikHeader + "\r\n" + record + record + "x;B;;1;1;;;;;;;1;0;;;;;\r\n"
                                            << "An error occured while reading line 2, parameter (Type)!" << 2
                                            << line(4, notANumber(ColumnNames::Group));
        const QByteArray body = record.chopped(2);
        QTest::newRow("price not a number on line 7, after blank lines and a lone CR")
            << kTovikHeader + "\r\n" + body + "\r\n\r\n\n" + body + "\r" + body + "\r\n1;B;;abc;1;;;;;;;1;0;;;;;\r\n"
            << "An error occured while reading line 3, parameter (Price)!" << 3
            << line(7, notANumber(ColumnNames::Price));
        QTest::newRow("empty value today") << kTovikHeader + "\r\n1;B;;1;;;;;;;;1;0;;;;;\r\n"
                                           << "An error occured while reading line 0, parameter (PriceToday)!" << 0
                                           << line(2, notANumber(ColumnNames::PriceToday));
        QTest::newRow("over-long header")
            << "#2.5.5 (TVK)" + QByteArray(400, 'x') + "\r\n" + record
            << "An error occured while reading line 0, parameter (Type)!" << 0 << line(1, tooLong);
        QTest::newRow("over-long line rest")
            << kTovikHeader + "\r\n1;A;;1;1;;;;;;;1;0;;;;;" + QByteArray(400, 'r') + "\r\n" + record
            << "An error occured while reading line 1, parameter (Type)!" << 1 << line(2, tooLong);
        // A line that ends before a number column is refused there, whatever ends it; the next line's
        // values are never taken for it.
        for (const auto& [name, end] : {std::pair("CR LF", "\r\n"), std::pair("LF", "\n"), std::pair("CR", "\r")}) {
            QTest::newRow(qPrintable(QStringLiteral("line 3 ends before price today, %1").arg(name)))
                << kTovikHeader + end + body + end + "2;B;;1" + end + "12;A;;1;1;;;;;;;1;0;;;;;" + end
                << "An error occured while reading line 1, parameter (PriceToday)!" << 1
                << line(3, notANumber(ColumnNames::PriceToday));
            QTest::newRow(qPrintable(QStringLiteral("line 2 ends inside the name, %1").arg(name)))
                << kTovikHeader + end + "2;Bo" + end + "12;1;2;3;4;;;;;;;1;0;;;;;" + end
                << "An error occured while reading line 0, parameter (Price)!" << 0
                << line(2, notANumber(ColumnNames::Price));
        }
    }
    void badRecords() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(int, kept);
        QFETCH(QString, reason);
        const QString path = write(bytes);
        DBItemCollection c(nullptr);
        m_dialogs->answer(0);
        QVERIFY(!c.LoadFromAsciiFile(path));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->lastTitle(), QStringLiteral("Database error"));
        QCOMPARE(m_dialogs->lastText(), message);
        QCOMPARE(c.Count(), kept); // the records before the bad line stay
        QCOMPARE(m_dialogs->waitDepth, 0);

        DBItemCollection quiet(nullptr);
        QString error;
        QVERIFY(!quiet.LoadFromAsciiFile(path, &error));
        QCOMPARE(error, reason);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        sameEveryWay(path);
    }

    // What is not a register of this edition is refused before the lock is touched, whatever its bytes.
    void notARegister_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("loadsUnasked"); // what a plain load (no reason wanted) answers
        static const char pngHead[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10";
        const QByteArray png(pngHead, sizeof pngHead - 1);
        QTest::newRow("picture") << int(Tovik) << png << false;
        // A line, so it ends before its price: a plain load reports that line.
        QTest::newRow("text without a separator") << int(Tovik) << QByteArray("12 apples and pears\r\n") << false;
        QTest::newRow("empty file") << int(Tovik) << QByteArray() << true;
        QTest::newRow("blank lines only") << int(Tovik) << QByteArray("\r\n \r\r\n\t\n") << true;
        QTest::newRow("register of another edition")
            << int(Tovik) << QByteArray("#2.5.5 (BRV)\r\n1;A;;1;1;;;;;;;1;0;;;;;\r\n") << false;
        QTest::newRow("Brevane: picture") << int(Brevane) << png << false;
        QTest::newRow("Brevane: Tovik register") << int(Brevane) << kTovikHeader + "\r\n" << false;
        QTest::newRow("Tovik: BRV tag") << int(Tovik) << QByteArray("#2.5.5 (BRV)- Format:\r\n") << false;
        QTest::newRow("Tovik: 2.5.4 PLN tag") << int(Tovik) << QByteArray("#2.5.4 (PLN)\r\n") << false;
        QTest::newRow("Ostrel: TVK tag") << int(Ostrel) << QByteArray("#2.5.5 (TVK)\r\n") << false;
        QTest::newRow("Ostrel: tag is case-sensitive") << int(Ostrel) << QByteArray("#2.5.5 (osr)\r\n") << false;
    }
    void notARegister() {
        QFETCH(int, edition);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, loadsUnasked);
        SetEdition(edition);
        const QString path = write(bytes);
        DBItemCollection c(nullptr, m_dir->path());
        QString error;
        QVERIFY(!c.LoadFromAsciiFile(path, &error));
        QCOMPARE(error, QCoreApplication::translate("DBItemCollection", "DB_NOT_A_REGISTER"));
        QCOMPARE(c.Count(), 0);
        QVERIFY(m_dialogs->boxes.isEmpty());
        QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("LockFile.txt"))));
        m_dialogs->answer(0);
        DBItemCollection unasked(nullptr);
        QCOMPARE(unasked.LoadFromAsciiFile(path), loadsUnasked);
        m_dialogs->answers.clear();
        sameEveryWay(path);
    }

    void unreadableFile() {
        DBItemCollection c(nullptr);
        QVERIFY(!c.LoadFromAsciiFile(m_dir->filePath(QStringLiteral("missing.db"))));
        QString error;
        QVERIFY(!c.LoadFromAsciiFile(m_dir->filePath(QStringLiteral("missing.db")), &error));
        QVERIFY2(error.startsWith(QCoreApplication::translate("DBItemCollection", "DB_FILE_CANNOT_BE_READ")
                                      .section(QLatin1Char('('), 0, 0)),
                 qPrintable(error));
        QVERIFY(m_dialogs->boxes.isEmpty());
    }

    // A file larger than the program holds is refused before it is read: with the real limit on a sparse
    // file of more than a gigabyte, and with a lowered limit.
    void oversizeFileIsRefused_data() {
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<qint64>("size");
        QTest::newRow("over a gigabyte") << DBItemCollection::MaxFileSize() << DBItemCollection::MaxFileSize() + 1;
        QTest::newRow("lowered limit") << qint64(1000) << qint64(1001);
    }
    void oversizeFileIsRefused() {
        QFETCH(qint64, limit);
        QFETCH(qint64, size);
        const qint64 previous = DBItemCollection::MaxFileSize();
        DBItemCollection::SetMaxFileSize(limit);
        const QString path = write(kTovikHeader + "\r\n1;A;;1;1;;;;;;;1;0;;;;;\r\n");
        QFile file(path);
        QVERIFY(file.resize(size));
        const QString reason =
            QCoreApplication::translate("DBItemCollection", "DB_FILE_TOO_LARGE").arg(qMax<qint64>(1, limit >> 20));
        DBItemCollection c(nullptr);
        QString error;
        QVERIFY(!c.LoadFromAsciiFile(path, &error));
        QCOMPARE(error, reason);
        QVERIFY(m_dialogs->boxes.isEmpty());
        m_dialogs->answer(0);
        QVERIFY(!c.LoadFromAsciiFile(path));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->lastText(), reason);
        QCOMPARE(c.Count(), 0);
        DBItemCollection::SetMaxFileSize(previous);
        if (size < 4096) {
            // Just within the limit the file is read (and its zero bytes are no record).
            DBItemCollection::SetMaxFileSize(limit);
            QVERIFY(file.resize(limit));
            DBItemCollection fits(nullptr);
            QVERIFY(!fits.LoadFromAsciiFile(path, &error));
            QVERIFY(error.startsWith(QCoreApplication::translate("DBItemCollection", "DB_LINE_ERROR").left(4)));
            DBItemCollection::SetMaxFileSize(previous);
        }
    }

    // CR LF, LF and a lone CR each end a line, also mixed in one file: the same records either way.
    void lineEnds_data() {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::addColumn<QByteArray>("otherEnd");
        QTest::newRow("CR LF") << QByteArray("\r\n") << QByteArray("\r\n");
        QTest::newRow("LF") << QByteArray("\n") << QByteArray("\n");
        QTest::newRow("CR (Mac editor)") << QByteArray("\r") << QByteArray("\r");
        QTest::newRow("mixed") << QByteArray("\r") << QByteArray("\n");
    }
    void lineEnds() {
        QFETCH(QByteArray, lineEnd);
        QFETCH(QByteArray, otherEnd);
        const QList<QByteArray> lines{
            kTovikHeader,
            "3;Stol;IKEA;100.000000;80.000000;01.02.2003;Bilka;S1;Beskr;Adr;foto.jpg;2;7;w;r;d;p;",
            "",
            "4;Bord;;1.5;0;;;;;;;;;;;;;",
            "5;Lampe;Le Klint;1200.5;900;05.01.2001;Illum;;Pendel;;;1;2;;;;;extra;columns",
            "6;Ur;;1;1;;;;;;;3;4;;;;x;"};
        QByteArray crlf;
        QByteArray bytes;
        for (int i = 0; i < lines.size(); ++i) {
            crlf += lines.at(i) + "\r\n";
            bytes += lines.at(i);
            if (i + 1 < lines.size()) // the last line has no line end
                bytes += i % 2 ? lineEnd : otherEnd;
        }
        loadsAsCrLf(write(bytes), crlf, 4);
        sameEveryWay(m_dir->filePath(QStringLiteral("db.tvk")));
    }

    // A line that ends before its last column holds empty fields there, as a spreadsheet writes a line
    // whose last cells are empty; the next line is a record of its own, whatever ends the lines.
    void shortLinesEndTheirRecord_data() {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::addColumn<QByteArray>("shortLine");
        QTest::addColumn<QByteArray>("fullLine"); // the same record with every column written out
        const struct {
            const char* name;
            const char* shortLine;
            const char* fullLine;
        } lines[] = {
            {"after the supplier", "3;Stol;IKEA;100;80;01.02.2003;Bilka",
             "3;Stol;IKEA;100;80;01.02.2003;Bilka;;;;;;;;;;;"},
            {"after price today", "3;Stol;;100;80;", "3;Stol;;100;80;;;;;;;;;;;;;"},
            {"after the count", "3;Stol;;100;80;;;;;;;2", "3;Stol;;100;80;;;;;;;2;;;;;;"},
            {"before the last column", "3;Stol;;1;2;;;;;;;2;5;w;r;d", "3;Stol;;1;2;;;;;;;2;5;w;r;d;;"},
        };
        for (const auto& [name, end] : {std::pair("CR LF", "\r\n"), std::pair("LF", "\n"), std::pair("CR", "\r")}) {
            for (const auto& l : lines)
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(l.name, name)))
                    << QByteArray(end) << QByteArray(l.shortLine) << QByteArray(l.fullLine);
        }
    }
    void shortLinesEndTheirRecord() {
        QFETCH(QByteArray, lineEnd);
        QFETCH(QByteArray, shortLine);
        QFETCH(QByteArray, fullLine);
        const QByteArray next = "4;Bord;Hay;1.5;2;05.06.2007;Sup;S2;D;A;P;9;7;w;r;d;p;";
        const QString path = write(kTovikHeader + lineEnd + shortLine + lineEnd + next + lineEnd);
        loadsAsCrLf(path, kTovikHeader + "\r\n" + fullLine + "\r\n" + next + "\r\n", 2);
        sameEveryWay(path);
        // A save writes the records as they were read.
        const QString full = m_dir->filePath(QStringLiteral("crlf.db"));
        DBItemCollection c(nullptr);
        DBItemCollection expected(nullptr);
        QVERIFY(c.LoadFromAsciiFile(path) && c.SaveToFileAsAscii(path));
        QVERIFY(expected.LoadFromAsciiFile(full) && expected.SaveToFileAsAscii(full));
        QCOMPARE(TestSupport::readAll(path), TestSupport::readAll(full));
    }

    // A text longer than the writer keeps is read whole up to its separator: the fields after it keep their
    // values. Saving keeps the writer's cut.
    void longTextKeepsTheFieldsAfterIt_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("kept"); // what the item holds
        QTest::newRow("description of 230") << int(Item::Description) << 230 << 230;
        QTest::newRow("name of 200") << int(Item::Name) << 200 << 200;
        QTest::newRow("address of 6000") << int(Item::Address) << 6000 << int(Item::MaxTextLength);
        QTest::newRow("producttype of 300, the last column") << int(Item::Producttype) << 300 << 300;
    }
    void longTextKeepsTheFieldsAfterIt() {
        QFETCH(int, field);
        QFETCH(int, length);
        QFETCH(int, kept);
        QByteArray texts[Item::TextFieldCount];
        for (int f = 0; f < Item::TextFieldCount; ++f)
            texts[f] = "t" + QByteArray::number(f);
        texts[Item::Date] = "02.03.2004";
        texts[field] = QByteArray(length, 'L');
        const QByteArray record = "3;" + texts[Item::Name] + ";" + texts[Item::Product] + ";12.5;7.25;" +
                                  texts[Item::Date] + ";" + texts[Item::Supplier] + ";" + texts[Item::Serialno] + ";" +
                                  texts[Item::Description] + ";" + texts[Item::Address] + ";" + texts[Item::Photolink] +
                                  ";4;5;" + texts[Item::Www] + ";" + texts[Item::Receipt] + ";" +
                                  texts[Item::Document] + ";" + texts[Item::Producttype] + ";";
        const QString path = write(kTovikHeader + "\r\n" + record + "\r\n" + "8;Next;;1;2;;;;;;;9;1;;;;;\r\n");
        DBItemCollection c(nullptr);
        QVERIFY(c.LoadFromAsciiFile(path));
        QCOMPARE(c.Count(), 2);
        const Item* item = c.At(0);
        QCOMPARE(item->GetPrice(), 12.5);
        QCOMPARE(item->GetPriceToday(), 7.25);
        QCOMPARE(item->GetNumberOfItems(), 4);
        QCOMPARE(item->GetLocation(), 5);
        for (int f = 0; f < Item::TextFieldCount; ++f) {
            const QByteArray expected = f == field ? texts[f].left(kept) : texts[f];
            QCOMPARE(item->Latin1(Item::TextField(f)).toByteArray(), expected);
        }
        QCOMPARE(c.At(1)->GetName(), QStringLiteral("Next"));
        QCOMPARE(c.At(1)->GetNumberOfItems(), 9);
        // Saved again, the text is cut to what the writer keeps and everything else stays.
        QVERIFY(c.SaveToFileAsAscii(path));
        DBItemCollection back(nullptr);
        QVERIFY(back.LoadFromAsciiFile(path));
        QCOMPARE(back.At(0)->Latin1(Item::TextField(field)).size(), qMin(length, int(EStringField::MaxLength)));
        QCOMPARE(back.At(0)->GetLocation(), 5);
        QCOMPARE(back.At(1)->GetName(), QStringLiteral("Next"));
    }

    void versionHundredGainsTheHeader() {
        DBItemCollection c(nullptr);
        const QString path = write("2;Lampe;Le Klint;1200.5;900;05.01.2001;Illum;;Pendel;;;1;\r\n"
                                   "1;Sofa;;8000;4000;;;;;;;3;\r\n");
        QVERIFY(c.LoadFromAsciiFile(path));
        QCOMPARE(c.FormatVersion(), 100);
        QVERIFY(c.SaveToFileAsAscii(path));
        QCOMPARE(TestSupport::readAll(path),
                 kTovikHeader + "\r\n" +
                     "1;Sofa;;8000.000000;4000.000000;;;;;;;3;0;;;;;\r\n"
                     "2;Lampe;Le Klint;1200.500000;900.000000;05.01.2001;Illum;;Pendel;;;1;0;;;;;\r\n");
    }

    void headersOfEveryEdition_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("Tovik") << int(Tovik) << kTovikHeader;
        QTest::newRow("Brevane") << int(Brevane)
                                 << QByteArray("#2.5.5 (BRV)- Format: type;name;product;price;priceToday;date;supplier;"
                                               "serialno;description;address;photolink;number_of_items;location;www;"
                                               "receipt;document;producttype;");
        QTest::newRow("Ostrel") << int(Ostrel)
                                << QByteArray("#2.5.5 (OSR)- Format: type;year;mat;price;priceToday;date;catalog;"
                                              "catalogNo;description;quality;picture1;count;crown;www;picture2;"
                                              "document;producttype;");
        QTest::newRow("Pellin") << int(Pellin)
                                << QByteArray("#2.5.4 (PLN)- Format: type;name;model;price;priceToday;date;supplier;"
                                              "serialno;description;address;photolink;number_of_items;location;www;"
                                              "receipt;document;;");
    }
    void headersOfEveryEdition() {
        QFETCH(int, edition);
        QFETCH(QByteArray, header);
        SetEdition(edition);
        DBItemCollection c(nullptr);
        addItem(c, QStringLiteral("x"))->SetProducttype(QStringLiteral("kept in memory"));
        const QString path = m_dir->filePath(QStringLiteral("out.db"));
        QVERIFY(c.SaveToFileAsAscii(path));
        const QByteArray bytes = TestSupport::readAll(path);
        QVERIFY(bytes.startsWith(header + "\r\n0;x;;0.000000;0.000000;;;;;;;0;0;;;;kept in memory;\r\n"));
        // Pellin writes its 2.5.4 header, so the seventeenth column is not read back.
        DBItemCollection back(nullptr);
        QVERIFY(back.LoadFromAsciiFile(path));
        QCOMPARE(back.At(0)->GetProducttype(), edition == Pellin ? QString() : QStringLiteral("kept in memory"));
    }

    void writerKeepsEveryTextWithinTheFormat() {
        DBItemCollection c(nullptr);
        Item* item = addItem(c, QStringLiteral("a;b"));
        item->SetDescription(QStringLiteral("line one\r\nline two"));
        item->SetAddress(QString(250, QLatin1Char('x')));
        item->SetSupplier(QStringLiteral("Ørsted & Co."));
        item->SetNumberOfItems(2);
        item->SetLocation(5);
        const QString path = m_dir->filePath(QStringLiteral("out.db"));
        QVERIFY(c.SaveToFileAsAscii(path));
        const QByteArray bytes = TestSupport::readAll(path);
        QCOMPARE(bytes.count("\r\n"), 2);
        QVERIFY(bytes.contains("\xd8rsted & Co."));
        DBItemCollection back(nullptr);
        QVERIFY(back.LoadFromAsciiFile(path));
        QCOMPARE(back.Count(), 1);
        const Item* read = back.At(0);
        QCOMPARE(read->GetName(), QStringLiteral("a,b"));
        QCOMPARE(read->GetDescription(), QStringLiteral("line one  line two"));
        QCOMPARE(read->GetAddress(), QString(199, QLatin1Char('x')));
        QCOMPARE(read->GetSupplier(), QStringLiteral("Ørsted & Co."));
        QCOMPARE(read->GetNumberOfItems(), 2);
        QCOMPARE(read->GetLocation(), 5);
    }

    void randomRoundTrips() {
        // Records that keep the field rules come back equal, and a second save gives the same bytes.
        QRandomGenerator random(20261207);
        const char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,-_/\\:&<>'\"#()"
                                "\xe6\xf8\xe5\xc6\xd8\xc5\xe9\xfc";
        auto text = [&](int maxLength) {
            QByteArray t;
            const int length = random.bounded(maxLength + 1);
            for (int i = 0; i < length; ++i)
                t += alphabet[random.bounded(int(sizeof alphabet) - 1)];
            return t;
        };
        for (int edition : {int(Tovik), int(Brevane), int(Ostrel)}) {
            SetEdition(edition);
            DBItemCollection c(nullptr);
            for (int i = 0; i < 300; ++i) {
                Item* item = addItem(c, QString(), random.bounded(20));
                item->SetNumberOfItems(random.bounded(-5, 100000));
                item->SetLocation(random.bounded(30));
                item->SetPrice(random.bounded(100000000) / 100.0);
                item->SetPriceToday(random.bounded(1000000) / 1000.0);
                for (int f = 0; f < Item::TextFieldCount; ++f)
                    item->SetLatin1(Item::TextField(f), text(f == Item::Description ? 199 : 40));
            }
            c.SortItems(0); // the file keeps the items sorted by group
            const QString first = m_dir->filePath(QStringLiteral("first.db"));
            const QString second = m_dir->filePath(QStringLiteral("second.db"));
            QVERIFY(c.SaveToFileAsAscii(first));
            DBItemCollection back(nullptr);
            QVERIFY(back.LoadFromAsciiFile(first));
            QCOMPARE(back.Count(), c.Count());
            QCOMPARE(dump(back), dump(c));
            QVERIFY(back.SaveToFileAsAscii(second));
            QCOMPARE(TestSupport::readAll(second), TestSupport::readAll(first));
        }
    }

    void saveSortsStablyByGroup() {
        DBItemCollection c(nullptr);
        for (const char* name : {"c2", "a1", "c1", "b1", "a2", "c3"})
            addItem(c, QLatin1String(name), name[0] - 'a');
        QVERIFY(c.SaveToFileAsAscii(m_dir->filePath(QStringLiteral("x.db"))));
        QStringList order;
        for (const Item* item : c)
            order << item->GetName();
        QCOMPARE(order, (QStringList{"a1", "a2", "b1", "c2", "c1", "c3"}));
    }

    void failedSavesKeepTheOldFile() {
        m_dialogs->expectBoxes(2);
        DBItemCollection c(nullptr);
        addItem(c, QStringLiteral("new"));
        // A folder in the way of the file.
        const QString blocked = m_dir->filePath(QStringLiteral("blocked.db"));
        QDir().mkpath(blocked);
        QVERIFY(!c.SaveToFileAsAscii(blocked));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->lastText().contains(blocked));
        // A read-only file stays as it was.
        const QString path = write("old bytes");
        QFile::setPermissions(path, QFile::ReadOwner);
        if (!QFileInfo(path).isWritable()) {
            QVERIFY(!c.SaveToFileAsAscii(path));
            QCOMPARE(TestSupport::readAll(path), QByteArray("old bytes"));
        }
        QCOMPARE(m_dialogs->waitDepth, 0);
    }

    void writerReportsAFailingDevice() {
        DBItemCollection c(nullptr);
        for (int i = 0; i < 20000; ++i)
            addItem(c, QStringLiteral("item %1").arg(i));
        for (qint64 room : {qint64(0), qint64(100), qint64(300000)}) {
            FailingDevice device(room);
            QString error;
            QVERIFY(!c.WriteAscii(&device, &error));
            QVERIFY(!error.isEmpty());
        }
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QString error;
        QVERIFY(c.WriteAscii(&buffer, &error));
        QCOMPARE(buffer.data().count("\r\n"), 20001);
    }

    void readOnlyDatabaseRefusesToSave() {
        m_dialogs->expectBoxes(2); // read-only when opened, and when saving
        SetEdition(Brevane);
        TestSupport::writeAll(m_dir->filePath(QStringLiteral("LockFile.txt")), "x Locked by PC: WS12, User: clerk");
        DBItemCollection c(nullptr, m_dir->path());
        const QString path = write("#2.5.5 (BRV)\r\n1;A;;1;1;;;;;;;1;0;;;;;\r\n");
        QVERIFY(c.LoadFromAsciiFile(path));
        m_dialogs->clear();
        QVERIFY(!c.SaveToFileAsAscii(path));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.at(0).icon, MessageBoxRequest::Warning);
        QCOMPARE(m_dialogs->lastText(), QCoreApplication::translate("DBItemCollection", "READ ONLY MODE - No Save"));
        QCOMPARE(TestSupport::readAll(path), QByteArray("#2.5.5 (BRV)\r\n1;A;;1;1;;;;;;;1;0;;;;;\r\n"));
    }

    void loadAndSaveAreLogged() {
        qputenv("DEBUGTARNVOLD", "1");
        const QString logPath = m_dir->filePath(QStringLiteral("log.xml"));
        const QString path = write(kTovikHeader + "\r\n1;Tom & Jerry <2>;;1;1;;;;;;;1;0;;;;;\r\n");
        {
            LogXML log(logPath, QStringLiteral("/Tovik/"));
            DBItemCollection c(&log);
            QVERIFY(c.LoadFromAsciiFile(path));
            QVERIFY(c.SaveToFileAsAscii(path));
        }
        qunsetenv("DEBUGTARNVOLD");
        const QByteArray log = TestSupport::readAll(logPath);
        QVERIFY(log.contains("<Function>LoadFromAsciiFile()</Function>"));
        QVERIFY(log.contains("<Function>LoadFromAsciiFile() - loaded</Function>"));
        QVERIFY(log.contains("<Function>SaveToFileAsAscii()</Function>"));
        QVERIFY(log.contains("Name: Tom &amp; Jerry &lt;2&gt;"));
        QCOMPARE(log.count("<Item>"), 2);
    }

    // On a real, nearly full disk a save either completes or fails with the old file byte for byte.
    void fullDiskNeverTruncatesTheDatabase() {
        TmpfsMount disk(512 * 1024);
        if (!disk.isMounted())
            QSKIP(qPrintable(
                QStringLiteral("cannot mount a tmpfs here (%1); the full-disk sweep needs root").arg(disk.error())));
        Settings().setValue(QStringLiteral("LastDBDir"), disk.path());
        DBItemCollection c(nullptr);
        for (int i = 0; i < 1500; ++i)
            addItem(c, QStringLiteral("Genstand nummer %1").arg(i), i % 7)
                ->SetDescription(QStringLiteral("En beskrivelse der fylder lidt"));
        const QString path = disk.path() + QStringLiteral("/register.db");
        const QByteArray oldBytes = kTovikHeader + "\r\n1;Gammel;;1;1;;;;;;;1;0;;;;;\r\n";
        QBuffer probe;
        probe.open(QIODevice::WriteOnly);
        QString error;
        QVERIFY(c.WriteAscii(&probe, &error));
        const qint64 size = probe.data().size();
        int completed = 0;
        int refused = 0;
        for (qint64 free = 0; free <= size + 32 * 1024; free += 8192) {
            QFile::remove(disk.path() + QStringLiteral("/filler"));
            QVERIFY(TestSupport::writeAll(path, oldBytes));
            QVERIFY(disk.leaveFree(free));
            m_dialogs->clear();
            m_dialogs->answers.clear();
            m_dialogs->expectBoxes(); // when the save is refused
            if (c.SaveToFileAsAscii(path)) {
                QCOMPARE(TestSupport::readAll(path), probe.data());
                QVERIFY(m_dialogs->boxes.isEmpty());
                ++completed;
            } else {
                QCOMPARE(TestSupport::readAll(path), oldBytes);
                QCOMPARE(m_dialogs->boxes.size(), 1);
                QVERIFY(m_dialogs->lastText().contains(path));
                ++refused;
            }
        }
        QVERIFY(completed > 0);
        QVERIFY(refused > 0);
    }
};

QTEST_GUILESS_MAIN(TestDatabaseFile)
#include "tst_database_file.moc"
