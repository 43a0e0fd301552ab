#include "exercise_buttons.h"
#include "harness.h"

#include <gtest/gtest.h>

namespace {

TEST(Command1, ShowsTheTargetWindowThenBringsTheMainWindowBack)
{
    Harness h;
    h.s.f.Command1.click();
    EXPECT_EQ(h.s.targetShown, 1);
    EXPECT_TRUE(inFrontOf(h.s.proverka, h.s.f));
    EXPECT_EQ(h.s.proverka.loadSerial(), 1u);
    h.s.proverka.controls().dum(1).Visible = true;

    h.s.f.Command1.click();
    EXPECT_EQ(h.s.targetShown, 0);
    EXPECT_TRUE(inFrontOf(h.s.f, h.s.proverka));
    EXPECT_EQ(h.s.proverka.state(), WindowState::Shown);

    h.s.f.Command1.click();
    EXPECT_EQ(h.s.targetShown, 1);
    EXPECT_TRUE(inFrontOf(h.s.proverka, h.s.f));
    EXPECT_EQ(h.s.proverka.loadSerial(), 1u);
    EXPECT_TRUE(h.s.proverka.controls().dum(1).Visible);
}

TEST(Command1, AfterTheRightButtonAndAClickOnTheTargetShowsItAgain)
{
    Harness h;
    h.rightButton();
    ASSERT_TRUE(inFrontOf(h.s.proverka, h.s.f));
    h.s.proverka.click();
    ASSERT_TRUE(inFrontOf(h.s.f, h.s.proverka));

    h.s.f.Command1.click();
    EXPECT_EQ(h.s.targetShown, 1);
    EXPECT_TRUE(inFrontOf(h.s.proverka, h.s.f));
}

// The button keeps its own state: when the target window was sent back another way, its next
// press only brings up the main window, and the one after shows the target again.
TEST(Command1, KeepsItsStateWhenTheTargetWindowWasSentBackByAClick)
{
    Harness h;
    h.s.f.Command1.click();
    h.s.proverka.click();
    ASSERT_TRUE(inFrontOf(h.s.f, h.s.proverka));

    h.s.f.Command1.click();
    EXPECT_EQ(h.s.targetShown, 0);
    EXPECT_TRUE(inFrontOf(h.s.f, h.s.proverka));

    h.s.f.Command1.click();
    EXPECT_TRUE(inFrontOf(h.s.proverka, h.s.f));
}

class Command1AfterAReset : public testing::TestWithParam<ExerciseButton> {};

TEST_P(Command1AfterAReset, KeepsItsStateThroughTheReset)
{
    Harness h;
    h.s.f.Command1.click();
    press(h, GetParam());
    ASSERT_EQ(h.s.proverka.state(), WindowState::NotLoaded);

    h.s.f.Command1.click();
    EXPECT_EQ(h.s.targetShown, 0);
    EXPECT_EQ(h.s.proverka.state(), WindowState::NotLoaded);

    h.s.f.Command1.click();
    EXPECT_TRUE(inFrontOf(h.s.proverka, h.s.f));
    EXPECT_EQ(h.s.proverka.loadSerial(), 2u);
}

INSTANTIATE_TEST_SUITE_P(EveryButton, Command1AfterAReset, testing::ValuesIn(exerciseButtons), buttonName);

TEST(SeriesTotal, TypedIntoTheTotalBoxBringsUpTheTargetWindow)
{
    Harness h;
    h.s.f.i(11).setText("4");
    EXPECT_TRUE(inFrontOf(h.s.proverka, h.s.f));
    EXPECT_EQ(h.s.targetShown, 0);

    h.s.f.Show();
    h.s.f.i(11).setText("42");
    EXPECT_TRUE(inFrontOf(h.s.proverka, h.s.f));
    EXPECT_EQ(h.s.proverka.loadSerial(), 1u);
}

TEST(Analysis, ShowsItsWindowInFrontAndChangesNothingElse)
{
    Harness h;
    h.s.f.Command1.click();
    const auto targetRaised = h.s.proverka.raiseSerial();
    h.s.f.Analysis.click();
    EXPECT_EQ(h.s.analysisWindow.state(), WindowState::Shown);
    EXPECT_GT(h.s.analysisWindow.raiseSerial(), targetRaised);
    EXPECT_EQ(h.s.targetShown, 1);
    EXPECT_EQ(h.s.proverka.raiseSerial(), targetRaised);
    EXPECT_EQ(h.s.shotNumber, 0);
}

}  // namespace
