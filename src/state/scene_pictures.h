#pragma once

#include "platform/raster.h"

// The pictures the range view is composed from, decoded by the shell from the program's assets.
struct ScenePictures {
    Raster rangeTargetPlate3;  // the view's own picture, and the background for the middle plate
    Raster rangeNoTarget;
    Raster rangeTargetPlate1;
    Raster rangeTargetPlate5;
    Raster bull;               // black disc on white corners, 18 x 18
    Raster armOnBlack;         // the arm sprite, empty pixels black
    Raster armOnWhite;         // the same sprite, empty pixels white
};
