#pragma once

#include <QImage>
#include <QPoint>

namespace assets {

// Where the black disc of the target stands when the target is on plate 1, 3 or 5: the top-left
// corner of its square in range-view pixels, the whole pixel nearest to the bull marker's place.
QPoint discCorner(int plate);

// The scene with its five plates, and the target in front of `plate`
// (1, 3 or 5; 0 for no target).
QImage rangePicture(const QImage& scene, int plate);

}  // namespace assets
