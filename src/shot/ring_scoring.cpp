#include "shot/ring_scoring.h"

#include "state/range_facts.h"
#include "state/simulator.h"

#include <cmath>

double markDistance(float left, float top)
{
    const float across = left - range::markCentreLeft;
    const float acrossSquared = across * across;
    const double down = top - double{range::markCentreTop};
    return std::sqrt(acrossSquared + down * down);
}

double ringRadius(int points)
{
    return range::ringRadii.at(static_cast<std::size_t>(points - 1));
}

int ringPoints(double distance)
{
    // From the outermost ring inwards; every test is made, so the innermost ring that holds the
    // shot decides.
    int points = 0;
    for (int ring = 1; ring <= 10; ++ring)
        if (distance < ringRadius(ring))
            points = ring;
    return points;
}

void otklonenie(Simulator& s, const Control& mark)
{
    s.shotScore = ringPoints(markDistance(mark.Left, mark.Top));
    s.seriesScore += s.shotScore;
}
