#pragma once

// The logic measures in three scales: twips in the main window, pixels in the range view and
// its source pictures, millimetres in the target window. The constants hold at 96 dots per inch.
namespace units {

inline constexpr float twipsPerPixel = 15.0f;
inline constexpr double twipsPerMillimetre = 1440.0 / 25.4;

constexpr float twipsFromPixels(float pixels)
{
    return pixels * twipsPerPixel;
}
constexpr double pixelsFromMillimetres(double mm)
{
    return mm * twipsPerMillimetre / twipsPerPixel;
}
constexpr double millimetresFromPixels(double pixels)
{
    return pixels * twipsPerPixel / twipsPerMillimetre;
}

}  // namespace units
