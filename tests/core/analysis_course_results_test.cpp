#include "analysis/course_results.h"
#include "state/range_facts.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::size_t standardPistol = 0;

CourseShot shot(Millis time, std::optional<Millis> sinceSignal, ShotVerdict verdict, float markRight, int ringPoints)
{
    CourseShot s;
    s.time = time;
    s.sinceSignal = sinceSignal;
    s.verdict = verdict;
    s.mark = MarkedShot{range::markCentreLeft + markRight, range::markCentreTop, ringPoints};
    s.points = verdict == ShotVerdict::Counted ? ringPoints : 0;
    return s;
}

// The standard pistol's sighting series, four of its 150 s series and the first 20 s series
// stopped, the second 20 s series under way.
CourseState standardRecord()
{
    using enum ShotVerdict;
    CourseState c;
    c.course = standardPistol;
    c.record.resize(7);
    c.record[0].shots = {shot(500, 100, Counted, 0, 10)};
    c.record[1].shots = {
        shot(1'000, std::nullopt, BeforeSignal, 0, 10),
        shot(10'000, 2'000, Counted, 0, 10),
        shot(12'500, 4'500, Counted, 5, 9),
        shot(160'000, 152'000, AfterTime, 0, 10),
    };
    c.record[1].notFromReady = true;
    c.record[5].shots = {shot(40'000, 1'000, Counted, 0, 10), shot(41'000, 2'000, Extra, 0, 10)};
    c.record[6].shots = {shot(90'000, 1'000, Counted, 0, 10)};
    for (std::size_t k = 0; k < 6; ++k)
        c.record[k].stopped = true;
    return c;
}

TEST(CourseResults, ASeriesRowHasItsShotsTimesSplitsDecimalsMissesAndMarks)
{
    const CourseResults r = courseResults(standardRecord());
    ASSERT_EQ(r.match.size(), 5u);
    const CourseSeriesResult& series = r.match[0];
    EXPECT_EQ(series.points, 19);
    EXPECT_NEAR(series.decimal, 10.9 + 9.2, 1e-9);
    EXPECT_EQ(series.misses, 3);
    EXPECT_STREQ(series.mark, "не от изходна позиция");
    EXPECT_EQ(series.time, 150'000);

    std::vector<std::optional<Millis>> since, split;
    std::vector<std::string> marks;
    for (const CourseShotResult& s : series.shots) {
        since.push_back(s.sinceSignal);
        split.push_back(s.split);
        marks.push_back(s.mark);
    }
    EXPECT_EQ(since, (std::vector<std::optional<Millis>>{std::nullopt, 2'000, 4'500, 152'000}));
    EXPECT_EQ(split, (std::vector<std::optional<Millis>>{std::nullopt, 9'000, 2'500, 147'500}));
    EXPECT_EQ(marks, (std::vector<std::string>{"преди сигнала", "", "", "след времето"}));
    EXPECT_STREQ(r.match[4].shots[1].mark, "не се зачита");
}

TEST(CourseResults, SightersStandApartAndStagesAddUpTheStoppedMatchSeries)
{
    const CourseResults r = courseResults(standardRecord());
    ASSERT_EQ(r.sighting.size(), 1u);
    EXPECT_EQ(r.sighting[0].points, 10);

    ASSERT_EQ(r.stages.size(), 2u);
    EXPECT_EQ(r.stages[0].stage, 1);
    EXPECT_EQ(r.stages[0].points, 19);
    EXPECT_EQ(r.stages[1].stage, 2);
    EXPECT_EQ(r.stages[1].points, 10);
    EXPECT_NEAR(r.stages[1].decimal, 10.9, 1e-9);
    EXPECT_EQ(r.total, 29);
    EXPECT_EQ(r.maximum, 600);
}

}  // namespace
