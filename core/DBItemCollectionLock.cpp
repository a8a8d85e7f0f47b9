#include "core/DBItemCollection.h"

#include "app/Edition.h"
#include "core/Dialogs.h"
#include "core/LogXML.h"
#include "platform/FileSync.h"
#include "platform/ProcessInfo.h"
#include "platform/SystemNames.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>

Q_LOGGING_CATEGORY(lcLock, "vestrum.lock", QtInfoMsg)

namespace {
const QString kSource = QStringLiteral("DBItemCollection");
const QString kFunction = QStringLiteral("LockDB()");
const QString kNotFound = QStringLiteral("UserName not found");
const QString kLockedBy = QStringLiteral(" Locked by PC: ");
const QString kUser = QStringLiteral(", User: ");

QString orNotFound(const QString& name) {
    return name.isEmpty() ? kNotFound : name;
}

// The line other copies show: at most 349 characters of the first line.
QString firstLine(const QByteArray& content) {
    QByteArray line = content.left(349);
    const qsizetype end = line.indexOf('\n');
    if (end >= 0)
        line.truncate(end);
    while (line.endsWith('\r'))
        line.chop(1);
    return QString::fromLatin1(line);
}

bool readLock(const QString& lockPath, QByteArray* content) {
    QFile file(lockPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *content = file.read(4096);
    return true;
}

enum class Creation { Created, Exists, Failed };

// Created in one step (it fails when the file exists), so of two copies opening a folder at the same
// moment exactly one gets the lock. A lock that is not written whole is no lock: it is removed again.
Creation createLock(const QString& lockPath, const QByteArray& content) {
    QFile file(lockPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QFile::exists(lockPath) ? Creation::Exists : Creation::Failed;
    bool whole = file.write(content) == content.size() && file.flush() && SyncFileHandle(file.handle(), nullptr);
    file.close();
    whole = whole && file.error() == QFileDevice::NoError;
    if (!whole) {
        file.remove();
        return Creation::Failed;
    }
    return Creation::Created;
}

// Moves a lock aside and deletes it, but only while it still holds what was judged: when another copy
// replaced it meanwhile, its lock is put back.
bool removeLockHolding(const QString& lockPath, const QByteArray& judged) {
    const QString aside = lockPath + QStringLiteral(".%1.old").arg(CurrentProcessId());
    QFile::remove(aside);
    if (!QFile::rename(lockPath, aside))
        return false;
    QByteArray moved;
    readLock(aside, &moved);
    if (moved != judged) {
        if (!QFile::rename(aside, lockPath))
            QFile::remove(aside); // a newer lock stands in its place already
        return false;
    }
    QFile::remove(aside);
    return true;
}
} // namespace

QString DBItemCollection::LockFilePath() const {
    // Absolute, so one folder named relatively at start-up and absolutely after Save As is one lock.
    return QDir::cleanPath(QDir(m_folder).absoluteFilePath(QStringLiteral("LockFile.txt")));
}

QByteArray DBItemCollection::LockContent(const QString& databasePath) {
    const QString first = databasePath + kLockedBy + orNotFound(ComputerName()) + kUser + orNotFound(LoginName());
    const QString second = QStringLiteral("pid: %1, boot: %2").arg(CurrentProcessId()).arg(CurrentBootId());
    return first.toLatin1() + "\r\n" + second.toLatin1();
}

bool DBItemCollection::IsStaleLock(const QByteArray& content) {
    const QString first = firstLine(content);
    const qsizetype at = first.lastIndexOf(kLockedBy);
    if (at < 0)
        return false;
    const qsizetype start = at + kLockedBy.size();
    const qsizetype end = first.indexOf(kUser, start);
    const QString computer = first.mid(start, end < 0 ? -1 : end - start);
    if (computer.compare(orNotFound(ComputerName()), Qt::CaseInsensitive) != 0)
        return false; // another computer: whether its copy runs cannot be seen from here

    static const QRegularExpression process(QStringLiteral("^pid: (\\d+), boot: ([^\\r\\n]*)"),
                                            QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = process.match(QString::fromLatin1(content));
    if (!match.hasMatch() || match.capturedStart() == 0)
        return false; // a lock without the process line cannot be judged
    const QString boot = match.captured(2).trimmed();
    const QString currentBoot = CurrentBootId();
    if (!boot.isEmpty() && !currentBoot.isEmpty() && boot != currentBoot)
        return true; // the computer was restarted since
    return !ProcessIsRunning(match.captured(1).toLongLong());
}

bool DBItemCollection::LockDB(const QString& databasePath) {
    const LockOutcome outcome = TryLockDB(databasePath);
    return outcome == LockOutcome::Locked || outcome == LockOutcome::TakenOver;
}

DBItemCollection::LockOutcome DBItemCollection::TryLockDB(const QString& databasePath) {
    if (!IsBrevane())
        return LockOutcome::NotLocking;
    const QString lockPath = LockFilePath();
    qCDebug(lcLock) << lockPath;
    if (m_lock.path == lockPath) {
        QByteArray now;
        if (readLock(lockPath, &now) && now == m_lock.content)
            return LockOutcome::Locked; // ours already
        m_lock = HeldLock();            // replaced by another copy: not ours any more
    }

    const QByteArray content = LockContent(databasePath);
    bool tookOver = false;
    for (int attempt = 0; attempt < 4; ++attempt) {
        switch (createLock(lockPath, content)) {
        case Creation::Created:
            if (m_log)
                m_log->WriteItem(lockPath + QStringLiteral(" Created"), kSource, kFunction);
            m_readOnly = false;
            m_lock = HeldLock{lockPath, content};
            return tookOver ? LockOutcome::TakenOver : LockOutcome::Locked;
        case Creation::Failed:
            if (m_log)
                m_log->WriteItem(lockPath + QStringLiteral(" ErrorCreate"), kSource, kFunction);
            return LockOutcome::CannotCreate;
        case Creation::Exists:
            break;
        }
        QByteArray found;
        if (!readLock(lockPath, &found)) {
            if (!QFile::exists(lockPath))
                continue; // released meanwhile
            break;        // a lock that cannot be read still makes the database read-only
        }
        if (IsStaleLock(found) && removeLockHolding(lockPath, found)) {
            // Left by a copy that was killed, crashed or lost power on this computer.
            m_lockTakenFrom = firstLine(found);
            if (m_log)
                m_log->WriteItem(lockPath + QStringLiteral(" Stale lock taken over: ") + m_lockTakenFrom, kSource,
                                 kFunction);
            tookOver = true;
            continue;
        }
        m_lockInformation = firstLine(found);
        break;
    }
    m_readOnly = true;
    return LockOutcome::HeldByOther;
}

bool DBItemCollection::TakeOverLock(const QString& databasePath) {
    if (!IsBrevane())
        return false;
    const QString lockPath = LockFilePath();
    QByteArray found;
    if (readLock(lockPath, &found) && !removeLockHolding(lockPath, found))
        return false;
    const QByteArray content = LockContent(databasePath);
    if (createLock(lockPath, content) != Creation::Created)
        return false;
    m_lockTakenFrom = firstLine(found);
    if (m_log)
        m_log->WriteItem(lockPath + QStringLiteral(" Lock taken over from: ") + m_lockTakenFrom, kSource, kFunction);
    m_lock = HeldLock{lockPath, content};
    m_readOnly = false;
    return true;
}

bool DBItemCollection::askTakeOver(bool saving) {
    QString text = tr("DB_OPEN_BY_ANOTHER_USER") + m_lockInformation;
    const QDateTime written = QFileInfo(LockFilePath()).lastModified();
    if (written.isValid()) {
        const qint64 minutes = qMax<qint64>(0, written.secsTo(QDateTime::currentDateTime()) / 60);
        text += QStringLiteral("\n\n") + tr("Låsen blev sat %1, for %2 timer og %3 minutter siden.")
                                             .arg(written.toString(QStringLiteral("yyyy-MM-dd hh:mm")))
                                             .arg(minutes / 60)
                                             .arg(minutes % 60);
    }
    text += QStringLiteral("\n\n") +
            tr("Overtager du låsen, kan den anden kopis senere gemninger overskrive dine ændringer.");
    MessageBoxRequest box;
    box.icon = MessageBoxRequest::Critical;
    box.title = tr("FILE_ALLREADY_OPEN_WARNING");
    box.text = text;
    box.buttons << (saving ? tr("Fortryd") : tr("Skrivebeskyttet")) << tr("Overtag låsen");
    box.defaultButton = 0;
    box.escapeButton = 0;
    return Dialogs::message(box) == 1;
}

DBItemCollection::LockOutcome DBItemCollection::OpenLock(const QString& databasePath) {
    LockOutcome outcome = TryLockDB(databasePath);
    if (outcome == LockOutcome::HeldByOther && askTakeOver(false)) {
        if (TakeOverLock(databasePath))
            outcome = LockOutcome::TakenOver;
        else
            Dialogs::statusMessage(tr("Låsen kunne ikke overtages: %1").arg(LockFilePath()));
    }
    const QString notice = announceLock(outcome);
    if (!notice.isEmpty())
        m_lockNotice = notice; // shown again after the load's own message
    return outcome;
}

QString DBItemCollection::announceLock(LockOutcome outcome) {
    switch (outcome) {
    case LockOutcome::TakenOver: {
        const QString notice = tr("Låsen er overtaget fra: %1").arg(m_lockTakenFrom);
        Dialogs::statusMessage(notice);
        return notice;
    }
    case LockOutcome::CannotCreate:
        // Nobody holds the database; it opens writable, but the user should know it is not protected.
        Dialogs::critical(nullptr, tr("FILE_ALLREADY_OPEN_WARNING"),
                          tr("LOCK_FILE_CAN_NOT_BE_CREATED").arg(LockFilePath()));
        return QString();
    default:
        return QString();
    }
}

bool DBItemCollection::BeginLockMove(const QString& newDatabasePath) {
    if (!IsBrevane() || IsReadOnly() || m_lock.path == LockFilePath())
        return true; // a read-only database is not saved at all
    const bool readOnly = m_readOnly;
    const QString information = m_lockInformation;
    m_movingFrom = m_lock;
    m_lock = HeldLock();
    LockOutcome outcome = TryLockDB(newDatabasePath);
    if (outcome == LockOutcome::HeldByOther && askTakeOver(true) && TakeOverLock(newDatabasePath))
        outcome = LockOutcome::TakenOver;
    if (outcome == LockOutcome::HeldByOther) {
        m_lock = m_movingFrom;
        m_movingFrom = HeldLock();
        m_readOnly = readOnly;
        m_lockInformation = information;
        return false;
    }
    announceLock(outcome);
    return true;
}

void DBItemCollection::EndLockMove(bool saved) {
    if (!IsBrevane())
        return;
    if (saved) {
        releaseLock(m_movingFrom);
    } else {
        releaseLock(m_lock);
        m_lock = m_movingFrom;
    }
    m_movingFrom = HeldLock();
}

void DBItemCollection::releaseLock(HeldLock& lock) {
    const HeldLock released = lock;
    lock = HeldLock();
    if (released.path.isEmpty())
        return;
    // A copy that took the lock over since keeps it.
    QByteArray now;
    if (!readLock(released.path, &now) || now != released.content)
        return;
    if (!QFile::remove(released.path)) {
        Dialogs::critical(nullptr, QCoreApplication::translate("DBItemCollection", "ERROR"),
                          QCoreApplication::translate("DBItemCollection", "CAN_NOT_DELETE_LOCK_FILE:") + released.path);
    }
}

void DBItemCollection::DeleteLockFile() {
    // Only the lock this collection created is removed: never another holder's, and never one in a
    // folder the register was given since.
    if (!IsBrevane())
        return;
    releaseLock(m_lock);
}
