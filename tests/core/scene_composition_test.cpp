#include "forms/blit.h"
#include "harness.h"
#include "raster_helpers.h"
#include "scene/frame.h"
#include "scene_expected.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

// The composition in its plainest form: every repaint copies the whole picture, every arm is
// three whole-rectangle transfers. The range view must hold exactly what this holds.
class ReferenceView {
public:
    explicit ReferenceView(const MainWindow& f) : f(f), image(f.Основа.image()), saved(f.Фон.image()) {}

    void repaint(float targetPosition)
    {
        const Raster* picture = targetPosition == 2   ? &f.МаскаОснова1.Picture()
                                : targetPosition == 3 ? &f.МаскаОснова.Picture()
                                : targetPosition == 4 ? &f.МаскаОснова3.Picture()
                                : targetPosition == 0 || targetPosition == 1 || targetPosition > 4
                                    ? &f.МаскаОснова0.Picture()
                                    : nullptr;
        if (picture)
            image = *picture;
    }

    void drawArm(float ax, float ay)
    {
        const int px = static_cast<int>(std::nearbyint(ax));
        const int py = static_cast<int>(std::nearbyint(ay));
        const int w = f.Черно.image().width(), h = f.Черно.image().height();
        bitBlt(saved, 0, 0, w, h, image, px, py, RasterOp::SRCCOPY);
        bitBlt(image, px, py, w, h, f.Бяло.image(), 0, 0, RasterOp::SRCAND);
        bitBlt(image, px, py, w, h, f.Черно.image(), 0, 0, RasterOp::SRCPAINT);
    }

    const MainWindow& f;
    Raster image;
    Raster saved;
};

// Drives the real frames and the reference side by side with random steps, and keeps a screen
// that, like the shell, copies only the rectangle each Refresh reports.
class RandomFrames {
public:
    explicit RandomFrames(unsigned seed) : random(seed), reference(h.s.f), screen(h.s.f.Основа.image()) {}

    void step()
    {
        if (pick(0, 39) == 0) {
            armLayersRedrawn();
            return;
        }
        switch (pick(0, 9)) {
        case 0:
            h.s.targetPosition = pickTargetPosition();
            break;
        case 1:
            h.s.armDrop = 5.0f * static_cast<float>(pick(0, 10));
            break;
        case 2:
            aimFarFromTheAnchor();
            break;
        case 3:
            aimInsideTheBand();
            break;
        case 4:
            frameAt(anchorX() + fraction(), anchorY());
            break;  // as a sway tick draws
        case 5:
            frameAt(anchorX(), 9);
            break;  // as the recoil draws
        case 6:
            armAlone();
            break;
        case 7:
            frame::repaintBackground(h.s);
            reference.repaint(h.s.targetPosition);
            break;
        case 8:
            drawnBySomethingElse();
            break;
        default:
            show();
            break;
        }
    }

    Harness h;
    std::mt19937 random;
    ReferenceView reference;
    Raster screen;
    std::uint64_t shownRefreshes = 0;
    int shows = 0;

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    float pickTargetPosition()
    {
        static const float values[] = {0, 1, 2, 3, 4, 5, 9, -1, 2.5f, 0.25f, std::numeric_limits<float>::quiet_NaN()};
        return values[pick(0, std::size(values) - 1)];
    }

    float fraction() { return static_cast<float>(pick(-4, 4)) * 0.25f; }

    // Anchors inside the view, at each of its edges, and wholly outside it.
    float anchorX()
    {
        static const float edges[] = {-300, -123, -122, -1, -0.5f, 0, 0.5f, 1.5f, 900.5f, 901, 1023, 1024, 1300};
        return pick(0, 1) ? static_cast<float>(pick(0, 1023)) : edges[pick(0, std::size(edges) - 1)];
    }
    float anchorY()
    {
        static const float edges[] = {-900, -768, -767, -1, 0, 2.5f, 9, 700, 767, 768, 1000};
        return pick(0, 1) ? static_cast<float>(pick(0, 767)) : edges[pick(0, std::size(edges) - 1)];
    }

    void aimFarFromTheAnchor()
    {
        float x = anchorX() - 1;
        const float y = anchorY() - 1;
        if (std::abs(x + 1 - h.s.armX) <= 1.1f && std::abs(y + 1 + h.s.armDrop - h.s.armY) <= 1.1f)
            x += 5;
        h.s.f.Основа.mouseMove(pick(0, 1), 0, x, y);
        reference.repaint(h.s.targetPosition);
        if (x + 1 > 0) {
            reference.drawArm(x + 1, y + 1 + h.s.armDrop);
            checkScreen();
        }
    }

