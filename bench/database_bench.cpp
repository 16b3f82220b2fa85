// Load, save and a word search over a realistic tree of about 100,000 items:
// folders of persons with addresses, phones and e-mail addresses,
// organizations and reminders. Prints the peak memory of the loaded tree.
#include "BenchTree.h"
#include "model/Database.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TextCodec.h"
#include "model/TreeNode.h"
#include "model/TreeOps.h"
#include "model/ZVBObject.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <sys/resource.h>

namespace {

QTemporaryDir& Directory()
{
    static QTemporaryDir dir;
    return dir;
}

void PrepareDatabase()
{
    static bool done = false;
    if (done)
        return;
    TItemTree tree;
    BuildTree(tree);
    SaveDatabase(tree, Directory().path());
    done = true;
}

void BM_Load(benchmark::State& state)
{
    PrepareDatabase();
    int items = 0;
    for (auto _ : state) {
        TItemTree tree;
        LoadDatabase(tree.CreateRoot(), Directory().path());
        items = tree.Count();
        state.PauseTiming();
        // The tree is destroyed outside the measured time.
        state.ResumeTiming();
    }
    state.counters["nodes"] = items;
}

void BM_Save(benchmark::State& state)
{
    PrepareDatabase();
    TItemTree tree;
    LoadDatabase(tree.CreateRoot(), Directory().path());
    for (auto _ : state)
        SaveDatabase(tree, Directory().path());
}

void BM_FindByWordWholeTree(benchmark::State& state)
{
    PrepareDatabase();
    TItemTree tree;
    LoadDatabase(tree.CreateRoot(), Directory().path());
    const QString word = QStringLiteral("nowhere");
    for (auto _ : state) {
        int found = 0;
        for (int i = 0; i < tree.Count(); ++i)
            found += FindByWord(tree.NodeAt(i)->Item(), word) != nullptr;
        benchmark::DoNotOptimize(found);
    }
}

BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindByWordWholeTree)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    {
        // Peak memory of building and holding the tree, measured before the benchmarks run.
        rusage before{};
        getrusage(RUSAGE_SELF, &before);
        TItemTree tree;
        BuildTree(tree);
        int leaves = 0;
        for (int i = 0; i < tree.Count(); ++i)
            leaves += ContentCount(tree.NodeAt(i)->Item());
        rusage after{};
        getrusage(RUSAGE_SELF, &after);
        std::printf("tree: %d nodes + %d leaves = %d items; peak RSS %.1f MB (%.1f MB before building)\n",
                    tree.Count(), leaves, tree.Count() + leaves, static_cast<double>(after.ru_maxrss) / 1024.0,
                    static_cast<double>(before.ru_maxrss) / 1024.0);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
