#include "harness.h"
#include "raster_helpers.h"
#include "scene_expected.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Sights {
    float mm1Left, mm1Top, mm3Left, mm3Top, mm2Left, mm2Top, mmuLeft, mmuTop;
    bool operator==(const Sights&) const = default;
};

Sights sightsOf(const MainWindow& f)
{
    return {f.mm1.Left, f.mm1.Top, f.mm3.Left, f.mm3.Top, f.mm2.Left, f.mm2.Top, f.mmu.Left, f.mmu.Top};
}

// Everything an aim redraw writes, to tell a redraw from an event that changes nothing.
struct Snapshot {
    float armX, armY;
    Sights sights;
    Raster image;
    int pointer;
};

Snapshot snapshot(const Simulator& s)
{
    return {s.armX, s.armY, sightsOf(s.f), s.f.Основа.image(), s.f.ScreenMousePointer};
}

bool same(const Snapshot& a, const Snapshot& b)
{
    return a.armX == b.armX && a.armY == b.armY && a.sights == b.sights && samePixels(a.image, b.image) &&
           a.pointer == b.pointer;
}

class AimTracking : public testing::Test {
protected:
    AimTracking()
    {
        h.s.f.Timer1.onTimer = [this] { swayTicks.push_back(h.now()); };
    }

    Harness h;
    std::vector<Millis> swayTicks;
};

struct Placement {
    float armDrop, x, y;
    Sights sights;
    int armX, armY;
};

class AimGeometry : public AimTracking, public testing::WithParamInterface<Placement> {};

TEST_P(AimGeometry, PlacesArmAndSightsRelativeToThePointerAndTheDrop)
{
    const Placement& p = GetParam();
    h.s.armDrop = p.armDrop;
    h.s.targetPosition = 3;
    h.move(p.x, p.y);

    EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), bluePlate3, p.armX, p.armY), 0);
    EXPECT_EQ(sightsOf(h.s.f), p.sights);
    EXPECT_EQ(h.s.armX, static_cast<float>(p.armX));
    EXPECT_EQ(h.s.armY, static_cast<float>(p.armY));
    EXPECT_TRUE(h.s.f.Timer1.enabled());
}

// The offsets of mm2 and mmu are added in double precision and only the sum is made single: at the
// last two pointers adding them in single precision lands one step off.
INSTANTIATE_TEST_SUITE_P(
    PointersAndDrops, AimGeometry,
    testing::Values(Placement{0, 500, 300, {529, 291, 529, 299, 559.3333f, 291, 550.66666f, 291}, 501, 301},
                    Placement{15, 500, 300, {529, 306, 529, 314, 559.3333f, 306, 550.66666f, 306}, 501, 316},
                    Placement{0, 2, 40, {31, 31, 31, 39, 61.3333f, 31, 52.66666f, 31}, 3, 41},
                    Placement{50, 462, 40, {491, 81, 491, 89, 521.3333f, 81, 512.66666f, 81}, 463, 91}));

TEST_F(AimTracking, AGrownDropRedrawsAtTheSamePointer)
{
    h.s.armDrop = 15;
    h.move(500, 300);
    h.s.armDrop = 20;
    h.move(500, 300);
    EXPECT_EQ(h.s.armY, 321);
    EXPECT_EQ(h.s.f.mm1.Top, 311);
}

struct BandCase {
    float x, y;
    bool redraws;
};

class DeadBand : public AimTracking, public testing::WithParamInterface<BandCase> {};

TEST_P(DeadBand, RedrawsOnlyOutsideTheBandAroundTheStoredAnchor)
{
    h.move(500, 300);
    h.s.f.ScreenMousePointer = 11;
    const Snapshot before = snapshot(h.s);

    h.s.targetPosition = 3;  // a redraw would show it
    h.move(GetParam().x, GetParam().y);

    EXPECT_EQ(!same(before, snapshot(h.s)), GetParam().redraws);
    if (GetParam().redraws) {
        const int px = static_cast<int>(GetParam().x) + 1, py = static_cast<int>(GetParam().y) + 1;
        EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), bluePlate3, px, py), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(AroundAPointerAt500And300, DeadBand,
                         testing::Values(BandCase{500, 300, false}, BandCase{501, 300, false},
                                         BandCase{502, 302, false}, BandCase{502, 301, false}, BandCase{503, 300, true},
                                         BandCase{499, 300, true}, BandCase{500, 299, true}, BandCase{500, 303, true},
                                         BandCase{503, 303, true}, BandCase{499, 302, true}));

