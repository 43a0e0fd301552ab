#pragma once

#include <QImage>
#include <QPoint>

#include <vector>

namespace assets {

// Where the black disc of the target stands when the target is on `plate` (1 to 5): the top-left
// corner of its square in range-view pixels, the whole pixel nearest to the bull marker's place.
QPoint discCorner(int plate);

// A turning target shows the shooter its face, or turns away and shows only its edge.
enum class TargetTurn { Facing, EdgeOn };

struct StandingTarget {
    int plate;  // 1 to 5
    TargetTurn turn;
};

// A target in front of each of the five plates, all turned alike.
std::vector<StandingTarget> onEveryPlate(TargetTurn turn);

// The scene with its five plates, and the given targets in front of them.
QImage rangePicture(const QImage& scene, const std::vector<StandingTarget>& targets);

}  // namespace assets
