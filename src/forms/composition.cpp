#include "forms/composition.h"

#include "forms/blit.h"

#include <algorithm>
#include <cstring>

namespace sprite {

namespace {

// A sprite pixel that leaves every background pixel as it is (their alpha bytes are all set): the
// AND layer keeps every colour bit, the OR layer adds none, and the alpha byte stays full.
bool leavesBackground(std::uint32_t andPixel, std::uint32_t orPixel)
{
    return (andPixel & 0x00ffffffu) == 0x00ffffffu && (orPixel & 0x00ffffffu) == 0 &&
           ((andPixel | orPixel) >> 24) == 0xffu;
}

}  // namespace

bool Composition::knowsImage(const PictureBox& view) const
{
    return m_background != 0 && view.generation() == m_image &&
           static_cast<int>(m_covered.size()) == view.image().height();
}

bool Composition::restore(PictureBox& view, const PictureBox& background)
{
    const Raster& picture = background.Picture();
    if (background.generation() != m_background || !knowsImage(view) || picture.width() != view.image().width() ||
        picture.height() != view.image().height())
        return false;

    int left = picture.width(), right = 0;
    for (int y = m_coveredTop; y < m_coveredBottom; ++y) {
        if (m_covered[y].begin < m_covered[y].end) {
            left = std::min(left, m_covered[y].begin);
            right = std::max(right, m_covered[y].end);
        }
    }
    if (left < right) {
        Raster& image = view.drawInto({left, m_coveredTop, right - left, m_coveredBottom - m_coveredTop});
        for (int y = m_coveredTop; y < m_coveredBottom; ++y) {
            Span& span = m_covered[y];
            if (span.begin < span.end)
                std::memcpy(image.row(y) + span.begin, picture.row(y) + span.begin,
                            static_cast<std::size_t>(span.end - span.begin) * sizeof(std::uint32_t));
            span = {};
        }
    }
    m_coveredTop = m_coveredBottom = 0;
    m_image = view.generation();
    return true;
}

void Composition::repainted(const PictureBox& view, const PictureBox& background)
{
    const Raster& picture = background.Picture();
    const Raster& image = view.image();
    const bool whole = picture.width() == image.width() && picture.height() == image.height();
    m_background = whole ? background.generation() : 0;
    m_image = view.generation();
    m_covered.assign(static_cast<std::size_t>(image.height()), Span{});
    m_coveredTop = m_coveredBottom = 0;
}

void Composition::draw(PictureBox& view, PictureBox& saveUnder, const PictureBox& andLayer, const PictureBox& orLayer,
                       int px, int py, int w, int h)
{
    const bool tracked = knowsImage(view);
    const auto isSpriteSized = [w, h](const PictureBox& b) {
        return b.image().width() == w && b.image().height() == h;
    };
    if (isSpriteSized(saveUnder) && isSpriteSized(andLayer) && isSpriteSized(orLayer)) {
        if (!spriteKnown(andLayer, orLayer))
            measureSprite(andLayer, orLayer);
        drawSprite(view, saveUnder, andLayer.image(), orLayer.image(), px, py, tracked);
    } else {
        const Rect area{px, py, w, h};
        bitBlt(saveUnder.drawInto({0, 0, w, h}), 0, 0, w, h, view.image(), px, py, RasterOp::SRCCOPY);
        Raster& image = view.drawInto(area);
        bitBlt(image, px, py, w, h, andLayer.image(), 0, 0, RasterOp::SRCAND);
        bitBlt(image, px, py, w, h, orLayer.image(), 0, 0, RasterOp::SRCPAINT);
        const Rect drawn = area.intersected(image.bounds());
        for (int y = drawn.y; tracked && y < drawn.bottom(); ++y)
            cover(y, drawn.x, drawn.right());
    }

    if (tracked)
        m_image = view.generation();
}

bool Composition::spriteKnown(const PictureBox& andLayer, const PictureBox& orLayer) const
{
    return andLayer.generation() == m_andLayer && orLayer.generation() == m_orLayer &&
           static_cast<int>(m_firstRun.size()) == orLayer.image().height() + 1;
}

void Composition::measureSprite(const PictureBox& andBox, const PictureBox& orBox)
{
    m_andLayer = andBox.generation();
    m_orLayer = orBox.generation();
    const Raster& andLayer = andBox.image();
    const Raster& orLayer = orBox.image();
    m_runs.clear();
    m_firstRun.clear();
    for (int y = 0; y < orLayer.height(); ++y) {
        m_firstRun.push_back(static_cast<int>(m_runs.size()));
        const std::uint32_t* a = andLayer.row(y);
        const std::uint32_t* o = orLayer.row(y);
        for (int x = 0; x < orLayer.width(); ++x) {
            if (leavesBackground(a[x], o[x]))
                continue;
            const bool opaque = a[x] == o[x];
            const bool extends = m_runs.size() > static_cast<std::size_t>(m_firstRun.back()) &&
                                 m_runs.back().end == x && m_runs.back().opaque == opaque;
            if (extends)
                m_runs.back().end = x + 1;
            else
                m_runs.push_back({x, x + 1, opaque});
        }
    }
    m_firstRun.push_back(static_cast<int>(m_runs.size()));
}

// One pass over the rows of the sprite's rectangle: each row is saved into saveUnder and then the
// sprite's runs are written over it, while the row is still in the cache.
void Composition::drawSprite(PictureBox& view, PictureBox& saveUnderBox, const Raster& andLayer, const Raster& orLayer,
                             int px, int py, bool tracked)
{
    const Rect clip = Rect{px, py, orLayer.width(), orLayer.height()}.intersected(view.image().bounds());
    if (clip.empty())
        return;
    Raster& image = view.drawInto(clip);
    Raster& saveUnder = saveUnderBox.drawInto({clip.x - px, clip.y - py, clip.w, clip.h});
    const auto bytes = [](int pixels) { return static_cast<std::size_t>(pixels) * sizeof(std::uint32_t); };
    for (int y = clip.y; y < clip.bottom(); ++y) {
        std::uint32_t* d = image.row(y);
        const int sy = y - py;
        std::memcpy(saveUnder.row(sy) + (clip.x - px), d + clip.x, bytes(clip.w));

        const std::uint32_t* a = andLayer.row(sy);
        const std::uint32_t* o = orLayer.row(sy);
        int rowLeft = clip.right(), rowRight = clip.x;
        for (int r = m_firstRun[sy]; r < m_firstRun[sy + 1]; ++r) {
            const int begin = std::max(px + m_runs[r].begin, clip.x);
            const int end = std::min(px + m_runs[r].end, clip.right());
            if (begin >= end)
                continue;
            if (m_runs[r].opaque)
                std::memcpy(d + begin, o + (begin - px), bytes(end - begin));
            else
                for (int x = begin; x < end; ++x)
                    d[x] = (d[x] & a[x - px]) | o[x - px];
            rowLeft = std::min(rowLeft, begin);
            rowRight = std::max(rowRight, end);
        }
        if (tracked && rowLeft < rowRight)
            cover(y, rowLeft, rowRight);
    }
}

void Composition::cover(int y, int begin, int end)
{
    Span& span = m_covered[y];
    if (span.begin >= span.end) {
        span = {begin, end};
    } else {
        span.begin = std::min(span.begin, begin);
        span.end = std::max(span.end, end);
    }
    if (m_coveredTop >= m_coveredBottom) {
        m_coveredTop = y;
        m_coveredBottom = y + 1;
    } else {
        m_coveredTop = std::min(m_coveredTop, y);
        m_coveredBottom = std::max(m_coveredBottom, y + 1);
    }
}

}  // namespace sprite
