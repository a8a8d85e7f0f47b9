#include "TextArena.h"

char* TextArena::allocate(std::size_t size) {
    if (size > m_left) {
        if (size > BlockSize / 4) {
            // A large piece gets a block of its own, so the current block keeps its room.
            m_blocks.emplace_back(new char[size]);
            return m_blocks.back().get();
        }
        m_blocks.emplace_back(new char[BlockSize]);
        m_next = m_blocks.back().get();
        m_left = BlockSize;
    }
    char* piece = m_next;
    m_next += size;
    m_left -= size;
    return piece;
}
