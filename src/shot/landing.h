#pragma once

#include "state/shot_log.h"

#include <cstdint>

// Where a level blade, centred in the notch, stands from the rear sight's corner, in the range
// view's pixels; and how far right of that corner the line of sight runs.
inline constexpr double levelBladeLeft = 21.45;
inline constexpr double levelBladeTop = 0.15;
inline constexpr float sightLineLeft = 23;

// Where a shot lands from what it reads: the front sight's offsets in the notch, from where a
// level, centred blade stands and less the settings, and the landing point in target mm, hitX
// left of the face centre and hitY, whole millimetres, below it.
struct Landing {
    float offsetLeft = 0;
    float offsetTop = 0;
    float hitX = 0;
    std::int32_t hitY = 0;
};

Landing landingOf(const SightReading& r);
