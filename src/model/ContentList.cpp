#include "model/ContentList.h"

#include "model/ZVBObject.h"

#include <new>
#include <utility>

namespace {
std::size_t BlockBytes(std::size_t header, std::uint32_t capacity)
{
    return header + std::size_t(capacity) * sizeof(std::unique_ptr<ItemRef>);
}
} // namespace

ContentList::~ContentList()
{
    if (!m_block)
        return;
    while (!Empty())
        PopBack();
    ::operator delete(m_block);
}

void ContentList::Grow()
{
    const std::uint32_t capacity = m_block ? m_block->capacity * 2 : kFirstRoom;
    Block* const old = m_block;
    m_block = new (::operator new(BlockBytes(sizeof(Block), capacity))) Block{0, capacity};
    if (!old)
        return;
    std::unique_ptr<ItemRef>* const from =
        reinterpret_cast<std::unique_ptr<ItemRef>*>(reinterpret_cast<char*>(old) + sizeof(Block));
    std::unique_ptr<ItemRef>* const to = Cells();
    for (std::uint32_t i = 0; i < old->size; ++i) {
        new (&to[i]) std::unique_ptr<ItemRef>(std::move(from[i]));
        from[i].~unique_ptr();
    }
    m_block->size = old->size;
    ::operator delete(old);
}

void ContentList::PushBack(std::unique_ptr<ItemRef> ref)
{
    if (!m_block || m_block->size == m_block->capacity)
        Grow();
    new (&Cells()[m_block->size]) std::unique_ptr<ItemRef>(std::move(ref));
    ++m_block->size;
}

void ContentList::PopBack()
{
    if (Empty())
        return;
    // Taken off the list before it goes, so the item's destructor never
    // sees itself listed.
    std::unique_ptr<ItemRef> last = std::move(Cells()[m_block->size - 1]);
    Cells()[m_block->size - 1].~unique_ptr();
    --m_block->size;
}

std::unique_ptr<ItemRef> ContentList::Take(const ItemRef* ref)
{
    if (!m_block)
        return nullptr;
    std::unique_ptr<ItemRef>* cells = Cells();
    for (std::uint32_t at = 0; at < m_block->size; ++at) {
        if (cells[at].get() != ref)
            continue;
        std::unique_ptr<ItemRef> taken = std::move(cells[at]);
        for (std::uint32_t i = at + 1; i < m_block->size; ++i)
            cells[i - 1] = std::move(cells[i]);
        cells[m_block->size - 1].~unique_ptr();
        --m_block->size;
        return taken;
    }
    return nullptr;
}
