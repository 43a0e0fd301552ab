#include "harness.h"
#include "sights_on_bull.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// Shot k of the series lands 5k mm right of the centre: the post k px left of the hold point.
void aimShot(Simulator& s, int k)
{
    aimAs(s.f, sightsOnBull(static_cast<float>(k)));
}

constexpr std::array<int, 10> seriesPoints{10, 9, 8, 7, 7, 6, 5, 5, 4, 4};

void fireSeries(Harness& h)
{
    for (int k = 0; k < 10; ++k) {
        aimShot(h.s, k);
        h.click();
    }
}

TEST(Series, TenShotsFillTheScoreColumnAndBringUpTheTargetWindow)
{
    Harness h;
    std::string tbiWhenTotalled;
    float dropWhenTotalled = -1;
    h.s.f.i(11).onChange = [&] {
        tbiWhenTotalled = h.s.proverka.controls().tbi.text();
        dropWhenTotalled = h.s.armDrop;
        h.s.proverka.Show();
    };
    for (int k = 0; k < 10; ++k) {
        aimShot(h.s, k);
        h.click();
        EXPECT_EQ(h.s.armDrop, 5.0f * static_cast<float>(k + 1));
        if (k < 9)
            EXPECT_EQ(h.s.proverka.state(), WindowState::Hidden) << "after shot " << k + 1;
    }

    int total = 0;
    for (int n = 1; n <= 10; ++n) {
        total += seriesPoints[n - 1];
        EXPECT_EQ(h.s.f.i(n).text(), std::to_string(seriesPoints[n - 1])) << "i" << n;
        const Control& mark = h.s.proverka.controls().dum(n);
        EXPECT_TRUE(mark.Visible) << "dum" << n;
        EXPECT_NEAR(mark.Left, 78 + 5 * (n - 1), 1e-3) << "dum" << n;
        EXPECT_EQ(mark.Top, 68.5f) << "dum" << n;
    }
    EXPECT_EQ(h.s.seriesScore, total);
    EXPECT_EQ(h.s.f.i(11).text(), std::to_string(total));
    EXPECT_EQ(h.s.proverka.controls().tbi.text(), "4");
    EXPECT_EQ(tbiWhenTotalled, "4") << "the ninth shot's points, before tbi takes the tenth";
    EXPECT_EQ(dropWhenTotalled, 45.0f);
    EXPECT_EQ(h.s.proverka.state(), WindowState::Shown);
    EXPECT_GT(h.s.proverka.raiseSerial(), h.s.f.raiseSerial()) << "in front of the main window";
}

TEST(Series, TheEleventhClickFiresWithoutMarkingOrScoring)
{
    Harness h;
    fireSeries(h);
    const std::array<float, 10> marksBefore = [&] {
        std::array<float, 10> lefts{};
        for (int n = 1; n <= 10; ++n)
            lefts[n - 1] = h.s.proverka.controls().dum(n).Left;
        return lefts;
    }();

    h.s.f.otkat.setEnabled(false);
    h.s.shotPending = 0;
    aimShot(h.s, 20);
    h.click();

    EXPECT_EQ(h.s.shotNumber, 11);
    EXPECT_EQ(h.s.shotPending, 1);
    EXPECT_TRUE(h.s.f.otkat.enabled());
    EXPECT_NEAR(h.s.hitX, -100, 1e-3) << "the landing point is still computed";
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(h.s.proverka.controls().dum(n).Left, marksBefore[n - 1]) << "dum" << n;
    EXPECT_EQ(h.s.shotScore, 4);
    EXPECT_EQ(h.s.seriesScore, 65);
    EXPECT_EQ(h.s.f.i(10).text(), "4");
    EXPECT_EQ(h.s.f.i(11).text(), "65");
    EXPECT_EQ(h.s.proverka.controls().tbi.text(), "4");
    EXPECT_EQ(h.s.armDrop, 50.0f);

    h.click();
    EXPECT_EQ(h.s.shotNumber, 12);
    EXPECT_EQ(h.s.seriesScore, 65);
}

}  // namespace
