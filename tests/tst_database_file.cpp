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

#include <charconv>
#include <cmath>
#include <limits>

namespace {
const QByteArray kTovikHeader = "#2.5.5 (TVK)- Format: group;name;product;price;priceToday;date;supplier;serialno;"
                                "description;address;photolink;number_of_items;location;www;receipt;document;"
                                "producttype;";
const QByteArray kRecord = "1;A;;1;1;;;;;;;1;0;;;;;";

QString msg(const char* key) {
    return QCoreApplication::translate("DBItemCollection", key);
}

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

// Records as the writer writes them, or (odd) now and then in forms only the field descriptions decide:
// blanks and signs before numbers, exponents, long numbers and texts, odd counts, short lines, extra
// columns, blank lines, other line ends, a second "#" line.
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
        if (rare(15)) { // a short line ends after its number columns, so it still loads
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

const std::pair<const char*, const char*> kLineEnds[] = {{"CR LF", "\r\n"}, {"LF", "\n"}, {"CR", "\r"}};
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

    // Read by the field descriptions alone on one thread, and every other way: the direct scan, stretches
    // side by side (more than there are cores), pieces of a few bytes, from memory: the same items and messages.
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

    // What a load makes of a file. A load that wants a reason gives it (empty: loads), quietly and before the
    // lock is touched; it names the first bad line of the file by its real number. A plain load says it in a
    // box naming the record counter (message: empty for none, "*" any, "?" refused, box not checked), keeping
    // count records (-1: not checked). Every way of reading agrees.
    void reading_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("message");
        auto row = [](const QString& name, int edition, const QByteArray& bytes, const QString& reason, int count,
                      const QString& message) {
            QTest::newRow(qPrintable(name)) << edition << bytes << reason << count << message;
        };
        auto line = [](int number, const QString& what) { return msg("DB_LINE_ERROR").arg(number).arg(what); };
        auto notANumber = [](int column) { return msg("DB_COLUMN_NOT_A_NUMBER").arg(ColumnNames::Title(column)); };
        auto box = [](int line, const char* field) {
            return QStringLiteral("An error occured while reading line %1, parameter (%2)!").arg(line).arg(field);
        };
        const QString tooLong = msg("DB_LINE_TOO_LONG").arg(349);
        const QString none = msg("DB_NOT_A_REGISTER");
        const QString any = QStringLiteral("*");
        const QString refused = QStringLiteral("?");
        const int tvk = Tovik;

        // Generated registers, and one bad line in the second half.
        const QByteArray records = generatedRecords(10000, false);
        auto put = [](QByteArray bytes, int record, const QByteArray& line) { // becomes line record + 2
            int at = 0;
            for (int i = 0; i <= record; ++i)
                at = bytes.indexOf('\n', at) + 1;
            return bytes.insert(at, line + "\r\n");
        };
        const QByteArray badPrice = put(records, 8999, "3;Bad;;abc;1;;;;;;;1;0;;;;;");
        row("1 record", tvk, generatedRecords(1, false), {}, 1, {});
        row("10000 records", tvk, records, {}, 10000, {});
        row("10000 odd", tvk, generatedRecords(10000, true), {}, -1, {});
        row("40000 odd, a few MB", tvk, generatedRecords(40000, true, 11), {}, -1, {});
        row("bad price on line 9001", tvk, badPrice, line(9001, notANumber(ColumnNames::Price)), 8999, any);
        row("bad lines 2001 and 9002: the first", tvk, put(badPrice, 1999, "x;Bad;;1;1;;;;;;;1;0;;;;;"),
            line(2001, notANumber(ColumnNames::Group)), 1999, any);
        row("over-long line 7001 before a bad line", tvk,
            put(badPrice, 6999, "3;Long;;1;1;;;;;;;1;0;;;;;" + QByteArray(400, ' ')), line(7001, tooLong), -1, any);

        // Layouts that still load.
        const QByteArray head = kTovikHeader + "\r\n" + kRecord + "\r\n";
        row("Tovik takes 2.5.3 BRV", tvk, "#2.5.3 (BRV)\r\n", {}, 0, {});
        row("Pellin reads PLN", Pellin, "#2.5.4 (PLN)\r\n", {}, 0, {});
        row("Brevane reads BRV", Brevane, "#2.5.5 (BRV)\r\n", {}, 0, {});
        row("only a header", tvk, kTovikHeader + "\r\n", {}, 0, {});
        row("blank lines between", tvk, kTovikHeader + "\r\n\r\n" + kRecord + "\r\n\r\n\n" + kRecord + "\r\n\r\n", {},
            2, {});
        row("no line end at the end", tvk, head + kRecord, {}, 2, {});
        row("cut inside the last record", tvk, head + "1;B;;1;1;;;", {}, 1, {});
        row("cut inside a number", tvk, head + "2", {}, 1, {});
        row("second header skipped", tvk, head + "#2.5.5 (TVK)\r\n" + kRecord, {}, 2, {});

        // No register of this edition, whatever its bytes.
        static const char pngHead[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10";
        const QByteArray png(pngHead, sizeof pngHead - 1);
        row("empty file", tvk, {}, none, 0, {});
        row("blank lines only", tvk, "\r\n \r\r\n\t\n", none, 0, {});
        row("picture", tvk, png, none, -1, any);
        row("text without a separator", tvk, "12 apples and pears\r\n", none, -1, any);
        row("another edition's register", tvk, "#2.5.5 (BRV)\r\n" + kRecord + "\r\n", none, -1, refused);
        row("Brevane: picture", Brevane, png, none, -1, any);
        row("Brevane: Tovik register", Brevane, kTovikHeader + "\r\n", none, -1, refused);
        row("Tovik: 2.5.4 PLN tag", tvk, "#2.5.4 (PLN)\r\n", none, -1, refused);
        row("Ostrel: TVK tag", Ostrel, "#2.5.5 (TVK)\r\n", none, -1, refused);
        row("Ostrel: tag is case-sensitive", Ostrel, "#2.5.5 (osr)\r\n", none, -1, refused);

        // Bad records: the ones before stay.
        row("group not a number", tvk, head + kRecord + "\r\nx;B;;1;1;;;;;;;1;0;;;;;\r\n",
            line(4, notANumber(ColumnNames::Group)), 2, box(2, "Type"));
        row("price not a number on line 7, after blank lines and a lone CR", tvk,
            kTovikHeader + "\r\n" + kRecord + "\r\n\r\n\n" + kRecord + "\r" + kRecord +
                "\r\n1;B;;abc;1;;;;;;;1;0;;;;;\r\n",
            line(7, notANumber(ColumnNames::Price)), 3, box(3, "Price"));
        row("empty value today", tvk, kTovikHeader + "\r\n1;B;;1;;;;;;;;1;0;;;;;\r\n",
            line(2, notANumber(ColumnNames::PriceToday)), 0, box(0, "PriceToday"));
        row("over-long header", tvk, "#2.5.5 (TVK)" + QByteArray(400, 'x') + "\r\n" + kRecord + "\r\n",
            line(1, tooLong), 0, box(0, "Type"));
        row("over-long line rest", tvk, kTovikHeader + "\r\n" + kRecord + QByteArray(400, 'r') + "\r\n" + kRecord,
            line(2, tooLong), 1, box(1, "Type"));
        // A line that ends before a number column is refused there, whatever ends it; the next line's values
        // are never taken for it.
        for (const auto& [name, end] : kLineEnds) {
            row(QStringLiteral("line 3 ends before price today, %1").arg(name), tvk,
                kTovikHeader + end + kRecord + end + "2;B;;1" + end + "12;A;;1;1;;;;;;;1;0;;;;;" + end,
                line(3, notANumber(ColumnNames::PriceToday)), 1, box(1, "PriceToday"));
            row(QStringLiteral("line 2 ends inside the name, %1").arg(name), tvk,
                kTovikHeader + end + "2;Bo" + end + "12;1;2;3;4;;;;;;;1;0;;;;;" + end,
                line(2, notANumber(ColumnNames::Price)), 0, box(0, "Price"));
        }
    }
    void reading() {
        QFETCH(int, edition);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QFETCH(int, count);
        QFETCH(QString, message);
        SetEdition(edition);
        const QString path = write(bytes);
        const QString lock = m_dir->filePath(QStringLiteral("LockFile.txt"));
        {
            DBItemCollection c(nullptr, m_dir->path());
            QString error;
            QCOMPARE(c.LoadFromAsciiFile(path, &error), reason.isEmpty());
            QCOMPARE(error, reason);
            QVERIFY(m_dialogs->boxes.isEmpty());
            QCOMPARE(QFile::exists(lock), reason.isEmpty() && edition == Brevane); // locked once the file is read
        }
        m_dialogs->answer(0);
        {
            DBItemCollection plain(nullptr);
            QCOMPARE(plain.LoadFromAsciiFile(path), message.isEmpty());
            if (message != QLatin1String("?"))
                QCOMPARE(m_dialogs->boxes.size(), message.isEmpty() ? 0 : 1);
            QCOMPARE(m_dialogs->waitDepth, 0);
            if (count >= 0)
                QCOMPARE(plain.Count(), count);
            if (message.size() > 1) {
                QCOMPARE(m_dialogs->lastTitle(), QStringLiteral("Database error"));
                QCOMPARE(m_dialogs->lastText(), message);
            }
        }
        m_dialogs->answers.clear();
        m_dialogs->clear();
        sameEveryWay(path);
    }

    void unreadableFile() {
        const QString missing = m_dir->filePath(QStringLiteral("missing.db"));
        QVERIFY(!DBItemCollection(nullptr).LoadFromAsciiFile(missing));
        QString error;
        QVERIFY(!DBItemCollection(nullptr).LoadFromAsciiFile(missing, &error));
        QVERIFY(error.startsWith(msg("DB_FILE_CANNOT_BE_READ").section(QLatin1Char('('), 0, 0)));
        QVERIFY(m_dialogs->boxes.isEmpty());
    }

    // Refused before it is read: with the real limit on a sparse file of over a gigabyte, and a lowered one.
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
        QFile file(write(kTovikHeader + "\r\n" + kRecord + "\r\n"));
        QVERIFY(file.resize(size));
        const QString reason = msg("DB_FILE_TOO_LARGE").arg(qMax<qint64>(1, limit >> 20));
        DBItemCollection c(nullptr);
        QString error;
        QVERIFY(!c.LoadFromAsciiFile(file.fileName(), &error));
        QCOMPARE(error, reason);
        QVERIFY(m_dialogs->boxes.isEmpty());
        m_dialogs->answer(0);
        QVERIFY(!c.LoadFromAsciiFile(file.fileName()));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->lastText(), reason);
        QCOMPARE(c.Count(), 0);
        if (size < 4096) { // just within the limit the file is read (and its zero bytes are no record)
            QVERIFY(file.resize(limit));
            QVERIFY(!DBItemCollection(nullptr).LoadFromAsciiFile(file.fileName(), &error));
            QVERIFY(error.startsWith(msg("DB_LINE_ERROR").left(4)));
        }
        DBItemCollection::SetMaxFileSize(previous);
    }

    // CR LF, LF and a lone CR each end a line, also mixed; a line that ends before its last column holds empty
    // fields there (as a spreadsheet writes it) and the next line is a record of its own; each older version's
    // columns are read into their own fields (an empty count is one). The same records as the CR LF form with
    // every column written out, and a save writes them as they were read.
    void sameAsFullForm_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("crlf");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("version");
        const QList<QByteArray> lines{
            kTovikHeader,
            "3;Stol;IKEA;100.000000;80.000000;01.02.2003;Bilka;S1;Beskr;Adr;foto.jpg;2;7;w;r;d;p;",
            "",
            "4;Bord;;1.5;0;;;;;;;;;;;;;",
            "5;Lampe;Le Klint;1200.5;900;05.01.2001;Illum;;Pendel;;;1;2;;;;;extra;columns",
            "6;Ur;;1;1;;;;;;;3;4;;;;x;"};
        for (const auto& [name, end, other] :
             {std::tuple("CR LF", "\r\n", "\r\n"), std::tuple("LF", "\n", "\n"),
              std::tuple("CR (Mac editor)", "\r", "\r"), std::tuple("mixed", "\r", "\n")}) {
            QByteArray bytes;
            for (int i = 0; i < lines.size(); ++i) // the last line has no line end
                bytes += lines.at(i) + (i + 1 == lines.size() ? "" : i % 2 ? end : other);
            QTest::newRow(name) << bytes << lines.join("\r\n") + "\r\n" << 4 << 255;
        }
        const std::tuple<const char*, const char*, const char*> shortLines[] = {
            {"after the supplier", "3;Stol;IKEA;100;80;01.02.2003;Bilka",
             "3;Stol;IKEA;100;80;01.02.2003;Bilka;;;;;;;;;;;"},
            {"after price today", "3;Stol;;100;80;", "3;Stol;;100;80;;;;;;;;;;;;;"},
            {"after the count", "3;Stol;;100;80;;;;;;;2", "3;Stol;;100;80;;;;;;;2;;;;;;"},
            {"before the last column", "3;Stol;;1;2;;;;;;;2;5;w;r;d", "3;Stol;;1;2;;;;;;;2;5;w;r;d;;"}};
        const QByteArray next = "4;Bord;Hay;1.5;2;05.06.2007;Sup;S2;D;A;P;9;7;w;r;d;p;";
        for (const auto& [endName, end] : kLineEnds)
            for (const auto& [name, shortLine, fullLine] : shortLines)
                QTest::newRow(qPrintable(QStringLiteral("short %1, %2").arg(name, endName)))
                    << kTovikHeader + end + shortLine + end + next + end
                    << kTovikHeader + "\r\n" + fullLine + "\r\n" + next + "\r\n"
                    << 2 << 255;
        // header, the columns after the count as that version writes them, version, www to product type read
        const std::tuple<QByteArray, const char*, int, const char*> versions[] = {
            {"", "", 100, ""},
            {"#2.3.5", "", 100, ""},
            {"#2.4.0", ";;;;", 240, ""},
            {"#2.5.0", ";;;;", 240, ""},
            {"#2.4.1", "7;;;;", 241, ""},
            {"#2.5.1", "7;;;;", 241, ""},
            {"#2.5.2", "7;w;r;", 252, "wr"},
            {"#2.5.3 (BRV)", "7;w;r;d;", 253, "wrd"}, // any tag
            {"#2.5.4 (TVK)", "7;w;r;d;", 254, "wrd"},
            {kTovikHeader, "7;w;r;d;p;", 255, "wrdp"},
            {"#2.5.9 (OSR)", "7;w;r;d;p;", 255, "wrdp"}}; // tag not checked
        const QByteArray stol = "3;Stol;IKEA;100.000000;80.000000;01.02.2003;Bilka;S1;Beskr;Adr;foto.jpg;2;";
        for (const auto& [header, tail, version, texts] : versions) {
            QByteArray rest = tail[0] == '7' ? "7;" : "0;";
            for (int i = 0; i < 4; ++i)
                rest += QByteArray(texts).mid(i, 1) + ';';
            QTest::newRow(header.isEmpty() ? "no header" : header.left(12).constData())
                << (header.isEmpty() ? QByteArray() : header + "\r\n") + stol + tail + "\r\n4;Bord;;1.5;0;;;;;;;;" +
                       tail + "\r\n"
                << kTovikHeader + "\r\n" + stol + rest + "\r\n4;Bord;;1.5;0;;;;;;;1;" + rest + "\r\n"
                << 2 << version;
        }
    }
    void sameAsFullForm() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, crlf);
        QFETCH(int, count);
        QFETCH(int, version);
        const QString path = write(bytes);
        const QString full = write(crlf, QStringLiteral("crlf.db"));
        DBItemCollection expected(nullptr);
        QVERIFY(expected.LoadFromAsciiFile(full));
        QCOMPARE(expected.Count(), count);
        DBItemCollection c(nullptr);
        QVERIFY(c.LoadFromAsciiFile(path));
        QVERIFY(m_dialogs->boxes.isEmpty());
        QCOMPARE(c.FormatVersion(), version);
        if (version >= 240)
            QCOMPARE(DBItemCollection::LoadedFormatVersion(), version);
        QCOMPARE(dump(c), dump(expected));
        sameEveryWay(path);
        QVERIFY(c.SaveToFileAsAscii(path) && expected.SaveToFileAsAscii(full));
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
        QByteArray t[Item::TextFieldCount];
        for (int f = 0; f < Item::TextFieldCount; ++f)
            t[f] = "t" + QByteArray::number(f);
        t[Item::Date] = "02.03.2004";
        auto record = [&t](int cut, const char* prices) {
            QByteArray line = "3;";
            for (int f : {int(Item::Name), int(Item::Product), -1, int(Item::Date), int(Item::Supplier),
                          int(Item::Serialno), int(Item::Description), int(Item::Address), int(Item::Photolink), -2,
                          int(Item::Www), int(Item::Receipt), int(Item::Document), int(Item::Producttype)})
                line += (f == -1 ? QByteArray(prices) : f == -2 ? QByteArray("4;5") : t[f].left(cut)) + ';';
            return line + "\r\n";
        };
        t[field] = QByteArray(length, 'L');
        const QString path =
            write(kTovikHeader + "\r\n" + record(length, "12.5;7.25") + "8;Next;;1;2;;;;;;;9;1;;;;;\r\n");
        DBItemCollection c(nullptr);
        QVERIFY(c.LoadFromAsciiFile(path));
        QCOMPARE(c.Count(), 2);
        QCOMPARE(c.At(0)->Latin1(Item::TextField(field)).size(), kept);
        // Saved again, the text is cut to what the writer keeps and every other value stays.
        QVERIFY(c.SaveToFileAsAscii(path));
        QCOMPARE(TestSupport::readAll(path), kTovikHeader + "\r\n" +
                                                 record(int(EStringField::MaxLength), "12.500000;7.250000") +
                                                 "8;Next;;1.000000;2.000000;;;;;;;9;1;;;;;\r\n");
    }

    void headersOfEveryEdition_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("Tovik") << int(Tovik) << kTovikHeader;
        QTest::newRow("Brevane") << int(Brevane)
                                 << QByteArray(kTovikHeader).replace("TVK)- Format: group", "BRV)- Format: type");
        QTest::newRow("Ostrel") << int(Ostrel)
                                << QByteArray("#2.5.5 (OSR)- Format: type;year;mat;price;priceToday;date;catalog;"
                                              "catalogNo;description;quality;picture1;count;crown;www;picture2;"
                                              "document;producttype;");
        QTest::newRow("Pellin") << int(Pellin)
                                << QByteArray("#2.5.4 (PLN)- Format: type;name;model;price;priceToday;date;supplier;"
                                              "serialno;description;address;photolink;number_of_items;location;www;"
                                              "receipt;document;;");
    }
    // Every edition's header, and every text kept within the format: no separator, no line break, the
    // writer's length, ISO 8859-1.
    void headersOfEveryEdition() {
        QFETCH(int, edition);
        QFETCH(QByteArray, header);
        SetEdition(edition);
        DBItemCollection c(nullptr);
        Item* item = addItem(c, QStringLiteral("a;b"));
        item->SetDescription(QStringLiteral("line one\r\nline two"));
        item->SetAddress(QString(250, QLatin1Char('x')));
        item->SetSupplier(QStringLiteral("Ørsted & Co."));
        item->SetNumberOfItems(2);
        item->SetLocation(5);
        item->SetProducttype(QStringLiteral("kept in memory"));
        const QString path = m_dir->filePath(QStringLiteral("out.db"));
        QVERIFY(c.SaveToFileAsAscii(path));
        QCOMPARE(TestSupport::readAll(path), header +
                                                 "\r\n0;a,b;;0.000000;0.000000;;\xd8rsted & Co.;;line one  line two;" +
                                                 QByteArray(199, 'x') + ";;2;5;;;;kept in memory;\r\n");
        DBItemCollection back(nullptr);
        QVERIFY(back.LoadFromAsciiFile(path));
        // Read back as written; Pellin writes its 2.5.4 header, so the seventeenth column is not read back.
        QByteArray expected = dump(c).at(0);
        expected.replace("a;b", "a,b").replace("\r\n", "  ").replace(QByteArray(250, 'x'), QByteArray(199, 'x'));
        if (edition == Pellin)
            expected.replace("kept in memory", "");
        QCOMPARE(dump(back).at(0), expected);
    }

    // Prices exactly as std::to_chars writes six decimals.
    void pricesAsToChars_data() {
        QTest::addColumn<double>("price");
        QTest::addColumn<QByteArray>("written"); // empty: what std::to_chars writes
        QTest::newRow("zero") << 0.0 << QByteArray("0.000000");
        QTest::newRow("negative zero") << -0.0 << QByteArray("-0.000000");
        QTest::newRow("tiny negative") << -1e-7 << QByteArray("-0.000000");
        QTest::newRow("not a number") << std::nan("") << QByteArray("0.000000");
        QTest::newRow("infinite") << -std::numeric_limits<double>::infinity() << QByteArray("0.000000");
        QTest::newRow("three decimals") << 2.675 << QByteArray("2.675000");
        QTest::newRow("half a millionth") << 0.0000005 << QByteArray();
        QTest::newRow("seventh decimal rounds") << 123.4567895 << QByteArray();
        QTest::newRow("millionths near 2^43") << 8796093.022207 << QByteArray();
        QTest::newRow("millionths beyond 2^43") << 8796093.022209 << QByteArray();
        QTest::newRow("beyond exact integers") << 9007199254740993.0 << QByteArray();
        QTest::newRow("negative with decimals") << -98765.4321 << QByteArray("-98765.432100");
        QTest::newRow("largest double") << std::numeric_limits<double>::max() << QByteArray();
    }
    void pricesAsToChars() {
        QFETCH(double, price);
        QFETCH(QByteArray, written);
        if (written.isEmpty()) {
            char digits[400];
            written = QByteArray(
                digits, std::to_chars(digits, digits + sizeof digits, price, std::chars_format::fixed, 6).ptr - digits);
        }
        DBItemCollection c(nullptr);
        Item* item = addItem(c, QStringLiteral("x"));
        item->SetPrice(price);
        item->SetPriceToday(-price);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QVERIFY(c.WriteAscii(&out, nullptr));
        const QList<QByteArray> fields = out.data().split('\n').at(1).split(';');
        QCOMPARE(fields.at(3), written);
        if (std::isfinite(price)) // the price today is the same number negated
            QCOMPARE(fields.at(4), written.startsWith('-') ? written.mid(1) : "-" + written);
    }

    // Records that keep the field rules come back equal, and a second save gives the same bytes.
    void randomRoundTrips() {
        QRandomGenerator random(20261207);
        const char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,-_/\\:&<>'\"#()"
                                "\xe6\xf8\xe5\xc6\xd8\xc5\xe9\xfc";
        auto text = [&](int maxLength) {
            QByteArray t;
            for (int i = random.bounded(maxLength + 1); i > 0; --i)
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
            QCOMPARE(dump(back), dump(c));
            QVERIFY(back.SaveToFileAsAscii(second));
            QCOMPARE(TestSupport::readAll(second), TestSupport::readAll(first));
        }
    }

    // The shipped registers were written by the program: read every way alike, and saved again, not a byte
    // changes.
    void shippedRegisters_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("edition");
        for (const char* language : {"dk", "no", "en"}) {
            for (const auto& [name, edition, file] :
                 {std::tuple("Tovik", Tovik, "DemoDBStd/TovikStdDemoDatabase.%1.db"),
                  std::tuple("Pellin", Pellin, "DemoDBFilm/FilmDB.%1.db"),
                  std::tuple("Ostrel", Ostrel, "DemoDBCoins/DemoDBCoins.%1.txt"),
                  std::tuple("Brevane", Brevane, "DemoBrevane/DemoBrevane.%1.db")})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(name, language)))
                    << QString::fromLatin1(file).arg(language) << int(edition);
        }
    }
    void shippedRegisters() {
        QFETCH(QString, file);
        QFETCH(int, edition);
        SetEdition(edition);
        const QString path =
            TestSupport::copyFixture(TestSupport::sourceDir() + QStringLiteral("/data/db/") + file, m_dir->path());
        const QByteArray original = TestSupport::readAll(path);
        sameEveryWay(path);
        {
            DBItemCollection c(nullptr);
            QVERIFY(c.LoadFromAsciiFile(path));
            QVERIFY(c.Count() > 0);
            QVERIFY(c.SaveToFileAsAscii(path));
        }
        QCOMPARE(TestSupport::readAll(path), original);
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
        const QString blocked = m_dir->filePath(QStringLiteral("blocked.db")); // a folder in the way
        QDir().mkpath(blocked);
        QVERIFY(!c.SaveToFileAsAscii(blocked));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->lastText().contains(blocked));
        const QString path = write("old bytes");
        QFile::setPermissions(path, QFile::ReadOwner);
        if (!QFileInfo(path).isWritable()) { // a read-only file stays as it was
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
        QVERIFY(c.WriteAscii(&buffer, nullptr));
        QCOMPARE(buffer.data().count("\r\n"), 20001);
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
        for (const char* entry :
             {"<Function>LoadFromAsciiFile()</Function>", "<Function>SaveToFileAsAscii()</Function>",
              "<Function>LoadFromAsciiFile() - loaded</Function>", "Name: Tom &amp; Jerry &lt;2&gt;"})
            QVERIFY(log.contains(entry));
        QCOMPARE(log.count("<Item>"), 2);
    }

    // On a real, nearly full disk a save either completes or fails with the old file byte for byte, and no
    // temporary file stays behind either way.
    void fullDiskNeverTruncatesTheDatabase() {
        TmpfsMount disk(512 * 1024);
        if (!disk.isMounted())
            QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs here (%1); needs root").arg(disk.error())));
        Settings().setValue(QStringLiteral("LastDBDir"), disk.path());
        DBItemCollection c(nullptr);
        for (int i = 0; i < 1500; ++i)
            addItem(c, QStringLiteral("Genstand nummer %1").arg(i), i % 7)
                ->SetDescription(QStringLiteral("En beskrivelse der fylder lidt"));
        const QString path = disk.path() + QStringLiteral("/register.db");
        const QByteArray oldBytes = kTovikHeader + "\r\n1;Gammel;;1;1;;;;;;;1;0;;;;;\r\n";
        QBuffer probe;
        probe.open(QIODevice::WriteOnly);
        QVERIFY(c.WriteAscii(&probe, nullptr));
        int completed = 0;
        int refused = 0;
        for (qint64 free = 0; free <= probe.data().size() + 32 * 1024; free += 8192) {
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
            QCOMPARE(QDir(disk.path()).entryList(QDir::Files).size(), 2); // the register and the filler
        }
        QVERIFY(completed > 0);
        QVERIFY(refused > 0);
    }
};

QTEST_GUILESS_MAIN(TestDatabaseFile)
#include "tst_database_file.moc"
