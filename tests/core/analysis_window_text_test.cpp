#include "analysis/window_text.h"
#include "sights_on_bull.h"
#include "state/range_facts.h"

#include <gtest/gtest.h>

namespace {

TEST(AnalysisText, AnEmptySeriesShowsItsNoughtsAndLeavesTheRestBlank)
{
    const SeriesText text = seriesText(ShotLog{}, CourseState{});
    EXPECT_TRUE(text.shots.empty());
    EXPECT_TRUE(text.earlier.empty());
    EXPECT_EQ(text.points.value, "0");
    EXPECT_EQ(text.decimal.value, "0,0");
    for (const FigureText* blank : {&text.meanPoint, &text.groupSize, &text.suggested, &text.lostToHold,
                                    &text.meanTraceSecond, &text.meanExpected, &text.advice})
        EXPECT_EQ(blank->value, "") << blank->caption;
    EXPECT_EQ(chosenShotText(nullptr).landing.value, "");
    EXPECT_EQ(bladeOffsetText(std::nullopt).value, "");
}

TEST(AnalysisText, AShotsRowAndItsLandingPointTakenApart)
{
    ShotLog log;
    log.scored(3000, sightsOnBull(2), Control{.Left = range::markCentreLeft + 10, .Top = range::markCentreTop}, 8);
    ASSERT_EQ(log.series().size(), 1u);
    // 10 mm out: inside the 8-ring's edge (13.3) by 3.3 of its 7.3 mm, 8,4; the hold cost the two
    // points of a shot that the blade and the settings alone would have put in the centre.
    const SeriesText text = seriesText(log, CourseState{});
    EXPECT_EQ(text.shots.at(0), (std::vector<std::string>{"1", "8", "8,4", "2", "0", "0", "", "", "", ""}))
        << "no frame of aim, no hold figures";
    const ChosenShotText parts = chosenShotText(&log.series().at(0));
    EXPECT_EQ(parts.landing.value, "X 10,0   Y 0,0");
    EXPECT_EQ(parts.hold.value, "X 10,0   Y 0,0");
    EXPECT_EQ(parts.alignment.value, "X 0,0   Y 0,0");
    EXPECT_EQ(parts.settings.value, "X 0,0   Y 0,0");
    EXPECT_EQ(bladeOffsetText(sightsOnBull(0, 0.3f)).value, "X 0,30   Y 0,00");
}

TEST(AnalysisText, AHoldShorterThanASecondSaysHowLongItWas)
{
    ShotLog log;
    log.aimed(2600, sightsOnBull(2), AimFrame::Tracking);
    log.scored(3000, sightsOnBull(2), Control{.Left = range::markCentreLeft + 10, .Top = range::markCentreTop}, 8);
    log.aimed(3500, sightsOnBull(2), AimFrame::Tracking);
    log.scored(4500, sightsOnBull(2), Control{.Left = range::markCentreLeft + 10, .Top = range::markCentreTop}, 8);
    const SeriesText text = seriesText(log, CourseState{});
    EXPECT_EQ(text.shots.at(0).at(6), "0,0 за 0,4 s");
    EXPECT_EQ(text.shots.at(1).at(6), "0,0") << "a whole second: no time said";
    EXPECT_EQ(text.shots.at(1).at(8), "0") << "an 8 all the time";
    EXPECT_EQ(text.shots.at(1).at(9), "8,0");
}

TEST(AnalysisText, EarlierSeriesComeLatestFirst)
{
    ShotLog log;
    const Control mark{.Left = range::markCentreLeft, .Top = range::markCentreTop};
    log.scored(1000, sightsOnBull(), mark, 10);
    log.seriesEnded();
    log.scored(2000, sightsOnBull(), mark, 10);
    log.scored(3000, sightsOnBull(), mark, 10);
    log.seriesEnded();
    const SeriesText text = seriesText(log, CourseState{});
    ASSERT_EQ(text.earlier.size(), 2u);
    EXPECT_EQ(text.earlier[0], (std::vector<std::string>{"2", "20", "21,8", "0,0"}));
    EXPECT_EQ(text.earlier[1].at(0), "1");
}

}  // namespace
