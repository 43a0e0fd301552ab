#pragma once

#include "forms/picture_box.h"

#include <cstdint>
#include <vector>

namespace sprite {

// Columns [begin, end) of one row.
struct Span {
    int begin = 0;
    int end = 0;
};

// Columns of one sprite row that change the background: opaque ones (the same colour in both
// layers, which the two transfers put down whatever lay below) or, where the layers differ, mixed ones.
struct SpriteRun {
    int begin = 0;
    int end = 0;
    bool opaque = false;
};

// What the frames have left in a view's image, so that each frame rewrites only what can have
// changed and every pixel still comes out as a whole repaint and three whole transfers make it.
// After a repaint the view's image is its background's picture; each sprite drawn since has
// covered one span of each row. A repaint with the same background then puts back those spans
// alone, and a sprite writes only the runs of pixels where it is not empty: elsewhere
// (background AND white) OR black leaves the background as it is, its pixels being opaque.
// The record holds only while the boxes hold what it saw: it keeps their generations, and any
// change of a box since (a new picture, a drawing it did not make itself) sends the next repaint
// back to a whole copy and the next sprite to a fresh measure.
class Composition {
public:
    // Makes the view's image its background's picture again by putting back only what the
    // sprites covered; false when the image is not known to hold that picture everywhere else, and must
    // be repainted whole.
    bool restore(PictureBox& view, const PictureBox& background);
    // The view's image has just been repainted whole with the background's picture.
    void repainted(const PictureBox& view, const PictureBox& background);
    // The sprite with its top-left corner at (px, py): the save-under copy of the w x h rectangle
    // into saveUnder, then the AND and the OR layer.
    void draw(PictureBox& view, PictureBox& saveUnder, const PictureBox& andLayer, const PictureBox& orLayer, int px,
              int py, int w, int h);

private:
    bool knowsImage(const PictureBox& view) const;
    bool spriteKnown(const PictureBox& andLayer, const PictureBox& orLayer) const;
    void measureSprite(const PictureBox& andLayer, const PictureBox& orLayer);
    void drawSprite(PictureBox& view, PictureBox& saveUnder, const Raster& andLayer, const Raster& orLayer, int px,
                    int py, bool tracked);
    void cover(int y, int begin, int end);

    // The view: the generation of the background whose picture it holds outside the covered spans
    // (0: none known), and its own generation as the record last left it.
    std::uint64_t m_background = 0;
    std::uint64_t m_image = 0;
    std::vector<Span> m_covered;  // one per image row
    int m_coveredTop = 0;
    int m_coveredBottom = 0;

    // The sprite: the generations of its layers, and its runs row after row, row y's from
    // m_firstRun[y] to m_firstRun[y + 1].
    std::uint64_t m_andLayer = 0;
    std::uint64_t m_orLayer = 0;
    std::vector<SpriteRun> m_runs;
    std::vector<int> m_firstRun;
};

}  // namespace sprite
