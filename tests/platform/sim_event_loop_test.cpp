#include "platform/sim_event_loop.h"

#include <gtest/gtest.h>
#include <string>

using tessal::SimEventLoop;

TEST(SimEventLoop, DispatchesInTimeOrderThenInOrderOfScheduling) {
    SimEventLoop loop;
    std::string order;
    loop.at(30, [&] { order += 'c'; });
    loop.at(10, [&] { order += 'a'; });
    loop.at(30, [&] { order += 'd'; });
    loop.at(20, [&] { order += 'b'; });
    loop.at(50, [&] { order += 'x'; });
    loop.runFor(40);
    EXPECT_EQ(order, "abcd");
    EXPECT_EQ(loop.nowMs(), 40);
    EXPECT_EQ(loop.nextDueIn(), 10);
    loop.runUntilIdle();
    EXPECT_EQ(order, "abcdx");
    EXPECT_EQ(loop.nextDueIn(), -1);
}

TEST(SimEventLoop, EventsRunAtTheirOwnTime) {
    SimEventLoop loop;
    std::vector<int64_t> seen;
    for (int64_t t : {5, 17, 17, 900})
        loop.at(t, [&] { seen.push_back(loop.nowMs()); });
    loop.runFor(1000);
    EXPECT_EQ(seen, (std::vector<int64_t>{5, 17, 17, 900}));
}

TEST(SimEventLoop, ProcessMessagesAdvancesAtMostOneMillisecondWhenNothingIsDue) {
    SimEventLoop loop;
    loop.at(10, [] {});
    loop.processMessages();
    EXPECT_EQ(loop.now(), 1000);
    loop.sleep(7);
    loop.processMessages(); // 9 ms
    EXPECT_EQ(loop.now(), 9000);
    loop.processMessages(); // reaches the event at 10 ms and runs it
    EXPECT_EQ(loop.now(), 10000);
    EXPECT_EQ(loop.nextDueIn(), -1);
}

TEST(SimEventLoop, SleepFreezesWithoutDispatching) {
    SimEventLoop loop;
    bool ran = false;
    loop.at(5, [&] { ran = true; });
    loop.sleep(20);
    EXPECT_FALSE(ran);
    EXPECT_EQ(loop.nowMs(), 20);
    loop.processMessages(); // overdue events run at the next chance
    EXPECT_TRUE(ran);
}

TEST(SimEventLoop, CancelledEventsNeverRun) {
    SimEventLoop loop;
    bool ran = false;
    auto id = loop.at(5, [&] { ran = true; });
    EXPECT_TRUE(loop.pending(id));
    loop.cancel(id);
    loop.runFor(10);
    EXPECT_FALSE(ran);
}

TEST(SimEventLoop, LocalTimeFollowsTheVirtualClock) {
    SimEventLoop loop;
    const QDateTime start(QDate(2026, 3, 1), QTime(23, 59, 59, 500));
    loop.setStartTime(start);
    loop.sleep(750);
    EXPECT_EQ(loop.localNow(), start.addMSecs(750));
    EXPECT_EQ(loop.localNow().date(), QDate(2026, 3, 2));
}

TEST(SimEventLoop, AWaitThatNeverEndsIsStoppedWithAMessage) {
    SimEventLoop loop;
    loop.setStallLimitMs(50);
    QString message;
    loop.setStallHandler([&](const QString& m) { message = m; });
    int turns = 0;
    while (message.isEmpty() && turns < 1000) {
        loop.processMessages();
        ++turns;
    }
    EXPECT_TRUE(message.contains(QStringLiteral("never comes")));
    EXPECT_LE(turns, 52);
}
