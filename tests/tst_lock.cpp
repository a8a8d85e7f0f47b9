#include "app/Edition.h"
#include "app/Settings.h"
#include "core/DBItemCollection.h"
#include "platform/ProcessInfo.h"
#include "platform/SystemNames.h"
#include "tests/TestSupport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace {
const QByteArray kRecord = "#2.5.5 (BRV)\r\n1;Boremaskine;Bosch;1;1;;;1001;;;;4;0;;;;;\r\n";

// The id of a process that has ended.
qint64 deadPid() {
    QProcess process;
    process.start(QStringLiteral("true"), {});
    process.waitForStarted();
    const qint64 pid = process.processId();
    process.waitForFinished();
    return pid;
}

// The installed program, started as the inventory edition on its own copy of the installation and with
// its own settings, as a user starts it.
struct Program {
    QTemporaryDir home{QDir::tempPath() + QStringLiteral("/lockrun-XXXXXX")};
    QString installation = home.filePath(QStringLiteral("installation"));
    QProcess process;

    Program() {
        TestSupport::copyTree(qEnvironmentVariable("VESTRUM_INSTALL_DIR"), installation);
        QDir().mkpath(home.filePath(QStringLiteral("config/Tarnvold")));
        TestSupport::writeAll(home.filePath(QStringLiteral("config/Tarnvold/Brevane.conf")),
                              "[General]\nLanguage=dk\n");
        QDir().mkpath(home.filePath(QStringLiteral("bin")));
        QFile::link(qEnvironmentVariable("VESTRUM_INSTALL_DIR") + QStringLiteral("/vestrum"),
                    home.filePath(QStringLiteral("bin/Brevane")));
    }
    ~Program() {
        process.kill();
        process.waitForFinished(5000);
    }
    bool start() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(installation);
        process.start(home.filePath(QStringLiteral("bin/Brevane")), {});
        return process.waitForStarted(10000);
    }
    QString database() const { return installation + QStringLiteral("/db/DemoBrevane/DemoBrevane.dk.db"); }
    QString lock() const { return installation + QStringLiteral("/db/DemoBrevane/LockFile.txt"); }
    // The program holds the lock once its window is being built; a signal is handled from then on.
    bool holdsLock() const {
        return TestSupport::readAll(lock()).contains("pid: " + QByteArray::number(process.processId()) + ",");
    }
};
} // namespace

class TestLock : public QObject {
    Q_OBJECT
private:
    QTemporaryDir* m_dir = nullptr;
    TestDialogs* m_dialogs = nullptr;
    QString lockPath() const { return m_dir->filePath(QStringLiteral("LockFile.txt")); }
    QString database(const QString& name = QStringLiteral("lager.db")) {
        const QString path = m_dir->filePath(name);
        if (!QFile::exists(path))
            TestSupport::writeAll(path, kRecord);
        return path;
    }

private slots:
    void initTestCase() {
        TestSupport::isolateSettings(QStringLiteral("Brevane"));
        TestSupport::installTranslation(QStringLiteral("en"));
    }
    void init() {
        SetEdition(Brevane);
        m_dir = new QTemporaryDir;
        m_dialogs = new TestDialogs;
    }
    void cleanup() {
        delete m_dialogs;
        delete m_dir;
    }

    void loadingTakesTheLockAndClearReleasesIt() {
        const QString path = database();
        // The folder comes from whoever opens the register, never from the settings.
        QTemporaryDir remembered;
        Settings().setValue(QStringLiteral("LastDBDir"), remembered.path());
        {
            DBItemCollection c(nullptr, m_dir->path());
            QVERIFY(c.LoadFromAsciiFile(path));
            QVERIFY(!c.IsReadOnly());
            QCOMPARE(
                TestSupport::readAll(lockPath()),
                (path + QStringLiteral(" Locked by PC: ") + ComputerName() + QStringLiteral(", User: ") + LoginName() +
                 QStringLiteral("\r\npid: %1, boot: %2").arg(QCoreApplication::applicationPid()).arg(CurrentBootId()))
                    .toLatin1());
            QVERIFY(c.SaveToFileAsAscii(path));
            c.Clear();
            QVERIFY(!QFile::exists(lockPath()));
            QVERIFY(c.LoadFromAsciiFile(path));
            QVERIFY(QFile::exists(lockPath()));
        }
        QVERIFY(!QFile::exists(lockPath())); // closing the database releases it
        QVERIFY(QDir(remembered.path()).isEmpty());
        Settings().remove(QStringLiteral("LastDBDir"));
    }

