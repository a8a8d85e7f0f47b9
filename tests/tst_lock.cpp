#include "TestSupport.h"
#include "app/Edition.h"
#include "app/Settings.h"
#include "core/DBItemCollection.h"
#include "platform/SystemNames.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>
#include <vector>

namespace {
const QByteArray kRecord = "#2.5.5 (BRV)\r\n1;Boremaskine;Bosch;1;1;;;1001;;;;4;0;;;;;\r\n";
}

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
        Settings().setValue(QStringLiteral("LastDBDir"), m_dir->path());
        m_dialogs = new TestDialogs;
    }
    void cleanup() {
        delete m_dialogs;
        delete m_dir;
    }

    void loadingTakesTheLockAndClearReleasesIt() {
        const QString path = database();
        {
            DBItemCollection c(nullptr);
            QVERIFY(c.LoadFromAsciiFile(path));
            QVERIFY(m_dialogs->boxes.isEmpty());
            QVERIFY(!c.IsReadOnly());
            const QByteArray content = TestSupport::readAll(lockPath());
            QCOMPARE(content, (path + QStringLiteral(" Locked by PC: ") + ComputerName() + QStringLiteral(", User: ") +
                               LoginName())
                                  .toLatin1());
            QVERIFY(c.SaveToFileAsAscii(path));
            c.Clear();
            QVERIFY(!QFile::exists(lockPath()));
            QVERIFY(c.LoadFromAsciiFile(path));
            QVERIFY(QFile::exists(lockPath()));
        }
        QVERIFY(!QFile::exists(lockPath())); // closing the database releases it
    }

    void oneLockForTheFolder() {
        DBItemCollection first(nullptr);
        QVERIFY(first.LoadFromAsciiFile(database(QStringLiteral("a.db"))));
        DBItemCollection second(nullptr);
        QVERIFY(second.LoadFromAsciiFile(database(QStringLiteral("b.db"))));
        QVERIFY(second.IsReadOnly());
        QVERIFY(TestSupport::readAll(lockPath()).contains("a.db Locked by PC:"));
    }

    void foreignLockMakesItReadOnly() {
        TestSupport::writeAll(lockPath(), "K:\\lager.db Locked by PC: WS12, User: clerk\r\nsecond line");
        const QString path = database();
        {
            DBItemCollection c(nullptr);
            QVERIFY(c.LoadFromAsciiFile(path));
            QCOMPARE(c.Count(), 1); // the items are shown all the same
            QVERIFY(c.IsReadOnly());
            QCOMPARE(m_dialogs->boxes.size(), 1);
            QCOMPARE(m_dialogs->boxes.at(0).icon, MessageBoxRequest::Critical);
            QVERIFY(m_dialogs->lastText().endsWith(QStringLiteral("K:\\lager.db Locked by PC: WS12, User: clerk")));
            QCOMPARE(c.LockInformation(), QStringLiteral("K:\\lager.db Locked by PC: WS12, User: clerk"));
            m_dialogs->clear();
            QVERIFY(!c.SaveToFileAsAscii(path));
            QCOMPARE(m_dialogs->lastText(),
                     QCoreApplication::translate("DBItemCollection", "READ ONLY MODE - No Save"));
            c.Clear();
        }
        // A read-only copy never removes another holder's lock.
        QVERIFY(QFile::exists(lockPath()));
    }

    void emptyLockedDatabaseIsNotReadOnly() {
        TestSupport::writeAll(lockPath(), "someone");
        const QString path = m_dir->filePath(QStringLiteral("empty.db"));
        TestSupport::writeAll(path, "#2.5.5 (BRV)\r\n");
        DBItemCollection c(nullptr);
        QVERIFY(c.LoadFromAsciiFile(path));
        QVERIFY(c.ReadOnlyFlag());
        QVERIFY(!c.IsReadOnly());
        QVERIFY(c.SaveToFileAsAscii(path)); // an empty collection is saved even when locked
    }

    void uncreatableLockIsReportedAndTheDatabaseStaysWritable() {
        // The lock's folder does not exist: nobody holds the database, but it is not protected either.
        Settings().setValue(QStringLiteral("LastDBDir"), m_dir->filePath(QStringLiteral("gone")));
        const QString path = database();
        DBItemCollection c(nullptr);
        QVERIFY(c.LoadFromAsciiFile(path));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->lastText().contains(m_dir->filePath(QStringLiteral("gone/LockFile.txt"))));
        QVERIFY(!c.IsReadOnly());
        QVERIFY(c.SaveToFileAsAscii(path));
    }

    void releasesTheLockItTookNotTheCurrentFolders() {
        const QString path = database();
        DBItemCollection c(nullptr);
        QVERIFY(c.LoadFromAsciiFile(path));
        // "LastDBDir" moves on (a save under another name); someone else's lock appears there.
        QTemporaryDir other;
        TestSupport::writeAll(other.filePath(QStringLiteral("LockFile.txt")), "colleague");
        Settings().setValue(QStringLiteral("LastDBDir"), other.path());
        c.Clear();
        QVERIFY(!QFile::exists(lockPath()));
        QVERIFY(QFile::exists(other.filePath(QStringLiteral("LockFile.txt"))));
    }

    void otherEditionsNeverLock() {
        for (int edition : {int(Tovik), int(Pellin), int(Ostrel)}) {
            SetEdition(edition);
            const QString path = m_dir->filePath(QStringLiteral("x.db"));
            TestSupport::writeAll(path, "1;A;;1;1;;;;;;;1;\r\n");
            DBItemCollection c(nullptr);
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
                collections.push_back(std::make_unique<DBItemCollection>(nullptr));
            std::atomic<int> ready{0};
            std::atomic<int> winners{0};
            std::vector<std::thread> threads;
            for (int i = 0; i < copies; ++i) {
                threads.emplace_back([&, i] {
                    ++ready;
                    while (ready.load() < copies) {
                    }
                    if (collections[i]->TryLockDB(QStringLiteral("db")) == DBItemCollection::LockOutcome::Locked)
                        ++winners;
                });
            }
            for (auto& t : threads)
                t.join();
            QCOMPARE(winners.load(), 1);
            int readOnly = 0;
            for (auto& c : collections)
                readOnly += c->ReadOnlyFlag() ? 1 : 0;
            QCOMPARE(readOnly, copies - 1);
            collections.clear(); // the winner releases it
            QVERIFY(!QFile::exists(lockPath()));
        }
    }
};

QTEST_GUILESS_MAIN(TestLock)
#include "tst_lock.moc"
