#include "harness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool shownInFront(const FormWindow& front, const FormWindow& behind)
{
    return front.state() == WindowState::Shown && front.raiseSerial() > behind.raiseSerial();
}

TEST(RightButton, ShowsANeverLoadedTargetWindowWithTheStartUpSettings)
{
    Harness h;
    h.rightButton();
    ASSERT_TRUE(shownInFront(h.s.proverka, h.s.f));
    const TargetControls& c = h.s.proverka.controls();
    EXPECT_EQ(c.tHorizont.text(), "0");
    EXPECT_EQ(c.tVertikal.text(), "0");
    EXPECT_EQ(c.Horizont.value(), 100);
    EXPECT_EQ(c.Vertikal.value(), 100);
    EXPECT_EQ(c.tbi.text(), "");
    for (int k = 1; k <= 10; ++k)
        EXPECT_FALSE(c.dum(k).Visible) << "dum" << k;
}

TEST(RightButton, OnAShownWindowBringsItToTheFrontAndRewritesTheSettings)
{
    Harness h;
    h.s.windage = -12;
    h.s.elevation = 7;
    h.rightButton();
    h.s.proverka.controls().tHorizont.setText("typed");
    h.s.proverka.controls().tVertikal.setText("typed");
    h.s.proverka.controls().dum(3).Visible = true;
    h.s.f.Show();

    h.rightButton();
    EXPECT_TRUE(shownInFront(h.s.proverka, h.s.f));
    EXPECT_EQ(h.s.proverka.loadSerial(), 1u);
    EXPECT_EQ(h.s.proverka.controls().tHorizont.text(), "-12");
    EXPECT_EQ(h.s.proverka.controls().tVertikal.text(), "7");
    EXPECT_TRUE(h.s.proverka.controls().dum(3).Visible);
}

TEST(OtherButtons, DoNothingOnTheRangeView)
{
    Harness h;
    for (int button : {0, 1, 3, 4}) {
        h.s.f.Основа.mouseDown(button, 0, 10, 10);
        EXPECT_EQ(h.s.proverka.state(), WindowState::NotLoaded) << "button " << button;
    }
}

struct BarMove {
    const char* name;
    ScrollBar TargetControls::*bar;
    int value;
    int setting;
    std::string shown;
    TextBox TargetControls::*box;
};

class SightBars : public ::testing::TestWithParam<BarMove> {};

TEST_P(SightBars, SetTheirSettingAndShowIt)
{
    const BarMove& m = GetParam();
    Harness h;
    h.rightButton();
    (h.s.proverka.controls().*m.bar).setValue(m.value);
    const int setting = m.bar == &TargetControls::Horizont ? int{h.s.windage} : int{h.s.elevation};
    EXPECT_EQ(setting, m.setting);
    EXPECT_EQ((h.s.proverka.controls().*m.box).text(), m.shown);
}

INSTANTIATE_TEST_SUITE_P(
    ToTheEndsAndAStep, SightBars,
    ::testing::Values(
        BarMove{"HorizontLeftEnd", &TargetControls::Horizont, 0, -100, "-100", &TargetControls::tHorizont},
        BarMove{"HorizontRightEnd", &TargetControls::Horizont, 200, 100, "100", &TargetControls::tHorizont},
        BarMove{"HorizontOneLeft", &TargetControls::Horizont, 99, -1, "-1", &TargetControls::tHorizont},
        BarMove{"VertikalTop", &TargetControls::Vertikal, 0, -100, "-100", &TargetControls::tVertikal},
        BarMove{"VertikalBottom", &TargetControls::Vertikal, 200, 100, "100", &TargetControls::tVertikal},
        BarMove{"VertikalTenDown", &TargetControls::Vertikal, 110, 10, "10", &TargetControls::tVertikal}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SightBars, MoveFromTheLoadStateAfterAnUnloadNotFromTheHeldSetting)
{
    Harness h;
    h.rightButton();
    h.s.proverka.controls().Horizont.setValue(130);
    h.s.proverka.controls().Vertikal.setValue(60);
    ASSERT_EQ(h.s.windage, 30);
    ASSERT_EQ(h.s.elevation, -40);

    h.s.proverka.Unload();
    EXPECT_EQ(h.s.windage, 30) << "the settings outlive the window";
    h.s.proverka.Show();
    const TargetControls& c = h.s.proverka.controls();
    EXPECT_EQ(c.Horizont.value(), 100);
    EXPECT_EQ(c.Vertikal.value(), 100);
    EXPECT_EQ(c.tHorizont.text(), "Text1");
    EXPECT_EQ(c.tVertikal.text(), "Text1");

    h.rightButton();
    EXPECT_EQ(c.tHorizont.text(), "30");
    EXPECT_EQ(c.tVertikal.text(), "-40");

    h.s.proverka.controls().Horizont.setValue(101);
    EXPECT_EQ(h.s.windage, 1);
    EXPECT_EQ(c.tHorizont.text(), "1");
    h.s.proverka.controls().Vertikal.setValue(90);
    EXPECT_EQ(h.s.elevation, -10);
}

TEST(TargetFormClick, BringsTheMainWindowBackAndKeepsTheTargetLoaded)
{
    Harness h;
    h.rightButton();
    h.s.proverka.controls().dum(1).Visible = true;
    h.s.proverka.click();
    EXPECT_TRUE(shownInFront(h.s.f, h.s.proverka));
    EXPECT_EQ(h.s.proverka.state(), WindowState::Shown);
    EXPECT_TRUE(h.s.proverka.controls().dum(1).Visible);

    h.rightButton();
    EXPECT_TRUE(shownInFront(h.s.proverka, h.s.f));
    EXPECT_EQ(h.s.proverka.loadSerial(), 1u);
}

}  // namespace
