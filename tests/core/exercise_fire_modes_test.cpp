#include "harness.h"
#include "state/range_facts.h"

#include <gtest/gtest.h>

namespace {

void expectTargetOnPlate3(const Harness& h)
{
    EXPECT_EQ(h.s.targetPosition, 3.0f);
    EXPECT_EQ(h.s.f.mi.Left, range::bullOnPlate3.Left);
    EXPECT_EQ(h.s.f.mi.Top, range::bullOnPlate3.Top);
}

TEST(PrecisionFire, PutsTheTargetOnPlate3AndKeepsItThere)
{
    Harness h;
    h.s.f.BAVNA.click();
    EXPECT_EQ(h.s.fireMode, 1);
    EXPECT_FALSE(h.s.f.TimerB.enabled());
    expectTargetOnPlate3(h);

    h.advanceBy(20000);
    expectTargetOnPlate3(h);
}

TEST(RestartOutsideRapidFire, BeforeAnyExercisePutsTheTargetOnPlate3WithoutChoosingOne)
{
    Harness h;
    ASSERT_EQ(h.s.f.mi.Left, range::bullAwayLeft);

    h.s.f.Restart.click();

    EXPECT_EQ(h.s.fireMode, 0);
    EXPECT_FALSE(h.s.f.TimerB.enabled());
    expectTargetOnPlate3(h);
    h.advanceBy(20000);
    expectTargetOnPlate3(h);
}

TEST(RestartOutsideRapidFire, InPrecisionFireKeepsPrecisionFire)
{
    Harness h;
    h.s.f.BAVNA.click();
    h.s.f.mi.Left = 12;
    h.s.targetPosition = 0;

    h.s.f.Restart.click();

    EXPECT_EQ(h.s.fireMode, 1);
    EXPECT_FALSE(h.s.f.TimerB.enabled());
    expectTargetOnPlate3(h);
}

// Sights held still, with the blade in the middle of the notch, aimed at the bull's lower edge
// on plate 3: against a marker there the shot is a ten.
void aimAtPlate3(Harness& h)
{
    h.s.f.mm1.Left = range::bullOnPlate3.Left + 9 - 23;
    h.s.f.mm1.Top = 130;
    h.s.f.mmu.Left = h.s.f.mm1.Left + 21.45f;
    h.s.f.mmu.Top = 130.15f;
}

TEST(RapidFireAfterPrecisionFire, ResolvesShotsAgainstPlate3UntilTheFirstTargetShows)
{
    Harness h;
    h.s.f.BAVNA.click();
    h.s.f.Barza.click();
    const auto expectNoTargetShownButMarkerOnPlate3 = [&] {
        EXPECT_EQ(h.s.f.mi.Left, range::bullOnPlate3.Left);
        EXPECT_EQ(h.s.f.mi.Top, range::bullOnPlate3.Top);
        h.move(-5, 600);
        EXPECT_EQ(h.backgroundAt(401, 112), blueNoTarget);
    };
    ASSERT_EQ(h.s.targetPosition, 0.0f);
    expectNoTargetShownButMarkerOnPlate3();
    h.advanceBy(3000);
    ASSERT_EQ(h.s.targetPosition, 1.0f);
    expectNoTargetShownButMarkerOnPlate3();

    aimAtPlate3(h);
    h.click();
    EXPECT_EQ(h.s.f.i(1).text(), "10");
}

TEST(RapidFireAfterItsEnd, ResolvesShotsAgainstAMarkerAwayFromEveryPlate)
{
    Harness h;
    h.s.f.Barza.click();
    h.advanceBy(15000);
    h.s.f.Restart.click();
    ASSERT_EQ(h.s.f.mi.Left, range::bullAwayLeft);

    aimAtPlate3(h);
    h.click();
    EXPECT_EQ(h.s.f.i(1).text(), "0");
}

}  // namespace
