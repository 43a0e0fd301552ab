#pragma once

class Simulator;
struct Control;

// How far the mark lies from the face's centre, in mm, as the scoring measures it.
double markDistance(const Control& mark);
// The radius of the ring that scores `points` (1 to 10): a shot nearer than it scores at least
// that many.
double ringRadius(int points);

void otklonenie(Simulator& s, const Control& mark);
