#pragma once

#include <QColor>

#include <algorithm>
#include <cmath>

namespace assets {

// A colour in the 0..1 range per channel, for shading arithmetic before it
// is rounded to 8 bits.
struct Colour {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;

    static constexpr Colour bytes(int red, int green, int blue) { return {red / 255.0, green / 255.0, blue / 255.0}; }

    friend Colour operator+(Colour a, Colour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
    friend Colour operator-(Colour a, Colour b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
    friend Colour operator*(Colour a, Colour b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
    friend Colour operator*(Colour a, double s) { return {a.r * s, a.g * s, a.b * s}; }
    friend Colour operator*(double s, Colour a) { return a * s; }
    Colour& operator+=(Colour o) { return *this = *this + o; }
};

inline Colour mix(Colour a, Colour b, double t)
{
    return a + (b - a) * t;
}

inline int toByte(double v)
{
    return static_cast<int>(std::floor(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5));
}

inline QRgb toRgb(Colour c)
{
    return qRgb(toByte(c.r), toByte(c.g), toByte(c.b));
}

inline Colour fromRgb(QRgb p)
{
    return Colour::bytes(qRed(p), qGreen(p), qBlue(p));
}

inline double clamp01(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

inline double smoothstep(double e0, double e1, double x)
{
    const double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0 - 2.0 * t);
}

}  // namespace assets
