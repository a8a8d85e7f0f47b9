#include "DBItemCollection.h"

#include "../app/AppNames.h"
#include "../app/Edition.h"
#include "../platform/SystemNames.h"
#include "Dialogs.h"
#include "LogXML.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcLock, "vestrum.lock", QtInfoMsg)

// One lock file covers every database of a directory. It is created in one step (the creation fails when
// the file exists), so of two copies opening a directory at the same moment exactly one gets the lock.
QString DBItemCollection::LockFilePath() {
    return GetLastDBDir() + QStringLiteral("/LockFile.txt");
}

bool DBItemCollection::LockDB(const QString& databasePath) {
    return TryLockDB(databasePath) == LockOutcome::Locked;
}

DBItemCollection::LockOutcome DBItemCollection::TryLockDB(const QString& databasePath) {
    if (!IsBrevane())
        return LockOutcome::NotLocking;
    const QString lockPath = LockFilePath();
    qCDebug(lcLock) << lockPath;
    if (m_holdsLock && lockPath == m_lockPath && QFile::exists(lockPath))
        return LockOutcome::Locked; // ours already

    QFile file(lockPath);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        QString computer = ComputerName();
        QString user = LoginName();
        if (computer.isEmpty())
            computer = QStringLiteral("UserName not found");
        if (user.isEmpty())
            user = QStringLiteral("UserName not found");
        const QString content =
            databasePath + QStringLiteral(" Locked by PC: ") + computer + QStringLiteral(", User: ") + user;
        file.write(content.toLatin1());
        file.close();
        if (m_log)
            m_log->WriteItem(lockPath + QStringLiteral(" Created"), QStringLiteral("DBItemCollection"),
                             QStringLiteral("LockDB()"));
        m_readOnly = false;
        m_holdsLock = true;
        m_lockPath = lockPath;
        return LockOutcome::Locked;
    }

    if (QFile::exists(lockPath)) {
        // Someone else holds it. A lock file that cannot be read still makes the database read-only.
        m_readOnly = true;
        QFile foreign(lockPath);
        if (foreign.open(QIODevice::ReadOnly)) {
            QByteArray line = foreign.readLine(350);
            while (line.endsWith('\n') || line.endsWith('\r'))
                line.chop(1);
            m_lockInformation = QString::fromLatin1(line);
        }
        return LockOutcome::HeldByOther;
    }

    if (m_log)
        m_log->WriteItem(lockPath + QStringLiteral(" ErrorCreate"), QStringLiteral("DBItemCollection"),
                         QStringLiteral("LockDB()"));
    return LockOutcome::CannotCreate;
}

void DBItemCollection::DeleteLockFile() {
    // Only the lock this collection created is removed: never another holder's, and never one in a
    // directory that "LastDBDir" points to since.
    if (!IsBrevane() || !m_holdsLock)
        return;
    m_holdsLock = false;
    if (QFile::exists(m_lockPath) && !QFile::remove(m_lockPath)) {
        Dialogs::critical(nullptr, QCoreApplication::translate("DBItemCollection", "ERROR"),
                          QCoreApplication::translate("DBItemCollection", "CAN_NOT_DELETE_LOCK_FILE:") + m_lockPath);
    }
}
