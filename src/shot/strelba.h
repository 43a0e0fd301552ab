#pragma once

class Simulator;
struct Control;

// A series has ten scored shots; a shot after the tenth is fired but neither marked nor scored.
inline constexpr int seriesLength = 10;

void Основа_Click(Simulator& s);
void strelba(Simulator& s, Control& offsets);
