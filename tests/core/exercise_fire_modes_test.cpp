#include "exercise_buttons.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

void expectTargetOnPlate3(const Harness& h)
{
    EXPECT_EQ(h.s.targetPosition, 3.0f);
    EXPECT_EQ(h.s.f.mi.Left, 401.467f);
    EXPECT_EQ(h.s.f.mi.Top, 112.0f);
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
    ASSERT_EQ(h.s.f.mi.Left, 708.0f);

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
    h.s.f.mm1.Left = 401.467f + 9 - 23;
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
        EXPECT_EQ(h.s.f.mi.Left, 401.467f);
        EXPECT_EQ(h.s.f.mi.Top, 112.0f);
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
    ASSERT_EQ(h.s.f.mi.Left, 708.0f);

    aimAtPlate3(h);
    h.click();
    EXPECT_EQ(h.s.f.i(1).text(), "0");
}

enum class Moment { BeforeTheRecoilFrame, BeforeTheSound };

struct DuringAShot {
    ExerciseButton button;
    Moment moment;
};

void PrintTo(const DuringAShot& d, std::ostream* os)
{
    *os << d.button.name << (d.moment == Moment::BeforeTheSound ? " before the sound" : " before the recoil frame");
}

class ButtonDuringAShot : public testing::TestWithParam<DuringAShot> {};

// `otkat` ticks every 10 ms from start-up, so a shot at 5 ms gets its recoil frame at 10 ms and
// its sound at 20 ms; the press comes at 7 or at 15 ms.
TEST_P(ButtonDuringAShot, EndsTheShotsSequenceWithoutARecoilFrameOrRepeatedSounds)
{
    Harness h;
    h.move(300, 600);
    const float armY = h.s.armY;
    h.advanceBy(5);
    h.click();
    ASSERT_EQ(h.s.shotPending, 1);
    const bool recoilDrawn = GetParam().moment == Moment::BeforeTheSound;
    h.advanceBy(recoilDrawn ? 10 : 2);
    ASSERT_EQ(h.s.armY, recoilDrawn ? 9.0f : armY);

    press(h, GetParam().button);
    EXPECT_EQ(h.s.shotPending, 0);

    h.advanceBy(2000);
    EXPECT_EQ(h.s.armY, recoilDrawn ? 9.0f : armY);
    EXPECT_FALSE(h.s.f.otkat1.enabled());
    const std::vector<std::string> once = {h.s.shotSoundPath, h.s.shotSound2Path};
    EXPECT_EQ(h.sounds.played, recoilDrawn ? once : std::vector<std::string>{});
}

std::vector<DuringAShot> everyButtonAtBothMoments()
{
    std::vector<DuringAShot> cases;
    for (const ExerciseButton& b : exerciseButtons)
        for (Moment m : {Moment::BeforeTheRecoilFrame, Moment::BeforeTheSound})
            cases.push_back({b, m});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryButton, ButtonDuringAShot, testing::ValuesIn(everyButtonAtBothMoments()),
                         [](const auto& info) {
                             return std::string(info.param.button.name) +
                                    (info.param.moment == Moment::BeforeTheSound ? "BeforeTheSound"
                                                                                 : "BeforeTheRecoilFrame");
                         });

}  // namespace
