#include "core/LogXML.h"
#include "tests/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <functional>

namespace {
// What a run writes into a fresh log with logging switched on.
QByteArray logOf(const std::function<void(LogXML&)>& run) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.xml"));
    qputenv("DEBUGTARNVOLD", "1");
    {
        LogXML log(path, QStringLiteral("/Tovik/"));
        run(log);
    }
    qunsetenv("DEBUGTARNVOLD");
    return TestSupport::readAll(path);
}
} // namespace

class TestLogXML : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::isolateSettings(); }

    // The switch is the environment; a log that cannot be created is off. An existing log of an earlier run is
    // neither created nor truncated while the log is off.
    void enableSwitch_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("path"); // empty: a log of an earlier run in a temporary folder
        QTest::newRow("unset") << QByteArray() << false << QString();
        QTest::newRow("empty") << QByteArray("") << false << QString();
        QTest::newRow("zero") << QByteArray("0") << false << QString();
        QTest::newRow("one") << QByteArray("1") << true << QString();
        QTest::newRow("x1y") << QByteArray("x1y") << true << QString();
        QTest::newRow("uncreatable") << QByteArray("1") << false << "/nonexistent-folder/for/sure/log.xml";
    }
    void enableSwitch() {
        QFETCH(QByteArray, value);
        QFETCH(bool, enabled);
        QFETCH(QString, path);
        QTemporaryDir dir;
        const bool earlier = path.isEmpty();
        if (earlier)
            TestSupport::writeAll(path = dir.filePath(QStringLiteral("log.xml")), "earlier run");
        if (value.isNull())
            qunsetenv("DEBUGTARNVOLD");
        else
            qputenv("DEBUGTARNVOLD", value);
        {
            LogXML log(path, QStringLiteral("/Tovik/"));
            QCOMPARE(log.IsEnabled(), enabled);
            QVERIFY(log.WriteItem(QStringLiteral("entry"), QStringLiteral("file"), QStringLiteral("f()")));
            QVERIFY(log.Element(QStringLiteral("Item"), QStringLiteral("x")));
            log.EndItem();
        }
        qunsetenv("DEBUGTARNVOLD");
        if (earlier)
            QCOMPARE(TestSupport::readAll(path) == "earlier run", !enabled);
    }

    // The layout other tools read; items left open are closed at the end. Markup and control characters (ESC of
    // a colour code, \x01, \x1f) in a logged text: the log stays a document an XML reader reads, in its declared
    // encoding, and gives the text back less the controls.
    void layout() {
        const QByteArray text = logOf([](LogXML& log) {
            log.WriteItem(QStringLiteral("db/x.db"), QStringLiteral("DBItemCollection"),
                          QStringLiteral("LoadFromAsciiFile()"));
            log.BeginItem(QStringLiteral("#2.5.5 (TVK)"));
            log.Element(QStringLiteral("Item"), QStringLiteral("Stol"));
            log.EndItem();
            log.EndItem(); // at level 1 nothing is left to close
            log.Element(QStringLiteral("Item"),
                        QStringLiteral("Tom & Jerry <2> \"x\" it's \u00e6\u00f8\u00e5\x01\x1b[0m\x1f"));
            log.WriteItem(QStringLiteral("C:\\a<b>.db"));
            log.BeginItem(QStringLiteral("outer"));
            log.BeginItem(QStringLiteral("inner"));
            log.Element(QStringLiteral("Item"), QStringLiteral("deep"));
        });
        QVERIFY(text.startsWith(
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n\n<LogFile>\n  <AppName>/Tovik/</AppName>"));
        for (const char* part :
             {"\n  <LogItem>\n    <Date>", "<Timestamp>",
              "    <Filename>DBItemCollection</Filename>\n    <Function>LoadFromAsciiFile()</Function>\n"
              "    <Entry>db/x.db</Entry>\n  </LogItem>",
              "    <Entry>#2.5.5 (TVK)</Entry>\n    <Item>Stol</Item>\n  </LogItem>",
              "      <Item>deep</Item>\n    </LogItem>\n  </LogItem>\n  <LogItem>",
              "<Item>Tom &amp; Jerry &lt;2&gt; &quot;x&quot; it&apos;s \xe6\xf8\xe5[0m</Item>"})
            QVERIFY(text.contains(part));
        QVERIFY(text.endsWith(
            "    <Filename>LogXML</Filename>\n    <Entry>Log File closed</Entry>\n  </LogItem>\n</LogFile>"));
        QXmlStreamReader reader(text);
        QStringList texts;
        while (!reader.atEnd()) {
            if (reader.readNext() == QXmlStreamReader::StartElement &&
                (reader.name() == QLatin1String("Item") || reader.name() == QLatin1String("Entry")))
                texts << reader.readElementText();
        }
        QCOMPARE(reader.errorString(), QString());
        QVERIFY(texts.contains(QStringLiteral("Tom & Jerry <2> \"x\" it's \u00e6\u00f8\u00e5[0m")));
        QVERIFY(texts.contains(QStringLiteral("C:\\a<b>.db")));
    }
};

QTEST_GUILESS_MAIN(TestLogXML)
#include "tst_logxml.moc"
