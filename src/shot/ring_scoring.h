#pragma once

class Simulator;
struct Control;

// How far a mark with its corner at (left, top) lies from the face's centre, in mm, as the scoring
// measures it.
double markDistance(float left, float top);
// The radius of the ring that scores `points` (1 to 10): a shot nearer than it scores at least
// that many.
double ringRadius(int points);
// The points of a shot at `distance` mm from the centre, 0 outside every ring.
int ringPoints(double distance);

void otklonenie(Simulator& s, const Control& mark);
