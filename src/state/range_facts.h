#pragma once

// The range as every part of the system sees it: the scoring and the frames, the pictures that
// tools/make_assets draws, and the tests that hold the pictures to the scoring. Plain constants,
// so that the tools can include it without the core.
#include "forms/units.h"

#include <array>

namespace range {

// The target window: pixels per millimetre, its scale, at 96 dots per inch.
inline constexpr double targetPixelsPerMillimetre = units::pixelsFromMillimetres(1);

// The face's centre in the target window, in millimetres from the corner of its client area,
// where the face picture's corner stands.
inline constexpr double faceCentreLeft = 79;
inline constexpr double faceCentreTop = 69.5;
// A mark, a little under 2 mm across, is placed and scored by its corner: on the face's centre its
// corner stands a millimetre up and left of it. The Left and Top of a mark on the centre:
inline constexpr auto markCentreLeft = static_cast<float>(faceCentreLeft - 1);
inline constexpr auto markCentreTop = static_cast<float>(faceCentreTop - 1);

// The outer radius, in millimetres, of the ring that scores n points at [n - 1]: a shot strictly
// nearer the centre than it scores at least n.
inline constexpr std::array<double, 10> ringRadii{67.5, 60, 52.5, 45.4, 37, 29, 22.7, 13.3, 6, 2.5};

// The range view, in its pixels. Five plates stand on the far wall, their centres on one row.
inline constexpr std::array<int, 5> plateCentres{312, 361, 414, 461, 509};
inline constexpr int plateCentreRow = 117;

// The bull: a black disc in an 18 x 18 square, on the target in front of a plate. The bull marker
// mi has the square's corner at Left and Top; the pictures draw the disc from the whole pixel
// nearest to it. Away from every plate only the marker's Left moves, to bullAwayLeft. The bulls
// of plates 2 and 4 stand between their neighbours' as their plates do, on the row of plates 3
// and 5.
inline constexpr int bullSize = 18;
struct BullPlace {
    float Left;
    float Top;
};
inline constexpr BullPlace bullOnPlate1{301, 111};
inline constexpr BullPlace bullOnPlate2{349, 112};
inline constexpr BullPlace bullOnPlate3{401.467f, 112};
inline constexpr BullPlace bullOnPlate4{454, 112};
inline constexpr BullPlace bullOnPlate5{508, 112};
inline constexpr std::array<BullPlace, 5> bullOnPlates{bullOnPlate1, bullOnPlate2, bullOnPlate3, bullOnPlate4,
                                                       bullOnPlate5};
inline constexpr float bullAwayLeft = 708;

// The sight pieces: the rear sight's two posts mm1 and mm2 over its base mm3, which starts
// sightBaseTop below their tops, and the front sight's blade mmu. The base's picture is wider
// than the piece shows.
struct SightPieceSize {
    int width;
    int height;
};
inline constexpr SightPieceSize sightPost{15, 20};
inline constexpr SightPieceSize sightBase{44, 12};
inline constexpr int sightBasePictureWidth = 48;
inline constexpr int sightBaseTop = 8;
inline constexpr SightPieceSize sightBlade{2, 20};

}  // namespace range
