#include "harness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> bothSounds{"/opt/стрелбище 1/AK.wav", "/opt/стрелбище 1/AK2.wav"};

TEST(ShotSound, RequestsBothSoundsOneTickAfterTheRecoilAndClosesTheShot)
{
    Harness h;
    h.advanceBy(1000);
    h.move(399, 299);
    h.click();
    EXPECT_EQ(h.s.shotPending, 1);
    h.advanceBy(10);
    EXPECT_EQ(h.s.armY, 9);
    EXPECT_TRUE(h.sounds.played.empty());
    EXPECT_TRUE(h.s.f.otkat1.enabled());

    h.advanceBy(9);
    EXPECT_TRUE(h.sounds.played.empty());
    h.advanceBy(1);
    EXPECT_EQ(h.sounds.played, bothSounds);
    EXPECT_EQ(h.s.shotPending, 0);
    EXPECT_FALSE(h.s.f.otkat1.enabled());
    EXPECT_FALSE(h.s.f.otkat.enabled());

    h.advanceBy(2000);
    EXPECT_EQ(h.sounds.played, bothSounds) << "each shot is heard once";
}

TEST(ShotSound, EveryShotRequestsItsOwnPair)
{
    Harness h;
    for (int shot = 0; shot < 12; ++shot) {
        h.move(100.0f + 40 * static_cast<float>(shot), 400);
        h.click();
        h.advanceBy(50);
    }
    ASSERT_EQ(h.sounds.played.size(), 24u);
    for (std::size_t k = 0; k < h.sounds.played.size(); ++k)
        EXPECT_EQ(h.sounds.played[k], bothSounds[k % 2]) << "request " << k;
}

}  // namespace
