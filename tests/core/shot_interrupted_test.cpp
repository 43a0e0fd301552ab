#include "exercise_buttons.h"
#include "harness.h"
#include "raster_helpers.h"

#include "exercise/fire_modes.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> bothSounds{"/opt/стрелбище 1/AK.wav", "/opt/стрелбище 1/AK2.wav"};

// The series reset called directly, beside the three buttons that call it.
const ExerciseButton theResetItself{"seriesReset", nullptr};

void resetSeries(Harness& h, const ExerciseButton& by)
{
    if (by.button)
        press(h, by);
    else
        seriesReset(h.s);
}

enum class Moment { BeforeTheRecoilFrame, BeforeTheSound };

struct Interruption {
    ExerciseButton by;
    Moment moment;
};

void PrintTo(const Interruption& i, std::ostream* os)
{
    *os << i.by.name << (i.moment == Moment::BeforeTheSound ? " before the sound" : " before the recoil frame");
}

class InterruptedShot : public testing::TestWithParam<Interruption> {};

// `otkat` ticks every 10 ms from start-up, so a shot at 5 ms gets its recoil frame at 10 ms and
// its sounds at 20 ms; the series is reset at 7 or at 15 ms.
TEST_P(InterruptedShot, EndsTheShotsSequenceWithoutARecoilFrameOrRepeatedSounds)
{
    Harness h;
    h.move(399, 299);
    const Raster aimed = h.s.f.Основа.image();
    h.advanceBy(5);
    h.click();
    ASSERT_EQ(h.s.shotPending, 1);
    const bool recoilDrawn = GetParam().moment == Moment::BeforeTheSound;
    h.advanceBy(recoilDrawn ? 10 : 2);
    ASSERT_EQ(h.s.armY, recoilDrawn ? 9.0f : 300.0f);
    const Raster recoil = h.s.f.Основа.image();

    resetSeries(h, GetParam().by);
    EXPECT_EQ(h.s.shotPending, 0);

    // Past the sound's tick and before the sway's first one at 500 ms.
    h.advanceBy(200);
    EXPECT_TRUE(samePixels(h.s.f.Основа.image(), recoilDrawn ? recoil : aimed));
    EXPECT_EQ(h.s.armY, recoilDrawn ? 9.0f : 300.0f);
    EXPECT_EQ(h.s.f.mm1.Top, recoilDrawn ? 0.0f : 290.0f);
    const std::vector<std::string> heard = recoilDrawn ? bothSounds : std::vector<std::string>{};
    EXPECT_EQ(h.sounds.played, heard);
    EXPECT_EQ(h.s.f.otkat.enabled(), !recoilDrawn) << "before its frame the recoil timer goes on ticking, idle";
    EXPECT_FALSE(h.s.f.otkat1.enabled());
    EXPECT_EQ(h.s.shotPending, 0);

    h.advanceBy(2000);
    EXPECT_EQ(h.s.armY, recoilDrawn ? 9.0f : 300.0f);
    EXPECT_FALSE(h.s.f.otkat1.enabled());
    EXPECT_EQ(h.sounds.played, heard);

    // The next shot goes through its whole sequence as usual.
    h.move(199, 299);
    h.click();
    h.advanceBy(20);
    std::vector<std::string> heardWithTheNext = heard;
    heardWithTheNext.insert(heardWithTheNext.end(), bothSounds.begin(), bothSounds.end());
    EXPECT_EQ(h.sounds.played, heardWithTheNext);
    EXPECT_EQ(h.s.shotPending, 0);
    EXPECT_FALSE(h.s.f.otkat1.enabled());
}

std::vector<Interruption> everyResetAtBothMoments()
{
    std::vector<ExerciseButton> resets{theResetItself};
    resets.insert(resets.end(), std::begin(exerciseButtons), std::end(exerciseButtons));
    std::vector<Interruption> cases;
    for (const ExerciseButton& by : resets)
        for (Moment m : {Moment::BeforeTheRecoilFrame, Moment::BeforeTheSound})
            cases.push_back({by, m});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryReset, InterruptedShot, testing::ValuesIn(everyResetAtBothMoments()),
                         [](const auto& info) {
                             return std::string(info.param.by.name) + (info.param.moment == Moment::BeforeTheSound
                                                                           ? "BeforeTheSound"
                                                                           : "BeforeTheRecoilFrame");
                         });

}  // namespace
