#pragma once

#include "platform/rect.h"

#include <cstdint>
#include <vector>

// An image of 32-bit pixels 0xffRRGGBB, row after row. Besides its pixels it remembers the
// rectangle written since the damage was last taken, so that a view can repaint only that.
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
    void setPixel(int x, int y, std::uint32_t value);
    void fill(std::uint32_t value);

    void addDamage(const Rect& written)
    {
        m_damage = m_damage.united(written.intersected(bounds()));
        ++m_writes;
    }
    Rect takeDamage();
    // How many writes have reported damage: tells a record of what the image holds whether
    // anything has written into it since.
    std::uint64_t writeCount() const { return m_writes; }

    bool samePixels(const Raster& other) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels;
    Rect m_damage;
    std::uint64_t m_writes = 0;
};

constexpr std::uint32_t rgb(int r, int g, int b)
{
    return 0xff000000u | static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 |
           static_cast<std::uint32_t>(b);
}
