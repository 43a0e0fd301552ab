#pragma once

#include <QImage>

namespace assets {

inline constexpr int faceWidth = 601;
inline constexpr int faceHeight = 533;
inline constexpr double centreDotRadiusMm = 1.6;

// The paper target: ring lines at the scoring radii, the black of rings 4
// to 10 in mid grey, a light grey centre dot and the ring numbers on both axes.
QImage targetFace();

}  // namespace assets
