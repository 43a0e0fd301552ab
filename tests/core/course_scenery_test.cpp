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

// The frame shows the course's own pictures whatever targetPosition says, and, once the course
// ends, the background the table chooses again.
TEST_P(CourseScenery, TheFrameShowsTheCoursesTargetsTurnedAwayAndFacing)
{
    Harness h;
    choose(h, GetParam().course);
    frame::repaintBackground(h.s);
    EXPECT_EQ(h.backgroundAt(500, 300), GetParam().away);

    toNextFacing(h);
    frame::repaintBackground(h.s);
    EXPECT_EQ(h.backgroundAt(500, 300), GetParam().facing);

    choose(h, endOfCourse);
    h.s.targetPosition = 4;
    frame::repaintBackground(h.s);
    EXPECT_EQ(h.backgroundAt(500, 300), bluePlate5);
}

INSTANTIATE_TEST_SUITE_P(OneTargetAndFive, CourseScenery,
                         testing::Values(Scenery{duelPistol, bluePlate3EdgeOn, bluePlate3},
                                         Scenery{rapidFirePistol, blueFiveTargetsEdgeOn, blueFiveTargets}));

}  // namespace
