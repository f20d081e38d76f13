#include "platform/sim_event_loop.h"

#include <gtest/gtest.h>
#include <vector>

using tessal::SimEventLoop;

namespace {

struct TimerRig {
    SimEventLoop loop;
    std::unique_ptr<tessal::IntervalTimer> timer = loop.createTimer();
    std::vector<int64_t> ticksMs;
    TimerRig() {
        timer->setOnTimer([this] { ticksMs.push_back(loop.nowMs()); });
    }
};

} // namespace

TEST(IntervalTimer, StartsOffWithOneSecond) {
    TimerRig rig;
    EXPECT_FALSE(rig.timer->enabled());
    EXPECT_EQ(rig.timer->interval(), 1000);
    rig.loop.runFor(5000);
    EXPECT_TRUE(rig.ticksMs.empty());
}

TEST(IntervalTimer, CountRules) {
    // Each case: actions at given times, then the tick times expected over 1000 ms.
    struct Step {
        int64_t atMs;
        int action; // kOn, kOff, or an interval to set
    };
    constexpr int kOn = -1;
    constexpr int kOff = -2;
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<int64_t> expected;
    };
    const std::vector<Case> cases = {
        {"fires every interval while on",
         {{0, 100}, {0, kOn}},
         {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000}},
        {"switching on a running timer leaves the count alone",
         {{0, 300}, {0, kOn}, {250, kOn}},
         {300, 600, 900}},
        {"switching on from off starts afresh",
         {{0, 300}, {0, kOn}, {250, kOff}, {260, kOn}},
         {560, 860}},
        {"a different interval starts afresh", {{0, 300}, {0, kOn}, {250, 200}}, {450, 650, 850}},
        {"the same interval leaves the count alone",
         {{0, 300}, {0, kOn}, {250, 300}},
         {300, 600, 900}},
        {"an interval of 0 never fires", {{0, 0}, {0, kOn}}, {}},
        {"interval set while off takes effect when switched on",
         {{0, 250}, {100, kOn}},
         {350, 600, 850}},
        {"leaving 0 for a real interval starts counting",
         {{0, 0}, {0, kOn}, {400, 250}},
         {650, 900}},
        {"switched off, it stops", {{0, 100}, {0, kOn}, {350, kOff}}, {100, 200, 300}},
    };
    for (const Case& c : cases) {
        TimerRig rig;
        for (const Step& step : c.steps) {
            rig.loop.at(step.atMs, [&rig, step] {
                if (step.action == kOn)
                    rig.timer->setEnabled(true);
                else if (step.action == kOff)
                    rig.timer->setEnabled(false);
                else
                    rig.timer->setInterval(step.action);
            });
        }
        rig.loop.runFor(1000);
        EXPECT_EQ(rig.ticksMs, c.expected) << c.name;
    }
}

TEST(IntervalTimer, HandlerSwitchingItselfOffActsAsOneShot) {
    TimerRig rig;
    rig.timer->setOnTimer([&rig] {
        rig.timer->setEnabled(false);
        rig.ticksMs.push_back(rig.loop.nowMs());
    });
    rig.timer->setInterval(70);
    rig.timer->setEnabled(true);
    rig.loop.runFor(1000);
    EXPECT_EQ(rig.ticksMs, std::vector<int64_t>{70});
}

TEST(IntervalTimer, TicksNestedInsideItsOwnHandlerWhileMessagesAreProcessed) {
    // A handler that waits with message processing sees its own timer fire again.
    TimerRig rig;
    int depth = 0;
    int deepest = 0;
    rig.timer->setOnTimer([&] {
        ++depth;
        deepest = std::max(deepest, depth);
        rig.ticksMs.push_back(rig.loop.nowMs());
        if (depth == 1) {
            const int64_t until = rig.loop.nowMs() + 250;
            while (rig.loop.nowMs() < until)
                rig.loop.processMessages();
            rig.timer->setEnabled(false);
        }
        --depth;
    });
    rig.timer->setInterval(100);
    rig.timer->setEnabled(true);
    rig.loop.runFor(1000);
    EXPECT_EQ(deepest, 2);
    EXPECT_EQ(rig.ticksMs, (std::vector<int64_t>{100, 200, 300}));
}

TEST(IntervalTimer, ErrorInHandlerGoesToGuardAndTimerGoesOn) {
    TimerRig rig;
    int caught = 0;
    rig.timer->setGuard([&caught](const std::function<void()>& handler) {
        try {
            handler();
        } catch (const std::exception&) {
            ++caught;
        }
    });
    rig.timer->setOnTimer([&rig] {
        rig.ticksMs.push_back(rig.loop.nowMs());
        throw std::runtime_error("boom");
    });
    rig.timer->setInterval(400);
    rig.timer->setEnabled(true);
    rig.loop.runFor(1000);
    EXPECT_EQ(caught, 2);
    EXPECT_EQ(rig.ticksMs, (std::vector<int64_t>{400, 800}));
}
