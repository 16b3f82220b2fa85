#include "exchange/ChunkPipe.h"

#include <utility>

ChunkPipe::ChunkPipe(int chunks)
{
    for (int i = 0; i < chunks; ++i) {
        m_chunks.push_back(std::make_unique<Chunk>());
        m_empty.push_back(m_chunks.back().get());
    }
}

ChunkPipe::Chunk* ChunkPipe::Empty()
{
    std::unique_lock lock(m_mutex);
    for (bool busy = bool(m_idle); busy && !m_cancelled && m_empty.empty();) {
        lock.unlock();
        busy = m_idle();
        lock.lock();
    }
    m_changed.wait(lock, [this] { return m_cancelled || !m_empty.empty(); });
    if (m_cancelled)
        return nullptr;
    Chunk* chunk = m_empty.front();
    m_empty.pop_front();
    return chunk;
}

void ChunkPipe::Filled(Chunk* chunk)
{
    std::lock_guard lock(m_mutex);
    m_filled.push_back(chunk);
    m_changed.notify_all();
}

void ChunkPipe::Close(std::exception_ptr failure)
{
    std::lock_guard lock(m_mutex);
    m_failure = std::move(failure);
    m_closed = true;
    m_changed.notify_all();
}

ChunkPipe::Chunk* ChunkPipe::Next()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_closed || !m_filled.empty(); });
    if (!m_filled.empty()) {
        Chunk* chunk = m_filled.front();
        m_filled.pop_front();
        return chunk;
    }
    if (m_failure)
        std::rethrow_exception(std::exchange(m_failure, nullptr));
    return nullptr;
}

void ChunkPipe::Done(Chunk* chunk)
{
    std::lock_guard lock(m_mutex);
    m_empty.push_back(chunk);
    m_changed.notify_all();
}

void ChunkPipe::Cancel()
{
    std::lock_guard lock(m_mutex);
    m_cancelled = true;
    m_changed.notify_all();
}
