#include "platform/raster.h"

#include <algorithm>

Raster::Raster(int width, int height, std::uint32_t fill)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_pixels(static_cast<std::size_t>(m_width) * m_height, fill)
{
}

void Raster::setPixel(int x, int y, std::uint32_t value)
{
    row(y)[x] = value;
    addDamage({x, y, 1, 1});
}

void Raster::fill(std::uint32_t value)
{
    std::fill(m_pixels.begin(), m_pixels.end(), value);
    addDamage(bounds());
}

Rect Raster::takeDamage()
{
    const Rect damage = m_damage;
    m_damage = {};
    return damage;
}

bool Raster::samePixels(const Raster& other) const
{
    return m_width == other.m_width && m_height == other.m_height && m_pixels == other.m_pixels;
}
