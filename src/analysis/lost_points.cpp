#include "analysis/lost_points.h"

#include "analysis/face_scoring.h"
#include "analysis/shot_figures.h"

LostPoints lostPoints(const LoggedShot& shot)
{
    const LandingParts p = landingParts(shot.sights);
    const auto lostWithout = [&shot](FacePoint a, FacePoint b) {
        return pointsAt({a.x + b.x, a.y + b.y}) - shot.mark.points;
    };
    return {
        .hold = lostWithout(p.alignment, p.settings),
        .alignment = lostWithout(p.hold, p.settings),
        .settings = lostWithout(p.hold, p.alignment),
    };
}
