#pragma once

#include "platform/blit.h"
#include "platform/control.h"
#include "platform/raster.h"

#include <utility>

// A picture box: its design picture, and the persistent image that drawing goes into (its device
// context). The image stays as drawn until overwritten; Refresh hands what changed to the screen.
class PictureBox : public Control {
public:
    PictureBox() = default;
    explicit PictureBox(Raster picture) : Picture(std::move(picture)), m_image(Picture) {}

    Raster Picture;

    Raster& hDC() { return m_image; }
    const Raster& image() const { return m_image; }
    float ScaleWidth() const { return static_cast<float>(m_image.width()); }
    float ScaleHeight() const { return static_cast<float>(m_image.height()); }

    // Draws the source rectangle of a picture into the destination rectangle of the image. The
    // program always copies one to one; a source larger than the destination is cut to it.
    void PaintPicture(const Raster& picture, float dx, float dy, float dw, float dh, float sx, float sy, float sw,
                      float sh)
    {
        const int w = static_cast<int>(dw < sw ? dw : sw);
        const int h = static_cast<int>(dh < sh ? dh : sh);
        bitBlt(m_image, static_cast<int>(dx), static_cast<int>(dy), w, h, picture, static_cast<int>(sx),
               static_cast<int>(sy), RasterOp::SRCCOPY);
    }

    void Refresh() { m_refreshed = m_refreshed.united(m_image.takeDamage()); }

    // The region of the image that Refresh has put on the screen since the view last looked.
    Rect takeRefreshed() { return std::exchange(m_refreshed, Rect{}); }

private:
    Raster m_image;
    Rect m_refreshed{0, 0, m_image.width(), m_image.height()};
};
