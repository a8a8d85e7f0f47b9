#include "FileSync.h"

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

bool SyncFileHandle(int handle, QString* error) {
    if (handle < 0) {
        if (error)
            *error = QStringLiteral("no file handle");
        return false;
    }
#ifdef Q_OS_WIN
    const int result = _commit(handle);
#else
    int result;
    do {
        result = ::fsync(handle);
    } while (result != 0 && errno == EINTR);
#endif
    if (result != 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}
