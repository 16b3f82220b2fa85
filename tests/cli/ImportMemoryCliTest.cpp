#include "ChildUsage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Sanitizers add shadow memory and guard zones of their own, so the figures
// only mean something in a plain build.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPlainBuild = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kPlainBuild = false;
#else
constexpr bool kPlainBuild = true;
#endif
#else
constexpr bool kPlainBuild = true;
#endif

} // namespace

// A delimited file of many short lines costs little per line once read, and
// an importer that keeps a string per line needs many times the file's size.
// The import's peak may be at most four times the file plus what the tree
// it builds costs, taken as the peak of a run that loads the result (that
// run's process, libraries and tree, and its copy of the database file).
TEST(CliImportMemory, ManyShortRowsStayWithinFourTimesTheFilePlusTheTree)
{
    if (!kPlainBuild)
        GTEST_SKIP() << "peak memory is not comparable in a sanitizer build";
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("home"));
    ASSERT_TRUE(QDir().mkpath(home));
    // Rows of an address, rows the type rejects (no address) and the blank
    // lines spreadsheets leave between blocks.
    constexpr int kBlocks = 20000;
    QByteArray bytes;
    for (int i = 0; i < kBlocks; ++i) {
        bytes += "Ann " + QByteArray::number(i) + ",a" + QByteArray::number(i) + "@example.org\n";
        bytes += "x,\n";
        bytes += QByteArray(200, '\n');
    }
    const QString csv = dir.filePath(QStringLiteral("rows.csv"));
    {
        QFile f(csv);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    const long inputKb = bytes.size() / 1024;
    bytes.clear();

    const QStringList env{QStringLiteral("ZENDRIVO_HOME=") + home};
    const QString out = dir.filePath(QStringLiteral("out.txt"));
    const ChildUsage import = ChildUsage::Run(QStringLiteral(ZENDRIVO_CLI_PATH),
                                              {QStringLiteral("import-csv"), csv, QStringLiteral("--type"),
                                               QStringLiteral("E-mail Addresses"), QStringLiteral("--fields"),
                                               QStringLiteral("Title,E-Mail Address")},
                                              env, out);
    ASSERT_EQ(import.exitCode, 0);
    EXPECT_EQ(import.out, "Imported " + QByteArray::number(kBlocks) + " item(s)\n");
    const ChildUsage load = ChildUsage::Run(QStringLiteral(ZENDRIVO_CLI_PATH), {QStringLiteral("tree")}, env, out);
    ASSERT_EQ(load.exitCode, 0);
    ASSERT_TRUE(load.out.contains("a19999@example.org"));
    const long bound = 4 * inputKb + load.peakKb;
    EXPECT_LE(import.peakKb, bound) << "file " << inputKb << " KB, loading the result " << load.peakKb
                                    << " KB, import " << import.peakKb << " KB";
    std::printf("file %ld KB, loading the result %ld KB, import %ld KB, bound %ld KB\n", inputKb, load.peakKb,
                import.peakKb, bound);
}
