#pragma once

#include "forms/timer.h"
#include "state/course_state.h"

#include <optional>
#include <vector>

// The results of a course, for the analysis window: a row a series, the sighting series apart,
// the stages' subtotals and the total out of the course's maximum.

// The marks of a shot that does not count, and of a series that did not start from the ready
// position.
inline constexpr const char* beforeSignalMark = "преди сигнала";
inline constexpr const char* afterTimeMark = "след времето";
inline constexpr const char* extraShotMark = "не се зачита";
inline constexpr const char* notFromReadyMark = "не от изходна позиция";

struct CourseShotResult {
    std::optional<Millis> sinceSignal;  // from the series' last start signal before it
    std::optional<Millis> split;        // from the series' shot before; none for its first
    int points = 0;
    double decimal = 0;
    const char* mark = "";  // empty for a shot that counts
};

struct CourseSeriesResult {
    int stage = 1;
    Millis time = 0;  // of each exposure
    int exposures = 1;
    int points = 0;
    double decimal = 0;
    int misses = 0;         // of the five, those that scored nothing
    const char* mark = "";  // empty for a series started from the ready position
    std::vector<CourseShotResult> shots;
};

struct StageResult {
    int stage = 1;
    int points = 0;
    double decimal = 0;
};

struct CourseResults {
    std::vector<CourseSeriesResult> sighting;
    std::vector<CourseSeriesResult> match;
    std::vector<StageResult> stages;  // of the match series, in the stages' order
    int total = 0;
    double decimalTotal = 0;
    int maximum = 0;
};

// The series of the record that have come to their stop.
CourseResults courseResults(const CourseState& course);
