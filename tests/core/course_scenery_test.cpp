#include "course_driving.h"
#include "scene/frame.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace {

struct Scenery {
    std::size_t course;
    int away;    // the background's blue level while the targets are turned away
    int facing;  // and while they face
};

class CourseScenery : public testing::TestWithParam<Scenery> {};

// The range shows the course's own pictures whatever targetPosition says, turning as the phases
// change without waiting for a frame, with the arm where the last frame drew it; once the course
// ends, the background it found.
TEST_P(CourseScenery, TheRangeShowsTheTargetsTurnAtOnceAndTheBackgroundItFoundAfter)
{
    Harness h;
    frame::repaintBackground(h.s);
    frame::drawArm(h.s, 300, 250);
    const int found = h.backgroundAt(500, 300);

    choose(h, GetParam().course);
    EXPECT_EQ(h.backgroundAt(500, 300), GetParam().away);
    EXPECT_EQ(h.s.f.Основа.image().pixel(301, 250), armPixel(1, 0));

    toNextFacing(h);
    EXPECT_EQ(h.backgroundAt(500, 300), GetParam().facing);

    choose(h, endOfCourse);
    EXPECT_EQ(h.backgroundAt(500, 300), found);
}

INSTANTIATE_TEST_SUITE_P(OneTargetAndFive, CourseScenery,
                         testing::Values(Scenery{duelPistol, bluePlate3EdgeOn, bluePlate3},
                                         Scenery{rapidFirePistol, blueFiveTargetsEdgeOn, blueFiveTargets}));

}  // namespace
