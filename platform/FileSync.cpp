#include "platform/FileSync.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
#ifndef Q_OS_WIN
int syncRetrying(int handle) {
    int result;
    do {
        result = ::fsync(handle);
    } while (result != 0 && errno == EINTR);
    // EINVAL: this kind of file (a device, a pipe, a folder on some file systems) has nothing to sync.
    return result != 0 && errno == EINVAL ? 0 : result;
}
#endif

void setError(QString* error, int code) {
    if (error)
        *error = QString::fromLocal8Bit(std::strerror(code));
}
} // namespace

bool SyncFileHandle(int handle, QString* error) {
    if (handle < 0) {
        if (error)
            *error = QStringLiteral("no file handle");
        return false;
    }
#ifdef Q_OS_WIN
    const int result = _commit(handle);
#else
    const int result = syncRetrying(handle);
#endif
    if (result != 0) {
        setError(error, errno);
        return false;
    }
    return true;
}

bool SyncDirectory(const QString& path, QString* error) {
#ifdef Q_OS_WIN
    // NTFS journals its folder entries; a folder handle cannot be flushed without extra rights.
    Q_UNUSED(path);
    Q_UNUSED(error);
    return true;
#else
    int flags = O_RDONLY;
#ifdef O_DIRECTORY
    flags |= O_DIRECTORY;
#endif
#ifdef O_CLOEXEC
    flags |= O_CLOEXEC;
#endif
    const int handle = ::open(QFile::encodeName(path).constData(), flags);
    if (handle < 0) {
        setError(error, errno);
        return false;
    }
    const int result = syncRetrying(handle);
    const int code = errno;
    ::close(handle);
    if (result != 0) {
        setError(error, code);
        return false;
    }
    return true;
#endif
}
