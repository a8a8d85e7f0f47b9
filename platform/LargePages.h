#pragma once

#include <cstddef>

// The size of a large page where the system has them (2 MB on x86-64 Linux).
constexpr std::size_t LargePageSize = std::size_t(2) << 20;

// Asks the system to back a block that is about to be filled whole with large pages: one page fault for
// every 2 MB instead of one for every 4 KB. The block should start on a LargePageSize boundary. Does
// nothing where the system has no such advice.
void AdviseLargePages(void* block, std::size_t size);

// A block of memory on a LargePageSize boundary, advised as above; throws std::bad_alloc. Where the system
// allows, it comes straight from the system and goes straight back when freed, so blocks of different sizes
// freed and asked for again never leave the heap in pieces too small to be used.
void* AllocateLargeBlock(std::size_t size);
void FreeLargeBlock(void* block, std::size_t size) noexcept;
