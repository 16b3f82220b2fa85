#include "exchange/ChunkPipe.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

// A reader that waits for an empty chunk does its idle work meanwhile, a
// step at a time: it must stop at a step that finds nothing to do, never
// work while a chunk is there to fill, and take the chunk given back while
// it worked instead of missing it.
TEST(ChunkPipe, IdleWorkRunsOnlyWhileTheReaderWaitsAndNeverHidesAChunk)
{
    ChunkPipe pipe(1);
    std::atomic<int> steps{0};
    std::atomic<int> busyUntil{3};
    pipe.SetIdleWork([&] { return ++steps <= busyUntil; });

    ChunkPipe::Chunk* chunk = pipe.Empty();
    ASSERT_NE(chunk, nullptr);
    EXPECT_EQ(steps, 0) << "a chunk was there to fill";
    pipe.Filled(chunk);

    std::atomic<ChunkPipe::Chunk*> refilled{nullptr};
    std::thread reader([&] { refilled = pipe.Empty(); });
    ASSERT_EQ(pipe.Next(), chunk);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (steps < 4 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(steps, 4) << "three steps with work, one without, then a plain wait";
    EXPECT_EQ(refilled, nullptr);
    pipe.Done(chunk);
    reader.join();
    EXPECT_EQ(refilled, chunk);

    // Given back while the reader is in the middle of its work: the reader
    // finishes the step and takes the chunk.
    pipe.Filled(chunk);
    ASSERT_EQ(pipe.Next(), chunk);
    busyUntil = 1 << 30;
    std::thread working([&] { refilled = pipe.Empty(); });
    while (steps < 100 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    pipe.Done(chunk);
    working.join();
    EXPECT_EQ(refilled, chunk);

    // A cancelled pipe ends the reader's wait, work or not.
    pipe.Filled(chunk);
    ASSERT_EQ(pipe.Next(), chunk);
    std::thread cancelled([&] { refilled = pipe.Empty(); });
    pipe.Cancel();
    cancelled.join();
    EXPECT_EQ(refilled, nullptr);
}
