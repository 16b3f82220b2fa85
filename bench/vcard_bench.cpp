#include "exchange/VCardFile.h"
#include "exchange/VCardImport.h"
#include "model/ItemCard.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/PersonObject.h"
#include "model/TreeNode.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
constexpr int kCards = 10000;

QByteArray GeneratedFile()
{
    QByteArray bytes;
    for (int i = 0; i < kCards; ++i) {
        const QByteArray n = QByteArray::number(i);
        bytes += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Last" + n + ";First" + n + ";;Mr.;\r\nFN:First" + n + " Last" + n +
                 "\r\nTEL;TYPE=WORK,VOICE;PREF=1:+1 555 01" + n + "\r\nTEL;TYPE=CELL:+1 555 02" + n +
                 "\r\nEMAIL;TYPE=INTERNET:first" + n + "@example.com\r\nADR;TYPE=HOME:;;" + n +
                 " Main Street;Springfield;IL;62701;USA\r\nURL:http://example.com/" + n + "\r\nEND:VCARD\r\n";
    }
    return bytes;
}

void ImportTenThousandCards(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cards.vcf"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(GeneratedFile());
    file.close();
    for (auto _ : state) {
        state.PauseTiming();
        auto tree = std::make_unique<TItemTree>();
        TTreeNode* folder = CreateItem(ClassCode::Folder, QStringLiteral("Imported"), QString(), 0, QString(),
                                       tree->CreateRoot(), QString()).node;
        state.ResumeTiming();
        const int n = VCardImport::ImportFile(path, folder, {});
        benchmark::DoNotOptimize(n);
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(ImportTenThousandCards)->Unit(benchmark::kMillisecond);

// Each person writes its own card file, as publishing does.
void ExportTenThousandPersons(benchmark::State& state)
{
    TItemTree tree;
    TVCardFile source;
    source.ReadBytes(GeneratedFile());
    VCardImport::ImportCards(source, tree.CreateRoot(), {});
    QTemporaryDir dir;
    for (auto _ : state) {
        int i = 0;
        for (const auto& child : tree.Root()->Children())
            child->Item()->WriteVCard(dir.filePath(QStringLiteral("vc%1.vcf").arg(i++)));
    }
}
BENCHMARK(ExportTenThousandPersons)->Unit(benchmark::kMillisecond);

// The cards of 10,000 persons into one card file.
void ExportTenThousandPersonsToOneFile(benchmark::State& state)
{
    TItemTree tree;
    TVCardFile source;
    source.ReadBytes(GeneratedFile());
    VCardImport::ImportCards(source, tree.CreateRoot(), {});
    QTemporaryDir dir;
    for (auto _ : state) {
        TVCardFile out;
        out.Filename = dir.filePath(QStringLiteral("all.vcf"));
        for (const auto& child : tree.Root()->Children()) {
            TCard card;
            BuildItemCard(*child->Item(), card);
            out.AddCard(std::move(card));
        }
        out.Write();
    }
}
BENCHMARK(ExportTenThousandPersonsToOneFile)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
