#pragma once

#include "state/shot_log.h"

#include <cstddef>
#include <optional>

// A replay of a shot's last two seconds, in real time, ending with the shot.
inline constexpr Millis replayLength = ShotLog::traceSpan;

// What the replay shows `elapsed` ms after it began: the frame in force then (none before the
// first logged frame), how many points of the shot's aimTrace have been drawn, and whether it has
// come to the shot, which shows the sights the shot read and the whole trace.
struct ReplayMoment {
    std::optional<SightReading> sights;
    std::size_t tracePoints = 0;
    bool atShot = false;
};
ReplayMoment replayAt(const LoggedShot& shot, Millis elapsed);
