#include "platform/LargePages.h"

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

void AdviseLargePages(void* block, std::size_t size) {
#if defined(Q_OS_LINUX) && defined(MADV_HUGEPAGE)
    madvise(block, size, MADV_HUGEPAGE); // only advice: a refusal changes nothing but the speed
#else
    Q_UNUSED(block);
    Q_UNUSED(size);
#endif
}
