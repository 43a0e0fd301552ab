#pragma once

#include "state/shot_log.h"

// What each part of a landing point cost a shot: the points of the point that the other two parts
// add up to, less the points the shot scored. Negative where the part made up for another.
struct LostPoints {
    int hold = 0;
    int alignment = 0;
    int settings = 0;
};
LostPoints lostPoints(const LoggedShot& shot);
