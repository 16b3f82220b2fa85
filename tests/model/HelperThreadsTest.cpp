#include "model/HelperThreads.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

// Jobs handed to the helper run on another thread, one after the other in
// the order they came, and each Wait returns only once its own job ran.
TEST(HelperThreads, JobsRunElsewhereInTheOrderTheyCame)
{
    std::vector<int> order;
    std::vector<std::thread::id> threads(20);
    std::vector<HelperThreads::Task> tasks;
    for (int i = 0; i < 20; ++i) {
        tasks.push_back(HelperThreads::Run([&order, &threads, i] {
            if (i % 5 == 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            order.push_back(i);
            threads[static_cast<size_t>(i)] = std::this_thread::get_id();
        }));
    }
    for (HelperThreads::Task& task : tasks)
        task.Wait();
    ASSERT_EQ(order.size(), 20u);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(order[static_cast<size_t>(i)], i);
        EXPECT_NE(threads[static_cast<size_t>(i)], std::this_thread::get_id());
    }
    // Handed after the helper went to sleep between jobs.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    bool ran = false;
    HelperThreads::Run([&ran] { ran = true; }).Wait();
    EXPECT_TRUE(ran) << "a job handed to a sleeping helper never ran";
}

// A job may use what its caller keeps on the stack: a task left without
// Wait (its caller failing) still waits for its job. What a job throws
// reaches Wait, and the helper goes on with the next job.
TEST(HelperThreads, AJobsFailureReachesItsWaitAndATaskLeftWaitsForItsJob)
{
    int done = 0;
    {
        const HelperThreads::Task left = HelperThreads::Run([&done] {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            done = 1;
        });
    }
    EXPECT_EQ(done, 1) << "a task left behind did not wait for its job";

    HelperThreads::Task failing = HelperThreads::Run([] { throw std::runtime_error("disk full"); });
    try {
        failing.Wait();
        FAIL() << "the job's failure was lost";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "disk full");
    }
    {
        // A failing job whose task is left: its failure stays with it.
        const HelperThreads::Task left = HelperThreads::Run([] { throw std::runtime_error("ignored"); });
    }
    HelperThreads::Run([&done] { done = 2; }).Wait();
    EXPECT_EQ(done, 2);
}
