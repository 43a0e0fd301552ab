#include "harness.h"
#include "scene_expected.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

struct SwaySights {
    float mm1Left, mm1Top, mm3Left, mm3Top, mm2Left, mm2Top, mmuLeft, mmuTop;
};

// Where a sway tick with phase `angle` puts the sights for the anchor (ax, ay).
SwaySights expectedSights(float ax, float ay, std::int32_t angle)
{
    const double c = std::cos(static_cast<double>(angle));
    return {
        static_cast<float>(ax + 29 - c),       ay - 10, static_cast<float>(ax + 29 - c), ay - 2,
        static_cast<float>(ax + 30.33333 + 29 - c), ay - 10, static_cast<float>(ax + 21.6666 + 29),
        static_cast<float>(ay - 10 + 0.5 * c),
    };
}

void expectSights(const MainWindow& f, const SwaySights& e)
{
    EXPECT_EQ(f.mm1.Left, e.mm1Left);
    EXPECT_EQ(f.mm1.Top, e.mm1Top);
    EXPECT_EQ(f.mm3.Left, e.mm3Left);
    EXPECT_EQ(f.mm3.Top, e.mm3Top);
    EXPECT_EQ(f.mm2.Left, e.mm2Left);
    EXPECT_EQ(f.mm2.Top, e.mm2Top);
    EXPECT_EQ(f.mmu.Left, e.mmuLeft);
    EXPECT_EQ(f.mmu.Top, e.mmuTop);
}

TEST(HoldSway, NothingSwaysBeforeTheFirstAimRedraw)
{
    Harness h;
    h.advanceBy(5000);
    EXPECT_EQ(h.s.swayAngle, 0);
    EXPECT_EQ(pixelsOffBackground(h.s.f.Основа.image(), bluePlate3), 0);
    EXPECT_EQ(h.s.f.mm1.Left, 0);
}

TEST(HoldSway, FirstTickComes500msAfterTheAimRedraw)
{
    Harness h;
    h.move(399, 299);
    h.advanceBy(499);
    EXPECT_EQ(h.s.swayAngle, 0);
    EXPECT_EQ(h.s.f.mm1.Left, 428);
    h.advanceBy(1);
    EXPECT_EQ(h.s.swayAngle, 3);

    const MainWindow& f = h.s.f;
    EXPECT_EQ(pixelsOffFrame(f.Основа.image(), blueNoTarget, 401, 300), 0);
    EXPECT_EQ(f.mm1.Top, 290);
    EXPECT_EQ(f.mm3.Top, 298);
    EXPECT_EQ(f.mm1.Left, static_cast<float>(400 + 29 - std::cos(3.0)));
    EXPECT_EQ(f.mm2.Left, static_cast<float>(400 + 30.33333 + 29 - std::cos(3.0)));
    EXPECT_EQ(f.mmu.Left, static_cast<float>(400 + 21.6666 + 29));
    EXPECT_EQ(f.mmu.Top, static_cast<float>(290 + 0.5 * std::cos(3.0)));
    EXPECT_LT(f.mmu.Top, 289.6f) << "the blade stands about half a pixel above the posts";
    EXPECT_EQ(f.ScreenMousePointer, 0);
    EXPECT_EQ(h.s.armX, 400) << "the sway leaves the anchor alone";
    EXPECT_EQ(h.s.armY, 300);
}

// The arm swings one pixel either way while |cos| > 0.5 and rests on the anchor otherwise; the
// tremor fades towards the 11th tick and swells again, always drawn from the same anchor.
TEST(HoldSway, TicksSwingAboutTheSameAnchorWithoutDrift)
{
    const std::vector<int> armXByTick{401, 399, 401, 399, 401, 399, 401, 400, 400, 400, 400, 400,
                                      400, 400, 399, 401, 399, 401, 399, 401, 399, 401, 399, 401};
    Harness h;
    h.move(399, 299);
    for (std::size_t tick = 0; tick < armXByTick.size(); ++tick) {
        SCOPED_TRACE(tick + 1);
        h.advanceBy(500);
        const auto angle = static_cast<std::int32_t>(3 * (tick + 1));
        ASSERT_EQ(h.s.swayAngle, angle);
        EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), blueNoTarget, armXByTick[tick], 300), 0);
        expectSights(h.s.f, expectedSights(400, 300, angle));
    }
}

TEST(HoldSway, ResumesAfterTheShotFromTheRaisedArm)
{
    Harness h;
    h.move(399, 299);
    h.advanceBy(470);
    h.click();
    h.advanceBy(30);  // the recoil at 480, the sounds at 490, the sway tick at 500
    EXPECT_EQ(h.s.shotPending, 0);
    EXPECT_EQ(h.s.swayAngle, 3);
    EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), blueNoTarget, 401, 9), 0);
    expectSights(h.s.f, expectedSights(400, 9, 3));
    EXPECT_EQ(h.s.f.mm1.Top, -1);

    h.advanceBy(500);
    EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), blueNoTarget, 399, 9), 0);
    EXPECT_EQ(h.s.armY, 9);
}

