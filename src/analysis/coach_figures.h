#pragma once

#include "analysis/hold_figures.h"
#include "analysis/lost_points.h"
#include "analysis/series_figures.h"
#include "analysis/shot_figures.h"

#include <optional>
#include <vector>

// What the coach reads of a series: its points; what each fault cost it in all; the means of the hold figures
// over the shots that have them; where the hold put the shots on average and how far it scattered
// them about that; how far the blade stood from the middle of the notch at the shots; and the
// settings that would have centred the group.
struct CoachFigures {
    int shots = 0;
    int points = 0;
    LostPoints lost;
    std::optional<HoldFigures> meanHold;
    FacePoint meanHoldPoint;     // mm, the mean of the shots' hold parts
    double holdSpread = 0;       // mm, the mean distance of the hold parts from their mean
    double meanBladeOffset = 0;  // range-view pixels, from the level blade centred in the notch
    SuggestedSettings suggested;
    int lateAlignmentLoss = 0;  // of lost.alignment, what the shots late in a course's series time cost
};
CoachFigures coachFigures(const std::vector<LoggedShot>& shots);
