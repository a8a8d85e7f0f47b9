#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "tests/TestSupport.h"

#include <QTest>

class TestEdition : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::isolateSettings(); }
    void init() { TestSupport::clearSettings(); }

    void editionFromPath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("edition");
        QTest::newRow("Tovik.exe") << "C:\\Programmer\\Tovik.exe" << int(Tovik);
        QTest::newRow("lower-case vestrum") << "/usr/lib/vestrum/vestrum" << int(Tovik);
        QTest::newRow("MyBrevane.exe") << "D:\\MyBrevane.exe" << int(Brevane);
        QTest::newRow("Ostrel in a Pellin folder") << "/opt/Pellin/Ostrel" << int(Pellin);
        QTest::newRow("tovik wins over Brevane") << "/home/tovik/Brevane" << int(Tovik);
        QTest::newRow("launcher") << "./Ostrel" << int(Ostrel);
        QTest::newRow("no edition word") << "/usr/bin/Foo" << int(NoEdition);
        QTest::newRow("empty") << "" << int(NoEdition);
    }
    void editionFromPath() {
        QFETCH(QString, path);
        QFETCH(int, edition);
        QCOMPARE(EditionFromProgramPath(path), edition);
    }

    void language_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("language");
        QTest::newRow("no") << QVariant("no") << "no";
        QTest::newRow("de falls back") << QVariant("de") << "dk";
        QTest::newRow("upper case is not a code") << QVariant("EN") << "dk";
    }
    void language() {
        QFETCH(QVariant, stored);
        Settings().setValue(QStringLiteral("Language"), stored);
        QTEST(GetLanguage(), "language");
    }

    // The caption ends in " - " and the path, or the word for a register without a name.
    void captionEndsInThePath() {
        SetEdition(Brevane);
        QVERIFY(GetCaption(QStringLiteral("/x/lager.db")).endsWith(QStringLiteral(" - /x/lager.db")));
        QVERIFY(GetCaption(QString()).endsWith(QStringLiteral(" - Unavngivet")));
    }
};

QTEST_GUILESS_MAIN(TestEdition)
#include "tst_edition.moc"
