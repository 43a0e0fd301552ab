#include "harness.h"
#include "raster_helpers.h"
#include "scene/frame.h"
#include "scene_expected.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int unchanged = -1;

struct TableRow {
    float targetPosition;
    int blue;  // the background shown afterwards, or unchanged
};

class BackgroundTable : public testing::TestWithParam<TableRow> {};

TEST_P(BackgroundTable, ShowsThePictureTheTargetPositionSelects)
{
    Harness h;
    h.s.targetPosition = 4;
    frame::repaintBackground(h.s);
    frame::show(h.s);
    const std::uint64_t shown = h.s.f.Основа.refreshCount();

    h.s.targetPosition = GetParam().targetPosition;
    frame::repaintBackground(h.s);
    frame::show(h.s);

    if (GetParam().blue == unchanged) {
        EXPECT_EQ(pixelsOffBackground(h.s.f.Основа.image(), bluePlate5), 0);
        EXPECT_TRUE(h.s.f.Основа.refreshedSince(shown).empty());
    } else {
        EXPECT_EQ(pixelsOffBackground(h.s.f.Основа.image(), GetParam().blue), 0);
    }
}

constexpr float inf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(EveryKindOfValue, BackgroundTable,
                         testing::Values(TableRow{0, blueNoTarget}, TableRow{-0.0f, blueNoTarget},
                                         TableRow{1, blueNoTarget}, TableRow{2, bluePlate1}, TableRow{3, bluePlate3},
                                         TableRow{4, bluePlate5}, TableRow{4.0001f, blueNoTarget},
                                         TableRow{5, blueNoTarget}, TableRow{1e9f, blueNoTarget},
                                         TableRow{inf, blueNoTarget}, TableRow{-1, unchanged},
                                         TableRow{0.5f, unchanged}, TableRow{2.5f, unchanged},
                                         TableRow{3.999f, unchanged}, TableRow{-inf, unchanged},
                                         TableRow{std::numeric_limits<float>::quiet_NaN(), unchanged}));

TEST(BackgroundRepaint, CopiesTheDesignPictureNotWhatWasDrawnIntoTheBox)
{
    Harness h;
    fillRaster(drawAnywhere(h.s.f.МаскаОснова), rgb(1, 2, 3));
    h.s.targetPosition = 3;
    frame::repaintBackground(h.s);
    EXPECT_EQ(pixelsOffBackground(h.s.f.Основа.image(), bluePlate3), 0);
}

struct Anchor {
    float ax, ay;
    int px, py;  // where the sprite's top-left corner lands
};

class ArmDrawing : public testing::TestWithParam<Anchor> {};

// Each case starts over an earlier frame elsewhere, on another background, which must leave no trace.
TEST_P(ArmDrawing, ShowsTheSpriteAtTheRoundedAnchorOverTheBackground)
{
    Harness h;
    h.s.targetPosition = 2;
    frame::repaintBackground(h.s);
    frame::drawArm(h.s, 300, 200);
    frame::show(h.s);

    h.s.targetPosition = 3;
    frame::repaintBackground(h.s);
    frame::drawArm(h.s, GetParam().ax, GetParam().ay);
    frame::show(h.s);

    EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), bluePlate3, GetParam().px, GetParam().py), 0);
}

INSTANTIATE_TEST_SUITE_P(InsideAtTheEdgesAndBeyond, ArmDrawing,
                         testing::Values(Anchor{400, 300, 400, 300}, Anchor{40.5f, 30.5f, 40, 30},
                                         Anchor{41.5f, 31.5f, 42, 32}, Anchor{-0.5f, -1.5f, 0, -2},
                                         Anchor{0.49999997f, 2.5000002f, 0, 3}, Anchor{950, 700, 950, 700},
                                         Anchor{-50, -100, -50, -100}, Anchor{-122, 0, -122, 0},
                                         Anchor{1023, 767, 1023, 767}, Anchor{10, -767, 10, -767},
                                         Anchor{-123, 0, -123, 0}, Anchor{1024, 10, 1024, 10}, Anchor{10, 768, 10, 768},
                                         Anchor{-5000, 9, -5000, 9}));

struct SaveUnder {
    int px, py;
};

class SaveUnderBuffer : public testing::TestWithParam<SaveUnder> {};

// Фон receives the background under the arm; where the arm's rectangle leaves the view, the
// transfer is cut off and Фон keeps what it held (at start, the black-ground sprite).
TEST_P(SaveUnderBuffer, HoldsTheBackgroundUnderTheArmNotTheArm)
{
    Harness h;
    const auto [px, py] = GetParam();
    h.s.targetPosition = 4;
    frame::repaintBackground(h.s);
    frame::drawArm(h.s, static_cast<float>(px), static_cast<float>(py));

    const Raster& saved = h.s.f.Фон.image();
    ASSERT_EQ(saved.width(), 123);
    ASSERT_EQ(saved.height(), 768);
    int off = 0;
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 123; ++x) {
            const int vx = px + x, vy = py + y;
            const bool inView = vx >= 0 && vx < 1024 && vy >= 0 && vy < 768;
            const std::uint32_t before = armPixelIsEmpty(x, y) ? rgb(0, 0, 0) : armPixel(x, y);
            off += saved.pixel(x, y) != (inView ? backgroundPixel(bluePlate5, vx, vy) : before);
        }
    EXPECT_EQ(off, 0);
}

INSTANTIATE_TEST_SUITE_P(InsideAndCutOff, SaveUnderBuffer,
                         testing::Values(SaveUnder{400, 0}, SaveUnder{-50, -100}, SaveUnder{950, 700},
                                         SaveUnder{2000, 0}));

TEST(FrameShow, RefreshesTheViewAndRestoresTheDefaultPointer)
{
    Harness h;
    const std::uint64_t shown = h.s.f.Основа.refreshCount();
    h.s.f.ScreenMousePointer = 11;
    h.s.targetPosition = 3;
    frame::repaintBackground(h.s);
    frame::drawArm(h.s, 10, 10);
    EXPECT_TRUE(h.s.f.Основа.refreshedSince(shown).empty());
    frame::show(h.s);
    EXPECT_FALSE(h.s.f.Основа.refreshedSince(shown).empty());
    EXPECT_EQ(h.s.f.ScreenMousePointer, 0);
}

}  // namespace
