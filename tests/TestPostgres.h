#pragma once

#include "server/ServerAddress.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include <pwd.h>
#include <unistd.h>

// A PostgreSQL server of the test's own in a temporary folder: a Unix socket there and no TCP port. The server
// refuses to run as root, so a test run as root runs it as the unprivileged user "nobody".
class TestPostgres {
public:
    TestPostgres() {
        int newest = 0;
        for (const QString& version : QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs))
            newest = qMax(newest, version.toInt());
        m_bin = QStringLiteral("/usr/lib/postgresql/%1/bin/").arg(newest);
        if (!QFile::exists(m_bin + QStringLiteral("initdb")))
            m_error = QStringLiteral("PostgreSQL server binaries not found (package postgresql)");
        else if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
            m_error = QStringLiteral("Qt's QPSQL driver not found (package libqt6sql6-psql)");
        if (!m_error.isEmpty())
            return;
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            if (!nobody || chown(QFile::encodeName(m_dir.path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0) {
                m_error = QStringLiteral("running as root and cannot hand the server's folder to 'nobody'");
                return;
            }
            m_runAs = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(nobody->pw_uid),
                                  QStringLiteral("--regid=%1").arg(nobody->pw_gid), QStringLiteral("--clear-groups"),
                                  QStringLiteral("--")};
        }
        m_ready = run(QStringLiteral("initdb"),
                      {QStringLiteral("-D"), dataDir(), QStringLiteral("-U"), user(), QStringLiteral("-A"),
                       QStringLiteral("trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                       QStringLiteral("--locale=C"), QStringLiteral("--no-sync")}) &&
                  start();
    }
    ~TestPostgres() {
        if (m_ready)
            stop();
    }

    bool isReady() const { return m_ready; }
    QString error() const { return m_error; }
    QString socketDir() const { return m_dir.path(); }
    static QString user() { return QStringLiteral("vestrum"); }
    ServerAddress address(const QString& database) const {
        ServerAddress a;
        a.host = socketDir();
        a.port = 5432;
        a.database = database;
        a.user = user();
        return a;
    }

    bool start() {
        return run(QStringLiteral("pg_ctl"),
                   {QStringLiteral("-D"), dataDir(), QStringLiteral("-l"), m_dir.filePath(QStringLiteral("log")),
                    QStringLiteral("-w"), QStringLiteral("-o"),
                    QStringLiteral("-k %1 -p 5432 -c listen_addresses='' -c fsync=off").arg(socketDir()),
                    QStringLiteral("start")});
    }
    bool stop() {
        return run(QStringLiteral("pg_ctl"),
                   {QStringLiteral("-D"), dataDir(), QStringLiteral("-m"), QStringLiteral("immediate"),
                    QStringLiteral("-w"), QStringLiteral("stop")});
    }
    // A fresh database for one case.
    bool createDatabase(const QString& name) {
        return run(QStringLiteral("createdb"), {QStringLiteral("-h"), socketDir(), QStringLiteral("-U"), user(), name});
    }

private:
    QString dataDir() const { return m_dir.filePath(QStringLiteral("data")); }
    bool run(const QString& tool, const QStringList& arguments) {
        QProcess process;
        const QStringList command = m_runAs + QStringList{m_bin + tool} + arguments;
        process.setWorkingDirectory(m_dir.path());
        process.start(command.first(), command.mid(1));
        if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
            return true;
        m_error = QStringLiteral("%1 failed: %2 %3")
                      .arg(tool, QString::fromLocal8Bit(process.readAllStandardError()),
                           QString::fromLocal8Bit(process.readAllStandardOutput()));
        return false;
    }

    // In /tmp: "nobody" must reach it, and a socket path may not be longer than about 100 characters.
    QTemporaryDir m_dir{QDir(QStringLiteral("/tmp")).exists()
                            ? QStringLiteral("/tmp/vestrum-pg-XXXXXX")
                            : QDir::tempPath() + QStringLiteral("/vestrum-pg-XXXXXX")};
    QString m_bin;
    QStringList m_runAs;
    QString m_error;
    bool m_ready = false;
};
