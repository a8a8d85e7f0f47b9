#pragma once

#include "server/ServerAddress.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include <algorithm>

#include <pwd.h>
#include <unistd.h>

// A PostgreSQL server of the test's own in a temporary folder: a Unix socket there and no TCP port. The
// server refuses to run as root, so a test run as root runs it as the unprivileged user "nobody".
class TestPostgres {
public:
    TestPostgres() {
        QDir versions(QStringLiteral("/usr/lib/postgresql"));
        QStringList found = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        std::sort(found.begin(), found.end(), [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
        if (!found.isEmpty())
            m_bin = versions.filePath(found.last() + QStringLiteral("/bin"));
        if (!QFile::exists(m_bin + QStringLiteral("/initdb"))) {
            m_error = QStringLiteral("PostgreSQL server binaries not found (package postgresql)");
            return;
        }
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
            m_error = QStringLiteral("Qt's QPSQL driver not found (package libqt6sql6-psql)");
            return;
        }
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            if (!nobody) {
                m_error = QStringLiteral("running as root and no user 'nobody' to run the server");
                return;
            }
            m_runAs = {QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(nobody->pw_uid),
                       QStringLiteral("--regid=%1").arg(nobody->pw_gid), QStringLiteral("--clear-groups"),
                       QStringLiteral("--")};
            if (chown(QFile::encodeName(m_dir.path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0) {
                m_error = QStringLiteral("cannot hand the server's folder to 'nobody'");
                return;
            }
        }
        if (!run(QStringLiteral("initdb"),
                 {QStringLiteral("-D"), dataDir(), QStringLiteral("-U"), user(), QStringLiteral("-A"),
                  QStringLiteral("trust"), QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C"),
                  QStringLiteral("--no-sync")}))
            return;
        m_ready = start();
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
        QStringList command = m_runAs;
        command << m_bin + QLatin1Char('/') + tool << arguments;
        process.setWorkingDirectory(m_dir.path());
        process.start(command.takeFirst(), command);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            m_error = QStringLiteral("%1 failed: %2 %3")
                          .arg(tool, QString::fromLocal8Bit(process.readAllStandardError()),
                               QString::fromLocal8Bit(process.readAllStandardOutput()));
            return false;
        }
        return true;
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
