#include "analysis/window_text.h"

#include "analysis/coach_advice.h"
#include "analysis/coach_figures.h"
#include "analysis/figure_text.h"
#include "analysis/late_shots.h"
#include "analysis/sight_picture.h"
#include "forms/rounding.h"

namespace {

std::string point(FacePoint p)
{
    return "X " + oneDecimal(p.x) + "   Y " + oneDecimal(p.y);
}

// The hold figures in the table's order, or empty cells where there are none.
std::array<std::string, 4> holdCells(const std::optional<HoldFigures>& f)
{
    if (!f)
        return {};
    // A hold that began less than a second before the shot says how long it was.
    const std::string covered =
        f->span < holdSpan ? " за " + oneDecimal(static_cast<double>(f->span) / 1000.0) + " s" : std::string();
    return {oneDecimal(f->traceLastSecond) + covered, oneDecimal(f->traceLast200ms),
            wholeNumber(roundHalfEven(f->tenPercent)), oneDecimal(f->expectedPoints)};
}

std::vector<std::string> shotRow(std::size_t n, const LoggedShot& shot)
{
    const LostPoints lost = lostPoints(shot);
    std::vector<std::string> row{
        std::to_string(n + 1),  std::to_string(shot.mark.points), oneDecimal(decimalScore(shot.mark)),
        wholeNumber(lost.hold), wholeNumber(lost.alignment),      wholeNumber(lost.settings)};
    for (std::string& cell : holdCells(holdFigures(shot)))
        row.push_back(std::move(cell));
    return row;
}

void describeCoach(SeriesText& text, const CoachFigures& f)
{
    const std::array<std::string, 4> means = holdCells(f.meanHold);
    text.meanTraceSecond.value = means[0];
    text.meanTracePress.value = means[1];
    text.meanTenPercent.value = means[2];
    text.meanExpected.value = means[3];
    if (f.shots == 0)
        return;
    text.lostToHold.value = wholeNumber(f.lost.hold);
    text.lostToAlignment.value = wholeNumber(f.lost.alignment);
    text.lostToSettings.value = wholeNumber(f.lost.settings);
    text.advice.value = coachAdvice(f);
}

}  // namespace

SeriesText seriesText(const ShotLog& log, const CourseState& course)
{
    SeriesText text;
    const std::vector<LoggedShot>& series = log.series();
    for (std::size_t n = 0; n < series.size(); ++n)
        text.shots.push_back(shotRow(n, series[n]));
    for (auto ended = log.earlier().rbegin(); ended != log.earlier().rend(); ++ended) {
        const SeriesFigures f = seriesFigures(*ended);
        text.earlier.push_back(
            {std::to_string(f.shots), std::to_string(f.points), oneDecimal(f.decimal), oneDecimal(f.groupSize)});
    }

    const SeriesFigures figures = seriesFigures(marksOf(series));
    CoachFigures coach = coachFigures(series);
    coach.lateAlignmentLoss = lateAlignmentLoss(series, course);
    text.points.value = std::to_string(figures.points);
    text.decimal.value = oneDecimal(figures.decimal);
    if (!series.empty()) {
        text.meanPoint.value = point(figures.meanPoint);
        text.groupSize.value = oneDecimal(figures.groupSize);
        text.suggested.value = "странична " + wholeNumber(coach.suggested.windage) + ", по височина " +
                               wholeNumber(coach.suggested.elevation);
    }
    describeCoach(text, coach);
    return text;
}

ChosenShotText chosenShotText(const LoggedShot* shot)
{
    ChosenShotText text;
    if (shot) {
        const LandingParts parts = landingParts(shot->sights);
        text.landing.value = point(landingPoint(shot->mark));
        text.hold.value = point(parts.hold);
        text.alignment.value = point(parts.alignment);
        text.settings.value = point(parts.settings);
    }
    return text;
}

FigureText bladeOffsetText(const std::optional<SightReading>& sights)
{
    FigureText text{"Мушка от средата на прореза, px", {}};
    if (sights) {
        const SightPicture p = sightPicture(*sights);
        text.value = "X " + twoDecimals(p.bladeRight) + "   Y " + twoDecimals(p.bladeUp);
    }
    return text;
}
