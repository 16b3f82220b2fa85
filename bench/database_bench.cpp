// Load, save and a word search over a realistic tree of about 100,000 items:
// folders of persons with addresses, phones and e-mail addresses,
// organizations and reminders. Prints the peak memory of the loaded tree.
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

// 100 folders x (155 persons with 5 leaves each + 10 organizations with 3 leaves + 20 reminders).
void BuildTree(TItemTree& tree)
{
    TTreeNode* root = tree.CreateRoot();
    for (int f = 0; f < 100; ++f) {
        TTreeNode* folder = CreateItem(0, QStringLiteral("Folder %1").arg(f), {}, 0, QStringLiteral("{Fold}0"), root, {}).node;
        for (int p = 0; p < 155; ++p) {
            const QString name = QStringLiteral("Person%1 Surname%2").arg(f * 155 + p).arg(p);
            TTreeNode* person = CreateItem(3, name, u' ' + name, 0,
                QStringLiteral("{Pers}Mr.~~Person~~~~Surname~~Home~~Office~~~~Mail~~~~0"), folder, QStringLiteral("a comment")).node;
            CreateItem(5, QStringLiteral("Home"), QStringLiteral("%1 Main Street").arg(p), 0,
                       QStringLiteral("{Addr}%1 Main Street~~Apt 4~~~~Springfield~~IL~~62701~~USA~~0").arg(p), person, {});
            CreateItem(6, QStringLiteral("Office"), QStringLiteral("(555)123-%1").arg(p, 4, 10, QLatin1Char('0')), 0,
                       QStringLiteral("{Phon}12~~0"), person, {});
            CreateItem(6, QStringLiteral("Cell"), QStringLiteral("(555)987-%1").arg(p, 4, 10, QLatin1Char('0')), 0,
                       QStringLiteral("{Phon}~~0"), person, {});
            CreateItem(7, QStringLiteral("Mail"), QStringLiteral("person%1@example.org").arg(p), 0, QStringLiteral("{Mail}0"), person, {});
            CreateItem(9, QStringLiteral("Birthday"), QStringLiteral("3/15/98"), 0, QStringLiteral("{Remd}2030,3,15,2~~0"), person, {});
        }
        for (int o = 0; o < 10; ++o) {
            TTreeNode* org = CreateItem(1, QStringLiteral("Company %1-%2").arg(f).arg(o), {}, 0,
                                        QStringLiteral("{Orgn}HQ~~Main~~~~~~~~0"), folder, {}).node;
            CreateItem(5, QStringLiteral("HQ"), QStringLiteral("1 Industrial Way"), 0,
                       QStringLiteral("{Addr}1 Industrial Way~~~~~~Metropolis~~NY~~10001~~USA~~0"), org, {});
            CreateItem(6, QStringLiteral("Main"), QStringLiteral("(555)000-0000"), 0, QStringLiteral("{Phon}~~0"), org, {});
            CreateItem(8, QStringLiteral("Fax"), QStringLiteral("(555)000-0001"), 0, QStringLiteral("{Faxs}0"), org, {});
        }
        for (int r = 0; r < 20; ++r)
            CreateItem(9, QStringLiteral("Reminder %1").arg(r), {}, 0, QStringLiteral("{Remd}2030,1,%1,1~~0").arg(r % 28 + 1), folder, {});
    }
}

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
