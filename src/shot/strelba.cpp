#include "shot/strelba.h"

#include "shot/landing.h"
#include "shot/ring_scoring.h"
#include "state/range_facts.h"
#include "state/simulator.h"

#include <string>

namespace {

// Where the last shot's mark stands on the target window: its corner, from the landing point.
void placeMark(const Simulator& s, Control& mark)
{
    mark.Left = range::markCentreLeft - s.hitX;
    mark.Top = static_cast<float>(s.hitY + double{range::markCentreTop});
}

// Marks shot N of the series on the target window, scores it and shows its points.
void markAndScore(Simulator& s, int N, const SightReading& read)
{
    Control& mark = s.proverka.controls().dum(N);
    placeMark(s, mark);
    mark.Visible = true;
    otklonenie(s, mark);
    s.shotLog.scored(s.timers.now(), read, mark, s.shotScore);
    s.f.i(N).setText(std::to_string(s.shotScore));
    if (N == seriesLength)
        s.f.i(11).setText(std::to_string(s.seriesScore));
    s.proverka.controls().tbi.setText(std::to_string(s.shotScore));
    s.armDrop = 5.0f * static_cast<float>(N);
}

}  // namespace

int landingPoints(const Simulator& s)
{
    Control mark;
    placeMark(s, mark);
    return ringPoints(markDistance(mark.Left, mark.Top));
}

void Основа_Click(Simulator& s)
{
    strelba(s, s.f.dum);
}

void strelba(Simulator& s, Control& offsets)
{
    s.shotNumber = s.shotNumber + 1;
    const SightReading read = readSights(s.f, s.windage, s.elevation);
    const Landing landing = landingOf(read);
    offsets.Left = landing.offsetLeft;
    offsets.Top = landing.offsetTop;
    s.hitX = landing.hitX;
    s.hitY = landing.hitY;

    s.shotPending = 1;
    s.f.otkat.setEnabled(true);

    if (s.shotNumber <= seriesLength)
        markAndScore(s, s.shotNumber, read);
}
