#include "scene/frame.h"

#include "course/course_tables.h"
#include "forms/rounding.h"
#include "state/simulator.h"

#include <optional>
#include <utility>

namespace {

// While a course runs, its targets stand facing or turned away on the plates of the course.
const PictureBox& courseBackground(Simulator& s)
{
    const bool five = planOf(s.course).targets == CourseTargets::FiveOnPlates1To5;
    if (five)
        return s.course.facing ? s.f.fiveTargets : s.f.fiveTargetsEdgeOn;
    return s.course.facing ? s.f.МаскаОснова : s.f.plate3EdgeOn;
}

// The background table. Each comparison stands on its own; a value outside the table (negative,
// fractional up to 4, not a number) chooses nothing.
const PictureBox* chosenBackground(Simulator& s)
{
    if (s.course.running)
        return &courseBackground(s);
    const float t = s.targetPosition;
    const PictureBox* chosen = nullptr;
    if (t == 0)
        chosen = &s.f.МаскаОснова0;
    if (t == 1)
        chosen = &s.f.МаскаОснова0;
    if (t == 2)
        chosen = &s.f.МаскаОснова1;
    if (t == 3)
        chosen = &s.f.МаскаОснова;
    if (t == 4)
        chosen = &s.f.МаскаОснова3;
    if (t > 4)
        chosen = &s.f.МаскаОснова0;
    return chosen;
}

}  // namespace

void frame::repaintBackground(Simulator& s)
{
    const PictureBox* chosen = chosenBackground(s);
    if (!chosen)
        return;
    s.rangeViewDrawn = {chosen, std::nullopt};
    PictureBox& view = s.f.Основа;
    if (s.composition.restore(view, *chosen))
        return;
    view.PaintPicture(chosen->Picture(), 0, 0, view.ScaleWidth(), view.ScaleHeight(), 0, 0, view.ScaleWidth(),
                      view.ScaleHeight());
    s.composition.repainted(view, *chosen);
}

void frame::showChosenBackground(Simulator& s)
{
    const PictureBox* chosen = chosenBackground(s);
    if (!chosen || chosen == s.rangeViewDrawn.background)
        return;
    const std::optional<std::pair<int, int>> arm = s.rangeViewDrawn.arm;
    repaintBackground(s);
    if (arm)
        drawArm(s, static_cast<float>(arm->first), static_cast<float>(arm->second));
    s.f.Основа.Refresh();
}

void frame::placeSights(Simulator& s, const SightPlacement& p, AimFrame drawnBy)
{
    s.f.mm1.Left = p.mm1Left;
    s.f.mm1.Top = p.mm1Top;
    s.f.mm3.Left = p.mm3Left;
    s.f.mm3.Top = p.mm3Top;
    s.f.mm2.Left = p.mm2Left;
    s.f.mm2.Top = p.mm2Top;
    s.f.mmu.Left = p.mmuLeft;
    s.f.mmu.Top = p.mmuTop;
    s.shotLog.aimed(s.timers.now(), readSights(s.f, s.windage, s.elevation), drawnBy);
}

void frame::drawArm(Simulator& s, float ax, float ay)
{
    const int w = static_cast<int>(s.f.Черно.ScaleWidth());
    const int h = static_cast<int>(s.f.Черно.ScaleHeight());
    const int px = roundHalfEven(ax);
    const int py = roundHalfEven(ay);
    s.composition.draw(s.f.Основа, s.f.Фон, s.f.Бяло, s.f.Черно, px, py, w, h);
    s.rangeViewDrawn.arm = {px, py};
}

void frame::show(Simulator& s)
{
    s.f.Основа.Refresh();
    s.f.ScreenMousePointer = 0;
}
