#include "ui/common/ImageLists.h"

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QImage Render(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

int OpaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    return count;
}

TEST(ImageListsTest, EveryImageDrawsAtBothSizesAndDiffers)
{
    ImageLists lists;
    ASSERT_EQ(lists.Count(), ImageLists::StandardCount);
    QSet<QByteArray> seen;
    for (int i = 0; i < ImageLists::StandardCount; ++i) {
        for (int size : {ImageLists::SmallSize, ImageLists::LargeSize}) {
            const QImage image = Render(lists.Pixmap(i, size));
            ASSERT_EQ(image.size(), QSize(size, size)) << "image " << i;
            // A picture, not an empty square nor a filled one.
            const int opaque = OpaquePixels(image);
            EXPECT_GT(opaque, size * size / 6) << "image " << i << " at " << size;
            EXPECT_LT(opaque, size * size) << "image " << i << " at " << size;
            if (size == ImageLists::LargeSize)
                seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
    }
    EXPECT_EQ(seen.size(), ImageLists::StandardCount) << "two indexes show the same picture";
    EXPECT_TRUE(lists.Icon(ImageLists::StandardCount).isNull());
    EXPECT_TRUE(lists.Pixmap(-1).isNull());
}

TEST(ImageListsTest, BulletAppAndBulbImagesExist)
{
    const QPixmap bullet = ImageLists::StateBullet();
    EXPECT_EQ(bullet.size(), QSize(ImageLists::BulletWidth, 16));
    EXPECT_GT(OpaquePixels(Render(bullet)), 10);
    EXPECT_FALSE(ImageLists::AppIcon().pixmap(64).isNull());
    EXPECT_FALSE(ImageLists::BulbIcon().pixmap(16).isNull());
}

TEST(ImageListsTest, DocumentIconsAreAddedAfterTheOwnImagesAndReplacedInPlace)
{
    ImageLists lists;
    QSignalSpy changed(&lists, &ImageLists::ImageChanged);
    QPixmap red(8, 8);
    red.fill(Qt::red);
    QPixmap blue(48, 48);
    blue.fill(Qt::blue);

    const int first = lists.AddImage(QIcon(red));
    const int second = lists.AddImage(QIcon(red));
    EXPECT_EQ(first, ImageLists::StandardCount);
    EXPECT_EQ(second, first + 1);
    // A small file icon still fills a row of the large list.
    EXPECT_EQ(lists.Pixmap(first, 32).size(), QSize(32, 32));

    EXPECT_TRUE(lists.ReplaceImage(first, QIcon(blue)));
    EXPECT_EQ(Render(lists.Pixmap(first, 16)).pixel(8, 8), QColor(Qt::blue).rgb());
    EXPECT_EQ(Render(lists.Pixmap(second, 16)).pixel(4, 4), QColor(Qt::red).rgb());
    EXPECT_EQ(lists.Count(), ImageLists::StandardCount + 2);

    EXPECT_FALSE(lists.ReplaceImage(ImageLists::Document, QIcon(blue))) << "the program's own images stay";
    EXPECT_FALSE(lists.ReplaceImage(lists.Count(), QIcon(blue)));
    EXPECT_EQ(changed.count(), 3);
}

// Writes a contact sheet of every image on light and dark ground when
// ZENDRIVO_SHEETS names a folder; for looking at the pictures, not a check.
TEST(ImageListsTest, ContactSheet)
{
    const QString folder = qEnvironmentVariable("ZENDRIVO_SHEETS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set ZENDRIVO_SHEETS to write the sheet";
    ImageLists lists;
    const int cell = 44;
    QImage sheet(cell * (ImageLists::StandardCount + 2), cell * 4, QImage::Format_ARGB32);
    QPainter painter(&sheet);
    const QColor grounds[] = {QColor(250, 250, 250), QColor(45, 45, 48)};
    for (int row = 0; row < 4; ++row) {
        painter.fillRect(0, row * cell, sheet.width(), cell, grounds[row / 2]);
        const int size = row % 2 == 0 ? 16 : 32;
        for (int i = 0; i < ImageLists::StandardCount; ++i)
            painter.drawPixmap(i * cell + (cell - size) / 2, row * cell + (cell - size) / 2, lists.Pixmap(i, size));
        painter.drawPixmap(16 * cell + 16, row * cell + 14, ImageLists::StateBullet());
        painter.drawPixmap(17 * cell + (cell - size) / 2, row * cell + (cell - size) / 2, ImageLists::AppIcon().pixmap(size));
    }
    painter.end();
    EXPECT_TRUE(sheet.save(folder + u"/icons.png"));
    EXPECT_TRUE(sheet.scaled(sheet.size() * 2).save(folder + u"/icons-x2.png"));
}

} // namespace
