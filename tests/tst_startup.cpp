#include "app/AppNames.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "mainwindow/Startup.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {
QString installDir() {
    return qEnvironmentVariable("VESTRUM_INSTALL_DIR");
}

// Starts the installed program under another name, with its own empty settings store.
struct Run {
    // Not named after the application: a temporary folder called "Tovik-..." would choose the edition.
    QTemporaryDir home{QDir::tempPath() + QStringLiteral("/launch-XXXXXX")};
    QProcess process;

    void start(const QString& launcherName, const QByteArray& settings = QByteArray(),
               const QString& appName = QStringLiteral("Tovik")) {
        const QString launcher = home.filePath(launcherName);
        QDir().mkpath(QFileInfo(launcher).path());
        QFile::link(installDir() + QStringLiteral("/vestrum"), launcher);
        if (!settings.isEmpty()) {
            QDir().mkpath(home.filePath(QStringLiteral("config/Tarnvold")));
            TestSupport::writeAll(home.filePath(QStringLiteral("config/Tarnvold/%1.conf").arg(appName)), settings);
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        process.setProcessEnvironment(env);
        // A copy of the installation: a killed run leaves its database lock in its own folder only.
        const QString copy = home.filePath(QStringLiteral("installation"));
        TestSupport::copyTree(installDir(), copy);
        process.setWorkingDirectory(copy);
        process.start(launcher, {});
    }
    ~Run() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
};
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(installDir() + QStringLiteral("/vestrum")), "the installation directory is missing");
        TestSupport::isolateSettings();
    }

    void installationDirectory() {
        for (const char* name : {"Tovik", "Pellin", "Ostrel", "Brevane", "vestrum_dk.qm", "vestrum_no.qm",
                                 "vestrum_en.qm", "qt_dk.qm", "qt_no.qm", "db", "help", "group", "location"})
            QVERIFY2(QFile::exists(installDir() + QLatin1Char('/') + QLatin1String(name)), name);
    }

    void unknownNameEndsWithStatusOne() {
        Run run;
        run.start(QStringLiteral("bin/Foo"));
        QVERIFY2(run.process.waitForFinished(10000), qPrintable(run.process.errorString()));
        QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.process.exitCode(), 1);
        QCOMPARE(run.process.readAllStandardError(), QByteArray());
    }

    void editionsStartAndStayUp_data() {
        QTest::addColumn<QString>("launcher");
        QTest::addColumn<QString>("appName");
        QTest::addColumn<QString>("language");
        // Each edition's own start is run from the installed prefix by tst_install; here the build's layout.
        // clang-format off
        QTest::newRow("Pellin no")               << "Pellin"       << "Pellin" << "no";
        QTest::newRow("VESTRUM path")            << "VESTRUM/prog" << "Tovik"  << "no";
        QTest::newRow("Tovik, register missing") << "Tovik"        << "Tovik"  << "dk";
        // clang-format on
    }
    void editionsStartAndStayUp() {
        QFETCH(QString, launcher);
        QFETCH(QString, appName);
        QFETCH(QString, language);
        const bool missing = QByteArray(QTest::currentDataTag()).endsWith("missing");
        Run run;
        run.start(launcher,
                  "[General]\nLanguage=" + language.toLatin1() + "\n" +
                      (missing ? QByteArray("LastSavedDBFile=/nonexistent/drive/hjem.db\n") : QByteArray()),
                  appName);
        QVERIFY(run.process.waitForStarted(10000));
        QVERIFY(!run.process.waitForFinished(3000)); // it stays up with its window
        const QByteArray errors = run.process.readAllStandardError();
        // No box (toolkit translation, database error) but the one naming a missing register.
        QCOMPARE(errors.contains("box:"), missing);
        if (missing)
            QVERIFY2(errors.contains("box: Tovik | ") && errors.contains("/nonexistent/drive/hjem.db"),
                     errors.constData());
    }

    // Nothing stored opens 800 x 600 at 0,0; the four numbers of older settings place the window; the whole
    // geometry stored at quit wins over them.
    void rememberedGeometry() {
        auto applied = [] {
            QWidget window;
            Startup::ApplyRememberedGeometry(&window);
            return QRect(window.pos(), window.size());
        };
        TestSupport::clearSettings();
        QCOMPARE(applied(), QRect(0, 0, 800, 600));
        Settings settings;
        const std::pair<const char*, int> older[] = {{"Width", 640}, {"Height", 480}, {"PosX", 30}, {"PosY", 40}};
        for (const auto& [key, value] : older)
            settings.setValue(QStringLiteral("geometri/mainWin") + QLatin1String(key), value);
        QCOMPARE(applied(), QRect(30, 40, 640, 480));
        QWidget before;
        before.setGeometry(QRect(60, 70, 500, 300));
        Startup::RememberGeometry(&before);
        QCOMPARE(settings.value(QStringLiteral("geometri/mainWinWidth")).toInt(), 500);
        QCOMPARE(applied(), QRect(60, 70, 500, 300));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
