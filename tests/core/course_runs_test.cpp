#include "analysis/course_results.h"
#include "course_driving.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> stagePoints(const CourseResults& r)
{
    std::vector<int> points;
    for (const StageResult& stage : r.stages)
        points.push_back(stage.points);
    return points;
}

std::vector<int> seriesPoints(const std::vector<CourseSeriesResult>& series)
{
    std::vector<int> points;
    for (const CourseSeriesResult& s : series)
        points.push_back(s.points);
    return points;
}

// The course ends by itself after the last series' stop, and its results come up.
void expectEndedByItself(Harness& h)
{
    if (command(h) != "СТОП")
        toNextPhase(h);
    ASSERT_EQ(command(h), "СТОП");
    toNextPhase(h);
    EXPECT_FALSE(h.s.course.running);
    EXPECT_EQ(h.s.analysisWindow.state(), WindowState::Shown);
}

TEST(CourseRuns, StandardPistol)
{
    Harness h;
    choose(h, standardPistol);
    toNextFacing(h);
    for (Millis k = 1; k <= 5; ++k)
        fireAfter(h, 10'000 * k, 1);
    for (int series = 0; series < 4; ++series) {
        toNextFacing(h);
        for (Millis k = 1; k <= 5; ++k)
            fireAfter(h, 20'000 * k);
    }
    for (int series = 0; series < 4; ++series) {
        toNextFacing(h, series == 3 ? 99 : readyDrop);
        for (auto [since, hold] : {std::pair{2'000, 0}, {5'000, 1}, {8'000, 2}, {11'000, 3}, {19'999, 5}})
            fireAfter(h, since, static_cast<float>(hold));
    }
    for (int series = 0; series < 4; ++series) {
        toNextFacing(h);
        for (Millis since : {1'500, 3'500, 5'500, 7'500, 10'000})
            fireAfter(h, since);
    }
    expectEndedByItself(h);
    EXPECT_EQ(h.s.targetPosition, 0.0f);
    EXPECT_EQ(h.s.f.mi.Left, range::bullAwayLeft);

    const CourseResults r = courseResults(h.s.course);
    EXPECT_EQ(seriesPoints(r.sighting), std::vector{45});
    EXPECT_EQ(stagePoints(r), (std::vector{200, 160, 160}));
    EXPECT_EQ(r.total, 520);
    EXPECT_EQ(r.maximum, 600);
    EXPECT_STREQ(r.match[7].mark, "не от изходна позиция");
    EXPECT_STREQ(r.match[6].mark, "");
    EXPECT_EQ(r.match[8].misses, 1);
    EXPECT_EQ(r.match[8].shots[4].sinceSignal, 10'000);
    EXPECT_STREQ(r.match[8].shots[4].mark, "след времето");
}

TEST(CourseRuns, PrecisionPistol)
{
    Harness h;
    choose(h, precisionPistol);
    for (int series = 0; series < 7; ++series) {
        toNextFacing(h);
        for (Millis k = 1; k <= 5; ++k)
            fireAfter(h, 50'000 * k, k == 5 ? 1.0f : 0.0f);
    }
    expectEndedByItself(h);

    const CourseResults r = courseResults(h.s.course);
    EXPECT_EQ(seriesPoints(r.sighting), std::vector{49});
    EXPECT_EQ(seriesPoints(r.match), (std::vector{49, 49, 49, 49, 49, 49}));
    EXPECT_EQ(r.total, 294);
    EXPECT_EQ(r.maximum, 300);
}

TEST(CourseRuns, DuelPistol)
{
    Harness h;
    choose(h, duelPistol);
    for (int series = 0; series < 7; ++series)
        for (int exposure = 0; exposure < 5; ++exposure) {
            toNextFacing(h);
            fireAfter(h, series == 1 && exposure == 4 ? 3'000 : 1'000);
        }
    expectEndedByItself(h);

    const CourseResults r = courseResults(h.s.course);
    EXPECT_EQ(seriesPoints(r.sighting), std::vector{50});
    EXPECT_EQ(seriesPoints(r.match), (std::vector{40, 50, 50, 50, 50, 50}));
    EXPECT_EQ(r.total, 290);
    EXPECT_EQ(r.maximum, 300);
    std::vector<std::optional<Millis>> since, split;
    for (const CourseShotResult& shot : r.match[0].shots) {
        since.push_back(shot.sinceSignal);
        split.push_back(shot.split);
    }
    EXPECT_EQ(since, (std::vector<std::optional<Millis>>{1'000, 1'000, 1'000, 1'000, 3'000}));
    EXPECT_EQ(split, (std::vector<std::optional<Millis>>{std::nullopt, 10'000, 10'000, 10'000, 12'000}));
    EXPECT_EQ(r.match[0].misses, 1);
}

TEST(CourseRuns, RapidFirePistol)
{
    Harness h;
    choose(h, rapidFirePistol);
    for (int series = 0; series < 14; ++series) {
        toNextFacing(h);
        const int targets = series == 13 ? 4 : 5;
        for (int k = 0; k < targets; ++k)
            fireAfter(h, 600 * (k + 1), 0, range::bullOnPlates[static_cast<std::size_t>(k)]);
    }
    expectEndedByItself(h);

    const CourseResults r = courseResults(h.s.course);
    EXPECT_EQ(seriesPoints(r.sighting), (std::vector{50, 50}));
    EXPECT_EQ(r.sighting[1].stage, 2);
    EXPECT_EQ(stagePoints(r), (std::vector{300, 290}));
    EXPECT_EQ(r.total, 590);
    EXPECT_EQ(r.maximum, 600);
    EXPECT_EQ(r.match[11].time, 4'000);
    EXPECT_EQ(r.match[11].misses, 1);
    std::vector<int> targets;
    for (const CourseShot& shot : h.s.course.record.at(1).shots)
        targets.push_back(shot.target);
    EXPECT_EQ(targets, (std::vector{0, 1, 2, 3, 4}));
}

}  // namespace
