#pragma once

#include "forms/timer.h"
#include "state/course_state.h"
#include "state/range_facts.h"

#include <cstddef>
#include <span>
#include <vector>

// Where a course's targets stand: one on plate 3, or five on plates 1 to 5.
enum class CourseTargets { OneOnPlate3, FiveOnPlates1To5 };

// A series of five shots as the table plans it.
struct SeriesPlan {
    int stage = 1;  // the course's stages count from 1
    bool sighting = false;
    Millis time = 0;         // how long the targets face at each exposure
    int exposures = 1;       // the duel's are five, one shot each
    bool fromReady = false;  // the arm lowered at every start signal
    bool endsOnFifthShot = false;
};

struct CoursePlan {
    CourseTargets targets = CourseTargets::OneOnPlate3;
    std::vector<SeriesPlan> series;
};

inline constexpr int seriesShots = 5;
inline constexpr Millis loadTime = 60'000;
inline constexpr Millis attentionTime = 7'000;
inline constexpr Millis duelAwayTime = 7'000;
// How long the stop command stands, with the series' points, before the next load command.
inline constexpr Millis stopTime = 5'000;
// The ready position: the sights at least this many pixels below the bulls' lower edge.
inline constexpr float readyDrop = 100;

// The courses, in the order of the menu's items.
const std::vector<CoursePlan>& courses();
// The plan of the course that runs, or that the record is of.
const CoursePlan& planOf(const CourseState& course);
// The plan of the series in progress, or the last one.
const SeriesPlan& seriesPlanOf(const CourseState& course);

// The bulls of the targets, in the order of their plates.
std::span<const range::BullPlace> bullsOf(CourseTargets targets);

int matchSeriesCount(const CoursePlan& plan);
// The number of a match series among the course's match series, from 1.
int matchSeriesNumber(const CoursePlan& plan, std::size_t series);
