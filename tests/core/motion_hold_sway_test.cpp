#include "harness.h"
#include "scene_expected.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <vector>

namespace {

struct SwaySights {
    float mm1Left, mm1Top, mm3Left, mm3Top, mm2Left, mm2Top, mmuLeft, mmuTop;
};

// The sights of a sway tick about the anchor (400, 300): the left post at leftPost (mm1 at 290 over
// mm3 at 298), the right post at rightPost, the blade at 450.6666 and bladeTop. Phase 3 has
// cos 3 = -0.9899925, which puts the left post at 429 - cos 3 = 429.99, the right post at
// 459.33333 - cos 3 = 460.32333 and the blade at 290 + cos 3 / 2 = 289.505, each in single precision.
constexpr SwaySights about400x300(float leftPost, float rightPost, float bladeTop)
{
    return {leftPost, 290, leftPost, 298, rightPost, 290, 450.6666f, bladeTop};
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
    EXPECT_EQ(f.mm1.Left, 429.99f);
    EXPECT_EQ(f.mm2.Left, 460.32333f);
    EXPECT_EQ(f.mmu.Left, 450.6666f);
    EXPECT_EQ(f.mmu.Top, 289.505f);
    EXPECT_LT(f.mmu.Top, 289.6f) << "the blade stands about half a pixel above the posts";
    EXPECT_EQ(f.ScreenMousePointer, 0);
    EXPECT_EQ(h.s.armX, 400) << "the sway leaves the anchor alone";
    EXPECT_EQ(h.s.armY, 300);
}

// The arm swings one pixel either way while |cos| > 0.5 and rests on the anchor otherwise; the
// tremor fades towards the 11th tick and swells again, always drawn from the same anchor.
TEST(HoldSway, TicksSwingAboutTheSameAnchorWithoutDrift)
{
    struct Tick {
        int armX;
        SwaySights sights;
    };
    const std::vector<Tick> ticks{
        {401, about400x300(429.99f, 460.32333f, 289.505f)},
        {399, about400x300(428.03983f, 458.37317f, 290.48007f)},
        {401, about400x300(429.91113f, 460.24445f, 289.54443f)},
        {399, about400x300(428.15616f, 458.48947f, 290.42194f)},
        {401, about400x300(429.75967f, 460.09302f, 289.62015f)},
        {399, about400x300(428.3397f, 458.673f, 290.33017f)},
        {401, about400x300(429.54773f, 459.88107f, 289.72614f)},
        {400, about400x300(428.57584f, 458.90915f, 290.2121f)},
        {400, about400x300(429.29214f, 459.62546f, 289.85394f)},
        {400, about400x300(428.84573f, 459.17908f, 290.07712f)},
        {400, about400x300(429.01328f, 459.34662f, 289.99335f)},
        {400, about400x300(429.12796f, 459.4613f, 289.936f)},
        {400, about400x300(428.73337f, 459.06668f, 290.13333f)},
        {400, about400x300(429.4f, 459.7333f, 289.80002f)},
        {399, about400x300(428.47467f, 458.808f, 290.26266f)},
        {401, about400x300(429.64014f, 459.97348f, 289.67993f)},
        {399, about400x300(428.25784f, 458.5912f, 290.37106f)},
        {401, about400x300(429.8293f, 460.16263f, 289.58536f)},
        {399, about400x300(428.10013f, 458.43347f, 290.44992f)},
        {401, about400x300(429.95242f, 460.28574f, 289.5238f)},
        {399, about400x300(428.0141f, 458.34744f, 290.49295f)},
        {401, about400x300(429.99963f, 460.33298f, 289.50018f)},
        {399, about400x300(428.00662f, 458.33994f, 290.4967f)},
        {401, about400x300(429.96725f, 460.30057f, 289.5164f)},
    };
    Harness h;
    h.move(399, 299);
    for (std::size_t tick = 0; tick < ticks.size(); ++tick) {
        SCOPED_TRACE(tick + 1);
        h.advanceBy(500);
        ASSERT_EQ(h.s.swayAngle, static_cast<std::int32_t>(3 * (tick + 1)));
        EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), blueNoTarget, ticks[tick].armX, 300), 0);
        expectSights(h.s.f, ticks[tick].sights);
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
    expectSights(h.s.f, {429.99f, -1, 429.99f, 7, 460.32333f, -1, 450.6666f, -1.4949962f});
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

    EXPECT_NEAR(swayed.s.f.dum.Left, -0.7733925, 1e-4);
    EXPECT_NEAR(swayed.s.f.dum.Top, -0.6449962, 1e-4);
    const float stillLeft = still.s.proverka.controls().dum(1).Left;
    const float swayedLeft = swayed.s.proverka.controls().dum(1).Left;
    EXPECT_NEAR(swayedLeft - stillLeft, -14.80135, 1e-3);
    EXPECT_NE(swayed.s.hitY, still.s.hitY);
}

struct WrapCase {
    std::int32_t before;
    std::int32_t after;
    SwaySights sights;
    std::int32_t afterTheNext;
    SwaySights nextSights;
};

void PrintTo(const WrapCase& c, std::ostream* os)
{
    *os << "phase " << c.before;
}

class SwayPhaseLimit : public ::testing::TestWithParam<WrapCase> {};

TEST_P(SwayPhaseLimit, WrapsToTheBottomOfTheRangeAndGoesOnSwaying)
{
    Harness h;
    h.move(399, 299);
    h.s.swayAngle = GetParam().before;
    h.advanceBy(500);
    EXPECT_EQ(h.s.swayAngle, GetParam().after);
    expectSights(h.s.f, GetParam().sights);
    h.advanceBy(500);
    EXPECT_EQ(h.s.swayAngle, GetParam().afterTheNext);
    expectSights(h.s.f, GetParam().nextSights);
}

constexpr std::int32_t top = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t bottom = std::numeric_limits<std::int32_t>::min();

// cos(top) = -0.6888367 and cos(bottom) = 0.2378162; the cosine is even, so bottom + 1 = -top
// sways as top does.
INSTANTIATE_TEST_SUITE_P(NearTheTop, SwayPhaseLimit,
                         ::testing::Values(WrapCase{top - 3, top, about400x300(429.68884f, 460.02216f, 289.65558f),
                                                    bottom + 2, about400x300(429.98218f, 460.31552f, 289.5089f)},
                                           WrapCase{top - 2, bottom, about400x300(428.76218f, 459.09552f, 290.1189f),
                                                    bottom + 3, about400x300(429.3725f, 459.70584f, 289.81375f)},
                                           WrapCase{top - 1, bottom + 1,
                                                    about400x300(429.68884f, 460.02216f, 289.65558f), bottom + 4,
                                                    about400x300(428.42035f, 458.7537f, 290.28983f)},
                                           WrapCase{top, bottom + 2, about400x300(429.98218f, 460.31552f, 289.5089f),
                                                    bottom + 5, about400x300(428.00113f, 458.33447f, 290.49945f)}));

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
