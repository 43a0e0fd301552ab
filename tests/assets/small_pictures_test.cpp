// The bull marker, the four arrows of the target window and the icons.
#include "asset_files.h"

#include <QTransform>

#include <gtest/gtest.h>

using namespace asset_tests;

namespace {

constexpr QRgb red = 0xFFFF0000;
constexpr QRgb white = 0xFFFFFFFF;
constexpr QRgb black = 0xFF000000;

QImage load(const char* name)
{
    return loadImage(committed(name)).convertToFormat(QImage::Format_RGB32);
}

TEST(BullMarker, IsABlackDiscTouchingAllSidesWithWhiteCorners)
{
    const QImage bull = load("bull.png");
    ASSERT_EQ(bull.size(), QSize(18, 18));
    for (QPoint corner : {QPoint(0, 0), QPoint(17, 0), QPoint(0, 17), QPoint(17, 17), QPoint(1, 1), QPoint(16, 16)})
        EXPECT_EQ(bull.pixel(corner), white) << corner.x() << "," << corner.y();
    for (QPoint side : {QPoint(0, 8), QPoint(0, 9), QPoint(17, 8), QPoint(8, 0), QPoint(9, 17), QPoint(9, 9)})
        EXPECT_EQ(bull.pixel(side), black) << side.x() << "," << side.y();
    // Round both ways: the picture looks the same turned a quarter and mirrored.
    EXPECT_EQ(bull, bull.transformed(QTransform().rotate(90)));
    EXPECT_EQ(bull, bull.mirrored(true, false));
}

TEST(Arrows, PointRightWithASevenPixelShaftAndAnElevenPixelHead)
{
    const QImage right = load("arrow_right.png");
    ASSERT_EQ(right.size(), QSize(51, 11));
    // At the tail only the shaft is red, rows 2 to 8.
    for (int y = 0; y < 11; ++y)
        EXPECT_EQ(right.pixel(0, y), (y >= 2 && y <= 8) ? red : white) << "tail row " << y;
    // The head is the full eleven pixels wide where it starts and narrows to a point at the right edge.
    int widest = 0;
    for (int x = 0; x < 51; ++x) {
        int column = 0;
        for (int y = 0; y < 11; ++y)
            column += right.pixel(x, y) == red;
        widest = std::max(widest, column);
    }
    EXPECT_EQ(widest, 11);
    EXPECT_EQ(right.pixel(50, 5), red);
    EXPECT_EQ(right.pixel(50, 4), white);
    EXPECT_EQ(right.pixel(50, 6), white);
}

TEST(Arrows, AreRedOnWhiteAndTheSameShapeInEveryDirection)
{
    const QImage right = load("arrow_right.png");
    for (int y = 0; y < right.height(); ++y)
        for (int x = 0; x < right.width(); ++x)
            ASSERT_TRUE(right.pixel(x, y) == red || right.pixel(x, y) == white) << x << "," << y;
    const QImage left = load("arrow_left.png");
    const QImage up = load("arrow_up.png");
    const QImage down = load("arrow_down.png");
    EXPECT_EQ(left.size(), QSize(51, 11));
    EXPECT_EQ(up.size(), QSize(11, 51));
    EXPECT_EQ(down.size(), QSize(11, 51));
    EXPECT_EQ(left, right.mirrored(true, false));
    EXPECT_EQ(down, right.transformed(QTransform().rotate(90)));
    EXPECT_EQ(up, right.transformed(QTransform().rotate(-90)));
}

TEST(Icons, ShowASilverPistolWithADarkGripOnBlack)
{
    for (int size : {32, 64, 128, 256}) {
        const QImage icon =
            loadImage(committed(QString("icon_%1.png").arg(size))).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(icon.size(), QSize(size, size));
        for (QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
            EXPECT_EQ(icon.pixel(corner), black) << size;
        int silver = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb p = icon.pixel(x, y);
                const int spread = std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)});
                silver += luma(p) > 150 && spread < 24;
            }
        }
        EXPECT_GT(silver, size * size / 12) << size;
        // The grip, low on the left, is dark but not the black background.
        const QRgb grip = icon.pixel(size * 60 / 256, size * 200 / 256);
        EXPECT_LT(luma(grip), 60) << size;
        EXPECT_NE(grip, black) << size;
    }
}

}  // namespace
