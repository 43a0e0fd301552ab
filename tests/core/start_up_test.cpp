#include "harness.h"

#include <gtest/gtest.h>

namespace {

// The button bar, 697 pixels or 10455 twips wide, stands in the middle of the window's outer width.
TEST(StartUp, EveryResizeCentresTheButtonBar)
{
    Harness h;  // started at an outer width of 12000 twips
    EXPECT_EQ(h.s.f.Frame1.Left, 772.5f);

    h.s.f.resize(15000);
    EXPECT_EQ(h.s.f.Width, 15000);
    EXPECT_EQ(h.s.f.Frame1.Left, 2272.5f);

    h.s.f.resize(9000);
    EXPECT_EQ(h.s.f.Frame1.Left, -727.5f) << "a window narrower than the bar cuts it off at both ends";
}

TEST(StartUp, UnloadingTheMainWindowUnloadsEveryWindow)
{
    Harness h;
    h.s.f.Command1.click();
    h.s.f.Analysis.click();
    ASSERT_EQ(h.s.proverka.state(), WindowState::Shown);
    ASSERT_EQ(h.s.analysisWindow.state(), WindowState::Shown);

    h.s.f.Unload();

    EXPECT_EQ(h.s.f.state(), WindowState::NotLoaded);
    EXPECT_EQ(h.s.proverka.state(), WindowState::NotLoaded);
    EXPECT_EQ(h.s.analysisWindow.state(), WindowState::NotLoaded);
}

}  // namespace
