#include "TestSupport.h"
#include "core/EField.h"

#include <QBuffer>
#include <QRandomGenerator>

#include <QTest>
#include <cmath>
#include <cstdlib>

class TestEField : public QObject {
    Q_OBJECT
private slots:
    void readsIntCharStringChar() {
        EIntField number("Number");
        ECharField sep1("Sep1"), sep2("Sep2");
        EStringField text("Text", ';');
        ELine line;
        line.Add(&number);
        line.Add(&sep1);
        line.Add(&text);
        line.Add(&sep2);

        const QByteArray data("12;abc;rest");
        EInStream in(data);
        line.Read(in);
        QCOMPARE(number.Value(), 12);
        QCOMPARE(sep1.Value(), ';');
        QCOMPARE(text.Value(), QByteArrayView("abc"));
        QCOMPARE(sep2.Value(), ';');
        QCOMPARE(line.LineCount(), 1);
        QCOMPARE(in.getLine(349), QByteArrayView("rest"));
    }

    void emptyText() {
        EIntField number("Number");
        ECharField sep;
        EStringField text("Text", ';');
        ELine line;
        line.Add(&number);
        line.Add(&sep);
        line.Add(&text);
        line.Add(&sep);
        const QByteArray data("12;;");
        EInStream in(data);
        line.Read(in);
        QCOMPARE(text.Value(), QByteArrayView());
        QCOMPARE(sep.Value(), ';');
    }