    void foreignLockMakesItReadOnly() {
        TestSupport::writeAll(lockPath(), "K:\\lager.db Locked by PC: WS12, User: clerk\r\nsecond line");
        const QString path = database();
        {
            DBItemCollection c(nullptr, m_dir->path());
            m_dialogs->answer(0);
            QVERIFY(c.LoadFromAsciiFile(path));
            QCOMPARE(c.Count(), 1); // the items are shown all the same
            QVERIFY(c.IsReadOnly());
            QCOMPARE(m_dialogs->boxes.size(), 1);
            QCOMPARE(m_dialogs->boxes.at(0).icon, MessageBoxRequest::Critical);
            QVERIFY(m_dialogs->lastText().contains(QStringLiteral("K:\\lager.db Locked by PC: WS12, User: clerk\n")));
            QCOMPARE(c.LockInformation(), QStringLiteral("K:\\lager.db Locked by PC: WS12, User: clerk"));
            m_dialogs->answer(0);
            QVERIFY(!c.SaveToFileAsAscii(path));
            QCOMPARE(m_dialogs->lastText(),
                     QCoreApplication::translate("DBItemCollection", "READ ONLY MODE - No Save"));
            c.Clear();
        }
        // A read-only copy never removes another holder's lock.
        QVERIFY(QFile::exists(lockPath()));
        // An empty register under a foreign lock is not read-only: it can be saved.
        const QString empty = m_dir->filePath(QStringLiteral("empty.db"));
        TestSupport::writeAll(empty, "#2.5.5 (BRV)\r\n");
        DBItemCollection c(nullptr, m_dir->path());
        m_dialogs->answer(0);
        QVERIFY(c.LoadFromAsciiFile(empty));
        QVERIFY(c.ReadOnlyFlag());
        QVERIFY(!c.IsReadOnly());
        QVERIFY(c.SaveToFileAsAscii(empty));
    }

