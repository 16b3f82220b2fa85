// Locate and LocatePhone over a tree of about 100,000 items, with the match
// in the last node, so that each search walks the whole tree.
#include "BenchTree.h"
#include "model/Finder.h"
#include "model/ItemFactory.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

TItemTree& Tree()
{
    static TItemTree* tree = [] {
        auto* t = new TItemTree;
        BuildTree(*t);
        // The match lives in the last node of the tree.
        TTreeNode* last = t->NodeAt(t->Count() - 1);
        CreateItem(3, QStringLiteral("Zebulon Quartermaine"), {}, 0, {}, last->Parent(), {});
        TTreeNode* target = t->NodeAt(t->Count() - 1);
        CreateItem(6, QStringLiteral("Hotline"), QStringLiteral("+1 (999) 555-0000"), 0, {}, target, {});
        return t;
    }();
    return *tree;
}

void BM_LocateLastNode(benchmark::State& state)
{
    TItemTree& tree = Tree();
    for (auto _ : state) {
        const Finder::Match m = Finder::Locate(tree, 0, QStringLiteral("quarter"));
        if (!m)
            state.SkipWithError("no match");
    }
}

void BM_LocatePhoneLastNode(benchmark::State& state)
{
    TItemTree& tree = Tree();
    for (auto _ : state) {
        const Finder::Match m = Finder::LocatePhone(tree, 0, QStringLiteral("19995550000"));
        if (!m)
            state.SkipWithError("no match");
    }
}

BENCHMARK(BM_LocateLastNode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LocatePhoneLastNode)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