    void failures_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("index");
        QTest::newRow("no number") << QByteArray(";abc;") << 2 << QByteArray("Number") << 0;
        QTest::newRow("empty input") << QByteArray("") << 3 << QByteArray("Number") << 0;
        QTest::newRow("only blanks") << QByteArray(" \r\n ") << 3 << QByteArray("Number") << 0;
        QTest::newRow("ends inside the text") << QByteArray("12;ab") << 1 << QByteArray("Text") << 2;
        QTest::newRow("ends before the text") << QByteArray("12;") << 3 << QByteArray("Text") << 2;
        QTest::newRow("lone sign") << QByteArray("-;x;") << 2 << QByteArray("Number") << 0;
        QTest::newRow("too large") << QByteArray("99999999999;x;") << 2 << QByteArray("Number") << 0;
    }
    void failures() {
        QFETCH(QByteArray, data);
        QFETCH(int, status);
        QFETCH(QByteArray, field);
        QFETCH(int, index);
        EIntField number("Number");
        ECharField sep("Separator");
        EStringField text("Text", ';');
        ELine line;
        line.Add(&number);
        line.Add(&sep);
        line.Add(&text);
        line.Add(&sep);

        // One good line first, so the message carries the number of lines read before.
        const QByteArray good = "1;x;\n" + data;
        EInStream in(good);
        line.Read(in);
        in.getLine(349);
        try {
            line.Read(in);
            QFAIL("no exception");
        } catch (const ELineException& e) {
            QCOMPARE(e.Field().Status(), status);
            QCOMPARE(e.Field().FieldName(), field);
            QCOMPARE(e.FieldIndex(), index);
            QCOMPARE(e.Line(), 1);
            QCOMPARE(e.IsEof(), bool(status & 1));
            QCOMPARE(
                e.Message(),
                QStringLiteral("An error occured while reading line 1, parameter (%1)!").arg(QLatin1String(field)));
        }
        QCOMPARE(line.LineCount(), 1);
    }

    void numbersInTheClassicLocale_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<double>("value");
        QTest::newRow("point") << QByteArray("1500.5;") << 1500.5;
        QTest::newRow("six decimals") << QByteArray("12.500000;") << 12.5;
        QTest::newRow("leading blanks") << QByteArray("  \t7;") << 7.0;
        QTest::newRow("sign") << QByteArray("-0.25;") << -0.25;
        QTest::newRow("plus") << QByteArray("+3;") << 3.0;
        QTest::newRow("exponent") << QByteArray("1e3;") << 1000.0;
        QTest::newRow("comma stops") << QByteArray("12,5;") << 12.0;
        QTest::newRow("point only before") << QByteArray(".5;") << 0.5;
    }
    void numbersInTheClassicLocale() {
        QFETCH(QByteArray, data);
        QFETCH(double, value);
        EFloatField field("Price", 0, 6);
        EInStream in(data);
        in >> field;
        QCOMPARE(field.Value(), value);
    }

    void numbersReadExactlyAsTheLibraryReadsThem() {
        // The reader's quick way with short numbers must give the very same doubles.
        QRandomGenerator random(42);
        for (int i = 0; i < 200000; ++i) {
            const int digits = random.bounded(1, 20);
            QByteArray text;
            if (random.bounded(4) == 0)
                text += '-';
            for (int d = 0; d < digits; ++d)
                text += char('0' + random.bounded(10));
            if (random.bounded(3) != 0)
                text.insert(text.size() - random.bounded(qMin(digits, 8) + 1), '.');
            if (text.endsWith('.') || text == "-")
                text += '5';
            text += ';';
            EFloatField field("Price", 0, 6);
            EInStream in(text);
            in >> field;
            const double expected = std::strtod(text.constData(), nullptr);
            QVERIFY2(field.Value() == expected && std::signbit(field.Value()) == std::signbit(expected),
                     text.constData());
        }
    }

    void notANumber_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("inf") << QByteArray("inf;");
        QTest::newRow("nan") << QByteArray("nan;");
        QTest::newRow("point alone") << QByteArray(".;");
        QTest::newRow("empty field") << QByteArray(";");
    }
    void notANumber() {
        QFETCH(QByteArray, data);
        EFloatField field("Price", 0, 6);
        EInStream in(data);
        try {
            in >> field;
            QFAIL("read a number");
        } catch (const EFieldException& e) {
            QCOMPARE(e.Status() & 2, 2);
            QCOMPARE(e.FieldName(), QByteArray("Price"));
        }
    }

    void floatWidths() {
        EFloatField plain(0, 6);
        plain.SetValue(1500);
        QCOMPARE(plain.ToString(), QByteArray("1500.000000"));
        EFloatField padded(9, 2);
        padded.SetValue(1500);
        QCOMPARE(padded.ToString(), QByteArray("  1500.00"));

        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            EOutStream out(&buffer);
            out << plain << padded;
        }
        QCOMPARE(buffer.data(), QByteArray("1500.000000  1500.00"));
    }

    void delimitedTextIsReadWhole() {
        EStringField text("Text", ';');
        ECharField next("Next");
        const QByteArray data = QByteArray(205, 'a') + ";b";
        EInStream in(data);
        in >> text >> next;
        QCOMPARE(text.Value().size(), 205);
        QCOMPARE(next.Value(), ';'); // nothing spills into the next field
    }

    void fixedLength() {
        EStringField text("Code", 4);
        const QByteArray data("ABCDEF");
        EInStream in(data);
        in >> text;
        QCOMPARE(text.Value(), QByteArrayView("ABCD"));
        EStringField tooLong("Code", 10);
        EInStream short_(data);
        QVERIFY_THROWS_EXCEPTION(EFieldException, short_ >> tooLong);
    }

    // CR LF, a lone CR and LF each end a line; a line of the buffer's size fits, one more does not.
    void lineRemainder() {
        const QByteArray data = "abc\r\nd\re\n\r" + QByteArray(349, 'x') + "\r" + QByteArray(349, 'w') + "\n" +
                                QByteArray(350, 'y') + "\nz";
        EInStream in(data);
        QCOMPARE(in.getLine(349), QByteArrayView("abc"));
        QCOMPARE(in.getLine(349), QByteArrayView("d"));
        QCOMPARE(in.getLine(349), QByteArrayView("e"));
        QCOMPARE(in.getLine(349), QByteArrayView(""));
        QCOMPARE(in.getLine(349).size(), 349);
        QCOMPARE(in.getLine(349).size(), 349);
        QVERIFY(in.good());
        in.getLine(349); // 350 characters do not fit the buffer
        QVERIFY(in.fail());
    }

    void writeFailureNamesTheField() {
        FailingDevice device(0);
        EIntField group("Group");
        ECharField sep("Separator");
        EStringField name("Name", ';');
        group.SetValue(1);
        sep.SetValue(';');
        name.SetValue("Stol");
        ELine line;
        line.Add(&group);
        line.Add(&sep);
        line.Add(&name);
        EOutStream out(&device);
        out.put('x');
        QVERIFY(!out.flush()); // the device refuses: the stream is now bad
        try {
            line.Write(out);
            QFAIL("no exception");
        } catch (const ELineException& e) {
            QCOMPARE(e.Field().FieldName(), QByteArray("Group"));
            QCOMPARE(e.Field().Status(), 6);
            QCOMPARE(e.Line(), 0);
        }
    }

    void writesLines() {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        EIntField group;
        ECharField sep;
        sep.SetValue(';');
        EStringField name;
        EStringField end;
        end.SetValue("\r\n");
        ELine line;
        line.Add(&group);
        line.Add(&sep);
        line.Add(&name);
        line.Add(&sep);
        line.Add(&end);
        {
            EOutStream out(&buffer);
            group.SetValue(3);
            name.SetValue("Chair");
            line.Write(out);
            group.SetValue(-1);
            name.SetValue("");
            line.Write(out);
            QCOMPARE(line.LineCount(), 2);
        }
        QCOMPARE(buffer.data(), QByteArray("3;Chair;\r\n-1;;\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestEField)
#include "tst_efield.moc"
