#pragma once

class Simulator;
struct Control;

// A series has ten scored shots; a shot after the tenth is fired but neither marked nor scored.
inline constexpr int seriesLength = 10;

// The points the last shot's landing point scores, as its mark would; a shot past the tenth has no
// mark.
int landingPoints(const Simulator& s);

void Основа_Click(Simulator& s);
void strelba(Simulator& s, Control& offsets);
