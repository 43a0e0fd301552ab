#pragma once

#include "forms/rect.h"

#include <cstdint>
#include <vector>

// An image of 32-bit pixels 0xffRRGGBB, row after row.
class Raster {
public:
    Raster() = default;
    Raster(int width, int height, std::uint32_t fill = 0xff000000u);

    int width() const { return m_width; }
    int height() const { return m_height; }
    Rect bounds() const { return {0, 0, m_width, m_height}; }

    std::uint32_t* row(int y) { return m_pixels.data() + static_cast<std::size_t>(y) * m_width; }
    const std::uint32_t* row(int y) const { return m_pixels.data() + static_cast<std::size_t>(y) * m_width; }
    std::uint32_t pixel(int x, int y) const { return row(y)[x]; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels;
};

constexpr std::uint32_t rgb(int r, int g, int b)
{
    return 0xff000000u | static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 |
           static_cast<std::uint32_t>(b);
}
