#include "ProcessInfo.h"

#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <unistd.h>
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
