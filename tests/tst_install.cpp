#include "tests/TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Every file under a folder with its size and time: what a run must leave alone.
QStringList snapshot(const QString& dir) {
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        files << QStringLiteral("%1 %2 %3")
                     .arg(info.filePath())
                     .arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch());
    }
    files.sort();
    return files;
}

QString run(const QString& program, const QStringList& arguments, int* code) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        *code = -1;
        return process.errorString();
    }
    *code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromLocal8Bit(process.readAll());
}
} // namespace

// `cmake --install` into a temporary prefix, the desktop files it writes, and the installed editions started
// from elsewhere: each copies its sample into the user's documents and writes nothing under the prefix.
class TestInstall : public QObject {
    Q_OBJECT
    QTemporaryDir mRoot;
    QString mPrefix;

private slots:
    void initTestCase() {
        // Not under a folder whose name chooses an edition.
        mPrefix = mRoot.filePath(QStringLiteral("prefix"));
        int code = 0;
        const QString output =
            run(QStringLiteral(VESTRUM_CMAKE),
                {QStringLiteral("--install"), QStringLiteral(VESTRUM_BINARY_DIR), QStringLiteral("--prefix"), mPrefix},
                &code);
        QVERIFY2(code == 0, qPrintable(output));
    }

    void installedFiles_data() {
        QTest::addColumn<QString>("edition");
        for (const char* edition : {"Tovik", "Pellin", "Ostrel", "Brevane"})
            QTest::newRow(edition) << QString::fromLatin1(edition);
    }
    void installedFiles() {
        QFETCH(QString, edition);
        const QString id = edition.toLower();
        const QString desktop = mPrefix + QStringLiteral("/share/applications/dk.tarnvold.%1.desktop").arg(id);
        const QString metainfo = mPrefix + QStringLiteral("/share/metainfo/dk.tarnvold.%1.metainfo.xml").arg(id);
        for (const QString& file :
             {QStringLiteral("/bin/") + id, QStringLiteral("/share/vestrum/") + edition,
              QStringLiteral("/share/icons/hicolor/48x48/apps/dk.tarnvold.%1.png").arg(id),
              QStringLiteral("/share/icons/hicolor/scalable/apps/dk.tarnvold.%1.svg").arg(id),
              QStringLiteral("/share/vestrum/vestrum_no.qm"), QStringLiteral("/share/vestrum/qt_dk.qm"),
              QStringLiteral("/share/vestrum/help/GettingStarted.en.htm")})
            QVERIFY2(QFileInfo::exists(mPrefix + file), qPrintable(file));
        QVERIFY(QFileInfo(mPrefix + QStringLiteral("/bin/") + id).isExecutable());
        const QByteArray entry = TestSupport::readAll(desktop);
        QVERIFY(entry.contains("Exec=" + mPrefix.toUtf8() + "/bin/" + id.toUtf8() + '\n'));
        QVERIFY(entry.contains("Comment[da]=") && entry.contains("Comment[nb]=") && entry.contains("Keywords[da]="));

        // The validators are optional tools (desktop-file-utils, appstream): without them nothing is validated.
        int code = 0;
        if (!QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty()) {
            const QString said = run(QStringLiteral("desktop-file-validate"), {desktop}, &code);
            QVERIFY2(code == 0 && said.isEmpty(), qPrintable(said));
        }
        if (!QStandardPaths::findExecutable(QStringLiteral("appstreamcli")).isEmpty()) {
            const QString said = run(QStringLiteral("appstreamcli"), {"validate", "--no-net", metainfo}, &code);
            QVERIFY2(code == 0, qPrintable(said));
        }
    }

    // The first start copies the sample of the user's language into the documents folder and opens it; a
    // second start keeps what the user changed there.
    void editionStartsFromElsewhere_data() {
        QTest::addColumn<QString>("edition");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("sample");
        // clang-format off
        QTest::newRow("Tovik dk")   << "Tovik"   << "dk" << "db/DemoDBStd/TovikStdDemoDatabase.dk.db";
        QTest::newRow("Pellin en")  << "Pellin"  << "en" << "db/DemoDBFilm/FilmDB.en.db";
        QTest::newRow("Ostrel no")  << "Ostrel"  << "no" << "db/DemoDBCoins/DemoDBCoins.no.txt";
        QTest::newRow("Brevane dk") << "Brevane" << "dk" << "db/DemoBrevane/DemoBrevane.dk.db";
        // clang-format on
    }
    void editionStartsFromElsewhere() {
        QFETCH(QString, edition);
        QFETCH(QString, language);
        QFETCH(QString, sample);
        QTemporaryDir home(mRoot.filePath(QStringLiteral("home-XXXXXX")));
        QTemporaryDir elsewhere(mRoot.filePath(QStringLiteral("cwd-XXXXXX")));
        QDir().mkpath(home.filePath(QStringLiteral("config/Tarnvold")));
        TestSupport::writeAll(home.filePath(QStringLiteral("config/Tarnvold/%1.conf").arg(edition)),
                              "[General]\nLanguage=" + language.toLatin1() + "\n");
        const QStringList before = snapshot(mPrefix);
        const QString documents = home.filePath(QStringLiteral("Documents/Vestrum/"));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.remove(QStringLiteral("XDG_DOCUMENTS_DIR"));
        for (int start = 0; start < 2; ++start) {
            QProcess process;
            process.setProcessEnvironment(env);
            process.setWorkingDirectory(elsewhere.path());
            process.start(mPrefix + QStringLiteral("/bin/") + edition.toLower(), {});
            QVERIFY2(process.waitForStarted(10000), qPrintable(process.errorString()));
            // It stays up with its window; a failed start-up would have ended it.
            QVERIFY2(!process.waitForFinished(3000), process.readAllStandardError().constData());
            process.kill();
            process.waitForFinished(5000);
            const QByteArray errors = process.readAllStandardError();
            QVERIFY2(!errors.contains("box:"), errors.constData());
            QVERIFY2(QFileInfo::exists(documents + sample), qPrintable(documents + sample));
            if (start == 0)
                QVERIFY(TestSupport::writeAll(documents + sample, TestSupport::readAll(documents + sample) + "\n"));
        }
        QVERIFY(TestSupport::readAll(documents + sample).endsWith("\n\n"));
        QCOMPARE(snapshot(mPrefix), before);
        QCOMPARE(QDir(elsewhere.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
