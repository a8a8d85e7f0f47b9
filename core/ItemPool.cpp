#include "core/Item.h"

#include "platform/LargePages.h"

#include <atomic>
#include <cstdint>
#include <new>

// Items live in slabs of one large page each: reading a million records then costs a few dozen large pages
// instead of a million small allocations, each with its own header and its own fresh 4 KB page faults.
//
// A slab starts with its count of references: every slot it has room for, plus one for the thread that
// hands out its slots. Handing out a slot therefore touches no shared counter; a thread that moves on to a
// new slab gives back the slots it did not hand out, and every item deleted gives back its own. Whoever
// takes the count to zero frees the slab. A deleted item's slot is not handed out again: a register's items
// are mostly read together and dropped together, and a slab stays only while one of its items lives.
namespace {

constexpr std::size_t SlabSize = LargePageSize;

struct alignas(alignof(Item)) Slab {
    std::atomic<std::size_t> references;
};

constexpr std::size_t FirstSlot = (sizeof(Slab) + alignof(Item) - 1) / alignof(Item) * alignof(Item);
constexpr std::size_t SlotsPerSlab = (SlabSize - FirstSlot) / sizeof(Item);

void release(Slab* slab, std::size_t count) {
    if (slab->references.fetch_sub(count, std::memory_order_acq_rel) == count) {
        slab->~Slab();
        FreeLargeBlock(slab, SlabSize);
    }
}

Slab* slabOf(void* item) {
    return reinterpret_cast<Slab*>(reinterpret_cast<std::uintptr_t>(item) & ~std::uintptr_t(SlabSize - 1));
}

// The slab a thread hands out slots from.
struct Current {
    Slab* slab = nullptr;
    std::size_t used = 0;
    ~Current() { retire(); }
    void retire() {
        if (slab)
            release(slab, SlotsPerSlab - used + 1);
        slab = nullptr;
    }
};

thread_local Current gCurrent;

} // namespace

// The sanitizers see every item as an allocation of its own, so a use after delete is still caught.
#if defined(__SANITIZE_ADDRESS__)
#define VESTRUM_PLAIN_ITEMS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VESTRUM_PLAIN_ITEMS 1
#endif
#endif

void* Item::operator new(std::size_t size) {
#ifdef VESTRUM_PLAIN_ITEMS
    return ::operator new(size);
#else
    Q_ASSERT(size == sizeof(Item));
    Current& current = gCurrent;
    if (!current.slab || current.used == SlotsPerSlab) {
        void* block = AllocateLargeBlock(SlabSize);
        current.retire();
        current.slab = new (block) Slab{{SlotsPerSlab + 1}};
        current.used = 0;
    }
    return reinterpret_cast<char*>(current.slab) + FirstSlot + sizeof(Item) * current.used++;
#endif
}

void Item::operator delete(void* item, std::size_t size) noexcept {
#ifdef VESTRUM_PLAIN_ITEMS
    ::operator delete(item, size);
#else
    Q_UNUSED(size);
    if (item)
        release(slabOf(item), 1);
#endif
}
