#include "course_driving.h"
#include "exercise_buttons.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> listedItems(const Harness& h)
{
    std::vector<std::string> listed;
    for (const MenuItem& item : h.s.f.Discipline.items)
        if (item.Visible)
            listed.push_back(item.Caption);
    return listed;
}

TEST(CourseMenu, ListsTheCoursesAndTheirEndOnlyWhileOneRuns)
{
    Harness h;
    const std::vector<std::string> courses{"Стандартен пистолет 25 м", "Спортен пистолет 25 м, прецизност",
                                           "Спортен пистолет 25 м, дуел", "Скорострелен пистолет 25 м"};
    EXPECT_EQ(h.s.f.Discipline.Caption, "Дисциплина");
    EXPECT_EQ(listedItems(h), courses);
    EXPECT_FALSE(h.s.f.Ready.Visible);

    choose(h, duelPistol);
    std::vector<std::string> withEnd = courses;
    withEnd.push_back("Край на дисциплината");
    EXPECT_EQ(listedItems(h), withEnd);
    EXPECT_TRUE(h.s.f.Ready.Visible);
}

TEST(CourseMenu, TheEndLeavesTheRangeAsTheFirstCourseFoundIt)
{
    Harness h;
    h.s.f.Barza.click();
    h.advanceBy(7'000);
    ASSERT_EQ(h.s.targetPosition, 2.0f);
    choose(h, standardPistol);
    EXPECT_FALSE(h.s.f.TimerB.enabled());
    EXPECT_EQ(h.s.f.mi.Left, range::bullOnPlate3.Left);
    choose(h, rapidFirePistol);
    h.advanceBy(67'000);
    fire(h, 0, range::bullOnPlate5);

    choose(h, endOfCourse);
    EXPECT_FALSE(h.s.course.running);
    EXPECT_EQ(h.s.targetPosition, 2.0f);
    EXPECT_EQ(h.s.f.mi.Left, range::bullOnPlate1.Left);
    EXPECT_EQ(h.s.f.mi.Top, range::bullOnPlate1.Top);
    EXPECT_TRUE(h.s.f.TimerB.enabled());
    EXPECT_EQ(listedItems(h).size(), 4u);
}

TEST(CourseMenu, TheEndShowsTheResultsOnceASeriesHasStopped)
{
    Harness h;
    choose(h, precisionPistol);
    choose(h, endOfCourse);
    EXPECT_NE(h.s.analysisWindow.state(), WindowState::Shown);

    choose(h, precisionPistol);
    while (command(h) != "СТОП")
        toNextPhase(h);
    choose(h, endOfCourse);
    EXPECT_EQ(h.s.analysisWindow.state(), WindowState::Shown);
}

class ExerciseButtonDuringACourse : public testing::TestWithParam<ExerciseButton> {};

TEST_P(ExerciseButtonDuringACourse, EndsTheCourseThenDoesItsOwnWork)
{
    Harness h;
    choose(h, duelPistol);
    h.advanceBy(67'000);
    fire(h);

    press(h, GetParam());
    EXPECT_FALSE(h.s.course.running);
    EXPECT_FALSE(h.s.f.CourseTimer.enabled());
    EXPECT_EQ(h.s.f.i(1).text(), "");
    EXPECT_EQ(h.s.shotNumber, 0);
}

INSTANTIATE_TEST_SUITE_P(EachButton, ExerciseButtonDuringACourse, testing::ValuesIn(exerciseButtons), buttonName);

TEST(ExerciseButtonDuringACourse, RapidFireStartsFromTheRangeTheCourseFound)
{
    Harness h;
    choose(h, rapidFirePistol);
    h.advanceBy(67'000);
    fire(h, 0, range::bullOnPlate2);

    h.s.f.Barza.click();
    EXPECT_EQ(h.s.f.mi.Left, range::bullAwayLeft);
    EXPECT_EQ(h.s.targetPosition, 0.0f);
    EXPECT_TRUE(h.s.f.TimerB.enabled());
}

}  // namespace
