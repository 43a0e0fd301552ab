#include "harness.h"
#include "state/range_facts.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Step {
    Millis at;  // since the press that started the sequence
    float position;
    range::BullPlace mi;
    bool running;
};

// Where the target stands after each tick of the rapid sequence; `mi` before the first step
// depends on what came before the press, so the table starts at the first step that moves it.
const std::vector<Step> rapidTimeline = {
    {6000, 2, range::bullOnPlate1, true},
    {9000, 3, range::bullOnPlate3, true},
    {12000, 4, range::bullOnPlate5, true},
    {15000, 5, {range::bullAwayLeft, range::bullOnPlate5.Top}, false},
};

// Runs a rapid sequence just started and checks every step, and the moment before it.
void expectRapidTimeline(Harness& h, float miLeftBefore, float miTopBefore)
{
    const Millis start = h.now();
    EXPECT_EQ(h.s.targetPosition, 0.0f);
    EXPECT_TRUE(h.s.f.TimerB.enabled());

    h.advanceBy(2999);
    EXPECT_EQ(h.s.targetPosition, 0.0f);
    h.advanceBy(1);
    EXPECT_EQ(h.s.targetPosition, 1.0f);
    EXPECT_EQ(h.s.f.mi.Left, miLeftBefore);
    EXPECT_EQ(h.s.f.mi.Top, miTopBefore);

    float previous = 1;
    for (const Step& step : rapidTimeline) {
        SCOPED_TRACE(step.at);
        h.advanceBy(start + step.at - 1 - h.now());
        EXPECT_EQ(h.s.targetPosition, previous);
        h.advanceBy(1);
        EXPECT_EQ(h.s.targetPosition, step.position);
        EXPECT_EQ(h.s.f.mi.Left, step.mi.Left);
        EXPECT_EQ(h.s.f.mi.Top, step.mi.Top);
        EXPECT_EQ(h.s.f.TimerB.enabled(), step.running);
        previous = step.position;
    }

    h.advanceBy(30000);
    EXPECT_EQ(h.s.targetPosition, 5.0f);
    EXPECT_EQ(h.s.f.mi.Left, range::bullAwayLeft);
    EXPECT_FALSE(h.s.f.TimerB.enabled());
}

TEST(RapidFire, StepsTheTargetEveryThreeSecondsAndStopsAfterTheFifthStep)
{
    Harness h;
    h.s.f.Barza.click();
    EXPECT_EQ(h.s.fireMode, 2);
    expectRapidTimeline(h, range::bullAwayLeft, range::bullOnPlate3.Top);
}

struct SecondPress {
    const char* name;
    Button MainWindow::*button;
    Millis after;  // since the first press of Barza
};

void PrintTo(const SecondPress& p, std::ostream* os)
{
    *os << p.name;
}

class RapidFireStartedAgain : public testing::TestWithParam<SecondPress> {};

// A press during the sequence, or after it has run out, starts it afresh from no target, with a
// full three seconds to the first step; the bull marker stays where the sequence had put it.
TEST_P(RapidFireStartedAgain, RunsTheWholeSequenceFromThePress)
{
    Harness h;
    h.s.f.Barza.click();
    h.advanceBy(GetParam().after);
    const float miLeft = h.s.f.mi.Left;
    const float miTop = h.s.f.mi.Top;

    (h.s.f.*GetParam().button).click();

    EXPECT_EQ(h.s.fireMode, 2);
    EXPECT_EQ(h.s.f.mi.Left, miLeft);
    EXPECT_EQ(h.s.f.mi.Top, miTop);
    expectRapidTimeline(h, miLeft, miTop);
}

INSTANTIATE_TEST_SUITE_P(DuringAndAfterTheSequence, RapidFireStartedAgain,
                         testing::Values(SecondPress{"BarzaAt1s", &MainWindow::Barza, 1000},
                                         SecondPress{"BarzaAt7s", &MainWindow::Barza, 7000},
                                         SecondPress{"RestartAt1s", &MainWindow::Restart, 1000},
                                         SecondPress{"RestartAt10s", &MainWindow::Restart, 10000},
                                         SecondPress{"RestartAt13s", &MainWindow::Restart, 13000},
                                         SecondPress{"RestartAfterTheEnd", &MainWindow::Restart, 20000}),
                         [](const auto& info) { return std::string(info.param.name); });

class PrecisionFireDuringRapidFire : public testing::TestWithParam<Millis> {};

TEST_P(PrecisionFireDuringRapidFire, StopsTheSequenceWithTheTargetOnPlate3)
{
    Harness h;
    h.s.f.Barza.click();
    h.advanceBy(GetParam());

    h.s.f.BAVNA.click();

    EXPECT_EQ(h.s.fireMode, 1);
    EXPECT_FALSE(h.s.f.TimerB.enabled());
    EXPECT_EQ(h.s.targetPosition, 3.0f);
    EXPECT_EQ(h.s.f.mi.Left, range::bullOnPlate3.Left);
    EXPECT_EQ(h.s.f.mi.Top, range::bullOnPlate3.Top);

    h.advanceBy(20000);
    EXPECT_EQ(h.s.targetPosition, 3.0f);
    EXPECT_EQ(h.s.f.mi.Left, range::bullOnPlate3.Left);
    EXPECT_EQ(h.s.f.mi.Top, range::bullOnPlate3.Top);
}

INSTANTIATE_TEST_SUITE_P(AtEveryStage, PrecisionFireDuringRapidFire, testing::Values(1000, 7000, 10000, 13000, 16000),
                         [](const auto& info) { return "At" + std::to_string(info.param) + "ms"; });

constexpr int farX = 1000, farY = 20;  // a pixel that neither the arm nor the sights reach below

// Pointer left of the view: the background is repainted without the arm and the sway stays off.
TEST(RapidFireView, ShowsANewTargetPositionOnlyWithTheNextFrame)
{
    Harness h;
    h.s.f.Barza.click();
    h.move(-5, 600);
    ASSERT_EQ(h.backgroundAt(farX, farY), blueNoTarget);

    h.advanceBy(6000);
    ASSERT_EQ(h.s.targetPosition, 2.0f);
    EXPECT_EQ(h.backgroundAt(farX, farY), blueNoTarget);

    h.move(300, 600);
    EXPECT_EQ(h.backgroundAt(farX, farY), bluePlate1);
}

// With the pointer resting, the sway frames show each step at the first tick after it.
TEST(RapidFireView, ShowsEachPlateWithTheNextSwayFrame)
{
    Harness h;
    h.s.f.Barza.click();
    h.advanceBy(100);
    h.move(300, 600);

    const std::vector<std::pair<Millis, int>> shown = {
        {6000, blueNoTarget}, {6100, bluePlate1},  {9000, bluePlate1},  {9100, bluePlate3},
        {12000, bluePlate3},  {12100, bluePlate5}, {15000, bluePlate5}, {15100, blueNoTarget},
    };
    for (const auto& [at, blue] : shown) {
        SCOPED_TRACE(at);
        h.advanceBy(at - h.now());
        EXPECT_EQ(h.backgroundAt(farX, farY), blue);
    }
}

}  // namespace
