#pragma once

#include "exchange/VCardScanner.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// Carries the chunks of a card file's lines from the thread that reads them
// to the thread that makes cards of them, and the chunks done with back to
// be filled again. A few chunks go round, so a reader far ahead waits and a
// large file is never held as text whole.
class ChunkPipe
{
public:
    using Chunk = VCardScan::Chunk;

    explicit ChunkPipe(int chunks);

    // Reader: something useful to do, a step at a time, instead of waiting
    // for an empty chunk; a step that finds nothing to do returns false,
    // and the reader then waits as usual until its next call of Empty.
    void SetIdleWork(std::function<bool()> step) { m_idle = std::move(step); }

    // Reader: a chunk to fill, waiting for one; nullptr once the taker gave up.
    Chunk* Empty();
    // Reader: hands over a filled chunk.
    void Filled(Chunk* chunk);
    // Reader, at its end: no more chunks. The failure, if any, is thrown to
    // the taker after the chunks filled before it.
    void Close(std::exception_ptr failure = nullptr);

    // Taker: the next filled chunk, waiting for it; nullptr once the reader
    // closed and every chunk is taken. Throws what the reader failed with.
    Chunk* Next();
    // Taker: gives back a chunk it is done with.
    void Done(Chunk* chunk);
    // Taker: gives up; the reader's next Empty returns nullptr.
    void Cancel();

private:
    std::vector<std::unique_ptr<Chunk>> m_chunks;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Chunk*> m_empty;
    std::deque<Chunk*> m_filled;
    std::exception_ptr m_failure;
    bool m_closed = false;
    bool m_cancelled = false;
    std::function<bool()> m_idle;
};
