// Selecting a container with 10,000 leaves: the list pane is filled, sorted
// and laid out in the details view, as the user sees it.
#include "model/ItemFactory.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "ui/panes/ItemListModel.h"
#include "ui/panes/ItemListPane.h"
#include "ui/shell/TMainForm.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTreeView>

#include <benchmark/benchmark.h>

namespace {

void BM_SelectContainerWith10000Leaves(benchmark::State& state)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    TMainForm form;
    TTreeNode* root = form.Tree().Root();
    TTreeNode* big = CreateItem(0, QStringLiteral("Big"), {}, 0, {}, root, {}).node;
    for (int i = 0; i < 10000; ++i) {
        const int code = 5 + i % 5; // addresses, phones, e-mails, faxes, reminders
        CreateItem(code, QStringLiteral("Leaf %1").arg((i * 7919) % 10000), QStringLiteral("value %1").arg(i), 0, {},
                   big, QStringLiteral("comment"));
    }
    form.MainItems()->SetViewStyle(static_cast<ListView::ViewStyle>(state.range(0)));
    form.resize(900, 600);
    form.show();
    QApplication::processEvents();
    for (auto _ : state) {
        form.SelectNode(big);
        QApplication::processEvents();
        state.PauseTiming();
        form.SelectNode(root);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = form.ListModel()->rowCount();
}

BENCHMARK(BM_SelectContainerWith10000Leaves)->Arg(ListView::vsReport)->Arg(ListView::vsIcon)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
