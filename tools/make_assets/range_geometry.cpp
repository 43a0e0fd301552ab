#include "range_geometry.h"

#include "prng.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace assets {

double dot(Vec3 a, Vec3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

double length(Vec3 a)
{
    return std::sqrt(dot(a, a));
}

Vec3 normalised(Vec3 a)
{
    return a * (1.0 / length(a));
}

RangeLayout buildRangeLayout()
{
    RangeLayout layout;
    auto add = [&](Vec3 lo, Vec3 hi, Material m) { layout.boxes.push_back({lo, hi, m}); };

    // The bullet stop at the far end, with sandstone wings standing a little proud of it.
    add({-5.0, 0.0, 25.0}, {5.0, 2.14, 25.5}, Material::Concrete);
    add({-8.5, 0.0, 24.4}, {-5.0, 2.9, 25.8}, Material::Sandstone);
    add({5.0, 0.0, 24.4}, {8.5, 2.9, 25.8}, Material::Sandstone);

    // Brick side walls from the firing line to the far end.
    add({-8.8, 0.0, 0.5}, {-8.5, 2.4, 25.8}, Material::Brick);
    add({8.5, 0.0, 0.5}, {8.8, 2.4, 25.8}, Material::Brick);

    // Crates along the side walls, some stacked.
    add({-8.4, 0.0, 13.0}, {-7.3, 1.1, 14.1}, Material::Crate);
    add({-8.3, 1.1, 13.15}, {-7.4, 2.0, 14.05}, Material::Crate);
    add({-8.45, 0.0, 18.2}, {-7.45, 1.0, 19.2}, Material::Crate);
    add({-8.45, 0.0, 22.6}, {-7.25, 1.2, 23.8}, Material::Crate);
    add({7.2, 0.0, 9.0}, {8.4, 1.2, 10.2}, Material::Crate);
    add({7.4, 0.0, 10.4}, {8.4, 1.0, 11.4}, Material::Crate);
    add({7.3, 1.2, 9.1}, {8.3, 2.2, 10.1}, Material::Crate);
    add({6.9, 0.0, 20.8}, {8.1, 1.2, 22.0}, Material::Crate);

    // Buildings beyond the walls.
    add({-22.0, 0.0, 45.0}, {-17.0, 30.0, 50.0}, Material::Tower);
    add({20.0, 0.0, 30.0}, {40.0, 12.0, 42.0}, Material::Shed);
    return layout;
}

namespace {

struct ForestRow {
    double cell;    // spacing of the trees
    double lowest;  // of the tree tops
    double spread;  // of the tree tops above the lowest
    std::uint64_t seed;
};

// Near rows of young trees show their tops against the older wood behind,
// which is tall enough to fill the top of the view.
constexpr ForestRow forestRowShape[RangeLayout::forestRows] = {
    {2.0, 4.5, 4.0, 71}, {2.4, 8.0, 4.5, 72}, {2.6, 19.0, 6.0, 73}};

struct Spruce {
    double centre;
    double top;
    double slope;
    double tone;
};

Spruce spruce(const ForestRow& row, std::int64_t i)
{
    return {(static_cast<double>(i) + 0.2 + 0.6 * hashUnit(i, 0, row.seed)) * row.cell,
            row.lowest + row.spread * hashUnit(i, 1, row.seed), 2.0 + 1.2 * hashUnit(i, 2, row.seed),
            hashUnit(i, 3, row.seed)};
}

}  // namespace

TreeCrown treeCrownAt(int forestRow, double x, double height)
{
    // The crown reaching highest above the point is the one seen in front.
    const ForestRow& row = forestRowShape[forestRow];
    const auto c = static_cast<std::int64_t>(std::floor(x / row.cell));
    TreeCrown best;
    double margin = -1e9;
    for (std::int64_t i = c - 3; i <= c + 3; ++i) {
        const Spruce s = spruce(row, i);
        const double reach = s.top - s.slope * std::fabs(x - s.centre) - height;
        if (reach > margin) {
            margin = reach;
            best = {s.centre, s.top, std::max(0.0, (s.top - height) / s.slope), s.tone};
        }
    }
    return best;
}

double treeLineHeight(int forestRow, double x)
{
    const TreeCrown crown = treeCrownAt(forestRow, x, 0.0);
    return crown.top - (crown.halfWidth > 0.0 ? std::fabs(x - crown.centre) * crown.top / crown.halfWidth : 0.0);
}

namespace {

std::optional<Hit> hitBox(const Box& box, Vec3 o, Vec3 d)
{
    double tNear = -std::numeric_limits<double>::infinity();
    double tFar = std::numeric_limits<double>::infinity();
    int axisNear = -1;
    const double lo[3] = {box.min.x, box.min.y, box.min.z};
    const double hi[3] = {box.max.x, box.max.y, box.max.z};
    const double os[3] = {o.x, o.y, o.z};
    const double ds[3] = {d.x, d.y, d.z};
    for (int a = 0; a < 3; ++a) {
        if (std::fabs(ds[a]) < 1e-12) {
            if (os[a] < lo[a] || os[a] > hi[a])
                return std::nullopt;
            continue;
        }
        double t0 = (lo[a] - os[a]) / ds[a];
        double t1 = (hi[a] - os[a]) / ds[a];
        if (t0 > t1)
            std::swap(t0, t1);
        if (t0 > tNear) {
            tNear = t0;
            axisNear = a;
        }
        tFar = std::min(tFar, t1);
    }
    if (tNear > tFar || tNear <= 1e-9 || axisNear < 0)
        return std::nullopt;
    Hit h;
    h.t = tNear;
    h.point = o + d * tNear;
    const double sign = ds[axisNear] > 0 ? -1.0 : 1.0;
    h.normal = axisNear == 0 ? Vec3{sign, 0, 0} : axisNear == 1 ? Vec3{0, sign, 0} : Vec3{0, 0, sign};
    h.material = box.material;
    h.box = &box;
    return h;
}

}  // namespace

Hit traceRay(const RangeLayout& layout, Vec3 o, Vec3 d)
{
    Hit best;
    best.t = std::numeric_limits<double>::infinity();
    for (const Box& box : layout.boxes) {
        if (auto h = hitBox(box, o, d); h && h->t < best.t)
            best = *h;
    }
    if (d.y < 0.0) {
        const double t = -o.y / d.y;
        if (t < best.t && o.z + d.z * t < RangeLayout::forestDistance[0]) {
            best = Hit{t, o + d * t, {0, 1, 0}, Material::Grass, nullptr};
        }
    }
    for (int row = 0; d.z > 0.0 && row < RangeLayout::forestRows; ++row) {
        const double t = (RangeLayout::forestDistance[row] - o.z) / d.z;
        const Vec3 p = o + d * t;
        if (t < best.t && p.y < treeLineHeight(row, p.x)) {
            best = Hit{t, p, {0, 0, -1}, Material::Forest, nullptr, row};
            break;
        }
    }
    if (best.t == std::numeric_limits<double>::infinity())
        best = Hit{1e4, o + d * 1e4, {0, 0, -1}, Material::Sky, nullptr};
    return best;
}

bool blocked(const RangeLayout& layout, Vec3 o, Vec3 d)
{
    return std::any_of(layout.boxes.begin(), layout.boxes.end(), [&](const Box& b) {
        return b.material != Material::Tower && b.material != Material::Shed && hitBox(b, o, d).has_value();
    });
}

}  // namespace assets
