#include "core/TextArena.h"

#include "platform/LargePages.h"

#include <new>
#include <utility>

TextArena::Block TextArena::newBlock(std::size_t size) {
    return Block(static_cast<char*>(AllocateLargeBlock(size)), BlockDeleter{size});
}

void TextArena::BlockDeleter::operator()(char* block) const {
    FreeLargeBlock(block, size);
}

char* TextArena::allocate(std::size_t size) {
    if (size > m_left) {
        if (size > BlockSize / 4) {
            // A large piece gets a block of its own, so the current block keeps its room.
            m_blocks.push_back(newBlock(size));
            return m_blocks.back().get();
        }
        m_blocks.push_back(newBlock(BlockSize));
        m_next = m_blocks.back().get();
        m_left = BlockSize;
    }
    char* piece = m_next;
    m_next += size;
    m_left -= size;
    return piece;
}

void TextArena::Adopt(TextArena& other) {
    if (m_blocks.empty()) {
        std::swap(m_blocks, other.m_blocks);
        std::swap(m_next, other.m_next);
        std::swap(m_left, other.m_left);
        return;
    }
    // The current block stays where pieces are handed out from.
    for (auto& block : other.m_blocks)
        m_blocks.push_back(std::move(block));
    other.clear();
}