TEST(HoldSway, TickBetweenAShotAndItsSoundIsIdleAndKeepsThePhase)
{
    Harness h;
    h.move(399, 299);
    h.advanceBy(495);
    h.click();
    h.advanceBy(5);  // Timer1 ticks while the shot is pending
    EXPECT_EQ(h.s.swayAngle, 0);
    EXPECT_EQ(h.s.f.mm1.Left, 429) << "no sway frame, only the recoil";
    h.advanceBy(20);
    EXPECT_EQ(h.s.shotPending, 0);
    EXPECT_EQ(h.s.armY, 9);
    h.advanceBy(480);
    EXPECT_EQ(h.s.swayAngle, 3);
    EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), blueNoTarget, 401, 9), 0);
}

// Against the aim frame, the sway tick moves the rear sight 1 - c px right and the blade c px
// right in the notch (and the aim frame's blade stands 21.66666 rather than 21.6666 right): with
// 5 mm per pixel of sight and 25 per pixel of blade, the marker moves 5 (1 + 4c) mm, about 14.8
// mm to the left for c = cos 3.
TEST(HoldSway, ShotAfterASwayTickCarriesTheSwayIntoItsLandingPoint)
{
    Harness still;
    still.move(399, 299);
    still.click();

    Harness swayed;
    swayed.move(399, 299);
    swayed.advanceBy(500);
    swayed.click();

    const double c = std::cos(3.0);
    EXPECT_NEAR(swayed.s.f.dum.Left, 21.6666 + c - 21.45, 1e-4);
    EXPECT_NEAR(swayed.s.f.dum.Top, 0.5 * c - 0.15, 1e-4);
    const float stillLeft = still.s.proverka->dum(1).Left;
    const float swayedLeft = swayed.s.proverka->dum(1).Left;
    EXPECT_NEAR(swayedLeft - stillLeft, 5 * (1 + 4 * c) - 25 * (21.66666 - 21.6666), 1e-3);
    EXPECT_NE(swayed.s.hitY, still.s.hitY);
}

struct WrapCase {
    std::int32_t before;
    std::int32_t after;
};

class SwayPhaseLimit : public ::testing::TestWithParam<WrapCase> {};

TEST_P(SwayPhaseLimit, WrapsToTheBottomOfTheRangeAndGoesOnSwaying)
{
    Harness h;
    h.move(399, 299);
    h.s.swayAngle = GetParam().before;
    h.advanceBy(500);
    EXPECT_EQ(h.s.swayAngle, GetParam().after);
    expectSights(h.s.f, expectedSights(400, 300, GetParam().after));
    h.advanceBy(500);
    EXPECT_EQ(h.s.swayAngle, static_cast<std::int32_t>(static_cast<std::int64_t>(GetParam().after) + 3));
    expectSights(h.s.f, expectedSights(400, 300, h.s.swayAngle));
}

constexpr std::int32_t top = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t bottom = std::numeric_limits<std::int32_t>::min();

INSTANTIATE_TEST_SUITE_P(NearTheTop, SwayPhaseLimit,
                         ::testing::Values(WrapCase{top - 3, top}, WrapCase{top - 2, bottom},
                                           WrapCase{top - 1, bottom + 1}, WrapCase{top, bottom + 2}));

// Here the anchor less the cosine lies a hair above a half (400.5000047): the arm goes to 401,
// where a rounding in single precision would see an exact half and go to 400.
TEST(HoldSway, AnAnchorAHairPastAHalfGoesToTheNextPixel)
{
    Harness h;
    h.move(399, 299);
    h.s.swayAngle = 138891;
    h.advanceBy(500);
    ASSERT_EQ(h.s.swayAngle, 138894);
    EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), blueNoTarget, 401, 300), 0);
}

// With a target position that chooses no background the old frame stays, and the swayed arm is
// drawn over it.
TEST(HoldSway, PositionWithoutBackgroundDrawsOverTheLastFrame)
{
    Harness h;
    h.move(399, 299);
    h.s.targetPosition = 2.5f;
    h.advanceBy(500);
    const Raster& image = h.s.f.Основа.image();
    int off = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int sx = x - 401, sy = y - 300;
            const bool onNewArm = sx >= 0 && sx < 123 && sy >= 0 && !armPixelIsEmpty(sx, sy);
            off += image.pixel(x, y) != (onNewArm ? armPixel(sx, sy) : expectedViewPixel(blueNoTarget, 400, 300, x, y));
        }
    EXPECT_EQ(off, 0);
    EXPECT_EQ(h.s.swayAngle, 3);
}

}  // namespace
