#pragma once

#include <QImage>

namespace assets {

inline constexpr int armWidth = 123;
inline constexpr int armHeight = 768;

// The shooter's forearm from behind, gripping the pistol, with its empty
// pixels in the given colour: black for the OR layer, white for the AND layer.
QImage armSprite(QRgb empty);

}  // namespace assets
