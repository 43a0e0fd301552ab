#include "analysis/face_scoring.h"
#include "analysis/figure_text.h"
#include "analysis/series_figures.h"
#include "harness.h"
#include "motion/recoil.h"
#include "shot/ring_scoring.h"
#include "state/range_facts.h"

#include <gtest/gtest.h>

namespace {

// The shot whose mark lies `d` mm right of the face centre, scored as the shot scores it.
MarkedShot shotAt(double d)
{
    Harness h;
    Control mark;
    mark.Left = static_cast<float>(range::markCentreLeft + d);
    mark.Top = range::markCentreTop;
    otklonenie(h.s, mark);
    return {mark.Left, mark.Top, h.s.shotScore};
}

TEST(DecimalScore, CountsTenthsInsideEachRingFromItsEdge)
{
    EXPECT_DOUBLE_EQ(decimalScore(shotAt(0)), 10.9);
    for (int points = 1; points <= 10; ++points) {
        const double outer = ringRadius(points);
        const double inner = points == 10 ? 0 : ringRadius(points + 1);
        const double tenth = (outer - inner) / 10;
        SCOPED_TRACE(points);
        EXPECT_NEAR(decimalScore(shotAt(outer - 0.01)), points, 1e-9);
        EXPECT_NEAR(decimalScore(shotAt(outer - 1.1 * tenth)), points + 0.1, 1e-9);
        EXPECT_NEAR(decimalScore(shotAt(inner + 0.01)), points + 0.9, 1e-9);
        const MarkedShot justOutside = shotAt(outer + 0.01);
        EXPECT_EQ(justOutside.points, points - 1);
        EXPECT_NEAR(decimalScore(justOutside), points == 1 ? 0 : points - 1 + 0.9, 1e-9);
    }
    // Exactly on the edge, where single precision holds the radius, a shot scores the ring outside.
    for (int points : {1, 2, 3, 5, 6, 9, 10}) {
        const MarkedShot onTheEdge = shotAt(ringRadius(points));
        EXPECT_EQ(onTheEdge.points, points - 1) << points;
        EXPECT_NEAR(decimalScore(onTheEdge), points == 1 ? 0 : points - 1 + 0.9, 1e-9) << points;
    }
}

// The three parts add up to where the mark shows the shot: exactly but for the single-precision
// steps across and the whole millimetres downwards.
void expectPartsAddUp(const LoggedShot& shot)
{
    const LandingParts p = landingParts(shot.sights);
    const FacePoint landing = landingPoint(shot.mark);
    EXPECT_NEAR(p.hold.x + p.alignment.x + p.settings.x, landing.x, 0.01);
    EXPECT_NEAR(p.hold.y + p.alignment.y + p.settings.y, landing.y, 0.5 + 0.01);
    const FacePoint sum{p.hold.x + p.alignment.x + p.settings.x, p.hold.y + p.alignment.y + p.settings.y};
    EXPECT_EQ(pointsAt(sum), shot.mark.points);
}

TEST(LandingParts, AddUpToTheLandingPointOfAimedSwayedAndRaisedShots)
{
    Harness h;
    h.s.windage = 7;
    h.s.elevation = -3;
    h.move(356.3f, 139.6f);
    h.click();
    h.advanceBy(30);
    h.move(300, 160);
    h.advanceBy(1000);
    h.click();
    h.advanceBy(10);
    h.click();
    ASSERT_EQ(h.s.shotLog.series().size(), 3u);
    for (const LoggedShot& shot : h.s.shotLog.series())
        expectPartsAddUp(shot);
}

TEST(AimTrace, FollowsEveryFrameThatPlacesTheSightsUpToTheShot)
{
    Harness h;
    h.move(356.3f, 139.6f);
    h.advanceBy(1000);
    h.click();
    h.advanceBy(10);
    h.click();
    const LoggedShot& swayed = h.s.shotLog.series().at(0);
    ASSERT_EQ(swayed.aim.size(), 3u);
    EXPECT_EQ(swayed.aim[0].time, 0);
    EXPECT_EQ(swayed.aim[1].time, 500);
    EXPECT_EQ(swayed.aim[2].time, 1000);
    const std::vector<TracePoint> trace = aimTrace(swayed);
    EXPECT_NEAR(trace.back().at.x, landingPoint(swayed.mark).x, 0.01) << "the last frame is where the shot went";
    EXPECT_NEAR(trace.back().at.y, landingPoint(swayed.mark).y, 0.01);

    const LoggedShot& raised = h.s.shotLog.series().at(1);
    EXPECT_EQ(raised.aim.back().time, 1010);
    EXPECT_EQ(raised.aim.back().sights.mm1Top, 0.0f) << "the recoil frame's sights";
    EXPECT_EQ(raised.aim.size(), 1u) << "fired from the raised sights: from the recoil frame on";
}

LoggedShot landedAt(double x, double y, std::int16_t windage = 0, std::int32_t elevation = 0)
{
    LoggedShot shot;
    shot.mark = {static_cast<float>(range::markCentreLeft + x), static_cast<float>(range::markCentreTop - y), 5};
    shot.sights.windage = windage;
    shot.sights.elevation = elevation;
    return shot;
}

TEST(SeriesFigures, MeanPointGroupSizeAndTotals)
{
    const std::vector<LoggedShot> shots{landedAt(0, 0), landedAt(3, 4), landedAt(-3, -4), landedAt(6, 0)};
    const SeriesFigures f = seriesFigures(marksOf(shots));
    EXPECT_EQ(f.shots, 4);
    EXPECT_EQ(f.points, 20);
    EXPECT_NEAR(f.meanPoint.x, 1.5, 1e-5);
    EXPECT_NEAR(f.meanPoint.y, 0, 1e-5);
    EXPECT_NEAR(f.groupSize, 10, 1e-5);
    EXPECT_DOUBLE_EQ(seriesFigures({shots[1].mark}).groupSize, 0);
}

TEST(SuggestedSettings, CentreTheMeanPointOfImpact)
{
    EXPECT_EQ(suggestedSettings({landedAt(10, 5), landedAt(10, 5)}).windage, 4);
    EXPECT_EQ(suggestedSettings({landedAt(10, 5), landedAt(10, 5)}).elevation, 2);
    // Fired at windage 2 the shot moved 5 mm left: the setting that centres it stays 2.
    EXPECT_EQ(suggestedSettings({landedAt(0, 0, 2, -4)}).windage, 2);
    EXPECT_EQ(suggestedSettings({landedAt(0, 0, 2, -4)}).elevation, -4);
    // 6.25 mm is 2.5 settings: the tie goes to the even 2; far off, the bars' ends.
    EXPECT_EQ(suggestedSettings({landedAt(6.25, -6.25)}).windage, 2);
    EXPECT_EQ(suggestedSettings({landedAt(6.25, -8.75)}).elevation, -4);
    EXPECT_EQ(suggestedSettings({landedAt(1000, -1000)}).windage, 100);
    EXPECT_EQ(suggestedSettings({landedAt(1000, -1000)}).elevation, -100);
}

TEST(FigureText, OneOrTwoDecimalsADecimalCommaAndAMinusSign)
{
    EXPECT_EQ(oneDecimal(9.4), "9,4");
    EXPECT_EQ(oneDecimal(10.9), "10,9");
    EXPECT_EQ(oneDecimal(-3.46), "−3,5");
    EXPECT_EQ(oneDecimal(-0.04), "0,0");
    EXPECT_EQ(oneDecimal(0), "0,0");
    EXPECT_EQ(twoDecimals(0.2167), "0,22");
    EXPECT_EQ(twoDecimals(-1.004), "−1,00");
    EXPECT_EQ(twoDecimals(-0.004), "0,00");
    EXPECT_EQ(wholeNumber(-4), "−4");
    EXPECT_EQ(wholeNumber(12), "12");
}

}  // namespace
