#include "course/course_tables.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <ranges>

// The 25 m pistol events as the ISSF rules have them; every series is five shots.
//
// Each series: "load", one minute to get ready; "attention", the red lights on or the targets
// turned away for 7 s; then the targets face (the green lights on) for the series time. The arm
// is lowered to the ready position before each series but the 150 s and precision ones, and before
// each of the duel's exposures. Rules of the 25 m standard pistol event in the Norwegian
// federation's text, https://asanepk.no/category/34.
//
// - Standard pistol: a sighting series in 150 s, then stages of 4 series in 150 s, 20 s and 10 s:
//   http://melbourneinternational.org.au/index.php/component/content/article/15-disciplines/14-25-meter-standard-pistol
// - 25 m (sport) pistol: a sighting series before each stage; precision, 6 series in 5 minutes
//   (https://www.misc.org.au/index.php/25m-pistol/; an older text gives 6 minutes); duel, 6
//   series of five exposures, 3 s facing and 7 s away, one shot each:
//   http://www.figunclub.co.fk/index.php/disciplines/pistol/issf-pistol/25m-sport-pistol
// - Rapid-fire pistol: five targets, one shot each in a series; two stages, each a sighting series
//   in 8 s, then 2 series in 8 s, 2 in 6 s and 2 in 4 s:
//   https://primidi.com/25_metre_rapid_fire_pistol/course_of_fire,
//   https://albertonsportsshootingclub.co.za/issf-rapid-fire/
namespace {

constexpr bool sighter = true;

// A series whose time is enough for an aimed shot each: it ends early on its fifth shot.
constexpr SeriesPlan slow(int stage, Millis time, bool sighting = false)
{
    return {.stage = stage, .sighting = sighting, .time = time, .endsOnFifthShot = true};
}

// A series fired from the ready position within its time.
constexpr SeriesPlan timed(int stage, Millis time, bool sighting = false)
{
    return {.stage = stage, .sighting = sighting, .time = time, .fromReady = true};
}

constexpr SeriesPlan duel(bool sighting = false)
{
    return {.sighting = sighting, .time = 3'000, .exposures = 5, .fromReady = true};
}

struct Run {
    int count;
    SeriesPlan plan;
};

std::vector<SeriesPlan> series(std::initializer_list<Run> runs)
{
    std::vector<SeriesPlan> all;
    for (const Run& run : runs)
        all.insert(all.end(), static_cast<std::size_t>(run.count), run.plan);
    return all;
}

constexpr std::array<range::BullPlace, 1> oneBull{range::bullOnPlate3};

}  // namespace

const std::vector<CoursePlan>& courses()
{
    using enum CourseTargets;
    static const std::vector<CoursePlan> table{
        {OneOnPlate3, series({
                          {1, slow(1, 150'000, sighter)},
                          {4, slow(1, 150'000)},
                          {4, timed(2, 20'000)},
                          {4, timed(3, 10'000)},
                      })},
        {OneOnPlate3, series({{1, slow(1, 300'000, sighter)}, {6, slow(1, 300'000)}})},
        {OneOnPlate3, series({{1, duel(sighter)}, {6, duel()}})},
        {FiveOnPlates1To5, series({
                               {1, timed(1, 8'000, sighter)},
                               {2, timed(1, 8'000)},
                               {2, timed(1, 6'000)},
                               {2, timed(1, 4'000)},
                               {1, timed(2, 8'000, sighter)},
                               {2, timed(2, 8'000)},
                               {2, timed(2, 6'000)},
                               {2, timed(2, 4'000)},
                           })},
    };
    return table;
}

std::span<const range::BullPlace> bullsOf(CourseTargets targets)
{
    if (targets == CourseTargets::FiveOnPlates1To5)
        return range::bullOnPlates;
    return oneBull;
}

int matchSeriesCount(const CoursePlan& plan)
{
    return static_cast<int>(std::ranges::count(plan.series, false, &SeriesPlan::sighting));
}

int matchSeriesNumber(const CoursePlan& plan, std::size_t series)
{
    return static_cast<int>(
        std::ranges::count(plan.series | std::views::take(series + 1), false, &SeriesPlan::sighting));
}

const CoursePlan& planOf(const CourseState& course)
{
    return courses().at(course.course);
}

const SeriesPlan& seriesPlanOf(const CourseState& course)
{
    return planOf(course).series.at(course.series);
}
