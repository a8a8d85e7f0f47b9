#include "platform/LargePages.h"

#include <QtGlobal>

#include <cstdint>
#include <new>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#include <unistd.h>
#endif

void AdviseLargePages(void* block, std::size_t size) {
#if defined(Q_OS_LINUX) && defined(MADV_HUGEPAGE)
    madvise(block, size, MADV_HUGEPAGE); // only advice: a refusal changes nothing but the speed
#else
    Q_UNUSED(block);
    Q_UNUSED(size);
#endif
}

void* AllocateLargeBlock(std::size_t size) {
#ifdef Q_OS_LINUX
    // Mapped with a large page of room, then trimmed to the boundary at both ends.
    const std::size_t room = size + LargePageSize;
    void* mapped = mmap(nullptr, room, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + LargePageSize - 1) & ~std::uintptr_t(LargePageSize - 1);
    if (aligned > start)
        munmap(mapped, aligned - start);
    static const auto pageSize = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const std::uintptr_t end = (aligned + size + pageSize - 1) & ~std::uintptr_t(pageSize - 1);
    if (start + room > end)
        munmap(reinterpret_cast<void*>(end), start + room - end);
    void* block = reinterpret_cast<void*>(aligned);
    AdviseLargePages(block, size);
    return block;
#else
    void* block = ::operator new(size, std::align_val_t(LargePageSize));
    AdviseLargePages(block, size);
    return block;
#endif
}

void FreeLargeBlock(void* block, std::size_t size) noexcept {
#ifdef Q_OS_LINUX
    munmap(block, size);
#else
    Q_UNUSED(size);
    ::operator delete(block, std::align_val_t(LargePageSize));
#endif
}
