#include "application_icon.h"

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <set>

namespace tandem::test {
namespace {

const std::set<int> iconSizes{ 16, 32, 48, 64, 128, 256 };

// Samples the picture where the SVG's 256-unit view box has (x, y).
QColor At(const QImage& image, int x, int y)
{
    return image.pixelColor(x * image.width() / 256, y * image.height() / 256);
}

TEST(ApplicationIcon, HoldsEverySizeUnscaled)
{
    const QIcon icon = mainwindow::ApplicationIcon();
    std::set<int> sizes;
    for (const QSize& size : icon.availableSizes()) {
        EXPECT_EQ(size.width(), size.height());
        sizes.insert(size.width());
    }
    EXPECT_EQ(sizes, iconSizes);
}

TEST(ApplicationIcon, ImagesAreTheDrawing)
{
    mainwindow::ApplicationIcon();
    for (const int size : iconSizes) {
        QImageReader reader(QStringLiteral(":/icons/tandem-%1.png").arg(size));
        EXPECT_EQ(reader.format(), QByteArray("png")) << size;
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << size << ' ' << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_TRUE(image.hasAlphaChannel()) << size;
        // The margin is see-through; the first strip is blue, the second
        // orange.
        EXPECT_EQ(At(image, 0, 0).alpha(), 0) << size;
        const QColor first = At(image, 36, 96);
        EXPECT_EQ(first.alpha(), 255) << size;
        EXPECT_GT(first.blue(), first.red()) << size;
        const QColor second = At(image, 232, 176);
        EXPECT_EQ(second.alpha(), 255) << size;
        EXPECT_GT(second.red(), second.blue()) << size;
    }
}

TEST(ApplicationIcon, WindowsIconHoldsEverySize)
{
    QImageReader reader(QStringLiteral(TANDEM_APP_ICON));
    ASSERT_EQ(reader.format(), QByteArray("ico")) << reader.errorString().toStdString();
    ASSERT_EQ(reader.imageCount(), static_cast<int>(iconSizes.size()));
    std::set<int> sizes;
    for (int index = 0; index < reader.imageCount(); ++index) {
        ASSERT_TRUE(reader.jumpToImage(index));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << index << ' ' << reader.errorString().toStdString();
        EXPECT_EQ(image.width(), image.height());
        EXPECT_EQ(At(image, 0, 0).alpha(), 0) << image.width();
        sizes.insert(image.width());
    }
    EXPECT_EQ(sizes, iconSizes);
}

} // namespace
} // namespace tandem::test
