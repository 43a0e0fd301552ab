#include "forms/picture_box.h"

#include "forms/blit.h"

#include <utility>

namespace {

std::uint64_t newGeneration()
{
    static std::uint64_t last = 0;
    return ++last;
}

}  // namespace

PictureBox::PictureBox(std::shared_ptr<const Raster> picture)
    : m_picture(std::move(picture)), m_generation(newGeneration())
{
}

Raster& PictureBox::drawInto(const Rect& area)
{
    if (!m_image)
        m_image.emplace(*m_picture);
    m_generation = newGeneration();
    m_drawn = m_drawn.united(area.intersected(m_image->bounds()));
    return *m_image;
}

void PictureBox::PaintPicture(const Raster& picture, float dx, float dy, float dw, float dh, float sx, float sy,
                              float sw, float sh)
{
    const int x = static_cast<int>(dx);
    const int y = static_cast<int>(dy);
    const int w = static_cast<int>(dw < sw ? dw : sw);
    const int h = static_cast<int>(dh < sh ? dh : sh);
    bitBlt(drawInto({x, y, w, h}), x, y, w, h, picture, static_cast<int>(sx), static_cast<int>(sy), RasterOp::SRCCOPY);
}

void PictureBox::Refresh()
{
    ++m_refreshCount;
    m_refreshed.at(m_refreshCount % rememberedRefreshes) = std::exchange(m_drawn, Rect{});
}

Rect PictureBox::refreshedSince(std::uint64_t shown) const
{
    if (shown >= m_refreshCount)
        return {};
    if (m_refreshCount - shown > rememberedRefreshes)
        return image().bounds();
    Rect refreshed;
    for (std::uint64_t n = shown + 1; n <= m_refreshCount; ++n)
        refreshed = refreshed.united(m_refreshed.at(n % rememberedRefreshes));
    return refreshed;
}
