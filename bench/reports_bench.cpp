// The Address & Phone Book and the labels of 10,000 persons, each to a PDF file.
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "reports/AddrBookForm.h"
#include "reports/LabelForm.h"
#include "reports/ReportPainter.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// 20 folders of 500 persons, each with a home address and a phone.
TTreeNode* BuildPersons(TItemTree& tree)
{
    TTreeNode* root = tree.CreateRoot();
    for (int f = 0; f < 20; ++f) {
        TTreeNode* folder = CreateItem(0, QStringLiteral("Folder %1").arg(f), {}, 0, QStringLiteral("{Fold}0"), root, {}).node;
        for (int p = 0; p < 500; ++p) {
            const int n = f * 500 + p;
            const QString last = QStringLiteral("%1urname%2").arg(QChar(u'A' + n % 26)).arg(n);
            TTreeNode* person = CreateItem(3, QStringLiteral("Person %1").arg(n), u" Pat " + last, 0,
                                           QStringLiteral("{Pers}~~Pat~~Q~~%1~~Home~~Office~~~~~~~~0").arg(last),
                                           folder, {}).node;
            CreateItem(5, QStringLiteral("Home"), {}, 0,
                       QStringLiteral("{Addr}%1 Main Street~~Apt 4~~~~Springfield~~IL~~62701~~USA~~0").arg(n), person, {});
            CreateItem(6, QStringLiteral("Office"), QStringLiteral("(555)123-%1").arg(n % 10000, 4, 10, QLatin1Char('0')),
                       0, QStringLiteral("{Phon}~~0"), person, {});
        }
    }
    return root;
}

struct Fixture
{
    TItemTree tree;
    TTreeNode* root = BuildPersons(tree);
    QTemporaryDir dir;
};

Fixture& Shared()
{
    static Fixture fixture;
    return fixture;
}

void BM_AddressBook10000ToPdf(benchmark::State& state)
{
    Fixture& f = Shared();
    TAddrBookOptions options;
    options.columns = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TAddrBookForm book(*f.root, {}, options);
        if (!ReportPainter::WritePdf(book.Report(), f.dir.filePath(QStringLiteral("book.pdf"))))
            state.SkipWithError("PDF not written");
    }
    state.counters["entries"] = 10000;
}
BENCHMARK(BM_AddressBook10000ToPdf)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Labels10000ToPdf(benchmark::State& state)
{
    Fixture& f = Shared();
    TLabelDimension label;
    label.SetValues({50, 19, 100, 262, 275, 100, 3});
    for (auto _ : state) {
        TLabelForm labels(*f.root, {}, label, QFont(), QPageSize(QPageSize::Letter));
        if (!ReportPainter::WritePdf(labels.Report(), f.dir.filePath(QStringLiteral("labels.pdf"))))
            state.SkipWithError("PDF not written");
    }
}
BENCHMARK(BM_Labels10000ToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
