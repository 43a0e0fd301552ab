#pragma once

#include "state/shot_log.h"

#include <optional>

// How steady the hold was over the last second before a shot, from the frames logged before it.
// The aim at a moment is where a shot fired then would have landed; each frame's aim holds from
// its frame until the next frame or the shot. The second starts with the aim in force 1 s before
// the shot, or at the first logged frame when the log starts later, as after the shot before.
//
// A frame at the shot's own time holds for no time: its jump counts in both trace lengths, its
// aim in no share. When the span has no length at all (every frame at the shot's time), the aim in
// force at the shot stands for the whole of it. With one frame the traces are 0 and its aim
// decides the rest. A shot with no frame logged before it has no hold figures.
inline constexpr Millis holdSpan = 1000;

struct HoldFigures {
    double traceLastSecond = 0;  // mm: the jumps between successive aims within the second
    double traceLast200ms = 0;   // mm: the same within the last 200 ms, from the aim in force then
    double tenPercent = 0;       // the share of the second in which a shot would have scored 10
    double expectedPoints = 0;   // the points a shot would have scored, averaged over the second
    Millis span = 0;             // ms of the second that the frames cover
};
std::optional<HoldFigures> holdFigures(const LoggedShot& shot);
