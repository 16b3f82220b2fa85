#include "model/Database.h"
#include "FileBytes.h"
#include "model/ItemTree.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
} // namespace

// Databases written by earlier versions must come out of a load and a save
// byte for byte as they went in: a writer tuned for speed may change how it
// writes, never what. The fixture holds a database with every item class,
// written by the program itself.
TEST(SavedFormatTest, ADatabaseOfEveryItemClassSavesByteForByteAsItWasWritten)
{
    const QByteArray fixture = ReadAll(QStringLiteral(ZENDRIVO_MODEL_TEST_DATA "/every_class.dat"));
    ASSERT_FALSE(fixture.isEmpty());
    QTemporaryDir dir;
    QFile::copy(QStringLiteral(ZENDRIVO_MODEL_TEST_DATA "/every_class.dat"), dir.filePath(QStringLiteral("zivo.dat")));
    TItemTree tree;
    LoadDatabase(tree.CreateRoot(), dir.path());
    QFile::remove(dir.filePath(QStringLiteral("zivo.dat")));
    SaveDatabase(tree, dir.path());
    const QByteArray saved = ReadAll(dir.filePath(QStringLiteral("zivo.dat")));
    EXPECT_EQ(saved.size(), fixture.size());
    EXPECT_TRUE(saved == fixture) << saved.toStdString();
}
