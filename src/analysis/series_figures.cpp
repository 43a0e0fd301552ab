#include "analysis/series_figures.h"

#include "forms/rounding.h"

#include <algorithm>
#include <cmath>

SeriesFigures seriesFigures(const std::vector<MarkedShot>& shots)
{
    SeriesFigures f;
    f.shots = static_cast<int>(shots.size());
    for (const MarkedShot& shot : shots) {
        const FacePoint p = landingPoint(shot);
        f.points += shot.points;
        f.decimal += decimalScore(shot);
        f.meanPoint.x += p.x;
        f.meanPoint.y += p.y;
        for (const MarkedShot& other : shots) {
            const FacePoint q = landingPoint(other);
            f.groupSize = std::max(f.groupSize, std::hypot(p.x - q.x, p.y - q.y));
        }
    }
    if (f.shots > 0) {
        f.meanPoint.x /= f.shots;
        f.meanPoint.y /= f.shots;
    }
    return f;
}

std::vector<MarkedShot> marksOf(const std::vector<LoggedShot>& shots)
{
    std::vector<MarkedShot> marks;
    marks.reserve(shots.size());
    for (const LoggedShot& shot : shots)
        marks.push_back(shot.mark);
    return marks;
}

std::vector<SeriesFigures> runSeries(const ShotLog& log)
{
    std::vector<SeriesFigures> run;
    run.reserve(log.earlier().size() + 1);
    for (const std::vector<MarkedShot>& ended : log.earlier())
        run.push_back(seriesFigures(ended));
    run.push_back(seriesFigures(marksOf(log.series())));
    return run;
}

SuggestedSettings suggestedSettings(const std::vector<LoggedShot>& shots)
{
    if (shots.empty())
        return {};
    double x = 0, y = 0;
    for (const LoggedShot& shot : shots) {
        const FacePoint landing = landingPoint(shot.mark);
        const FacePoint settings = landingParts(shot.sights).settings;
        x += landing.x - settings.x;
        y += landing.y - settings.y;
    }
    const auto setting = [n = static_cast<double>(shots.size())](double sum) {
        return std::clamp(roundHalfEven(sum / n / 2.5), -100, 100);
    };
    return {setting(x), setting(y)};
}
