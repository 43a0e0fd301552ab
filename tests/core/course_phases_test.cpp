#include "course_driving.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Shown {
    std::string command;
    Millis timeLeft;
    Lamp lamp;
    bool targetsFace;
    float targetPosition;
    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& s, std::ostream* os)
{
    *os << s.command << " " << s.timeLeft << " ms, lamp " << static_cast<int>(s.lamp)
        << (s.targetsFace ? ", facing" : ", away") << ", targetPosition " << s.targetPosition;
}

Shown shown(const Harness& h)
{
    const CoursePanel p = coursePanel(h.s);
    return {p.command, p.timeLeft, p.lamp, h.s.course.facing, h.s.targetPosition};
}

TEST(CoursePhases, ASeriesWalksItsCommandsOnTheTimerWithTheirSignals)
{
    Harness h;
    choose(h, standardPistol);
    const std::string commandSignal = beside("signal_command.wav");
    const std::string startSignal = beside("signal_start.wav");
    const std::string stopSignal = beside("signal_stop.wav");

    EXPECT_EQ(shown(h), (Shown{"ЗАРЕДИ", 60'000, Lamp::None, false, 0}));
    EXPECT_EQ(coursePanel(h.s).series, "Пробна серия");
    h.advanceBy(59'999);
    EXPECT_EQ(shown(h), (Shown{"ЗАРЕДИ", 1, Lamp::None, false, 0}));
    EXPECT_EQ(h.sounds.played, std::vector{commandSignal});

    h.advanceBy(1);
    EXPECT_EQ(shown(h), (Shown{"ВНИМАНИЕ", 7'000, Lamp::Red, false, 0}));
    h.advanceBy(7'000);
    EXPECT_EQ(shown(h), (Shown{"СТАРТ", 150'000, Lamp::Green, true, 3}));
    h.advanceBy(150'000);
    EXPECT_EQ(shown(h), (Shown{"СТОП", 5'000, Lamp::Red, false, 0}));
    EXPECT_EQ(coursePanel(h.s).lastSeriesPoints, 0);
    h.advanceBy(5'000);
    EXPECT_EQ(shown(h), (Shown{"ЗАРЕДИ", 60'000, Lamp::None, false, 0}));
    EXPECT_EQ(coursePanel(h.s).series, "Серия 1 от 12");
    EXPECT_EQ(h.sounds.played, (std::vector{commandSignal, commandSignal, startSignal, stopSignal, commandSignal}));
}

TEST(CoursePhases, ReadyEndsTheLoadAndTheNextPhasesCountFromThePress)
{
    Harness h;
    choose(h, standardPistol);
    h.advanceBy(1'234);
    ASSERT_TRUE(h.s.f.Ready.Visible);
    h.s.f.Ready.click();
    EXPECT_EQ(command(h), "ВНИМАНИЕ");
    EXPECT_EQ(coursePanel(h.s).timeLeft, 7'000);
    EXPECT_FALSE(h.s.f.Ready.Visible);

    h.advanceBy(50);
    h.s.f.Ready.click();
    EXPECT_EQ(coursePanel(h.s).timeLeft, 6'950);
    h.advanceBy(6'949);
    EXPECT_EQ(command(h), "ВНИМАНИЕ");
    h.advanceBy(1);
    EXPECT_EQ(command(h), "СТАРТ");
    EXPECT_EQ(h.s.course.signal, 8'234);
}

TEST(CoursePhases, TheLastSeriesIsKeptWhileLoadingAndEmptiedAtAttention)
{
    Harness h;
    h.s.f.BAVNA.click();
    fire(h);
    choose(h, precisionPistol);
    EXPECT_EQ(h.s.f.i(1).text(), "10");

    h.advanceBy(60'000);
    EXPECT_EQ(h.s.f.i(1).text(), "");
    EXPECT_EQ(h.s.shotNumber, 0);
}

TEST(CoursePhases, TheTimerWakesEvery100MsOnlyWhileACourseRuns)
{
    Harness h;
    EXPECT_EQ(h.s.timers.nextDeadline(), std::nullopt);
    h.advanceBy(30);
    choose(h, duelPistol);
    EXPECT_EQ(h.s.timers.nextDeadline(), 130);
    h.advanceBy(1'000);
    EXPECT_EQ(h.s.timers.nextDeadline(), 1'130);

    choose(h, endOfCourse);
    EXPECT_EQ(h.s.timers.nextDeadline(), std::nullopt);
    EXPECT_EQ(command(h), "");
}

TEST(CoursePanelText, TheTimeLeftCountsDownInTenthsAndReachesNoughtOnlyAtTheEnd)
{
    EXPECT_EQ(secondsLeftText(60'000), "60,0");
    EXPECT_EQ(secondsLeftText(6'300), "6,3");
    EXPECT_EQ(secondsLeftText(6'201), "6,3");
    EXPECT_EQ(secondsLeftText(1), "0,1");
    EXPECT_EQ(secondsLeftText(0), "0,0");
}

}  // namespace