TEST_F(AimTracking, SmallMovementsAddUpUntilTheyLeaveTheBand)
{
    h.move(500, 300);
    h.move(501, 300);
    h.move(502, 300);
    EXPECT_EQ(h.s.armX, 501);
    h.move(503, 300);
    EXPECT_EQ(h.s.armX, 504);
}

// Before the first redraw the anchor counts as (0, 0); the band is compared in double precision,
// so a single-precision 1.1 (a little more than 1.1) is already outside it.
TEST_F(AimTracking, FirstMovementRedrawsUnlessNearTheTopLeftCorner)
{
    const Raster design = h.s.f.Основа.image();
    h.move(1, 1);
    h.move(-1, 0);
    h.move(0, 1.1f - 0.0000001f);
    EXPECT_TRUE(samePixels(h.s.f.Основа.image(), design));
    EXPECT_FALSE(h.s.f.Timer1.enabled());

    h.move(1.1f, 0);
    EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), blueNoTarget, 2, 1), 0);
    EXPECT_TRUE(h.s.f.Timer1.enabled());
}

TEST_F(AimTracking, IgnoresButtonAndShift)
{
    Harness other;
    other.move(500, 300, 1);
    h.move(500, 300);
    EXPECT_TRUE(samePixels(other.s.f.Основа.image(), h.s.f.Основа.image()));
    EXPECT_EQ(sightsOf(other.s.f), sightsOf(h.s.f));
}

TEST_F(AimTracking, LeftOfTheViewShowsTheBackgroundAloneAndStopsTheSway)
{
    h.move(500, 300);
    const Sights placed = sightsOf(h.s.f);
    const std::uint64_t shown = h.s.f.Основа.refreshCount();
    h.s.f.ScreenMousePointer = 11;

    h.move(-1, 300, 1);

    EXPECT_EQ(pixelsOffBackground(h.s.f.Основа.image(), blueNoTarget), 0);
    EXPECT_EQ(sightsOf(h.s.f), placed);
    EXPECT_TRUE(h.s.f.Основа.refreshedSince(shown).empty());
    EXPECT_FALSE(h.s.f.Timer1.enabled());
    EXPECT_EQ(h.s.f.ScreenMousePointer, 0);
    EXPECT_EQ(h.s.armX, 0);
    EXPECT_EQ(h.s.armY, 768);
    h.advanceBy(2000);
    EXPECT_TRUE(swayTicks.empty());
}

TEST_F(AimTracking, JustLeftOfTheFirstColumnStillDrawsTheArm)
{
    h.move(-0.5f, 300);
    EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), blueNoTarget, 0, 301), 0);
    EXPECT_TRUE(h.s.f.Timer1.enabled());
}

TEST_F(AimTracking, ComingBackIntoTheViewDrawsTheArmAgain)
{
    h.move(500, 300);
    h.move(-20, 300);
    h.move(1, 767);  // within the band of the anchor (0, 768)
    EXPECT_FALSE(h.s.f.Timer1.enabled());
    const std::uint64_t shown = h.s.f.Основа.refreshCount();

    h.move(10, 300);
    EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), blueNoTarget, 11, 301), 0);
    EXPECT_EQ(h.s.f.mm1.Left, 39);
    EXPECT_FALSE(h.s.f.Основа.refreshedSince(shown).empty());
    EXPECT_TRUE(h.s.f.Timer1.enabled());
    h.advanceBy(500);
    EXPECT_EQ(swayTicks, std::vector<Millis>{500});
}

TEST_F(AimTracking, NoSwayWhileRedrawsFollowWithinHalfASecond)
{
    for (int k = 0; k < 30; ++k) {
        h.move(k % 2 ? 400 : 410, 300);
        h.advanceBy(k % 3 == 0 ? 499 : 120);
    }
    EXPECT_TRUE(swayTicks.empty());
    const Millis last = h.now() - 120;
    h.advanceBy(380 + 1000);
    EXPECT_EQ(swayTicks, (std::vector<Millis>{last + 500, last + 1000, last + 1500}));
}

TEST_F(AimTracking, MovementsInsideTheBandDoNotPostponeTheSway)
{
    h.move(500, 300);
    h.advanceBy(300);
    h.move(501, 301);
    h.advanceBy(300);
    EXPECT_EQ(swayTicks, std::vector<Millis>{500});
}

TEST_F(AimTracking, ARaisedArmComesBackUnderThePointer)
{
    h.move(500, 300);
    h.s.armY = 9;
    h.move(500, 300);
    EXPECT_EQ(h.s.armY, 301);
    EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), blueNoTarget, 501, 301), 0);
}

}  // namespace
