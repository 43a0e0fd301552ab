#pragma once

#include <QImage>

namespace assets {

// The program icon, size x size: a silver pistol with a black grip, side on, on black.
QImage pistolIcon(int size);

}  // namespace assets
