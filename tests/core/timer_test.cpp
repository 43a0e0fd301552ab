#include "forms/timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Log {
    std::vector<std::string> ticks;
    void onTick(Timer& t, TimerQueue& q, std::string name)
    {
        t.onTimer = [this, &q, name] { ticks.push_back(name + "@" + std::to_string(q.now())); };
    }
};

void stepTo(TimerQueue& q, Millis target)
{
    while (auto next = q.nextDeadline()) {
        if (*next > target)
            break;
        q.advance(*next);
    }
    q.advance(target);
}

TEST(TimerQueue, TicksEveryIntervalWhileEnabled)
{
    TimerQueue q;
    Timer t(q, 500, true);
    Log log;
    log.onTick(t, q, "t");
    stepTo(q, 1600);
    EXPECT_EQ(log.ticks, (std::vector<std::string>{"t@500", "t@1000", "t@1500"}));
}

TEST(TimerQueue, EnablingFromDisabledStartsAFreshPeriod)
{
    TimerQueue q;
    Timer t(q, 500, true);
    Log log;
    log.onTick(t, q, "t");
    stepTo(q, 400);
    t.setEnabled(false);
    t.setEnabled(true);
    stepTo(q, 1000);
    EXPECT_EQ(log.ticks, (std::vector<std::string>{"t@900"}));
}

TEST(TimerQueue, EnablingARunningTimerKeepsItsPeriod)
{
    TimerQueue q;
    Timer t(q, 500, true);
    Log log;
    log.onTick(t, q, "t");
    stepTo(q, 400);
    t.setEnabled(true);
    stepTo(q, 600);
    EXPECT_EQ(log.ticks, (std::vector<std::string>{"t@500"}));
}

TEST(TimerQueue, TimersDueTogetherTickInTheOrderTheyWereMade)
{
    TimerQueue q;
    Timer a(q, 10, true), b(q, 20, true), c(q, 5, true);
    Log log;
    log.onTick(a, q, "a");
    log.onTick(b, q, "b");
    log.onTick(c, q, "c");
    stepTo(q, 20);
    EXPECT_EQ(log.ticks, (std::vector<std::string>{"c@5", "a@10", "c@10", "c@15", "a@20", "b@20", "c@20"}));
}

TEST(TimerQueue, ATimerStoppedInsideAnotherTickDoesNotTick)
{
    TimerQueue q;
    Timer first(q, 10, true), second(q, 10, true);
    Log log;
    log.onTick(second, q, "second");
    first.onTimer = [&] { second.setEnabled(false); };
    stepTo(q, 50);
    EXPECT_TRUE(log.ticks.empty());
}

TEST(TimerQueue, ATimerStartedInsideAnotherTickCountsFromThatTick)
{
    TimerQueue q;
    Timer first(q, 10, true), second(q, 10, false);
    Log log;
    log.onTick(second, q, "second");
    first.onTimer = [&] {
        first.setEnabled(false);
        second.setEnabled(true);
    };
    stepTo(q, 35);
    EXPECT_EQ(log.ticks, (std::vector<std::string>{"second@20", "second@30"}));
}

TEST(TimerQueue, ATimerFarBehindTicksOnceAndSkipsWhatItMissed)
{
    TimerQueue q;
    Timer t(q, 10, true);
    Log log;
    log.onTick(t, q, "t");
    q.advance(1005);
    q.advance(1010);
    EXPECT_EQ(log.ticks, (std::vector<std::string>{"t@10", "t@1010"}));
}

TEST(TimerQueue, AnIdleTimerSetsNoDeadlineAndItsMissedTicksComeAsOne)
{
    TimerQueue q;
    Timer t(q, 10, true);
    Timer other(q, 500, true);
    bool idle = true;
    t.idle = [&] { return idle; };
    Log log;
    log.onTick(t, q, "t");
    EXPECT_EQ(q.nextDeadline(), 500);
    stepTo(q, 503);
    idle = false;
    EXPECT_EQ(q.nextDeadline(), 510) << "the period it has kept since it was enabled";
    stepTo(q, 520);
    EXPECT_EQ(log.ticks, (std::vector<std::string>{"t@10", "t@510", "t@520"}));
}

TEST(TimerQueue, TimeNeverRunsBackwards)
{
    TimerQueue q;
    Timer t(q, 10, false);
    q.advance(100);
    q.advance(50);
    EXPECT_EQ(q.now(), 100);
    t.setEnabled(true);
    EXPECT_EQ(q.nextDeadline(), 110);
}

TEST(TimerQueue, HasNoDeadlineWithEveryTimerStopped)
{
    TimerQueue q;
    Timer t(q, 10, false);
    EXPECT_FALSE(q.nextDeadline());
}

}  // namespace
