#pragma once

#include "forms/timer.h"
#include "state/shot_log.h"

#include <cstddef>
#include <optional>
#include <vector>

// The range's commands of a series, in their order: load, attention, start (the series time, or
// the duel's exposures and the pauses between them), stop.
enum class CoursePhase { Load, Attention, Start, Stop };

// Whether a shot of a course counts, and why not: fired before the start signal, after the time
// (or between the duel's exposures), or in time but beyond what the series counts (a sixth shot,
// a second in one exposure, a second on one target).
enum class ShotVerdict { Counted, BeforeSignal, AfterTime, Extra };

struct CourseShot {
    Millis time = 0;
    std::optional<Millis> sinceSignal;  // from the series' last start signal; none before the first
    int exposure = 0;                   // the exposure in force or last ended when it broke
    int target = 0;                     // which of the course's targets it was scored on, from 0
    ShotVerdict verdict = ShotVerdict::Counted;
    int points = 0;                  // what counts: the ring's points, or 0
    std::optional<MarkedShot> mark;  // its mark on the target window, with the ring's points; none
                                     // past the score column's tenth shot
};

// A series as it was fired, from its load command on.
struct CourseSeries {
    std::vector<CourseShot> shots;
    bool notFromReady = false;  // the sights stood above the ready position at a start signal
    bool stopped = false;       // its stop command has come
};

// What the course found on the range and gives back when it ends.
struct RangeBefore {
    float targetPosition = 0;
    float miLeft = 0;
    float miTop = 0;
    bool sequenceRunning = false;  // TimerB
};

// The course that runs, where it stands, and the record of its series, which stays after the course
// ends until the next one starts.
struct CourseState {
    bool running = false;
    std::size_t course = 0;  // by its menu item: the course that runs, or the one the record is of
    std::size_t series = 0;  // the series in progress
    CoursePhase phase = CoursePhase::Load;
    int exposure = 0;
    bool facing = false;
    Millis phaseEnd = 0;           // when the phase, the exposure or the pause ends
    std::optional<Millis> signal;  // the series' last start signal
    int target = 0;                // the target that the shot being fired is aimed at
    std::vector<CourseSeries> record;
    RangeBefore before;
};
