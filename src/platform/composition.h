#pragma once

#include "platform/raster.h"

#include <cstdint>
#include <vector>

namespace frame {

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

// What the frames have left in the range view's image, so that each frame rewrites only what can
// have changed and every pixel still comes out as a whole repaint and three whole transfers make
// it. After a repaint the image is its background picture; each arm drawn since has covered one
// span of each row. A repaint with the same picture then puts back those spans alone, and an arm
// writes only the runs of pixels where its sprite is not empty: elsewhere (background AND white)
// OR black leaves the background as it is, its pixels being opaque. The record holds only while
// nothing else writes into the image or the picture: a write it did not make itself shows in the
// write counts, and sends the next repaint back to a whole copy.
class Composition {
public:
    // Makes the image the picture again by putting back only what the arms covered; false when
    // the image is not known to hold the picture everywhere else, and must be repainted whole.
    bool restore(Raster& image, const Raster& picture);
    // The image has just been repainted whole with the picture.
    void repainted(const Raster& image, const Raster& picture);
    // The arm with its top-left corner at (px, py): the save-under copy of the w x h rectangle
    // into saveUnder, then the AND and the OR layer.
    void drawArm(Raster& image, Raster& saveUnder, const Raster& andLayer, const Raster& orLayer, int px, int py,
                 int w, int h);

private:
    bool knowsImage(const Raster& image) const;
    bool spriteKnown(const Raster& andLayer, const Raster& orLayer) const;
    void measureSprite(const Raster& andLayer, const Raster& orLayer);
    void drawSprite(Raster& image, Raster& saveUnder, const Raster& andLayer, const Raster& orLayer, int px, int py,
                    bool tracked);
    void cover(int y, int begin, int end);

    // The image: the picture it holds outside the covered spans (none: not known), and the write
    // counts of both as the record last left them.
    const Raster* m_background = nullptr;
    std::uint64_t m_backgroundWrites = 0;
    std::uint64_t m_imageWrites = 0;
    std::vector<Span> m_covered;  // one per image row
    int m_coveredTop = 0;
    int m_coveredBottom = 0;

    // The sprite: its runs row after row, row y's from m_firstRun[y] to m_firstRun[y + 1].
    const Raster* m_andLayer = nullptr;
    const Raster* m_orLayer = nullptr;
    std::uint64_t m_andWrites = 0;
    std::uint64_t m_orWrites = 0;
    std::vector<SpriteRun> m_runs;
    std::vector<int> m_firstRun;
};

}  // namespace frame
