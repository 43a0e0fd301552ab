#pragma once

#include <optional>
#include <vector>

namespace assets {

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    friend Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
};

double dot(Vec3 a, Vec3 b);
double length(Vec3 a);
Vec3 normalised(Vec3 a);

enum class Material { Grass, Concrete, Sandstone, Brick, Crate, Tower, Shed, Forest, Sky };

// An axis-aligned box of the range: walls, crates and buildings are all boxes.
struct Box {
    Vec3 min;
    Vec3 max;
    Material material;
};

struct Hit {
    double t = 0.0;  // distance along the (unit) ray
    Vec3 point;
    Vec3 normal;
    Material material = Material::Sky;
    const Box* box = nullptr;
    int forestRow = 0;  // which row of trees, for forest hits; 0 is the nearest
};

// World units are metres: x to the right, y up, z down the range from the
// firing line; the shooter's eye is at (0, eyeHeight, 0).
struct RangeLayout {
    static constexpr double eyeHeight = 1.5;
    // Three rows of spruce stand behind the range, each taller and further away.
    static constexpr int forestRows = 3;
    static constexpr double forestDistance[forestRows] = {55.0, 70.0, 90.0};
    std::vector<Box> boxes;
};

RangeLayout buildRangeLayout();

// The spruce of the forest backdrop whose crown is in front at (x, height).
struct TreeCrown {
    double centre = 0.0;
    double top = 0.0;
    double halfWidth = 0.0;  // of the crown at the given height
    double tone = 0.0;       // 0..1, a per-tree shade of green
};

TreeCrown treeCrownAt(int forestRow, double x, double height);

// Height of the tree line above the ground at x, in the given row of trees.
double treeLineHeight(int forestRow, double x);

// Nearest surface along a unit ray: a box, the ground plane, the forest
// backdrop or, failing all, the sky.
Hit traceRay(const RangeLayout& layout, Vec3 origin, Vec3 direction);

// Whether anything solid lies between the point and the far end of the ray.
bool blocked(const RangeLayout& layout, Vec3 origin, Vec3 direction);

}  // namespace assets
