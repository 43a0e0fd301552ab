#pragma once

#include <QImage>

namespace assets {

inline constexpr int glyphWidth = 5;
inline constexpr int glyphHeight = 7;

// Whether pixel (column, row) of the 5 x 7 glyph of `digit` is inked.
bool digitPixel(int digit, int column, int row);

// Draws the digit with every glyph pixel a `scale` x `scale` block, its top-left at (left, top).
void drawDigit(QImage& image, int digit, int left, int top, int scale, QRgb ink);

}  // namespace assets
