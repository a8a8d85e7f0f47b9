#include "platform/ProcessInfo.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>
#endif
#ifdef Q_OS_MACOS
#include <sys/sysctl.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

qint64 PeakResidentBytes() {
#ifdef Q_OS_UNIX
    struct rusage usage;
    if (getrusage(RUSAGE_SELF, &usage) != 0)
        return 0;
#ifdef Q_OS_MACOS
    return qint64(usage.ru_maxrss); // bytes there
#else
    return qint64(usage.ru_maxrss) * 1024; // kilobytes on Linux
#endif
#else
    return 0;
#endif
}

qint64 CurrentResidentBytes() {
#ifdef Q_OS_LINUX
    // The second number of /proc/self/statm is the resident size in pages.
    FILE* file = std::fopen("/proc/self/statm", "r");
    if (!file)
        return 0;
    long long size = 0;
    long long resident = 0;
    const int read = std::fscanf(file, "%lld %lld", &size, &resident);
    std::fclose(file);
    return read == 2 ? resident * sysconf(_SC_PAGESIZE) : 0;
#else
    return 0;
#endif
}

qint64 CurrentProcessId() {
    return QCoreApplication::applicationPid();
}

QString CurrentBootId() {
#if defined(Q_OS_LINUX)
    QFile file(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll().trimmed());
#elif defined(Q_OS_MACOS)
    char buffer[128] = {};
    size_t size = sizeof(buffer) - 1;
    if (sysctlbyname("kern.bootsessionuuid", buffer, &size, nullptr, 0) != 0)
        return QString();
    return QString::fromLatin1(buffer).trimmed();
#else
    return QString();
#endif
}

bool ProcessIsRunning(qint64 pid) {
    if (pid <= 0)
        return false;
#if defined(Q_OS_UNIX)
    // Signal 0 only asks; EPERM means the process exists but belongs to someone else.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#elif defined(Q_OS_WIN)
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
#else
    return true; // unknown: a lock of another copy is then never judged stale by its process
#endif
}