    void aimInsideTheBand()
    {
        const float x = h.s.armX - 1 + static_cast<float>(pick(0, 1));
        const float y = h.s.armY - 1 - h.s.armDrop + static_cast<float>(pick(0, 1));
        h.s.f.Основа.mouseMove(0, 0, x, y);
    }

    void frameAt(float ax, float ay)
    {
        frame::repaintBackground(h.s);
        frame::drawArm(h.s, ax, ay);
        reference.repaint(h.s.targetPosition);
        reference.drawArm(ax, ay);
        show();
    }

    void armAlone()
    {
        const float ax = anchorX(), ay = anchorY();
        frame::drawArm(h.s, ax, ay);
        reference.drawArm(ax, ay);
    }

    // Nothing but the frames draws into the range view today; should anything come to, the
    // frames after it must still be right.
    void drawnBySomethingElse()
    {
        const Raster patch(pick(1, 200), pick(1, 200), rgb(pick(0, 255), 7, 7));
        const int x = pick(-100, 1023), y = pick(-100, 767);
        bitBlt(drawAnywhere(h.s.f.Основа), x, y, patch.width(), patch.height(), patch, 0, 0, RasterOp::SRCCOPY);
        bitBlt(reference.image, x, y, patch.width(), patch.height(), patch, 0, 0, RasterOp::SRCCOPY);
    }

    // The arm pictures change: the frames after must draw the new sprite.
    void armLayersRedrawn()
    {
        const Raster patch(pick(1, 40), pick(1, 300), pick(0, 1) ? rgb(255, 255, 255) : rgb(pick(0, 255), 99, 1));
        const int x = pick(-20, 122), y = pick(-20, 767);
        Raster& layer = pick(0, 1) ? drawAnywhere(h.s.f.Бяло) : drawAnywhere(h.s.f.Черно);
        bitBlt(layer, x, y, patch.width(), patch.height(), patch, 0, 0, RasterOp::SRCCOPY);
    }

    void show()
    {
        frame::show(h.s);
        checkScreen();
    }

    void checkScreen()
    {
        const Rect r = h.s.f.Основа.refreshedSince(shownRefreshes);
        shownRefreshes = h.s.f.Основа.refreshCount();
        bitBlt(screen, r.x, r.y, r.w, r.h, h.s.f.Основа.image(), r.x, r.y, RasterOp::SRCCOPY);
        ++shows;
    }
};

void expectAsTheFullComposition(RandomFrames& run, int steps)
{
    for (int n = 0; n < steps; ++n) {
        const int shownBefore = run.shows;
        run.step();
        ASSERT_TRUE(samePixels(run.h.s.f.Основа.image(), run.reference.image)) << "step " << n;
        ASSERT_TRUE(samePixels(run.h.s.f.Фон.image(), run.reference.saved)) << "step " << n;
        if (run.shows != shownBefore) {
            ASSERT_TRUE(samePixels(run.screen, run.h.s.f.Основа.image())) << "step " << n;
        }
    }
}

class FrameSequences : public testing::TestWithParam<unsigned> {};

TEST_P(FrameSequences, LeaveEveryPixelAsTheFullCompositionAndRefreshEveryChange)
{
    RandomFrames run(GetParam());
    expectAsTheFullComposition(run, 400);
    EXPECT_GT(run.shows, 100);
}

INSTANTIATE_TEST_SUITE_P(Seeds, FrameSequences, testing::Values(1u, 2u, 3u, 4u, 5u));

enum class Resized { Фон, Бяло, Черно };

class ArmPicturesOfAnotherSize : public testing::TestWithParam<Resized> {};

TEST(Composition, ABackgroundPictureReplacedBetweenTwoFramesIsPaintedWhole)
{
    Harness h;
    h.s.targetPosition = 3;
    h.move(399, 299);
    h.s.f.МаскаОснова = PictureBox(testPictures().rangeNoTarget);
    h.move(449, 299);
    EXPECT_EQ(pixelsOffFrame(h.s.f.Основа.image(), blueNoTarget, 450, 300), 0);
}

TEST_P(ArmPicturesOfAnotherSize, AreDrawnAsTheThreeTransfersDrawThem)
{
    RandomFrames run(7);
    MainWindow& f = run.h.s.f;
    PictureBox& box = GetParam() == Resized::Фон ? f.Фон : GetParam() == Resized::Бяло ? f.Бяло : f.Черно;
    Raster cropped(100, 500);
    bitBlt(cropped, 0, 0, 100, 500, box.image(), 10, 0, RasterOp::SRCCOPY);
    drawAnywhere(box) = cropped;
    run.reference.saved = f.Фон.image();
    expectAsTheFullComposition(run, 150);
}

INSTANTIATE_TEST_SUITE_P(EachArmPicture, ArmPicturesOfAnotherSize,
                         testing::Values(Resized::Фон, Resized::Бяло, Resized::Черно));

}  // namespace
