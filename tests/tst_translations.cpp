#include "tests/TestSupport.h"

#include <QDir>
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

// Every text of the sources must have a finished translation in Danish, Norwegian and English, so no user ever
// sees a raw key such as "FILE_NEW": lupdate runs over the sources into a copy of each translation file.
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
        const QString ts = dir.filePath(QStringLiteral("check_%1.ts").arg(language));
        QVERIFY(QFile::copy(source + QStringLiteral("/translations/vestrum_%1.ts").arg(language), ts));
        QFile::setPermissions(ts, QFile::ReadOwner | QFile::WriteOwner);
        QStringList arguments{"-silent", "-no-obsolete", "-locations", "none"};
        for (const char* folder : {"app", "core", "server", "mainwindow", "itemdialog", "export", "output", "printing",
                                   "setup", "forms", "platform"}) {
            if (QDir(source + QLatin1Char('/') + QLatin1String(folder)).exists())
                arguments << QLatin1String(folder);
        }
        QProcess lupdate;
        lupdate.setWorkingDirectory(source);
        lupdate.start(QStringLiteral(LUPDATE_EXECUTABLE), arguments << "-ts" << ts);
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);

        QFile file(ts);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, sourceText;
        QStringList missing, wrongPlaceholders;
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
                if (unfinished || translation.isEmpty())
                    missing << context + QStringLiteral(": ") + sourceText;
                else if (!placeholders(sourceText).isEmpty() && placeholders(sourceText) != placeholders(translation))
                    wrongPlaceholders << context + QStringLiteral(": ") + sourceText;
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY(messages > 0);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
        QVERIFY2(wrongPlaceholders.isEmpty(), qPrintable(wrongPlaceholders.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
