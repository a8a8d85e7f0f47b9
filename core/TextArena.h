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
    // Blocks start on a large page and are filled whole, so the system may back them with large pages.
    struct BlockDeleter {
        std::size_t size = 0;
        void operator()(char* block) const;
    };
    using Block = std::unique_ptr<char[], BlockDeleter>;
    static Block newBlock(std::size_t size);
    static constexpr std::size_t BlockSize = 4 << 20;
    std::vector<Block> m_blocks;
    char* m_next = nullptr;
    std::size_t m_left = 0;
};
