#include "tests/TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {
QSet<QString> placeholders(const QString& text) {
    QSet<QString> found;
    static const QRegularExpression re(QStringLiteral("%[1-9]"));
    for (auto it = re.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}
} // namespace

// Every text of the sources needs a finished translation in each language, so that no user sees a raw key such as
// "FILE_NEW": lupdate runs over the sources into a copy of each translation file.
class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void everyTextIsTranslated_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"dk", "no", "en"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void everyTextIsTranslated() {
        QFETCH(QString, language);
        const QString source = TestSupport::sourceDir();
        QTemporaryDir dir;
        const QString ts = dir.filePath(QStringLiteral("check.ts"));
        QVERIFY(QFile::copy(source + QStringLiteral("/translations/vestrum_%1.ts").arg(language), ts));
        QFile::setPermissions(ts, QFile::ReadOwner | QFile::WriteOwner);
        QStringList arguments{"-silent", "-no-obsolete", "-locations", "none",       "app",
                              "core",    "server",       "mainwindow", "itemdialog", "export",
                              "output",  "printing",     "setup",      "forms",      "platform"};
        QProcess lupdate;
        lupdate.setWorkingDirectory(source);
        lupdate.start(QStringLiteral(LUPDATE_EXECUTABLE), arguments << "-ts" << ts);
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);

        QFile file(ts);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, sourceText;
        QStringList wrong; // untranslated, or with other placeholders than the source
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                sourceText = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                ++messages;
                const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
                const QString translation = xml.readElementText();
                if (unfinished || translation.isEmpty() ||
                    (!placeholders(sourceText).isEmpty() && placeholders(sourceText) != placeholders(translation)))
                    wrong << context + QStringLiteral(": ") + sourceText;
            }
        }
        QVERIFY(!xml.hasError() && messages > 0);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
