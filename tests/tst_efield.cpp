#include "core/EField.h"
#include "tests/TestSupport.h"

#include <QBuffer>
#include <QRandomGenerator>

#include <QTest>
#include <cmath>
#include <cstdlib>

class TestEField : public QObject {
    Q_OBJECT
private slots:
    void readsALine_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("rest");
        QTest::newRow("text") << QByteArray("12;abc;rest") << QByteArray("abc") << QByteArray("rest");
        QTest::newRow("empty text") << QByteArray("12;;") << QByteArray() << QByteArray();
    }
    void readsALine() {
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, rest);
        EIntField number("Number");
        ECharField sep1("Sep1"), sep2("Sep2");
        EStringField value("Text", ';');
        ELine line;
        for (EField* field : std::initializer_list<EField*>{&number, &sep1, &value, &sep2})
            line.Add(field);
        EInStream in(data);
        line.Read(in);
        QCOMPARE(number.Value(), 12);
        QCOMPARE(sep1.Value(), ';');
        QCOMPARE(value.Value().toByteArray(), text);
        QCOMPARE(sep2.Value(), ';');
        QCOMPARE(line.LineCount(), 1);
        QCOMPARE(in.getLine(349).toByteArray(), rest);
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

    // Numbers in the classic locale; NaN: no number.
    void numbers_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<double>("value");
        const double none = std::nan("");
        QTest::newRow("point") << QByteArray("1500.5;") << 1500.5;
        QTest::newRow("six decimals") << QByteArray("12.500000;") << 12.5;
        QTest::newRow("leading blanks") << QByteArray("  \t7;") << 7.0;
        QTest::newRow("sign") << QByteArray("-0.25;") << -0.25;
        QTest::newRow("plus") << QByteArray("+3;") << 3.0;
        QTest::newRow("exponent") << QByteArray("1e3;") << 1000.0;
        QTest::newRow("comma stops") << QByteArray("12,5;") << 12.0;
        QTest::newRow("point only before") << QByteArray(".5;") << 0.5;
        QTest::newRow("inf") << QByteArray("inf;") << none;
        QTest::newRow("nan") << QByteArray("nan;") << none;
        QTest::newRow("point alone") << QByteArray(".;") << none;
        QTest::newRow("empty field") << QByteArray(";") << none;
    }
    void numbers() {
        QFETCH(QByteArray, data);
        QFETCH(double, value);
        EFloatField field("Price", 0, 6);
        EInStream in(data);
        try {
            in >> field;
            QCOMPARE(field.Value(), value);
        } catch (const EFieldException& e) {
            QVERIFY(std::isnan(value));
            QCOMPARE(e.Status() & 2, 2);
            QCOMPARE(e.FieldName(), QByteArray("Price"));
        }
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

    void delimitedTextIsReadWhole() {
        EStringField text("Text", ';');
        ECharField next("Next");
        const QByteArray data = QByteArray(205, 'a') + ";b";
        EInStream in(data);
        in >> text >> next;
        QCOMPARE(text.Value().size(), 205);
        QCOMPARE(next.Value(), ';'); // nothing spills into the next field
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

    // Numbers in their width and precision, texts as they are, a line after another.
    void writesLines() {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        EIntField group;
        ECharField sep;
        sep.SetValue(';');
        EStringField name;
        EFloatField price(0, 6), padded(9, 2);
        EStringField end;
        end.SetValue("\r\n");
        ELine line;
        for (EField* field : std::initializer_list<EField*>{&group, &sep, &name, &sep, &price, &sep, &padded, &end})
            line.Add(field);
        {
            EOutStream out(&buffer);
            group.SetValue(3);
            name.SetValue("Chair");
            price.SetValue(1500);
            padded.SetValue(1500);
            line.Write(out);
            group.SetValue(-1);
            name.SetValue("");
            price.SetValue(0.5);
            padded.SetValue(-2.005);
            line.Write(out);
            QCOMPARE(line.LineCount(), 2);
        }
        QCOMPARE(buffer.data(), QByteArray("3;Chair;1500.000000;  1500.00\r\n-1;;0.500000;    -2.00\r\n"));
        QCOMPARE(padded.ToString(), QByteArray("    -2.00"));
    }
};

QTEST_GUILESS_MAIN(TestEField)
#include "tst_efield.moc"
