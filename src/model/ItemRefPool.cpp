#include "model/ZVBObject.h"

#include <mutex>
#include <new>

namespace {

// Fixed-size cells carved from blocks that are kept for the life of the
// process; a freed cell goes on a list and is handed out again first.
class CellPool
{
public:
    void* Take()
    {
        const std::lock_guard lock(m_lock);
        if (!m_free) {
            auto* block = static_cast<Cell*>(::operator new(sizeof(Cell) * kCellsPerBlock));
            for (std::size_t i = 0; i < kCellsPerBlock; ++i) {
                block[i].next = m_free;
                m_free = &block[i];
            }
        }
        Cell* cell = m_free;
        m_free = cell->next;
        return cell;
    }

    void Give(void* memory) noexcept
    {
        const std::lock_guard lock(m_lock);
        auto* cell = static_cast<Cell*>(memory);
        cell->next = m_free;
        m_free = cell;
    }

private:
    union Cell {
        Cell* next;
        alignas(ItemRef) std::byte bytes[sizeof(ItemRef)];
    };
    static constexpr std::size_t kCellsPerBlock = 4096;

    // Items may be made on a sync worker's thread as well.
    std::mutex m_lock;
    Cell* m_free = nullptr;
};

// Never destroyed: trees still alive while static objects are torn down
// (the command line keeps its tree until exit) give their cells back to it.
CellPool& Pool()
{
    static CellPool* pool = new CellPool;
    return *pool;
}

} // namespace

void* ItemRef::operator new(std::size_t /*size: always sizeof(ItemRef), the class is final*/)
{
    return Pool().Take();
}

void ItemRef::operator delete(void* cell) noexcept
{
    if (cell)
        Pool().Give(cell);
}
