#pragma once

class QImage;
class QPainter;
class QPoint;
class QRect;

// Draws `pixels` with their top-left corner at the painter's point `at`, within the painter's
// rectangle `exposed`, pixel for pixel: each device pixel takes the picture's pixel under its
// centre, one on the line between two taking the left or upper one. Qt's own scaling places the
// pixels of a picture at a fractional scale factor by rules that differ from one of its versions
// to the next; these are the program's own, whatever part is repainted. The painter maps by a
// scale and a shift only.
void drawCrisp(QPainter& painter, const QImage& pixels, QPoint at, const QRect& exposed);
