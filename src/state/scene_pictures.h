#pragma once

#include "forms/raster.h"

#include <memory>

// The pictures the range view is composed from, decoded by the shell from the program's assets.
// Each is held once, by every picture box that shows it.
struct ScenePictures {
    using Picture = std::shared_ptr<const Raster>;
    Picture rangeTargetPlate3;  // the view's own picture, and the background for the middle plate
    Picture rangeNoTarget;
    Picture rangeTargetPlate1;
    Picture rangeTargetPlate5;
    Picture bull;        // black disc on white corners, 18 x 18
    Picture armOnBlack;  // the arm sprite, empty pixels black
    Picture armOnWhite;  // the same sprite, empty pixels white
};
