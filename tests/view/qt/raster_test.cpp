#include "view/qt/raster.h"

#include <gtest/gtest.h>
#include <random>

namespace lumeris {
namespace {

QImage blankImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(0xFFFFFFFF);
    return image;
}

int countColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

TEST(Raster, LinesLeaveOutTheirEndPoint) {
    QImage image = blankImage(20, 20);
    Raster raster(image);
    raster.line(2, 3, 9, 3, 0xFFFF0000);
    EXPECT_EQ(image.pixel(2, 3), 0xFFFF0000);
    EXPECT_EQ(image.pixel(8, 3), 0xFFFF0000);
    EXPECT_EQ(image.pixel(9, 3), 0xFFFFFFFF);
    raster.line(5, 15, 5, 10, 0xFF0000FF); // upward
    EXPECT_EQ(image.pixel(5, 15), 0xFF0000FF);
    EXPECT_EQ(image.pixel(5, 11), 0xFF0000FF);
    EXPECT_EQ(image.pixel(5, 10), 0xFFFFFFFF);
    raster.line(1, 1, 1, 1, 0xFF00FF00); // nothing at all
    EXPECT_EQ(countColour(image, 0xFF00FF00), 0);
    raster.line(0, 0, 7, 7, 0xFF00FF00);
    EXPECT_EQ(countColour(image, 0xFF00FF00), 7);
}

// The textbook integer walk, one pixel at a time, each tested against the image.
void referenceLine(QImage& image, int x0, int y0, int x1, int y1, QRgb colour) {
    const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    const int major = std::max(dx, dy), minor = std::min(dx, dy);
    long long err = 2LL * minor - major;
    int x = x0, y = y0;
    for (int i = 0; i < major; ++i) {
        if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
            image.setPixel(x, y, colour);
        if (err > 0) {
            (dx >= dy ? y : x) += dx >= dy ? sy : sx;
            err -= 2LL * major;
        }
        (dx >= dy ? x : y) += dx >= dy ? sx : sy;
        err += 2LL * minor;
    }
}

// Cutting a line to the image and drawing it in runs lights exactly the pixels of the
// walk, whatever part of the line lies outside.
TEST(Raster, LinesMatchTheIntegerWalk) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> far(-600, 600), near(-20, 90);
    for (int round = 0; round < 3000; ++round) {
        // Half the lines start far away, half near the image; the slopes vary.
        auto& start = round % 2 ? near : far;
        const int x0 = start(random), y0 = start(random);
        const int x1 = far(random) / (round % 3 + 1), y1 = far(random) / (round % 5 + 1);
        QImage drawn = blankImage(64, 48), expected = blankImage(64, 48);
        Raster(drawn).line(x0, y0, x1, y1, 0xFF000000);
        referenceLine(expected, x0, y0, x1, y1, 0xFF000000);
        ASSERT_EQ(drawn, expected) << x0 << "," << y0 << " -> " << x1 << "," << y1;
    }
}

TEST(Raster, RectanglesExcludeRightAndBottom) {
    QImage image = blankImage(10, 10);
    Raster raster(image);
    raster.fillRect(2, 2, 5, 4, 0xFF000000);
    EXPECT_EQ(countColour(image, 0xFF000000), 6);
    raster.frameRect(0, 0, 10, 10, 0xFF00FF00);
    EXPECT_EQ(countColour(image, 0xFF00FF00), 36);
    raster.fillRect(-5, -5, 100, 1, 0xFF0000FF); // clipped
    EXPECT_EQ(countColour(image, 0xFF0000FF), 10);
}

TEST(Raster, PolygonFillStaysInsideItsOutline) {
    QImage image = blankImage(30, 30);
    Raster raster(image);
    const QRgb fill = 0xFFFFFF00;
    raster.polygon(arrowhead({15, 15}, 0, -1, LargeArrow), 0xFF000000, &fill);
    EXPECT_EQ(image.pixel(15, 10), 0xFF000000); // the tip, 5 above
    EXPECT_EQ(image.pixel(15, 13), fill);
    EXPECT_EQ(image.pixel(15, 16), 0xFF000000); // the notch
    EXPECT_EQ(image.pixel(15, 17), 0xFFFFFFFF); // behind the notch: outside
    // Every filled pixel has the outline or more fill on both sides along its row.
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            if (image.pixel(x, y) == fill) {
                EXPECT_NE(image.pixel(x - 1, y), 0xFFFFFFFF);
                EXPECT_NE(image.pixel(x + 1, y), 0xFFFFFFFF);
            }
}

TEST(Raster, BlitLeavesTheTransparentColourOut) {
    QImage sprite = blankImage(3, 3); // white, like its bottom-left pixel
    sprite.setPixel(1, 1, 0xFF123456);
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(0xFF000000);
    Raster raster(image);
    raster.blit(-1, -1, sprite);
    EXPECT_EQ(image.pixel(0, 0), 0xFF123456);
    EXPECT_EQ(countColour(image, 0xFFFFFFFF), 0);
    raster.blit(9, 9, sprite); // only its top-left corner is inside
    EXPECT_EQ(countColour(image, 0xFF123456), 1);
}

} // namespace
} // namespace lumeris
