#include "shot/ring_scoring.h"

#include "app/simulator.h"

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
    {1, 67.5}, {2, 60}, {3, 52.5}, {4, 45.4}, {5, 37}, {6, 29}, {7, 22.7}, {8, 13.3}, {9, 6}, {10, 2.5},
}};

// The corner of the mark of a shot in the very centre of the face.
constexpr float centreLeft = 78;
constexpr double centreTop = 68.5;

}  // namespace

void otklonenie(Simulator& s, const Control& mark)
{
    s.shotScore = 0;
    const float across = mark.Left - centreLeft;
    const float acrossSquared = across * across;
    const double down = mark.Top - centreTop;
    const double d = std::sqrt(acrossSquared + down * down);
    for (const Ring& ring : rings)
        if (d < ring.radius)
            s.shotScore = ring.points;
    s.seriesScore += s.shotScore;
}
