#pragma once

#include "state/shot_log.h"

#include <vector>

// A point on the target face in mm from its centre, x to the right and y up, as a shooter reads a
// target.
struct FacePoint {
    double x = 0;
    double y = 0;
};

// Where the shot's mark shows it.
FacePoint landingPoint(const MarkedShot& shot);
// The points, and a tenth for each tenth of its ring's width the shot lies inside the ring's edge,
// at most nine: the centre scores 10.9, a shot just inside the 9-ring's edge 9.0, a miss 0.0.
double decimalScore(const MarkedShot& shot);

// A landing point taken apart: what the hands did (the hold on the bull), what the sights did (the
// blade in the notch) and what the sight settings did. They add up to the landing point within the
// single-precision steps of the shot and its whole millimetres downwards.
struct LandingParts {
    FacePoint hold;
    FacePoint alignment;
    FacePoint settings;
};
LandingParts landingParts(const SightReading& r);

// Where a shot fired with these sights would land.
FacePoint wouldLand(const SightReading& r);

// When a point of the aim came before its shot, as shooters read a trace: before the last second,
// in the last second, or in the last 0.2 s. A frame's aim holds from its frame on, so a frame
// exactly a second (0.2 s) before the shot is the aim in force as the last second (0.2 s) begins,
// and the move to it comes before.
enum class TracePhase { Earlier, LastSecond, LastFifthOfASecond };

// A point of the aim before a shot: where a shot fired then would have landed.
struct TracePoint {
    FacePoint at;
    TracePhase phase = TracePhase::Earlier;
};
std::vector<TracePoint> aimTrace(const LoggedShot& shot);
