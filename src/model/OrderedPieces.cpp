#include "model/OrderedPieces.h"

OrderedPieces::OrderedPieces(int count) : m_count(count), m_pieces(static_cast<size_t>(count)) {}

int OrderedPieces::Take()
{
    const int index = m_next.fetch_add(1, std::memory_order_relaxed);
    return index < m_count ? index : -1;
}

QByteArray OrderedPieces::Room()
{
    const std::lock_guard guard(m_lock);
    if (m_spare.empty())
        return {};
    QByteArray room = std::move(m_spare.back());
    m_spare.pop_back();
    return room;
}

void OrderedPieces::Made(int index, QByteArray&& bytes)
{
    {
        const std::lock_guard guard(m_lock);
        Piece& piece = m_pieces[static_cast<size_t>(index)];
        piece.bytes = std::move(bytes);
        piece.made = true;
    }
    m_madeOne.notify_all();
}

void OrderedPieces::Stop()
{
    m_next.store(m_count, std::memory_order_relaxed);
    {
        const std::lock_guard guard(m_lock);
        m_stopped = true;
    }
    m_madeOne.notify_all();
}

bool OrderedPieces::HandOn(const Hand& hand, bool wait)
{
    std::unique_lock guard(m_lock);
    while (m_handed < m_count) {
        Piece& next = m_pieces[static_cast<size_t>(m_handed)];
        if (!next.made) {
            if (!wait || m_stopped)
                return false;
            m_madeOne.wait(guard, [&] { return next.made || m_stopped; });
            continue;
        }
        QByteArray bytes = std::move(next.bytes);
        guard.unlock();
        hand(bytes);
        bytes.resize(0); // keeps its room
        guard.lock();
        m_spare.push_back(std::move(bytes));
        ++m_handed;
    }
    return true;
}
