#include "analysis/face_scoring.h"

#include "forms/rounding.h"
#include "shot/ring_scoring.h"
#include "state/range_facts.h"

#include <cstdint>

int pointsAt(FacePoint p)
{
    const float hitX = static_cast<float>(-p.x);
    const std::int32_t hitY = roundHalfEven(static_cast<float>(-p.y));
    const float left = range::markCentreLeft - hitX;
    const auto top = static_cast<float>(hitY + double{range::markCentreTop});
    return ringPoints(markDistance(left, top));
}
