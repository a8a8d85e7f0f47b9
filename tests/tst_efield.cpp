#include "core/EField.h"

#include <QRandomGenerator>

#include <QTest>
#include <cmath>
#include <cstdlib>

class TestEField : public QObject {
    Q_OBJECT
private slots:
    // After one good line the next is read (a long text never spills into the next field), or the exception
    // names the failing field, its index, the lines read before and whether the input ran out. value: the
    // text read (status 0) or the failing field's name.
    void readLine_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("index");
        auto row = [](const char* name, const QByteArray& data, int status, const QByteArray& value, int index) {
            QTest::newRow(name) << data << status << value << index;
        };
        row("text", "12;abc;rest", 0, "abc", 0);
        row("text over 199 read whole", "12;" + QByteArray(205, 'a') + ";b", 0, QByteArray(205, 'a'), 0);
        row("empty text", "12;;", 0, "", 0);
        row("no number", ";abc;", 2, "Number", 0);
        row("empty input", "", 3, "Number", 0);
        row("only blanks", " \r\n ", 3, "Number", 0);
        row("ends inside the text", "12;ab", 1, "Text", 2);
        row("ends before the text", "12;", 3, "Text", 2);
        row("lone sign", "-;x;", 2, "Number", 0);
        row("too large", "99999999999;x;", 2, "Number", 0);
    }
    void readLine() {
        QFETCH(QByteArray, data);
        QFETCH(int, status);
        QFETCH(QByteArray, value);
        QFETCH(int, index);
        EIntField number("Number");
        ECharField sep("Separator");
        EStringField text("Text", ';');
        ELine line;
        for (EField* field : std::initializer_list<EField*>{&number, &sep, &text, &sep})
            line.Add(field);
        const QByteArray input = "1;x;\n" + data;
        EInStream in(input);
        line.Read(in);
        in.getLine(349);
        try {
            line.Read(in);
            QCOMPARE(status, 0);
            QCOMPARE(number.Value(), 12);
            QCOMPARE(sep.Value(), ';');
            QCOMPARE(text.Value().toByteArray(), value);
            QCOMPARE(line.LineCount(), 2);
            QCOMPARE(in.getLine(349).toByteArray(), data.mid(data.lastIndexOf(';') + 1));
        } catch (const ELineException& e) {
            QCOMPARE(e.Field().Status(), status);
            QCOMPARE(e.Field().FieldName(), value);
            QCOMPARE(e.FieldIndex(), index);
            QCOMPARE(e.Line(), 1);
            QCOMPARE(e.IsEof(), bool(status & 1));
            QCOMPARE(
                e.Message(),
                QStringLiteral("An error occured while reading line 1, parameter (%1)!").arg(QLatin1String(value)));
            QCOMPARE(line.LineCount(), 1);
        }
    }

    // Not a number: the field says so by its name.
    void notANumber_data() {
        QTest::addColumn<QByteArray>("data");
        for (const char* data : {"inf;", "nan;", ".;", ";"})
            QTest::newRow(data) << QByteArray(data);
    }
    void notANumber() {
        QFETCH(QByteArray, data);
        EFloatField field("Price");
        EInStream in(data);
        try {
            in >> field;
            QFAIL("read as a number");
        } catch (const EFieldException& e) {
            QCOMPARE(e.Status() & 2, 2);
            QCOMPARE(e.FieldName(), QByteArray("Price"));
        }
    }

    // Numbers in the classic locale give the very same doubles as the library reads, the reader's quick way with
    // short numbers included: blanks, signs, exponents, a comma that stops, then random ones.
    void numbersReadExactlyAsTheLibraryReadsThem() {
        auto check = [](const QByteArray& text) {
            EFloatField field("Price");
            EInStream in(text);
            in >> field;
            const double expected = std::strtod(text.constData(), nullptr);
            QVERIFY2(field.Value() == expected && std::signbit(field.Value()) == std::signbit(expected),
                     text.constData());
        };
        for (const char* text : {"12.500000;", "  \t7;", "-0.25;", "+3;", "1e3;", "12,5;", ".5;"})
            check(text);
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
            check(text + ';');
            if (QTest::currentTestFailed())
                return;
        }
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
};

QTEST_GUILESS_MAIN(TestEField)
#include "tst_efield.moc"
