#include "exercise_buttons.h"
#include "harness.h"

#include <gtest/gtest.h>

namespace {

// The state that ten scored shots of nine points leave, with the sights moved off the middle.
void completeSeriesByHand(Harness& h)
{
    Simulator& s = h.s;
    for (int k = 1; k <= 10; ++k) {
        s.proverka.controls().dum(k).Left = 80;
        s.proverka.controls().dum(k).Top = 72.5f;
        s.proverka.controls().dum(k).Visible = true;
        s.f.i(k).setText("9");
    }
    s.proverka.controls().tbi.setText("9");
    s.proverka.controls().Horizont.setValue(130);
    s.proverka.controls().Vertikal.setValue(93);
    s.windage = 30;
    s.elevation = -7;
    s.shotNumber = 10;
    s.shotScore = 9;
    s.seriesScore = 90;
    s.armDrop = 50;
    s.f.i(11).setText("90");
}

void expectFreshTargetWindowInFront(Harness& h, std::uint64_t loadsBefore)
{
    ASSERT_TRUE(inFrontOf(h.s.proverka, h.s.f));
    EXPECT_EQ(h.s.proverka.loadSerial(), loadsBefore + 1);
    const TargetControls& c = h.s.proverka.controls();
    for (int k = 1; k <= 10; ++k)
        EXPECT_FALSE(c.dum(k).Visible) << "mark " << k;
    EXPECT_EQ(c.tbi.text(), "");
    EXPECT_EQ(c.Horizont.value(), 100);
    EXPECT_EQ(c.Vertikal.value(), 100);
}

void expectEmptySeries(const Harness& h)
{
    for (int k = 1; k <= 11; ++k)
        EXPECT_EQ(h.s.f.i(k).text(), "") << "box " << k;
    EXPECT_EQ(h.s.shotNumber, 0);
    EXPECT_EQ(h.s.seriesScore, 0);
    EXPECT_EQ(h.s.armDrop, 0.0f);
    EXPECT_EQ(h.s.shotPending, 0);
}

class SeriesReset : public testing::TestWithParam<ExerciseButton> {};

TEST_P(SeriesReset, AfterACompleteSeriesBringsUpAFreshTargetWindow)
{
    Harness h;
    completeSeriesByHand(h);
    const std::uint64_t loads = h.s.proverka.loadSerial();

    press(h, GetParam());

    expectFreshTargetWindowInFront(h, loads);
    expectEmptySeries(h);
    EXPECT_EQ(h.s.windage, 30);
    EXPECT_EQ(h.s.elevation, -7);
    EXPECT_EQ(h.s.shotScore, 9);
}

// The window is thrown away first, the shot boxes are emptied before the total, and the
// counters are reset only after the total's change has shown the fresh window.
TEST_P(SeriesReset, EmptiesTheTotalAfterTheShotBoxesAndBeforeTheCounters)
{
    Harness h;
    completeSeriesByHand(h);
    const std::uint64_t loads = h.s.proverka.loadSerial();
    bool changed = false;
    auto showTarget = h.s.f.i(11).onChange;
    h.s.f.i(11).onChange = [&] {
        changed = true;
        EXPECT_EQ(h.s.proverka.state(), WindowState::NotLoaded);
        for (int k = 1; k <= 10; ++k)
            EXPECT_EQ(h.s.f.i(k).text(), "") << "box " << k;
        EXPECT_EQ(h.s.shotNumber, 10);
        EXPECT_EQ(h.s.seriesScore, 90);
        showTarget();
    };

    press(h, GetParam());

    EXPECT_TRUE(changed);
    EXPECT_EQ(h.s.proverka.state(), WindowState::Shown);
    EXPECT_EQ(h.s.proverka.loadSerial(), loads + 1);
}

TEST_P(SeriesReset, WithAnEmptyTotalLeavesNoTargetWindow)
{
    Harness h;
    for (int k = 1; k <= 3; ++k) {
        h.s.proverka.controls().dum(k).Visible = true;
        h.s.f.i(k).setText("7");
    }
    h.s.proverka.Show();
    h.s.shotNumber = 3;
    const std::uint64_t loads = h.s.proverka.loadSerial();

    press(h, GetParam());

    EXPECT_EQ(h.s.proverka.state(), WindowState::NotLoaded);
    EXPECT_EQ(h.s.proverka.loadSerial(), loads);
    expectEmptySeries(h);
}

TEST_P(SeriesReset, AfterTenShotsStartsTheNextSeriesAtTheFirstMarkAndBox)
{
    Harness h;
    h.move(300, 600);
    for (int shot = 1; shot <= 10; ++shot) {
        h.click();
        h.advanceBy(30);
    }
    ASSERT_NE(h.s.f.i(11).text(), "");
    ASSERT_TRUE(inFrontOf(h.s.proverka, h.s.f));
    const std::uint64_t loads = h.s.proverka.loadSerial();

    press(h, GetParam());

    expectFreshTargetWindowInFront(h, loads);
    expectEmptySeries(h);

    h.move(400, 500);
    h.click();
    EXPECT_NE(h.s.f.i(1).text(), "");
    EXPECT_EQ(h.s.f.i(2).text(), "");
    EXPECT_TRUE(h.s.proverka.controls().dum(1).Visible);
    EXPECT_FALSE(h.s.proverka.controls().dum(2).Visible);
    EXPECT_EQ(h.s.armDrop, 5.0f);
}

INSTANTIATE_TEST_SUITE_P(EveryButton, SeriesReset, testing::ValuesIn(exerciseButtons), buttonName);

}  // namespace
