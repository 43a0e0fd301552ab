#pragma once

#include <Qt>

#include <optional>

// The pointer shape a value of Screen.MousePointer names: 0 the default, which the widget under
// the pointer chooses (no shape here), 1 an arrow, 2 a cross, 3 an I-beam, 5 and 15 the four-way
// arrow, 6 to 9 the two-way arrows (NE-SW, N-S, NW-SE, W-E), 10 an up arrow, 11 the hourglass,
// 12 no drop, 13 an arrow with the hourglass, 14 an arrow with a question mark. The icon (4), a
// picture of the program's own (99) and any other value leave the default.
std::optional<Qt::CursorShape> pointerShape(int mousePointer);
