#pragma once

#include <cstddef>
#include <memory>
#include <vector>

// Hands out pieces of large blocks, freed all at once. The database reader keeps the texts of a million
// records this way instead of making a million small allocations.
class TextArena {
public:
    char* allocate(std::size_t size);
    // Takes over the other arena's blocks (the texts of items that join ours); the other is left empty.
    void Adopt(TextArena& other);
    void clear() {
        m_blocks.clear();
        m_left = 0;
        m_next = nullptr;
    }

private:
    static constexpr std::size_t BlockSize = 4 << 20;
    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_next = nullptr;
    std::size_t m_left = 0;
};
