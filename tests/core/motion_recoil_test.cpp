#include "harness.h"
#include "raster_helpers.h"
#include "scene_expected.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

// The pointer at (399, 299) puts the arm anchor at (400, 300).
void aimAt400(Harness& h)
{
    h.move(399, 299);
}

// Pixels of the save-under picture that do not hold the background under an arm drawn at (px, py).
int savedPixelsOffBackground(const Harness& h, int blue, int px, int py)
{
    const Raster& saved = h.s.f.Фон.image();
    int off = 0;
    for (int y = 0; y < saved.height() && py + y < 768; ++y)
        for (int x = 0; x < saved.width() && px + x < 1024; ++x)
            off += saved.pixel(x, y) != backgroundPixel(blue, px + x, py + y);
    return off;
}

TEST(Recoil, TicksBeforeTheFirstShotDrawNothing)
{
    Harness h;
    aimAt400(h);
    const Raster before = h.s.f.Основа.image();
    const float mm1Top = h.s.f.mm1.Top;
    h.advanceBy(400);
    EXPECT_TRUE(h.s.f.otkat.enabled());
    EXPECT_FALSE(h.s.f.otkat1.enabled());
    EXPECT_TRUE(samePixels(h.s.f.Основа.image(), before));
    EXPECT_EQ(h.s.f.mm1.Top, mm1Top);
    EXPECT_EQ(h.s.armY, 300);
}

TEST(Recoil, FrameRaisesTheArmToTheTopAndTheSightsToTheTopEdge)
{
    Harness h;
    aimAt400(h);
    h.click();
    h.advanceBy(10);
    const MainWindow& f = h.s.f;
    EXPECT_EQ(f.mm1.Left, 429);
    EXPECT_EQ(f.mm1.Top, 0);
    EXPECT_EQ(f.mm3.Left, 429);
    EXPECT_EQ(f.mm3.Top, 8);
    EXPECT_EQ(f.mm2.Left, 459.33333f);
    EXPECT_EQ(f.mm2.Top, 0);
    EXPECT_EQ(f.mmu.Left, 450.6666f);
    EXPECT_EQ(f.mmu.Top, 0);
    EXPECT_EQ(h.s.armX, 400);
    EXPECT_EQ(h.s.armY, 9);
    EXPECT_EQ(pixelsOffFrame(f.Основа.image(), blueNoTarget, 400, 9), 0);
    EXPECT_EQ(savedPixelsOffBackground(h, blueNoTarget, 400, 9), 0);
    EXPECT_EQ(f.ScreenMousePointer, 0);
    EXPECT_FALSE(f.otkat.enabled());
    EXPECT_TRUE(f.otkat1.enabled());
}

struct AnchorCase {
    float armX;
    int drawnAt;
    float leftPost;
    float blade;
};

void PrintTo(const AnchorCase& c, std::ostream* os)
{
    *os << "anchor " << c.armX;
}

class RecoilAnchor : public ::testing::TestWithParam<AnchorCase> {};

// The arm's x is rounded half to even; the sights take the anchor unrounded.
TEST_P(RecoilAnchor, DrawsTheArmAtTheRoundedAnchorAndTheSightsFromTheExactOne)
{
    Harness h;
    aimAt400(h);
    h.s.armX = GetParam().armX;
    h.click();
    h.advanceBy(10);
    EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), blueNoTarget, GetParam().drawnAt, 9), 0);
    EXPECT_EQ(h.s.f.mm1.Left, GetParam().leftPost);
    EXPECT_EQ(h.s.f.mmu.Left, GetParam().blade);
    EXPECT_EQ(h.s.armX, GetParam().armX);
}

INSTANTIATE_TEST_SUITE_P(Anchors, RecoilAnchor,
                         ::testing::Values(AnchorCase{400, 400, 429, 450.6666f}, AnchorCase{40.5f, 40, 69.5f, 91.1666f},
                                           AnchorCase{41.5f, 42, 70.5f, 92.1666f}, AnchorCase{-30, -30, -1, 20.6666f},
                                           AnchorCase{960, 960, 989, 1010.6666f}));

TEST(Recoil, ComesAtTheFirstTickAfterTheShotAndOnlyOnce)
{
    Harness h;
    h.advanceBy(1003);
    aimAt400(h);
    h.click();
    h.advanceBy(6);
    EXPECT_EQ(h.s.armY, 300) << "no recoil before the running timer's next tick";
    h.advanceBy(1);
    EXPECT_EQ(h.s.armY, 9);

    // The timer stopped itself, so the next shot's recoil comes one full period after it.
    h.advanceBy(100);
    h.move(199, 299);
    h.click();
    h.advanceBy(9);
    EXPECT_EQ(h.s.armY, 305);
    h.advanceBy(1);
    EXPECT_EQ(h.s.armY, 9);
    EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), blueNoTarget, 200, 9), 0);
}

TEST(Recoil, IgnoresTheArmDropOfTheSeries)
{
    Harness h;
    for (int shot = 1; shot <= 3; ++shot) {
        h.move(299.0f + 50 * shot, 399);
        h.click();
        h.advanceBy(30);
        EXPECT_EQ(h.s.armY, 9);
        EXPECT_EQ(h.s.f.mm1.Top, 0);
    }
    EXPECT_EQ(h.s.armDrop, 15);
    EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), blueNoTarget, 450, 9), 0);
}

TEST(Recoil, NextShotWithoutMovingIsResolvedFromTheRaisedSights)
{
    Harness h;
    aimAt400(h);
    h.click();
    h.advanceBy(30);
    h.click();
    // The blade stands level with the posts at the top edge, 21.6666 right of the left post, which
    // in single precision is 21.6665955: 0.2165955 right of level.
    EXPECT_EQ(h.s.f.dum.Left, 0.21659546f);
    EXPECT_EQ(h.s.f.dum.Top, -0.15f);
    // Aimed from Top 0 against the bull's lower edge at 130: 5 x (0 + 5 x -0.15 - 130).
    EXPECT_EQ(h.s.hitY, -654);
}

}  // namespace
