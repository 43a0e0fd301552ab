#pragma once

#include "forms/control.h"
#include "forms/raster.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

// A picture box: its design picture, and the persistent image that drawing goes into. The picture
// is shared, never copied, among the boxes that show it; a box gets an image of its own only when
// something first draws into it, and until then shows its picture. The image stays as drawn until
// overwritten; Refresh hands what was drawn since to the screen.
//
// A box is made with a generation number never given before, a copy keeps its original's (it holds
// the same pixels), and any drawing gives it a new one: a record of what a box held sees any change
// since, whoever made it, also a different box put in its place.
class PictureBox : public Control, public PointerEvents {
public:
    PictureBox() : PictureBox(std::make_shared<const Raster>()) {}
    explicit PictureBox(std::shared_ptr<const Raster> picture);

    const Raster& Picture() const { return *m_picture; }

    const Raster& image() const { return m_image ? *m_image : *m_picture; }
    // The image for drawing into the given area of it, now; the area is shown at the next Refresh.
    // Each drawing asks anew: the reference is not kept past it.
    Raster& drawInto(const Rect& area);

    float ScaleWidth() const { return static_cast<float>(image().width()); }
    float ScaleHeight() const { return static_cast<float>(image().height()); }
    std::uint64_t generation() const { return m_generation; }

    // Draws the source rectangle of a picture into the destination rectangle of the image. The
    // program always copies one to one; a source larger than the destination is cut to it.
    void PaintPicture(const Raster& picture, float dx, float dy, float dw, float dh, float sx, float sy, float sw,
                      float sh);

    void Refresh();
    // Refreshes so far: a view keeps the count it has shown.
    std::uint64_t refreshCount() const { return m_refreshCount; }
    // What the refreshes after the first `shown` ones have put on the screen: the whole image where
    // they are more than the box remembers.
    Rect refreshedSince(std::uint64_t shown) const;

private:
    static constexpr std::uint64_t rememberedRefreshes = 8;

    std::shared_ptr<const Raster> m_picture;
    std::optional<Raster> m_image;
    std::uint64_t m_generation;
    Rect m_drawn;
    std::array<Rect, rememberedRefreshes> m_refreshed{};  // the latest, each at its count modulo the size
    std::uint64_t m_refreshCount = 0;
};
