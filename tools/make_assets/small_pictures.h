#pragma once

#include <QImage>

namespace assets {

enum class ArrowDirection { Left, Right, Up, Down };

// A red arrow on white: 51 x 11 when it points sideways, 11 x 51 when it points up or down.
QImage arrow(ArrowDirection direction);

// The 18 x 18 bull marker: a black disc with white corners.
QImage bullMarker();

}  // namespace assets
