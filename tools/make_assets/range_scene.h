#pragma once

#include <QImage>

namespace assets {

inline constexpr int rangeWidth = 1024;
inline constexpr int rangeHeight = 768;

// The empty range seen from the firing point, plates bare: walls, crates,
// grass and forest, lit by a low sun from behind the shooter's left shoulder.
QImage renderRangeScene();

}  // namespace assets
