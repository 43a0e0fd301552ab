#include "range_materials.h"

#include "noise.h"
#include "prng.h"

#include <cmath>

namespace assets {

namespace {

// Texture coordinates on a box face: u runs across, v up (or along z on top faces).
struct FaceCoords {
    double u;
    double v;
};

FaceCoords faceCoords(const Hit& h)
{
    const Vec3 lo = h.box ? h.box->min : Vec3{};
    if (h.normal.x != 0.0)
        return {h.point.z - lo.z, h.point.y - lo.y};
    if (h.normal.y != 0.0)
        return {h.point.x - lo.x, h.point.z - lo.z};
    return {h.point.x - lo.x, h.point.y - lo.y};
}

// How far inside a cell of the given size a coordinate lies from its nearest edge.
double edgeDistance(double coord, double size)
{
    const double f = coord / size - std::floor(coord / size);
    return std::min(f, 1.0 - f) * size;
}

// 1 inside a joint of half-width `half`, 0 on the face, blurred by the footprint.
double jointMask(double distance, double half, double footprint)
{
    const double blur = std::max(footprint * 0.7, 1e-4);
    return 1.0 - smoothstep(half - blur, half + blur, distance);
}

Colour grass(const Hit& h, double fp)
{
    const double x = h.point.x;
    const double z = h.point.z;
    const double patches = fractalNoise(x * 0.35, z * 0.35, 4, 11);
    const double clumps = fractalNoise(x * 3.0, z * 3.0, 3, 12, fp * 3.0);
    // Blades: fine streaks along the range, sharpened so that close up they read as tufts.
    const double blades = fractalNoise(x * 80.0, z * 50.0, 3, 13, fp * 80.0);
    const double tufts = smoothstep(0.25, 0.75, blades);
    const double bladeWeight = 1.0 - smoothstep(0.004, 0.02, fp);
    const double sward = fractalNoise(x * 11.0, z * 7.0, 3, 15, fp * 11.0);
    const double stripe = 0.5 + 0.5 * std::sin(x * 3.14159265358979 / 1.6);
    const Colour deep = Colour::bytes(22, 52, 18);
    const Colour fresh = Colour::bytes(58, 98, 34);
    const Colour dry = Colour::bytes(98, 104, 54);
    const double tone =
        0.3 + 0.8 * (patches - 0.5) + 0.5 * (clumps - 0.5) + 0.6 * (sward - 0.5) + bladeWeight * 0.7 * (tufts - 0.5);
    Colour c = mix(deep, fresh, clamp01(tone));
    c = mix(c, dry, 0.35 * smoothstep(0.64, 0.82, fractalNoise(x * 0.9 + 40, z * 0.9, 3, 14)));
    return c * (0.95 + 0.08 * smoothstep(0.2, 0.8, stripe));
}

Colour concrete(const Hit& h, double fp)
{
    const auto [u, v] = faceCoords(h);
    const double grain = fractalNoise(u * 6.0, v * 6.0, 5, 21, fp * 6.0);
    const double stains = fractalNoise(u * 2.5, v * 0.35, 3, 22);
    Colour c = Colour::bytes(150, 151, 147) * (0.86 + 0.24 * grain);
    c = c * (1.0 - 0.22 * smoothstep(0.5, 0.8, stains) * smoothstep(0.6, 2.1, v));
    c = c * (0.82 + 0.18 * smoothstep(0.0, 0.5, v));
    const double joint = jointMask(edgeDistance(u, 2.5), 0.012, fp);
    const double form = jointMask(edgeDistance(v, 0.7), 0.004, fp) * 0.4;
    return c * (1.0 - 0.45 * std::max(joint, form));
}

Colour masonry(double u, double v, double fp, double w, double hgt, double mortarHalf, Colour face, Colour mortar,
               double spread, std::uint64_t seed)
{
    const double row = std::floor(v / hgt);
    const auto r = static_cast<std::int64_t>(row);
    const double shifted = u + ((r & 1) ? w * 0.5 : 0.0);
    const auto col = static_cast<std::int64_t>(std::floor(shifted / w));
    const double tone = hashUnit(col, r, seed);
    Colour brick = face * (1.0 - spread + 2.0 * spread * tone);
    if (hashUnit(col, r, seed + 1) > 0.9)
        brick = brick * 0.72;
    brick = brick * (0.9 + 0.2 * fractalNoise(u * 14.0, v * 14.0, 3, seed + 2, fp * 14.0));
    const double d = std::min(edgeDistance(shifted, w), edgeDistance(v, hgt));
    const double m = jointMask(d, mortarHalf, fp);
    // Far away the joints melt into the face colour in proportion to their area.
    const double share = (2.0 * mortarHalf / hgt + 2.0 * mortarHalf / w);
    const double distant = smoothstep(hgt * 0.3, hgt * 0.9, fp);
    const Colour nearColour = mix(brick, mortar, m);
    const Colour farColour = mix(face, mortar, share);
    return mix(nearColour, farColour, distant);
}

Colour brick(const Hit& h, double fp)
{
    const auto [u, v] = faceCoords(h);
    return masonry(u, v, fp, 0.225, 0.075, 0.006, Colour::bytes(148, 58, 38), Colour::bytes(168, 160, 148), 0.16, 31);
}

Colour sandstone(const Hit& h, double fp)
{
    const auto [u, v] = faceCoords(h);
    Colour c =
        masonry(u, v, fp, 0.62, 0.31, 0.012, Colour::bytes(200, 170, 118), Colour::bytes(122, 104, 76), 0.09, 41);
    const double wear = fractalNoise(u * 3.0, v * 3.0, 4, 44, fp * 3.0);
    return c * (0.88 + 0.22 * wear);
}

Colour crate(const Hit& h, double fp)
{
    auto [u, v] = faceCoords(h);
    const Vec3 size = h.box->max - h.box->min;
    const double w = h.normal.x != 0.0 ? size.z : size.x;
    const double ht = h.normal.y != 0.0 ? size.z : size.y;
    const double boxSeed = static_cast<double>(h.box->min.z * 10.0 + h.box->min.x);
    const auto board = static_cast<std::int64_t>(std::floor(v / 0.18));
    const double tone = hashUnit(board, static_cast<std::int64_t>(boxSeed), 51);
    const double grain = fractalNoise(u * 3.0 + board * 7.0, v * 45.0, 4, 52, fp * 45.0);
    Colour wood = Colour::bytes(150, 106, 60) * (0.8 + 0.3 * tone) * (0.85 + 0.3 * grain);
    const double gap = jointMask(edgeDistance(v, 0.18), 0.008, fp);
    wood = wood * (1.0 - 0.55 * gap);
    // Frame boards round the edge and a diagonal brace, standing proud and darker.
    const double edge = std::min({u, w - u, v, ht - v});
    const double diagonal = std::fabs(v - u * ht / w) / std::sqrt(1.0 + (ht / w) * (ht / w));
    if (edge < 0.09 || (h.normal.y == 0.0 && diagonal < 0.06)) {
        const double frameGrain = fractalNoise(u * 40.0, v * 3.0, 3, 53, fp * 40.0);
        wood = Colour::bytes(124, 86, 48) * (0.85 + 0.3 * frameGrain);
        if (std::fabs(edge - 0.09) < std::max(0.01, fp) || std::fabs(diagonal - 0.06) < std::max(0.008, fp))
            wood = wood * 0.6;
    }
    return wood;
}

Colour tower(const Hit& h, double fp)
{
    const auto [u, v] = faceCoords(h);
    Colour c = Colour::bytes(128, 130, 134) * (0.85 + 0.25 * fractalNoise(u * 2.0, v * 2.0, 4, 61, fp * 2.0));
    const double band = jointMask(edgeDistance(v, 3.0), 0.08, fp);
    c = c * (1.0 - 0.25 * band);
    const double wu = u - std::floor(u / 2.5) * 2.5;
    const double wv = v - std::floor(v / 3.0) * 3.0;
    if (v > 4.0 && wu > 0.95 && wu < 1.55 && wv > 0.9 && wv < 2.1)
        c = Colour::bytes(30, 32, 36);
    return c;
}

Colour shed(const Hit& h, double fp)
{
    const auto [u, v] = faceCoords(h);
    const auto plank = static_cast<std::int64_t>(std::floor(u / 0.25));
    const double tone = hashUnit(plank, 0, 71);
    const double grain = fractalNoise(u * 30.0, v * 1.5 + plank * 3.0, 4, 72, fp * 30.0);
    Colour c = Colour::bytes(78, 50, 30) * (0.8 + 0.3 * tone) * (0.85 + 0.3 * grain);
    const double gap = jointMask(edgeDistance(u, 0.25), 0.012, fp);
    return c * (1.0 - 0.6 * gap);
}

Colour forest(const Hit& h, double fp)
{
    const double x = h.point.x;
    const double y = h.point.y;
    const TreeCrown crown = treeCrownAt(h.forestRow, x, y);
    // Across a crown the sunny left flank is lighter; branch tiers droop from the stem.
    const double across = crown.halfWidth > 0.0 ? (x - crown.centre) / crown.halfWidth : 0.0;
    const std::uint64_t seed = 81 + 10 * static_cast<std::uint64_t>(h.forestRow);
    const double tiers = fractalNoise(x * 1.6, (y + std::fabs(x - crown.centre) * 0.8) * 2.2, 4, seed, fp * 2.2);
    const double leaves = fractalNoise(x * 3.0, y * 3.0, 3, seed + 1, fp * 3.0);
    double light = 0.55 + 0.5 * tiers + 0.25 * (leaves - 0.5) - 0.25 * across;
    light *= 0.65 + 0.35 * smoothstep(0.0, crown.top, y);
    const Colour needles = mix(Colour::bytes(12, 26, 16), Colour::bytes(40, 66, 36), clamp01(light - 0.25));
    // The rim of each crown catches a little more light than its inside.
    const double rim = 1.0 - smoothstep(0.0, 0.45, crown.halfWidth - std::fabs(x - crown.centre));
    const double nearer = 1.0 - 0.12 * h.forestRow;
    return needles * ((0.9 + 0.2 * crown.tone + 0.25 * rim) * nearer);
}

}  // namespace

Colour surfaceColour(const Hit& hit, double footprint)
{
    switch (hit.material) {
    case Material::Grass:
        return grass(hit, footprint);
    case Material::Concrete:
        return concrete(hit, footprint);
    case Material::Sandstone:
        return sandstone(hit, footprint);
    case Material::Brick:
        return brick(hit, footprint);
    case Material::Crate:
        return crate(hit, footprint);
    case Material::Tower:
        return tower(hit, footprint);
    case Material::Shed:
        return shed(hit, footprint);
    case Material::Forest:
        return forest(hit, footprint);
    case Material::Sky:
        break;
    }
    return Colour::bytes(206, 212, 216);
}

}  // namespace assets
