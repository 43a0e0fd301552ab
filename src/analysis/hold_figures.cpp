#include "analysis/hold_figures.h"

#include "analysis/face_scoring.h"
#include "analysis/shot_figures.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {

constexpr Millis pressSpan = 200;

// The frame in force at `moment`: the last one at or before it, or the first when all are later.
std::size_t inForceAt(const std::vector<AimSample>& aim, Millis moment)
{
    std::size_t n = 0;
    while (n + 1 < aim.size() && aim[n + 1].time <= moment)
        ++n;
    return n;
}

double traceLength(const std::vector<FacePoint>& aims, std::size_t first)
{
    double length = 0;
    for (std::size_t n = first + 1; n < aims.size(); ++n)
        length += std::hypot(aims[n].x - aims[n - 1].x, aims[n].y - aims[n - 1].y);
    return length;
}

}  // namespace

std::optional<HoldFigures> holdFigures(const LoggedShot& shot)
{
    const std::vector<AimSample>& aim = shot.aim;
    if (aim.empty())
        return std::nullopt;
    std::vector<FacePoint> aims;
    std::vector<int> points;
    aims.reserve(aim.size());
    points.reserve(aim.size());
    for (const AimSample& sample : aim) {
        aims.push_back(wouldLand(sample.sights));
        points.push_back(pointsAt(aims.back()));
    }

    const std::size_t first = inForceAt(aim, shot.time - holdSpan);
    HoldFigures f;
    f.traceLastSecond = traceLength(aims, first);
    f.traceLast200ms = traceLength(aims, inForceAt(aim, shot.time - pressSpan));

    const Millis start = std::max(shot.time - holdSpan, aim[first].time);
    const Millis span = shot.time - start;
    f.span = span;
    if (span == 0) {
        f.tenPercent = points.back() == 10 ? 100 : 0;
        f.expectedPoints = points.back();
        return f;
    }
    Millis inTen = 0;
    Millis weightedPoints = 0;
    for (std::size_t n = first; n < aim.size(); ++n) {
        const Millis from = std::max(aim[n].time, start);
        const Millis until = n + 1 < aim.size() ? aim[n + 1].time : shot.time;
        if (points[n] == 10)
            inTen += until - from;
        weightedPoints += points[n] * (until - from);
    }
    f.tenPercent = 100.0 * static_cast<double>(inTen) / static_cast<double>(span);
    f.expectedPoints = static_cast<double>(weightedPoints) / static_cast<double>(span);
    return f;
}
