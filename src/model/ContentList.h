#pragma once

#include <cstdint>
#include <memory>
#include <span>

class ItemRef;

// The leaf items a holder keeps, in order. Most items hold none and most
// holders a few: the list is a single pointer until its first item, and
// then one block with the count, the room and the cells together. A tree
// of 100,000 items so spends eight bytes on each list instead of a vector's
// twenty-four, and reading a holder's items is one step from the holder.
class ContentList
{
public:
    ContentList() = default;
    ContentList(const ContentList&) = delete;
    ContentList& operator=(const ContentList&) = delete;
    // The items go from the back, as PopBack takes them.
    ~ContentList();

    std::span<const std::unique_ptr<ItemRef>> View() const
    {
        return m_block ? std::span<const std::unique_ptr<ItemRef>>(Cells(), m_block->size)
                       : std::span<const std::unique_ptr<ItemRef>>();
    }
    bool Empty() const { return !m_block || m_block->size == 0; }
    // Asks for the list's block ahead of its use, without waiting for it.
    void Prefetch() const { __builtin_prefetch(m_block); }

    void PushBack(std::unique_ptr<ItemRef> ref);
    void PopBack();
    // Takes ref out, the items after it moving up; null when it is not here.
    std::unique_ptr<ItemRef> Take(const ItemRef* ref);

private:
    // Eight bytes, so the cells after it are aligned as pointers are.
    struct alignas(std::unique_ptr<ItemRef>) Block
    {
        std::uint32_t size;
        std::uint32_t capacity;
    };
    static constexpr std::uint32_t kFirstRoom = 4;

    // The cells follow the header in the same block.
    std::unique_ptr<ItemRef>* Cells() const
    {
        return reinterpret_cast<std::unique_ptr<ItemRef>*>(reinterpret_cast<char*>(m_block) + sizeof(Block));
    }
    void Grow();

    Block* m_block = nullptr;
};
