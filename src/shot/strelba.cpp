#include "shot/strelba.h"

#include "state/simulator.h"
#include "platform/rounding.h"
#include "shot/ring_scoring.h"

#include <string>

namespace {

constexpr int seriesLength = 10;

// Marks shot N of the series on the target window, scores it and shows its points.
void markAndScore(Simulator& s, int N)
{
    Control& mark = s.proverka->dum(N);
    mark.Left = markCentreLeft - s.hitX;
    mark.Top = static_cast<float>(s.hitY + double{markCentreTop});
    mark.Visible = true;
    otklonenie(s, mark);
    s.f.i(N).setText(std::to_string(s.shotScore));
    if (N == seriesLength)
        s.f.i(11).setText(std::to_string(s.seriesScore));
    s.proverka->tbi.setText(std::to_string(s.shotScore));
    s.armDrop = 5.0f * static_cast<float>(N);
}

}  // namespace

void Основа_Click(Simulator& s)
{
    strelba(s, s.f.dum);
}

void strelba(Simulator& s, Control& offsets)
{
    const MainWindow& f = s.f;
    s.shotNumber = s.shotNumber + 1;
    const double W = s.windage / 10.0;
    const double E = s.elevation / 10.0;

    // The front sight's offsets in the notch, measured from where a level, centred blade stands;
    // the positions subtract in single precision, the constant and the setting in double.
    offsets.Left = static_cast<float>((f.mmu.Left - f.mm1.Left - 21.45) - W);
    offsets.Top = static_cast<float>((f.mmu.Top - f.mm1.Top - 0.15) + E);
    const float Lx = offsets.Left;
    const float Ly = offsets.Top;

    const float holdToSight = (f.mi.Left + f.mi.Width / 2) - (f.mm1.Left + 23);
    s.hitX = 5 * (holdToSight - 5 * Lx);
    const float below = 5 * ((f.mm1.Top + 5 * Ly) - (f.mi.Top + f.mi.Height));
    s.hitY = roundHalfEven(below);

    s.shotPending = 1;
    s.f.otkat.setEnabled(true);

    if (s.shotNumber <= seriesLength)
        markAndScore(s, s.shotNumber);
}
