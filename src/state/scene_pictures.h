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
    Picture rangePlate3EdgeOn;  // the course's one target on plate 3, turned away
    Picture rangeFiveTargets;   // the course's five targets on plates 1 to 5, facing
    Picture rangeFiveTargetsEdgeOn;
    Picture bull;        // black disc on white corners, 18 x 18
    Picture armOnBlack;  // the arm sprite, empty pixels black
    Picture armOnWhite;  // the same sprite, empty pixels white
};
