#include "analysis/face_scoring.h"
#include "analysis/lost_points.h"
#include "sights_on_bull.h"

#include <gtest/gtest.h>

namespace {

TEST(PointsAt, RoundsAndScoresAPointAsTheShotDoesItsLandingPoint)
{
    // Across, a point on a ring's radius scores the ring outside it: the comparison is strict.
    EXPECT_EQ(pointsAt({2.49, 0}), 10);
    EXPECT_EQ(pointsAt({2.5, 0}), 9);
    EXPECT_EQ(pointsAt({-2.51, 0}), 9);
    EXPECT_EQ(pointsAt({67.49, 0}), 1);
    EXPECT_EQ(pointsAt({67.5, 0}), 0);
    // Up and down, the shot lands on whole millimetres, an exact half going to the even one:
    // 5.49 comes to 5, inside the 9-ring; 5.5 and 6.5 come to 6, on its edge; 2.5 comes to 2.
    EXPECT_EQ(pointsAt({0, -5.49}), 9);
    EXPECT_EQ(pointsAt({0, -5.5}), 8);
    EXPECT_EQ(pointsAt({0, 6.5}), 8);
    EXPECT_EQ(pointsAt({0, 2.5}), 10);
}

// Sights on the tests' bull: the rear sight stands holdX px right of its place on it (5 mm a pixel
// on the face), the blade bladeX px right of its level, centred place in the notch (25 mm a pixel).
LoggedShot shotWith(float holdX, float bladeX, int points, std::int16_t windage = 0, std::int32_t elevation = 0)
{
    LoggedShot shot;
    shot.sights = sightsOnBull(holdX, bladeX);
    shot.sights.windage = windage;
    shot.sights.elevation = elevation;
    shot.mark.points = points;
    return shot;
}

TEST(LostPoints, WhatTheShotWouldHaveScoredWithoutEachPartLessItsPoints)
{
    // Windage 4 and elevation -2 put the shot at (-10, 5), 11.2 mm out: 8. Without them it lands
    // in the centre (10); the hold and the blade, on their places, cost nothing.
    const LostPoints bySettings = lostPoints(shotWith(0, 0, 8, 4, -2));
    EXPECT_EQ(bySettings.settings, 2);
    EXPECT_EQ(bySettings.hold, 0);
    EXPECT_EQ(bySettings.alignment, 0);

    // The hold 10 mm right and the blade 10 mm left put the shot in the ten; either alone lands
    // 10 mm out, an 8: each made up two points of the other's.
    const LostPoints offset = lostPoints(shotWith(2, -0.4f, 10));
    EXPECT_EQ(offset.hold, -2);
    EXPECT_EQ(offset.alignment, -2);
    EXPECT_EQ(offset.settings, 0);
}

TEST(LostPoints, WithoutTheBladeAHoldOnTheTensEdgeScoresNine)
{
    // The blade brings each shot back into the ten. The hold alone lands 2.5 mm right, on the
    // ten's radius, 2.4609 mm (a 128th of a pixel less) inside it, 2.5391 mm outside it.
    struct Case {
        float holdX;
        int lost;
    };
    for (const Case c : {Case{0.5f, -1}, Case{0.4921875f, 0}, Case{0.5078125f, -1}})
        EXPECT_EQ(lostPoints(shotWith(c.holdX, -c.holdX / 5, 10)).alignment, c.lost) << c.holdX;
}

}  // namespace
