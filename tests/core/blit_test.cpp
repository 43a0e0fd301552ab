#include "forms/blit.h"
#include "forms/picture_box.h"
#include "raster_helpers.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t D = 0xff0f0f0fu;  // destination fill
constexpr std::uint32_t S = 0xff33cc55u;  // source fill

Raster numbered(int w, int h)
{
    Raster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            setPixel(r, x, y, 0xff000000u | static_cast<std::uint32_t>(y * 256 + x));
    return r;
}

// Counts the destination pixels that the source reached, checking that every other one is untouched.
int changedPixels(const Raster& dst, std::uint32_t untouched)
{
    int n = 0;
    for (int y = 0; y < dst.height(); ++y)
        for (int x = 0; x < dst.width(); ++x)
            n += dst.pixel(x, y) != untouched;
    return n;
}

struct Placement {
    int x, y, w, h, sx, sy;
    int expectedPixels;
};

class BlitClipping : public testing::TestWithParam<std::tuple<Placement, RasterOp>> {};

TEST_P(BlitClipping, TouchesExactlyTheOverlapOfBothImages)
{
    const auto [p, rop] = GetParam();
    Raster dst(10, 8, D);
    const Raster src(6, 5, S);
    bitBlt(dst, p.x, p.y, p.w, p.h, src, p.sx, p.sy, rop);
    EXPECT_EQ(changedPixels(dst, D), p.expectedPixels);
}

INSTANTIATE_TEST_SUITE_P(
    EveryOperation, BlitClipping,
    testing::Combine(testing::Values(Placement{2, 1, 6, 5, 0, 0, 30},         // inside
                                     Placement{20, 1, 6, 5, 0, 0, 0},         // wholly right of dst
                                     Placement{0, -9, 6, 5, 0, 0, 0},         // wholly above dst
                                     Placement{7, 5, 6, 5, 0, 0, 9},          // cut at dst right and bottom
                                     Placement{-2, -3, 6, 5, 0, 0, 8},        // cut at dst left and top
                                     Placement{0, 0, 6, 5, 3, 2, 9},          // cut at src right and bottom
                                     Placement{0, 0, 6, 5, -2, -1, 16},       // negative source offset
                                     Placement{1, 1, 0, 5, 0, 0, 0},          // empty rectangle
                                     Placement{-9, -9, 20, 20, -9, -9, 30}),  // larger than both
                     testing::Values(RasterOp::SRCCOPY, RasterOp::SRCAND, RasterOp::SRCPAINT)));

TEST(Blit, MovesEachPixelToItsPlaceWhenCutAtNegativeOffsets)
{
    Raster dst(8, 8, D);
    const Raster src = numbered(6, 5);
    bitBlt(dst, -2, -1, 6, 5, src, 0, 0, RasterOp::SRCCOPY);
    EXPECT_EQ(dst.pixel(0, 0), src.pixel(2, 1));
    EXPECT_EQ(dst.pixel(3, 3), src.pixel(5, 4));
    EXPECT_EQ(dst.pixel(4, 0), D);
    EXPECT_EQ(dst.pixel(0, 4), D);

    Raster shifted(8, 8, D);
    bitBlt(shifted, 1, 1, 6, 5, src, -2, -1, RasterOp::SRCCOPY);
    EXPECT_EQ(shifted.pixel(1, 1), D) << "source pixels left of and above the image do not exist";
    EXPECT_EQ(shifted.pixel(3, 2), src.pixel(0, 0));
}

TEST(Blit, CombinesBitsPerOperation)
{
    const std::uint32_t d = 0xff00f0ccu, s = 0xff0f3c55u;
    for (auto [rop, expected] :
         {std::pair{RasterOp::SRCCOPY, s}, std::pair{RasterOp::SRCAND, d & s}, std::pair{RasterOp::SRCPAINT, d | s}}) {
        Raster dst(3, 3, d);
        bitBlt(dst, 0, 0, 3, 3, Raster(3, 3, s), 0, 0, rop);
        EXPECT_EQ(dst.pixel(1, 1), expected);
    }
}

TEST(Blit, AndWithWhiteThenOrWithBlackLeavesTheBackground)
{
    Raster dst = numbered(4, 4);
    const Raster before = dst;
    bitBlt(dst, 0, 0, 4, 4, Raster(4, 4, 0xffffffffu), 0, 0, RasterOp::SRCAND);
    bitBlt(dst, 0, 0, 4, 4, Raster(4, 4, 0xff000000u), 0, 0, RasterOp::SRCPAINT);
    EXPECT_TRUE(samePixels(dst, before));
}

TEST(PictureBox, ShowsWhatWasPaintedAtTheNextRefreshOnly)
{
    PictureBox box(std::make_shared<const Raster>(10, 8, D));
    box.PaintPicture(Raster(6, 5, S), 7, -2, 6, 5, 0, 0, 6, 5);
    EXPECT_TRUE(box.refreshedSince(0).empty());
    box.Refresh();
    EXPECT_EQ(box.refreshedSince(0), (Rect{7, 0, 3, 3}));
    EXPECT_TRUE(box.refreshedSince(box.refreshCount()).empty());
    EXPECT_EQ(box.image().pixel(7, 0), S);
    EXPECT_EQ(box.Picture().pixel(7, 0), D) << "the design picture stays as it was";
}

TEST(PictureBox, TellsAViewWhatTheRefreshesItHasNotShownPutOnTheScreen)
{
    PictureBox box(std::make_shared<const Raster>(10, 8, D));
    const Raster patch(1, 1, S);
    for (int x = 0; x < 9; ++x) {
        box.PaintPicture(patch, static_cast<float>(x), 0, 1, 1, 0, 0, 1, 1);
        box.Refresh();
    }
    EXPECT_EQ(box.refreshedSince(7), (Rect{7, 0, 2, 1}));
    EXPECT_EQ(box.refreshedSince(1), (Rect{1, 0, 8, 1})) << "the last eight refreshes are remembered";
    EXPECT_EQ(box.refreshedSince(0), (Rect{0, 0, 10, 8})) << "older ones count as the whole image";
}

}  // namespace
