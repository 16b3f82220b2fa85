#include "model/PieceHandover.h"

void PieceHandover::Hand(QByteArray& piece)
{
    const qsizetype size = piece.capacity();
    QByteArray room;
    {
        const std::lock_guard<std::mutex> guard(m_lock);
        m_filled.push_back(std::move(piece));
        if (!m_spare.empty()) {
            room = std::move(m_spare.back());
            m_spare.pop_back();
        }
    }
    m_filledOne.notify_one();
    if (room.capacity() == 0)
        room.reserve(size);
    piece = std::move(room);
}

void PieceHandover::Finish()
{
    {
        const std::lock_guard<std::mutex> guard(m_lock);
        m_finished = true;
    }
    m_filledOne.notify_one();
}

bool PieceHandover::Next(QByteArray& piece)
{
    std::unique_lock<std::mutex> guard(m_lock);
    m_filledOne.wait(guard, [this] { return m_finished || !m_filled.empty(); });
    if (m_filled.empty())
        return false;
    piece = std::move(m_filled.front());
    m_filled.pop_front();
    return true;
}

void PieceHandover::GiveBack(QByteArray&& piece)
{
    piece.resize(0); // keeps its room
    const std::lock_guard<std::mutex> guard(m_lock);
    m_spare.push_back(std::move(piece));
}
