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
        for (const QString& version : QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs))
            m_newest = qMax(m_newest, version.toInt());
        if (!QFile::exists(bin(QStringLiteral("initdb"))))
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
            m_runAs = QStringLiteral("setpriv --reuid=%1 --regid=%2 --clear-groups --")
                          .arg(nobody->pw_uid)
                          .arg(nobody->pw_gid)
                          .split(QLatin1Char(' '));
        }
        m_ready = run(QStringLiteral("initdb"),
                      {QStringLiteral("-D"), dataDir(), QStringLiteral("-U"), user(), QStringLiteral("-Atrust"),
                       QStringLiteral("-EUTF8"), QStringLiteral("--locale=C"), QStringLiteral("--no-sync")}) &&
                  start();
    }
    ~TestPostgres() {
        if (m_ready)
            stop();
    }

    bool isReady() const { return m_ready; }
    QString error() const { return m_error; }
    static QString user() { return QStringLiteral("vestrum"); }
    ServerAddress address(const QString& database) const { return {m_dir.path(), 5432, database, user(), {}, {}}; }

    bool start() {
        return run(QStringLiteral("pg_ctl"),
                   {QStringLiteral("-D"), dataDir(), QStringLiteral("-l"), m_dir.filePath(QStringLiteral("log")),
                    QStringLiteral("-w"), QStringLiteral("-o"),
                    QStringLiteral("-k %1 -p 5432 -c listen_addresses='' -c fsync=off").arg(m_dir.path()),
                    QStringLiteral("start")});
    }
    bool stop() {
        return run(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), dataDir(), QStringLiteral("-mimmediate"),
                                              QStringLiteral("-w"), QStringLiteral("stop")});
    }
    // A superuser login that must give its password; the test's own login still needs none.
    bool addPasswordLogin(const QString& name, const QString& password) {
        QFile rules(QDir(dataDir()).filePath(QStringLiteral("pg_hba.conf")));
        if (!rules.open(QIODevice::ReadOnly))
            return false;
        const QByteArray rest = rules.readAll();
        rules.close();
        if (!rules.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            rules.write("local all " + name.toLatin1() + " scram-sha-256\n" + rest) < 0 || !rules.flush())
            return false;
        rules.close();
        return run(QStringLiteral("psql"),
                   {QStringLiteral("-h"), m_dir.path(), QStringLiteral("-U"), user(), QStringLiteral("-d"),
                    QStringLiteral("postgres"), QStringLiteral("-c"),
                    QStringLiteral("CREATE ROLE %1 SUPERUSER LOGIN PASSWORD '%2'").arg(name, password),
                    QStringLiteral("-c"), QStringLiteral("SELECT pg_reload_conf()")});
    }
    bool createDatabase(const QString& name) {
        return run(QStringLiteral("createdb"),
                   {QStringLiteral("-h"), m_dir.path(), QStringLiteral("-U"), user(), name});
    }

private:
    QString bin(const QString& tool) const {
        return QStringLiteral("/usr/lib/postgresql/%1/bin/%2").arg(m_newest).arg(tool);
    }
    QString dataDir() const { return m_dir.filePath(QStringLiteral("data")); }
    bool run(const QString& tool, const QStringList& arguments) {
        QProcess process;
        const QStringList command = m_runAs + QStringList{bin(tool)} + arguments;
        process.setWorkingDirectory(m_dir.path());
        process.start(command.first(), command.mid(1));
        if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
            return true;
        m_error = tool + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAllStandardError()) +
                  QString::fromLocal8Bit(process.readAllStandardOutput());
        return false;
    }

    // In /tmp: "nobody" must reach it, and a socket path may not be longer than about 100 characters.
    QTemporaryDir m_dir{QStringLiteral("/tmp/vestrum-pg-XXXXXX")};
    int m_newest = 0;
    QStringList m_runAs;
    QString m_error;
    bool m_ready = false;
};
