#include "ProcessInfo.h"

#ifdef Q_OS_UNIX
#include <sys/resource.h>
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
