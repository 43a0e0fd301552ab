// The two arm layers: AND-ing the white one and OR-ing the black one onto
// any background must show the background where the sprite is empty and the
// sprite's own colours elsewhere, and the rear sight must stand on the slide.
#include "asset_files.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace asset_tests;

namespace {

constexpr QRgb black = 0xFF000000;
constexpr QRgb white = 0xFFFFFFFF;

class ArmSprite : public ::testing::Test {
protected:
    QImage onBlack = loadImage(committed("arm_on_black.png")).convertToFormat(QImage::Format_RGB32);
    QImage onWhite = loadImage(committed("arm_on_white.png")).convertToFormat(QImage::Format_RGB32);

    bool empty(int x, int y) const { return onBlack.pixel(x, y) == black; }
};

TEST_F(ArmSprite, BothLayersAre24BitRgbPngsOfTheSpriteSize)
{
    for (const char* name : {"arm_on_black.png", "arm_on_white.png"}) {
        QFile file(committed(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray header = file.read(26);
        EXPECT_TRUE(header.startsWith("\x89PNG")) << name;
        EXPECT_EQ(header[24], 8) << name << " bit depth";
        EXPECT_EQ(header[25], 2) << name << " colour type RGB";
        EXPECT_EQ(loadImage(committed(name)).size(), QSize(123, 768)) << name;
    }
}

TEST_F(ArmSprite, LayersDifferOnlyInTheEmptyPixels)
{
    int sprite = 0;
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 123; ++x) {
            const QRgb b = onBlack.pixel(x, y);
            const QRgb w = onWhite.pixel(x, y);
            if (b == black) {
                EXPECT_EQ(w, white) << "empty pixel " << x << "," << y;
            } else {
                ++sprite;
                EXPECT_EQ(b, w) << "sprite pixel " << x << "," << y;
                EXPECT_NE(w, white) << "sprite pixel " << x << "," << y;
            }
        }
    }
    EXPECT_GT(sprite, 123 * 768 / 2);
}

TEST_F(ArmSprite, MaskedDrawingShowsBackgroundOnlyWhereEmpty)
{
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 123; ++x) {
            const QRgb background = 0xFF000000 | ((static_cast<unsigned>(x) * 2654435761u + y * 40503u) & 0xFFFFFF);
            const QRgb shown = (background & onWhite.pixel(x, y)) | onBlack.pixel(x, y);
            EXPECT_EQ(shown, empty(x, y) ? background : onBlack.pixel(x, y)) << x << "," << y;
        }
    }
}

TEST_F(ArmSprite, RightHandTenColumnsAreEmpty)
{
    for (int y = 0; y < 768; ++y)
        for (int x = 113; x < 123; ++x)
            EXPECT_TRUE(empty(x, y)) << x << "," << y;
}

TEST_F(ArmSprite, SlideUnderTheRearSightIsDarkSprite)
{
    auto darkSprite = [&](int x, int y) {
        const QRgb p = onBlack.pixel(x, y);
        return !empty(x, y) && qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100;
    };
    for (int y = 9; y <= 33; ++y)
        for (int x = 28; x <= 74; ++x)
            EXPECT_TRUE(darkSprite(x, y)) << "rear face " << x << "," << y;
    for (int y = 0; y <= 8; ++y) {
        for (int x = 34; x <= 68; ++x)
            EXPECT_TRUE(darkSprite(x, y)) << "top " << x << "," << y;
        for (int x : {28, 33, 69, 74})
            EXPECT_TRUE(empty(x, y)) << "beside the top " << x << "," << y;
    }
    for (int y = 34; y <= 68; ++y)
        for (int x = 30; x <= 74; ++x)
            EXPECT_TRUE(darkSprite(x, y)) << "rear end " << x << "," << y;
}

TEST_F(ArmSprite, OliveHandGripsThePistolAboveAGreenSleeve)
{
    int olive = 0;
    int shadedOlive = 0;
    for (int y = 40; y <= 320; ++y) {
        for (int x = 0; x < 113; ++x) {
            const QRgb p = onBlack.pixel(x, y);
            olive += qRed(p) >= 168 && qRed(p) == qGreen(p) && qBlue(p) == 0;
            shadedOlive += qRed(p) <= 136 && qRed(p) >= 100 && qRed(p) == qGreen(p) && qBlue(p) == 0;
        }
    }
    EXPECT_GT(olive, 1000);
    EXPECT_GT(shadedOlive, 200);
    // The hand is narrower than the sleeve: empty beside the wrist, full width near the bottom.
    EXPECT_TRUE(empty(5, 280));
    EXPECT_TRUE(empty(108, 280));
    EXPECT_FALSE(empty(5, 760));
    EXPECT_FALSE(empty(108, 760));
    int green = 0;
    int sleeve = 0;
    for (int y = 360; y < 768; ++y) {
        for (int x = 0; x < 113; ++x) {
            if (empty(x, y))
                continue;
            const QRgb p = onBlack.pixel(x, y);
            ++sleeve;
            green += qGreen(p) > 2 * qRed(p) + 20 && qBlue(p) < 20;
        }
    }
    EXPECT_GT(green, sleeve / 3);
    EXPECT_LT(green, sleeve * 9 / 10) << "speckled, not plain";
}

TEST_F(ArmSprite, OrangePatchSitsNearTheBottomLeft)
{
    auto orange = [](QRgb p) { return qRed(p) > 150 && qRed(p) - qGreen(p) > 40 && qBlue(p) < 40; };
    int inPatchRows = 0;
    int elsewhere = 0;
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 113; ++x) {
            if (!orange(onBlack.pixel(x, y)))
                continue;
            if (y >= 645 && y <= 695 && x < 60)
                ++inPatchRows;
            else
                ++elsewhere;
        }
    }
    EXPECT_GT(inPatchRows, 300);
    EXPECT_EQ(elsewhere, 0);
}

}  // namespace
