#include "analysis/course_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Row = std::vector<std::string>;

CourseShotResult shotAt(std::optional<Millis> sinceSignal, std::optional<Millis> split, const char* mark = "")
{
    CourseShotResult s;
    s.sinceSignal = sinceSignal;
    s.split = split;
    s.mark = mark;
    return s;
}

TEST(CourseText, SightersComeFirstThenTheSeriesWithTheirShotsTimesThenStagesAndTheTotal)
{
    CourseResults r;
    r.sighting.push_back({.stage = 1, .time = 8'000, .points = 46, .decimal = 47.3, .misses = 1, .shots = {}});
    CourseSeriesResult duel{.stage = 1, .time = 3'000, .exposures = 5, .points = 9, .decimal = 9.6};
    duel.mark = notFromReadyMark;
    duel.misses = 4;
    duel.shots = {shotAt(std::nullopt, std::nullopt, beforeSignalMark), shotAt(1'234, 5'000),
                  shotAt(3'012, 10'778, afterTimeMark)};
    r.match.push_back(duel);
    r.stages.push_back({.stage = 1, .points = 9, .decimal = 9.6});
    r.total = 9;
    r.decimalTotal = 9.6;
    r.maximum = 300;
    EXPECT_EQ(courseRows(r).size(), 3u) << "one stage has no subtotal of its own";
    r.stages.push_back({.stage = 2, .points = 0, .decimal = 0});

    const std::vector<Row> rows = courseRows(r);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], (Row{"Пробна", "1", "8", "46", "47,3", "", "1 пропуск"}));
    EXPECT_EQ(rows[1], (Row{"1", "1", "5 × 3", "9", "9,6", "— преди сигнала; 1,23 (5,00); 3,01 (10,78) след времето",
                            "не от изходна позиция; 4 пропуска"}));
    EXPECT_EQ(rows[2], (Row{"Етап 1", "", "", "9", "9,6", "", ""}));
    EXPECT_EQ(rows[3], (Row{"Етап 2", "", "", "0", "0,0", "", ""}));
    EXPECT_EQ(rows[4], (Row{"Общо", "", "", "9 от 300", "9,6", "", ""}));
}

}  // namespace
