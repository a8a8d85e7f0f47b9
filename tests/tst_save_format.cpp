// The database writer's bytes: prices exactly as std::to_chars writes six decimals, and the shipped registers
// saved again byte for byte as they stand.
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/DBItemCollection.h"
#include "tests/TestSupport.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

#include <charconv>
#include <cmath>
#include <limits>

class TestSaveFormat : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::isolateSettings(); }
    void init() {
        TestSupport::clearSettings();
        Settings().setValue(QStringLiteral("LastDBDir"), m_dir.path());
    }

    void pricesAsToChars_data() {
        QTest::addColumn<double>("price");
        QTest::addColumn<QByteArray>("written"); // empty: what std::to_chars writes
        const double max = std::numeric_limits<double>::max();
        QTest::newRow("zero") << 0.0 << QByteArray("0.000000");
        QTest::newRow("negative zero") << -0.0 << QByteArray("-0.000000");
        QTest::newRow("tiny negative") << -1e-7 << QByteArray("-0.000000");
        QTest::newRow("not a number") << std::nan("") << QByteArray("0.000000");
        QTest::newRow("infinite") << -std::numeric_limits<double>::infinity() << QByteArray("0.000000");
        QTest::newRow("two decimals") << 1234.5 << QByteArray("1234.500000");
        QTest::newRow("a tenth, not exact in binary") << 0.1 << QByteArray("0.100000");
        QTest::newRow("three decimals") << 2.675 << QByteArray("2.675000");
        QTest::newRow("half a millionth") << 0.0000005 << QByteArray();
        QTest::newRow("seventh decimal rounds") << 123.4567895 << QByteArray();
        QTest::newRow("millionths near 2^43") << 8796093.022207 << QByteArray();
        QTest::newRow("millionths beyond 2^43") << 8796093.022209 << QByteArray();
        QTest::newRow("beyond exact integers") << 9007199254740993.0 << QByteArray();
        QTest::newRow("negative with decimals") << -98765.4321 << QByteArray("-98765.432100");
        QTest::newRow("largest double") << max << QByteArray();
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
        auto* item = new Item;
        item->SetName(QStringLiteral("x"));
        item->SetPrice(price);
        item->SetPriceToday(-price);
        c.Add(item);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QVERIFY(c.WriteAscii(&out, nullptr));
        const QList<QByteArray> fields = out.data().split('\n').at(1).split(';');
        QCOMPARE(fields.at(3), written);
        // The price today is the same number negated (a NaN stays a NaN).
        if (!std::isnan(price) && std::isfinite(price))
            QCOMPARE(fields.at(4), written.startsWith('-') ? written.mid(1) : "-" + written);
    }

    // The shipped registers were written by the program: read and saved again, not a byte changes.
    void shippedRegistersSaveAsTheyStand_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("edition");
        for (const char* language : {"dk", "no", "en"}) {
            QTest::newRow(qPrintable(QStringLiteral("Tovik %1").arg(language)))
                << QStringLiteral("DemoDBStd/TovikStdDemoDatabase.%1.db").arg(language) << int(Tovik);
            QTest::newRow(qPrintable(QStringLiteral("Pellin %1").arg(language)))
                << QStringLiteral("DemoDBFilm/FilmDB.%1.db").arg(language) << int(Pellin);
            QTest::newRow(qPrintable(QStringLiteral("Ostrel %1").arg(language)))
                << QStringLiteral("DemoDBCoins/DemoDBCoins.%1.txt").arg(language) << int(Ostrel);
            QTest::newRow(qPrintable(QStringLiteral("Brevane %1").arg(language)))
                << QStringLiteral("DemoBrevane/DemoBrevane.%1.db").arg(language) << int(Brevane);
        }
    }
    void shippedRegistersSaveAsTheyStand() {
        QFETCH(QString, file);
        QFETCH(int, edition);
        SetEdition(edition);
        const QString path =
            TestSupport::copyFixture(TestSupport::sourceDir() + QStringLiteral("/data/db/") + file, m_dir.path());
        const QByteArray original = TestSupport::readAll(path);
        {
            DBItemCollection c(nullptr);
            QVERIFY(c.LoadFromAsciiFile(path));
            QVERIFY(c.Count() > 0);
            QVERIFY(c.SaveToFileAsAscii(path));
        }
        SetEdition(Tovik);
        QCOMPARE(TestSupport::readAll(path), original);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestSaveFormat)
#include "tst_save_format.moc"
