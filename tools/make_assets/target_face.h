#pragma once

#include <QImage>

namespace assets {

inline constexpr int faceWidth = 601;
inline constexpr int faceHeight = 533;
// Pixels per millimetre of the target window: 1440 twips per inch, 15 twips per pixel.
inline constexpr double pixelsPerMm = 1440.0 / 25.4 / 15.0;
inline constexpr double faceCentreXMm = 79.0;
inline constexpr double faceCentreYMm = 69.5;
inline constexpr double ringRadiiMm[10] = {67.5, 60.0, 52.5, 45.4, 37.0, 29.0, 22.7, 13.3, 6.0, 2.5};
inline constexpr double centreDotRadiusMm = 1.6;

// The paper target: ring lines at the scoring radii, the black of rings 4
// to 10 in mid grey, a light grey centre dot and the ring numbers on both axes.
QImage targetFace();

}  // namespace assets
