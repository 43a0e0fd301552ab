#pragma once

#include "analysis/shot_figures.h"

// The points of a shot whose landing point comes out at p before the shot rounds it: the shot
// holds it in single precision, rounds its height to whole millimetres (an exact half to the even
// one), places the mark there and scores the mark by the ring table.
int pointsAt(FacePoint p);