    // Nobody holds the database, but it is not protected either: one box names the lock, nothing half-written
    // stays behind, and the database opens writable.
    void lockThatCannotBeMade_data() {
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("folder missing") << false;
        QTest::newRow("disk full") << true;
    }
    void lockThatCannotBeMade() {
        QFETCH(bool, fullDisk);
        std::unique_ptr<TmpfsMount> disk;
        QString folder = m_dir->filePath(QStringLiteral("gone"));
        if (fullDisk) {
            disk = std::make_unique<TmpfsMount>(64 * 1024);
            if (!disk->isMounted())
                QSKIP(qPrintable(
                    QStringLiteral("cannot mount a tmpfs here (%1); a full disk needs root").arg(disk->error())));
            QVERIFY(disk->leaveFree(0));
            folder = disk->path();
        }
        const QString path = database();
        DBItemCollection c(nullptr, folder);
        m_dialogs->answer(0);
        QVERIFY(c.LoadFromAsciiFile(path));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->lastText().contains(folder + QStringLiteral("/LockFile.txt")));
        QVERIFY(!QFile::exists(folder + QStringLiteral("/LockFile.txt")));
        QVERIFY(!c.IsReadOnly());
        if (!fullDisk)
            QVERIFY(c.SaveToFileAsAscii(path));
    }

    void releasesTheLockItTookNotTheCurrentFolders() {
        const QString path = database();
        DBItemCollection c(nullptr, m_dir->path());
        QVERIFY(c.LoadFromAsciiFile(path));
        // The register is given another folder (a save under another name); someone else's lock is there.
        QTemporaryDir other;
        TestSupport::writeAll(other.filePath(QStringLiteral("LockFile.txt")), "colleague");
        c.SetFolder(other.path());
        c.Clear();
        QVERIFY(!QFile::exists(lockPath()));
        QVERIFY(QFile::exists(other.filePath(QStringLiteral("LockFile.txt"))));
    }

    void staleLocks_data() {
        QTest::addColumn<bool>("thisComputer");
        QTest::addColumn<QString>("boot"); // "this", "other" or "none" (a lock without the process line)
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("takenOver");
        QTest::newRow("this computer and boot, process ended") << true << "this" << false << true;
        QTest::newRow("this computer, another boot") << true << "other" << true << true;
        QTest::newRow("this computer and boot, process running") << true << "this" << true << false;
        QTest::newRow("another computer, process ended") << false << "this" << false << false;
        QTest::newRow("another computer, another boot") << false << "other" << false << false;
        QTest::newRow("no process line") << true << "none" << false << false;
    }
    void staleLocks() {
        QFETCH(bool, thisComputer);
        QFETCH(QString, boot);
        QFETCH(bool, running);
        QFETCH(bool, takenOver);
        if (CurrentBootId().isEmpty() && boot != QLatin1String("none"))
            QSKIP("this system tells no boot id");
        const QString holder = QStringLiteral("K:\\lager.db Locked by PC: %1, User: clerk")
                                   .arg(thisComputer ? ComputerName() : QStringLiteral("WS12"));
        QByteArray foreign = holder.toLatin1();
        if (boot != QLatin1String("none"))
            foreign += QStringLiteral("\r\npid: %1, boot: %2")
                           .arg(running ? QCoreApplication::applicationPid() : deadPid())
                           .arg(boot == QLatin1String("this") ? CurrentBootId()
                                                              : QStringLiteral("00000000-0000-0000-0000-000000000000"))
                           .toLatin1();
        TestSupport::writeAll(lockPath(), foreign);
        const QDateTime written = QDateTime::currentDateTime().addSecs(-(3 * 3600 + 5 * 60));
        QFile lock(lockPath());
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(written, QFileDevice::FileModificationTime));
        lock.close();
        const QString path = database();

        DBItemCollection c(nullptr, m_dir->path());
        if (!takenOver)
            m_dialogs->answer(0);
        QVERIFY(c.LoadFromAsciiFile(path));
        if (takenOver) {
            QVERIFY(!c.IsReadOnly());
            QCOMPARE(TestSupport::readAll(lockPath()), DBItemCollection::LockContent(path));
            QCOMPARE(m_dialogs->status.size(), 1);
            QVERIFY(m_dialogs->status.first().contains(holder));
            c.Clear();
            QVERIFY(!QFile::exists(lockPath()));
        } else {
            // Read-only, with the offer to take the lock over; the box tells how old the lock is.
            QCOMPARE(m_dialogs->boxes.size(), 1);
            QCOMPARE(m_dialogs->boxes.first().buttons,
                     QStringList({QCoreApplication::translate("DBItemCollection", "Skrivebeskyttet"),
                                  QCoreApplication::translate("DBItemCollection", "Overtag låsen")}));
            QVERIFY(m_dialogs->lastText().contains(holder));
            QVERIFY(m_dialogs->lastText().contains(written.toString(QStringLiteral("yyyy-MM-dd hh:mm"))));
            QVERIFY(c.IsReadOnly());
            c.Clear();
            QCOMPARE(TestSupport::readAll(lockPath()), foreign);
        }
    }

    // A second copy on the same folder: read-only, or it takes the running copy's lock over.
    void secondCopy_data() {
        QTest::addColumn<bool>("takeOver");
        QTest::newRow("read-only") << false;
        QTest::newRow("take over") << true;
    }
    void secondCopy() {
        QFETCH(bool, takeOver);
        DBItemCollection first(nullptr, m_dir->path());
        QVERIFY(first.LoadFromAsciiFile(database(QStringLiteral("a.db"))));
        const QByteArray firstLock = TestSupport::readAll(lockPath());
        DBItemCollection second(nullptr, m_dir->path());
        m_dialogs->answer(takeOver ? 1 : 0);
        const QString path = database(QStringLiteral("b.db"));
        QVERIFY(second.LoadFromAsciiFile(path));
        QCOMPARE(second.IsReadOnly(), !takeOver);
        if (!takeOver) {
            QCOMPARE(TestSupport::readAll(lockPath()), firstLock);
            return;
        }
        QCOMPARE(TestSupport::readAll(lockPath()), DBItemCollection::LockContent(path));
        QVERIFY(m_dialogs->status.last().contains(QString::fromLatin1(firstLock.left(firstLock.indexOf('\r')))));
        QVERIFY(second.SaveToFileAsAscii(path));
        // The copy that lost its lock leaves the new holder's alone when it closes.
        first.Clear();
        QCOMPARE(TestSupport::readAll(lockPath()), DBItemCollection::LockContent(path));
        second.Clear();
        QVERIFY(!QFile::exists(lockPath()));
    }

    // The waits for an orderly end are long: under the sanitizers on a busy machine it once took over 20 s.
    void killedProgramsLockIsTakenOverAtTheNextStart() {
        Program program;
        QVERIFY(program.start());
        QTRY_VERIFY_WITH_TIMEOUT(program.holdsLock(), 30000);
        program.process.kill();
        QVERIFY(program.process.waitForFinished(10000));
        QVERIFY(QFile::exists(program.lock()));

        QVERIFY(program.start());
        QTRY_VERIFY_WITH_TIMEOUT(program.holdsLock(), 30000);
        // Ended in order without changes: the lock goes and nothing is left to recover.
        ::kill(static_cast<pid_t>(program.process.processId()), SIGTERM);
        QVERIFY(program.process.waitForFinished(60000));
        QCOMPARE(program.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.process.exitCode(), 128 + SIGTERM);
        const QByteArray errors = program.process.readAllStandardError();
        QVERIFY2(!errors.contains("box:"), errors.constData()); // taken over without asking
        QVERIFY(!QFile::exists(program.lock()));
        QVERIFY(!QFile::exists(program.database() + QStringLiteral(".recovered")));
    }

    void terminatedWithChangesLeavesARecoveryFile() {
        Program program;
        QByteArray original = TestSupport::readAll(program.database());
        QVERIFY(original.endsWith('\n'));
        // The changes of an earlier run: one item more, out of group order. The start offers them
        // (unattended, the offer's default opens them), so the database is open with unsaved changes.
        const QByteArray changed = original + "0;Skruetraekker;Wera;12;12;;;2001;;;;1;0;;;;;\r\n";
        const QString recovery = program.database() + QStringLiteral(".recovered");
        TestSupport::writeAll(recovery, changed);
        QVERIFY(program.start());
        QTRY_VERIFY_WITH_TIMEOUT(program.holdsLock(), 30000);
        ::kill(static_cast<pid_t>(program.process.processId()), SIGTERM);
        QVERIFY(program.process.waitForFinished(60000));
        QCOMPARE(program.process.exitCode(), 128 + SIGTERM);
        const QByteArray errors = program.process.readAllStandardError();
        QVERIFY2(errors.contains(".recovered"), errors.constData()); // it was offered
        QCOMPARE(errors.count("box:"), 1);

        QVERIFY(!QFile::exists(program.lock()));
        QCOMPARE(TestSupport::readAll(program.database()), original);
        // What Save would have written.
        DBItemCollection expected(nullptr);
        QVERIFY(expected.LoadFromBuffer(changed));
        QBuffer saved;
        saved.open(QIODevice::WriteOnly);
        QVERIFY(expected.WriteAscii(&saved, nullptr));
        QVERIFY(saved.data() != changed); // sorted by group: the file was written anew
        QCOMPARE(TestSupport::readAll(recovery), saved.data());
    }

    void otherEditionsNeverLock() {
        for (int edition : {int(Tovik), int(Pellin), int(Ostrel)}) {
            SetEdition(edition);
            const QString path = m_dir->filePath(QStringLiteral("x.db"));
            TestSupport::writeAll(path, "1;A;;1;1;;;;;;;1;\r\n");
            DBItemCollection c(nullptr, m_dir->path());
            QVERIFY(c.LoadFromAsciiFile(path));
            QVERIFY(!QFile::exists(lockPath()));
            QVERIFY(!c.LockDB(path));
            TestSupport::writeAll(lockPath(), "foreign");
            c.Clear();
            QVERIFY(QFile::exists(lockPath()));
            QFile::remove(lockPath());
        }
    }

    void racingCopiesOneWins() {
        // Many collections opening the same folder at the same moment: exactly one gets the lock.
        for (int round = 0; round < 20; ++round) {
            constexpr int copies = 8;
            std::vector<std::unique_ptr<DBItemCollection>> collections;
            for (int i = 0; i < copies; ++i)
                collections.push_back(std::make_unique<DBItemCollection>(nullptr, m_dir->path()));
            std::atomic<int> ready{0}, winners{0}, readOnly{0};
            std::vector<std::thread> threads;
            for (int i = 0; i < copies; ++i) {
                threads.emplace_back([&, i] {
                    for (++ready; ready.load() < copies;) {
                    }
                    if (collections[i]->TryLockDB(QStringLiteral("db")) == DBItemCollection::LockOutcome::Locked)
                        ++winners;
                    readOnly += collections[i]->ReadOnlyFlag() ? 1 : 0;
                });
            }
            for (auto& t : threads)
                t.join();
            QCOMPARE(winners.load(), 1);
            QCOMPARE(readOnly.load(), copies - 1);
            collections.clear(); // the winner releases it
            QVERIFY(!QFile::exists(lockPath()));
        }
    }
};

QTEST_GUILESS_MAIN(TestLock)
#include "tst_lock.moc"
