#pragma once

#include "state/main_window.h"
#include "state/shot_log.h"

// The tests' bull: the bull marker's 18 x 18 square with its corner at (400, 112), so that its hold
// point, the middle of its lower edge, is (409, 130).
inline constexpr float testBullLeft = 400;
inline constexpr float testBullTop = 112;

// A reading of sights held on the tests' bull: the rear sight's corner (mm1) on (386, 130), where
// the line of sight 23 px right of it meets the hold point, moved holdX px right; the blade (mmu)
// level and centred in the notch, 21.45 px right of that corner and 0.15 px below it, moved bladeX
// px further right. On the face a pixel of hold moves the shot 5 mm, a pixel of blade 25 mm.
SightReading sightsOnBull(float holdX = 0, float bladeX = 0);

// Puts the bull marker, the rear sight and the blade of the main window where the reading has them.
void aimAs(MainWindow& f, const SightReading& r);
