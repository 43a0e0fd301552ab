#pragma once

#include "analysis/shot_figures.h"

#include <vector>

// What a series comes to: its shots, the total of its points and of their decimal scores, the
// mean of its landing points, and its group size, the largest distance between two of them.
struct SeriesFigures {
    int shots = 0;
    int points = 0;
    double decimal = 0;
    FacePoint meanPoint;
    double groupSize = 0;
};
SeriesFigures seriesFigures(const std::vector<MarkedShot>& shots);
std::vector<MarkedShot> marksOf(const std::vector<LoggedShot>& shots);
// Each series of the run: the ended ones, oldest first, then the present one, empty or not.
std::vector<SeriesFigures> runSeries(const ShotLog& log);

// The windage and elevation that would have put the series' mean point of impact on the centre.
struct SuggestedSettings {
    int windage = 0;
    int elevation = 0;
};
SuggestedSettings suggestedSettings(const std::vector<LoggedShot>& shots);
