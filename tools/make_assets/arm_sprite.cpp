#include "arm_sprite.h"

#include "colour.h"
#include "noise.h"

#include <cmath>
#include <optional>

namespace assets {

namespace {

const Colour olive = Colour::bytes(176, 176, 0);
const Colour oliveShade = Colour::bytes(128, 128, 0);
const Colour sleeveGreen = Colour::bytes(0, 128, 0);

double capsuleDistance(double x, double y, double x0, double y0, double x1, double y1)
{
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double t = clamp01(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy));
    const double ex = x - (x0 + t * dx);
    const double ey = y - (y0 + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}

// The slide seen from behind: a narrow top over a wider rear face, then the frame.
std::optional<Colour> pistol(int x, int y)
{
    const bool top = y <= 8 && x >= 34 && x <= 68;
    const bool face = y >= 9 && y <= 33 && x >= 28 && x <= 74;
    const bool frame = y >= 34 && y <= 68 && x >= 29 && x <= 75;
    if (!top && !face && !frame)
        return std::nullopt;
    Colour c = Colour::bytes(40, 40, 45);
    const int left = top ? 34 : face ? 28 : 29;
    const int right = top ? 68 : face ? 74 : 75;
    if (x == left || y == 0 || (face && y == 9 && (x < 34 || x > 68)))
        c = Colour::bytes(74, 74, 80);  // edges catching the light
    else if (x == right || (face && y == 33))
        c = Colour::bytes(22, 22, 25);
    else if (face && x >= 45 && x <= 57 && y >= 14 && y <= 29)
        c = Colour::bytes(26, 26, 30);  // the hammer in its slot
    else if (frame && (y - 34) % 6 == 5)
        c = Colour::bytes(28, 28, 32);  // chequering on the back strap
    return c;
}

double wristHalfWidth(int y)
{
    return 40.0 - 8.0 * clamp01((y - 250) / 80.0);
}

// The four fingers wrap round the front of the grip; from behind their middle
// joints show as a row of knuckles down the right-hand side.
constexpr double fingerRows[4] = {92.0, 130.0, 168.0, 204.0};
constexpr double fingerRadius = 17.0;

double thumbDistance(double x, double y)
{
    return capsuleDistance(x, y, 24.0, 52.0, 28.0, 160.0);
}

double nearestFinger(double x, double y)
{
    double best = 1e9;
    for (double row : fingerRows)
        best = std::min(best, capsuleDistance(x, y, 62.0, row - 4.0, 88.0, row + 2.0));
    return best;
}

bool onHand(double x, double y)
{
    if (y < 40 || y > 330)
        return false;
    const double ex = (x - 54.0) / 40.0;
    const double ey = (y - 165.0) / 108.0;
    const bool back = ex * ex + ey * ey <= 1.0 && y >= 64;
    const bool wrist = y >= 230 && std::fabs(x - 57.0) <= wristHalfWidth(static_cast<int>(y));
    const bool web = y >= 56 && y <= 110 && x >= 30 && x <= 76;
    return thumbDistance(x, y) <= 10.5 || nearestFinger(x, y) <= fingerRadius || back || wrist || web;
}

Colour hand(int x, int y)
{
    // Distance to the outline, looked for in a small window, rounds the edges off.
    constexpr int reach = 10;
    double edge = reach + 1.0;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (!onHand(x + dx, y + dy))
                edge = std::min(edge, std::sqrt(static_cast<double>(dx * dx + dy * dy)));
    double light = std::sqrt(smoothstep(0.0, reach, edge));
    // The sun is to the left: the right flank of the hand falls into shade.
    light *= 1.0 - 0.4 * smoothstep(35.0, 105.0, x);
    // Each finger bulges: lit on its upper side, shaded where it meets the next.
    const double finger = nearestFinger(x, y);
    if (finger <= fingerRadius)
        light *= 1.0 - smoothstep(55.0, 75.0, x) * 0.25 * (1.0 - std::sqrt(1.0 - finger / fingerRadius));
    // The pistol's frame shades the web of the hand just below it.
    if (x >= 27 && x <= 77 && y > 68)
        light *= 0.55 + 0.45 * smoothstep(68.0, 84.0, y);
    light *= 0.92 + 0.08 * fractalNoise(x * 0.2, y * 0.2, 2, 301);
    Colour c = mix(oliveShade, olive, clamp01(light));
    const double thumb = thumbDistance(x, y);
    if (y > 60 && std::fabs(thumb - 10.0) < 0.8 && x > 26)
        c = oliveShade * 0.8;
    return c;
}

double sleeveHalfWidth(int y)
{
    return 41.0 + 15.0 * clamp01((y - 310) / 457.0);
}

bool onSleeve(int x, int y)
{
    if (y < 300)
        return false;
    const double centre = 57.0 - 1.0 * clamp01((y - 310) / 457.0);
    return std::fabs(x + 0.5 - centre) <= sleeveHalfWidth(y);
}

Colour camouflage(int x, int y)
{
    const double fx = x;
    const double fy = y;
    Colour c = sleeveGreen;
    if (fractalNoise(fx / 16.0, fy / 22.0, 3, 401) > 0.6)
        c = Colour::bytes(96, 100, 26);
    if (fractalNoise(fx / 13.0, fy / 17.0, 3, 402) > 0.64)
        c = Colour::bytes(14, 18, 10);
    if (fractalNoise(fx / 4.0, fy / 4.0, 2, 403) > 0.77)
        c = Colour::bytes(206, 196, 40);
    if (y >= 650 && y <= 690 && x >= 9 && x <= 40) {
        const bool rim = y <= 651 || y >= 689 || x <= 10 || x >= 39;
        c = rim ? Colour::bytes(170, 104, 12) : Colour::bytes(236, 170, 24);
    }
    return c;
}

Colour sleeve(int x, int y)
{
    const double centre = 57.0;
    const double across = (x + 0.5 - centre) / sleeveHalfWidth(y);
    // Round like a cylinder, lit from the left, with folds running across the forearm.
    double light = std::sqrt(std::max(0.0, 1.0 - across * across));
    light = 0.5 + 0.5 * light - 0.12 * across;
    const double fold = fractalNoise((x + y * 0.6) / 9.0, (y - x * 0.3) / 38.0, 2, 404);
    light *= 0.82 + 0.3 * smoothstep(0.3, 0.7, fold);
    if (y < 336)
        light *= (y == 335 || y == 301) ? 0.6 : 0.92;  // the cuff and its seams
    return camouflage(x, y) * std::min(light, 1.0);
}

}  // namespace

QImage armSprite(QRgb empty)
{
    QImage image(armWidth, armHeight, QImage::Format_RGB32);
    for (int y = 0; y < armHeight; ++y) {
        for (int x = 0; x < armWidth; ++x) {
            std::optional<Colour> c = pistol(x, y);
            if (!c && onSleeve(x, y))
                c = sleeve(x, y);
            else if (!c && onHand(x, y))
                c = hand(x, y);
            image.setPixel(x, y, c ? toRgb(*c) : empty);
        }
    }
    return image;
}

}  // namespace assets
