#include "forms/raster.h"

#include <algorithm>

Raster::Raster(int width, int height, std::uint32_t fill)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_pixels(static_cast<std::size_t>(m_width) * m_height, fill)
{
}
