#include "model/CorePair.h"

#include <gtest/gtest.h>

#include <pthread.h>
#include <thread>

namespace {
cpu_set_t Binding()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    EXPECT_EQ(pthread_getaffinity_np(pthread_self(), sizeof set, &set), 0);
    return set;
}
} // namespace

// The starting thread keeps one core, the helper gets every other core it
// may use and never that one, and the starting thread gets its whole
// binding back at the end. A process bound to a single core is left alone.
TEST(CorePair, TheHelperRunsBesideTheStarterWhichGetsItsBindingBack)
{
    const cpu_set_t before = Binding();
    if (CPU_COUNT(&before) < 2)
        GTEST_SKIP() << "this process may use one core only";
    cpu_set_t own;
    cpu_set_t helpers;
    {
        const CorePair pair;
        ASSERT_TRUE(pair.Split());
        own = Binding();
        std::thread helper([&pair, &helpers] {
            pair.Aside();
            helpers = Binding();
        });
        helper.join();
    }
    const cpu_set_t after = Binding();
    EXPECT_TRUE(CPU_EQUAL(&after, &before)) << "the starter's binding came back";
    ASSERT_EQ(CPU_COUNT(&own), 1);
    cpu_set_t both;
    CPU_AND(&both, &own, &helpers);
    EXPECT_EQ(CPU_COUNT(&both), 0) << "no core is shared";
    CPU_OR(&both, &own, &helpers);
    EXPECT_TRUE(CPU_EQUAL(&both, &before)) << "between them, every core the process may use";

    // Bound to one core, the pair binds nothing, and the helper stays where it was.
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(sched_getcpu(), &one);
    ASSERT_EQ(pthread_setaffinity_np(pthread_self(), sizeof one, &one), 0);
    {
        const CorePair pair;
        EXPECT_FALSE(pair.Split());
        std::thread helper([&pair, &helpers] {
            pair.Aside();
            helpers = Binding();
        });
        helper.join();
        EXPECT_TRUE(CPU_EQUAL(&helpers, &one));
    }
    const cpu_set_t still = Binding();
    EXPECT_TRUE(CPU_EQUAL(&still, &one));
    pthread_setaffinity_np(pthread_self(), sizeof before, &before);
}
