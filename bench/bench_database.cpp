// Writes the benchmarks' tree of about 100,000 items as "zivo.dat" into the
// directory given, so whole processes (zendrivo-cli resave, tree, the
// desktop start) can be timed on it. Usage: bench_database DIR
#include "BenchTree.h"
#include "model/Database.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_database DIR\n");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(directory);
    TItemTree tree;
    BuildTree(tree);
    SaveDatabase(tree, directory);
    std::printf("%d items written to %s\n", tree.Count(), qPrintable(QDir(directory).filePath(QStringLiteral("zivo.dat"))));
    return 0;
}
