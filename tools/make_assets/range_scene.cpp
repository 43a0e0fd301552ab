#include "range_scene.h"

#include "colour.h"
#include "range_geometry.h"
#include "range_materials.h"

#include <cmath>

namespace assets {

namespace {

constexpr double focalLength = 700.0;
constexpr double horizonRow = 98.0;
// The camera turns right so that the range's vanishing point falls at this column.
constexpr double vanishingColumn = 414.0;

struct Camera {
    Vec3 eye{0.0, RangeLayout::eyeHeight, 0.0};
    Vec3 forward;
    Vec3 right;

    Camera()
    {
        const double t = (rangeWidth / 2.0 - vanishingColumn) / focalLength;
        const double c = 1.0 / std::sqrt(1.0 + t * t);
        const double s = t * c;
        forward = {s, 0.0, c};
        right = {c, 0.0, -s};
    }

    Vec3 ray(double column, double row) const
    {
        const double a = (column - rangeWidth / 2.0) / focalLength;
        const double b = (horizonRow - row) / focalLength;
        return normalised(forward + right * a + Vec3{0.0, b, 0.0});
    }
};

const Vec3 towardsSun = normalised({-0.5, 0.62, -0.45});
const Colour sunlight = Colour::bytes(255, 242, 220);
const Colour skylight = Colour::bytes(150, 165, 185);
const Colour haze = Colour::bytes(188, 196, 204);

bool casts(const Box& b)
{
    return b.material != Material::Tower && b.material != Material::Shed;
}

// Darkening where a surface meets another: grass along wall feet, walls near the ground.
double occlusion(const RangeLayout& layout, const Hit& h)
{
    double ao = 1.0;
    if (h.material == Material::Grass) {
        for (const Box& b : layout.boxes) {
            if (!casts(b))
                continue;
            const double dx = std::max({b.min.x - h.point.x, 0.0, h.point.x - b.max.x});
            const double dz = std::max({b.min.z - h.point.z, 0.0, h.point.z - b.max.z});
            const double d = std::sqrt(dx * dx + dz * dz);
            ao *= 1.0 - 0.5 * std::exp(-d / 0.45) * std::min(1.0, b.max.y);
        }
    } else if (h.normal.y == 0.0) {
        ao *= 1.0 - 0.35 * std::exp(-h.point.y / 0.3);
    }
    return ao;
}

Colour shade(const RangeLayout& layout, const Hit& h, Vec3 dir)
{
    const double incidence = std::max(std::fabs(dot(h.normal, dir)), 0.12);
    const double footprint = h.t / (focalLength * std::sqrt(incidence));
    const Colour albedo = surfaceColour(h, footprint);
    Colour lit;
    if (h.material == Material::Sky) {
        lit = mix(albedo, Colour::bytes(170, 184, 200), clamp01((dir.y - 0.05) * 6.0));
    } else if (h.material == Material::Forest) {
        lit = albedo * 0.95;
    } else {
        double sun = std::max(0.0, dot(h.normal, towardsSun));
        if (sun > 0.0 && blocked(layout, h.point + h.normal * 1e-4, towardsSun))
            sun = 0.0;
        const double sky = 0.55 + 0.45 * h.normal.y;
        lit = albedo * (sunlight * (0.85 * sun) + skylight * (0.85 * sky)) * occlusion(layout, h);
    }
    const double fog = 1.0 - std::exp(-h.t / 400.0);
    return mix(lit, haze, fog);
}

}  // namespace

QImage renderRangeScene()
{
    const RangeLayout layout = buildRangeLayout();
    const Camera camera;
    QImage image(rangeWidth, rangeHeight, QImage::Format_RGB32);
    constexpr double offsets[2] = {0.25, 0.75};
    for (int row = 0; row < rangeHeight; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < rangeWidth; ++column) {
            Colour sum;
            for (double oy : offsets) {
                for (double ox : offsets) {
                    const Vec3 dir = camera.ray(column + ox, row + oy);
                    sum += shade(layout, traceRay(layout, camera.eye, dir), dir);
                }
            }
            line[column] = toRgb(sum * 0.25);
        }
    }
    return image;
}

}  // namespace assets
