#include "shot/ring_scoring.h"

#include "state/simulator.h"

#include <array>
#include <cmath>

namespace {

struct Ring {
    int points;
    double radius;  // mm; a shot scores the ring when its distance is strictly less
};

// From the outermost ring inwards; every test is made, so the innermost ring that holds the
// shot decides.
constexpr std::array<Ring, 10> rings{{
    {1, 67.5},
    {2, 60},
    {3, 52.5},
    {4, 45.4},
    {5, 37},
    {6, 29},
    {7, 22.7},
    {8, 13.3},
    {9, 6},
    {10, 2.5},
}};

}  // namespace

double markDistance(float left, float top)
{
    const float across = left - markCentreLeft;
    const float acrossSquared = across * across;
    const double down = top - double{markCentreTop};
    return std::sqrt(acrossSquared + down * down);
}

double ringRadius(int points)
{
    return rings.at(static_cast<std::size_t>(points - 1)).radius;
}

int ringPoints(double distance)
{
    int points = 0;
    for (const Ring& ring : rings)
        if (distance < ring.radius)
            points = ring.points;
    return points;
}

void otklonenie(Simulator& s, const Control& mark)
{
    s.shotScore = ringPoints(markDistance(mark.Left, mark.Top));
    s.seriesScore += s.shotScore;
}
