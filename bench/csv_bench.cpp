// Delimited text at scale: 50,000 persons with address, phone and e-mail.
#include "exchange/CsvImport.h"
#include "exchange/DelimitedExport.h"
#include "exchange/DelimitedText.h"
#include "model/ClassCodes.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kRows = 50000;

const QStringList& Fields()
{
    static const QStringList fields = QStringLiteral(
        "Title,First Name,Last Name,Address Line 1,City,Postal Code,Phone Number,E-Mail Address,Comment").split(u',');
    return fields;
}

QByteArray GeneratedFile()
{
    QString text = DelimitedText::HeaderLine(Fields()) + u"\r\n";
    for (int i = 0; i < kRows; ++i) {
        const QString n = QString::number(i);
        text += u"\"Person " + n + u", Jr.\",First" + n + u",Last" + n + u",\"" + n + u" Main Street\",Springfield,"
            + QString::number(10000 + i % 90000) + u",\"+1 555 " + n + u"\",person" + n
            + u"@example.org,\"said \"\"hi\"\"\"\r\n";
    }
    return text.toUtf8();
}

void BM_ImportCsv(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("people.csv"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(GeneratedFile());
    file.close();
    for (auto _ : state) {
        auto tree = std::make_unique<TItemTree>();
        TTreeNode* root = tree->CreateRoot();
        const int taken = CsvImport::ImportCSV(root, path, ClassCode::Person, Fields(), CsvImport::Separator::Comma);
        benchmark::DoNotOptimize(taken);
        // Freeing the tree is not part of the import.
        state.PauseTiming();
        tree.reset();
        if (taken != kRows + 1)
            state.SkipWithError("wrong row count");
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ImportCsv)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ExportCsv(benchmark::State& state)
{
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    CsvImport::ImportText(root, GeneratedFile(), ClassCode::Person, Fields(), CsvImport::Separator::Comma);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    const DelimitedLayout layout{ClassCode::Person, Fields(), true};
    for (auto _ : state)
        DelimitedExport::ExportSubtree(*root, path, layout);
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
