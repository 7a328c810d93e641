// Timers under the manual clock: due order, the 16 ms tick staying on its grid for ten minutes,
// the catch-up bound, and timers switched off, destroyed or switched on by other timers' callbacks.
#include <gtest/gtest.h>
#include <climits>
#include <memory>
#include <string>
#include <utility>
#include <vector>
#include "engine/clock.h"
#include "engine/timer.h"

namespace {

class TimerTest : public ::testing::Test {
protected:
    eng::ManualClock clock;
    eng::Scheduler scheduler{clock};
    std::vector<std::string> log;

    std::unique_ptr<eng::Timer> makeTimer(const std::string& name, int intervalMs) {
        auto t = std::make_unique<eng::Timer>(scheduler, intervalMs);
        t->onTimer = [this, name] { log.push_back(name + "@" + std::to_string(clock.nowMs())); };
        return t;
    }
};

TEST_F(TimerTest, FiresInDueOrderWithTiesByEnableOrder) {
    auto a = makeTimer("a", 30);
    auto b = makeTimer("b", 20);
    a->setEnabled(true);
    b->setEnabled(true);
    clock.set(60);
    // Each firing is logged at the clock's now; the order is what matters.
    EXPECT_EQ(scheduler.fireDue(10), 5);
    EXPECT_EQ(log, (std::vector<std::string>{"b@60", "a@60", "b@60", "a@60", "b@60"}));
    EXPECT_EQ(a->nextDueMs(), 90);
    EXPECT_EQ(b->nextDueMs(), 80);
}

TEST_F(TimerTest, SixteenMillisecondTickKeepsItsGridForTenMinutes) {
    auto tick = makeTimer("tick", 16);
    int fired = 0;
    tick->onTimer = [&] { ++fired; };
    tick->setEnabled(true);
    // An uneven loop: steps of 7, 11, 13 and 5 ms, as a real frame loop jitters.
    const int steps[] = {7, 11, 13, 5};
    for (int i = 0; clock.nowMs() < 600'000; ++i) {
        clock.advance(std::min<std::int64_t>(steps[i % 4], 600'000 - clock.nowMs()));
        scheduler.fireDue();
        ASSERT_EQ(tick->nextDueMs() % 16, 0) << "off the grid at " << clock.nowMs();
        ASSERT_GT(tick->nextDueMs(), clock.nowMs());
    }
    EXPECT_EQ(fired, 37'500);
    EXPECT_EQ(scheduler.missedTicks(), 0u);
}

TEST_F(TimerTest, CatchUpIsBoundedAndRejoinsTheGrid) {
    auto tick = makeTimer("tick", 16);
    tick->setEnabled(true);
    clock.set(1000);  // 62 ticks due (16 .. 992)
    EXPECT_EQ(scheduler.fireDue(5), 5);
    EXPECT_EQ(scheduler.missedTicks(), 57u);
    EXPECT_EQ(tick->nextDueMs(), 1008);
    clock.set(1008);
    EXPECT_EQ(scheduler.fireDue(5), 1);
}

TEST_F(TimerTest, TimerSwitchedOffOrDestroyedByAnEarlierCallbackDoesNotFire) {
    using Silence = void (*)(std::unique_ptr<eng::Timer>&);
    const std::pair<const char*, Silence> cases[] = {
        {"disabled", [](std::unique_ptr<eng::Timer>& t) { t->setEnabled(false); }},
        {"destroyed", [](std::unique_ptr<eng::Timer>& t) { t.reset(); }},
    };
    for (const auto& [what, silence] : cases) {
        SCOPED_TRACE(what);
        log.clear();
        clock.set(0);
        auto a = makeTimer("a", 10);
        auto b = makeTimer("b", 10);
        a->onTimer = [&, silence = silence] { log.push_back("a"); silence(b); };
        a->setEnabled(true);
        b->setEnabled(true);
        clock.set(10);
        EXPECT_EQ(scheduler.fireDue(), 1);
        EXPECT_EQ(log, (std::vector<std::string>{"a"}));
    }
}

TEST_F(TimerTest, TimerDestroyingItselfInItsCallback) {
    auto a = makeTimer("a", 10);
    a->onTimer = [&] { log.push_back("a"); a.reset(); };
    a->setEnabled(true);
    clock.set(50);
    EXPECT_EQ(scheduler.fireDue(), 1);
    EXPECT_EQ(scheduler.nextDueMs(), INT64_MAX);
}

TEST_F(TimerTest, TimerEnabledInACallbackStartsItsIntervalFromNow) {
    auto a = makeTimer("a", 10);
    auto later = makeTimer("later", 25);
    a->onTimer = [&] {
        log.push_back("a@" + std::to_string(clock.nowMs()));
        a->setEnabled(false);
        later->setEnabled(true);
    };
    a->setEnabled(true);
    clock.set(12);
    scheduler.fireDue();
    EXPECT_EQ(later->nextDueMs(), 37);
    clock.set(36);
    scheduler.fireDue();
    clock.set(37);
    scheduler.fireDue();
    EXPECT_EQ(log, (std::vector<std::string>{"a@12", "later@37"}));
}

TEST_F(TimerTest, EnablingAndIntervalChangesRestartFromNow) {
    auto t = makeTimer("t", 100);
    EXPECT_EQ(scheduler.nextDueMs(), INT64_MAX);
    clock.set(5);
    t->setEnabled(true);
    EXPECT_EQ(t->nextDueMs(), 105);
    clock.set(50);
    t->setInterval(40);
    EXPECT_EQ(t->nextDueMs(), 90);
    EXPECT_EQ(scheduler.nextDueMs(), 90);
    t->setEnabled(false);
    EXPECT_EQ(scheduler.nextDueMs(), INT64_MAX);
    clock.set(500);
    EXPECT_EQ(scheduler.fireDue(), 0);
}

TEST_F(TimerTest, ZeroIntervalNeverFires) {
    auto t = makeTimer("t", 0);
    t->setEnabled(true);
    clock.set(1000);
    EXPECT_EQ(scheduler.fireDue(), 0);
    EXPECT_EQ(scheduler.nextDueMs(), INT64_MAX);
}

TEST(TimerLifetime, TimerOutlivingItsScheduler) {
    eng::ManualClock clock;
    auto scheduler = std::make_unique<eng::Scheduler>(clock);
    eng::Timer timer(*scheduler, 10);
    timer.setEnabled(true);
    scheduler.reset();
    timer.setEnabled(false);
    timer.setEnabled(true);  // must not reach the destroyed scheduler (the sanitizer build checks)
    EXPECT_TRUE(timer.enabled());
}

}  // namespace

namespace {

// The game tick paced to a 60 Hz display: a grid step of 1000/60 ms on the clock. Stepped like a vsync'd
// loop (17, 17, 16 ms: 50 ms per three frames), it fires exactly once per step; a minute of clock gives
// 3,600 ticks whatever the stepping, and a period of 0 brings the whole-millisecond interval back.
TEST_F(TimerTest, FractionalPeriodFiresOncePerDisplayedFrame) {
    auto tick = makeTimer("tick", 16);
    tick->setPeriod(1000.0 / 60.0);
    tick->setEnabled(true);
    const int frameSteps[] = {17, 17, 16};
    for (int frame = 0; frame < 3600; ++frame) {
        clock.advance(frameSteps[frame % 3]);
        ASSERT_EQ(scheduler.fireDue(), 1) << "frame " << frame << " at " << clock.nowMs() << " ms";
    }
    EXPECT_EQ(clock.nowMs(), 60000);
    int fired = 0;
    tick->setEnabled(true);
    for (int ms = 0; ms < 60000; ++ms) {
        clock.advance(1);
        fired += scheduler.fireDue();
    }
    EXPECT_EQ(fired, 3600);
    EXPECT_EQ(scheduler.missedTicks(), 0u);
    tick->setPeriod(0);
    EXPECT_DOUBLE_EQ(tick->period(), 16.0);
    EXPECT_EQ(tick->nextDueMs(), clock.nowMs() + 16);
}

}  // namespace
