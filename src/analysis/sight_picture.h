#pragma once

#include "state/shot_log.h"

// A rectangle in the range view's pixels, measured from the rear sight's top-left corner (mm1's).
struct SightRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The sights as a reading left them in the range view, round the rear sight: its two posts and its
// base, the blade, and the bull it was held on, each where the reading put it relative to mm1; and
// where the shot reads a level blade centred in the notch. The frames move the right post and the
// base with the left post, so the rear sight's shape is fixed; the blade and the bull move in it.
struct SightPicture {
    SightRect leftPost;
    SightRect rightPost;
    SightRect base;
    SightRect blade;
    SightRect bull;
    SightRect levelBlade;
    // Pixels the blade stands right of and above its level centred place.
    double bladeRight = 0;
    double bladeUp = 0;
};
SightPicture sightPicture(const SightReading& r);
