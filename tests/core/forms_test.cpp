#include "forms/control.h"
#include "forms/form.h"
#include "forms/rounding.h"

#include <gtest/gtest.h>

namespace {

struct Controls {
    TextBox box;
    int madeAt = ++made;
    static inline int made = 0;
};

TEST(LazyForm, LoadsHiddenOnFirstUseOfAControl)
{
    LazyForm<Controls> form("x");
    EXPECT_EQ(form.state(), WindowState::NotLoaded);
    EXPECT_EQ(form.ifLoaded(), nullptr);
    form.controls().box.setText("7");
    EXPECT_EQ(form.state(), WindowState::Hidden);
    EXPECT_EQ(form.loadSerial(), 1u);
    EXPECT_EQ(form.controls().box.text(), "7");
}

TEST(LazyForm, ShowLoadsAndBringsToTheFrontEachTime)
{
    LazyForm<Controls> form("x");
    FormWindow other("y");
    form.Show();
    EXPECT_EQ(form.state(), WindowState::Shown);
    other.Show();
    EXPECT_GT(other.raiseSerial(), form.raiseSerial());
    form.Show();
    EXPECT_GT(form.raiseSerial(), other.raiseSerial());
    EXPECT_EQ(form.loadSerial(), 1u) << "showing a loaded window does not load it again";
}

TEST(LazyForm, HideKeepsTheWindowLoadedUntilTheNextShow)
{
    LazyForm<Controls> form("x");
    form.Show();
    form.controls().box.setText("4");
    const std::uint64_t shownAt = form.raiseSerial();
    form.Hide();
    EXPECT_EQ(form.state(), WindowState::Hidden);
    EXPECT_EQ(form.controls().box.text(), "4");
    form.Show();
    EXPECT_EQ(form.state(), WindowState::Shown);
    EXPECT_GT(form.raiseSerial(), shownAt);
    EXPECT_EQ(form.loadSerial(), 1u);
    form.Unload();
    form.Hide();
    EXPECT_EQ(form.state(), WindowState::NotLoaded) << "a window closed on its way out stays unloaded";
}

TEST(LazyForm, UnloadThrowsTheControlsAwayAndTheNextUseMakesFreshOnes)
{
    int wired = 0;
    LazyForm<Controls> form("x");
    form.onLoad = [&](Controls& c) {
        ++wired;
        c.box.onChange = [] {};
    };
    form.controls().box.setText("9");
    form.Unload();
    EXPECT_EQ(form.state(), WindowState::NotLoaded);
    EXPECT_EQ(form.ifLoaded(), nullptr);
    EXPECT_EQ(form.controls().box.text(), "");
    EXPECT_EQ(form.loadSerial(), 2u);
    EXPECT_EQ(wired, 2) << "each fresh load is wired again";
    form.Unload();
    form.Unload();
    EXPECT_EQ(form.state(), WindowState::NotLoaded);
}

TEST(TextBox, NotifiesOnlyWhenTheTextTakesANewValue)
{
    TextBox box;
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.setText("");
    EXPECT_EQ(changes, 0);
    box.setText("10");
    box.setText("10");
    EXPECT_EQ(changes, 1);
    box.setText("");
    EXPECT_EQ(changes, 2);
}

TEST(ScrollBar, KeepsItsValueInsideItsRangeAndNotifiesOnMoves)
{
    ScrollBar bar;
    bar.Min = 0;
    bar.Max = 200;
    int changes = 0;
    bar.onChange = [&] { ++changes; };
    bar.setValue(250);
    EXPECT_EQ(bar.value(), 200);
    bar.setValue(-3);
    EXPECT_EQ(bar.value(), 0);
    bar.setValue(0);
    EXPECT_EQ(changes, 2);
}

TEST(Rounding, GoesToTheNearestIntegerWithTiesToEven)
{
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(-0.6), -1);
}

}  // namespace
