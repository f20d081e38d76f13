#pragma once

#include "platform/event_loop.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <utility>

namespace tessal {

// A discrete-event simulation of the UI thread on a virtual clock in microseconds.
// Timers, scripted actions and voice ends are its events. Nothing here sleeps in real time.
//
//   runFor(ms)      dispatch events in time order for `ms` of virtual time
//   runUntilIdle()  dispatch until no event is left (bounded)
//   now()           the virtual time in microseconds since the start
//   nextDueIn()     milliseconds until the next event, or -1
//   at(ms, fn)      a scripted action at an absolute virtual time
class SimEventLoop : public EventLoop {
public:
    using EventId = std::pair<int64_t, uint64_t>; // (time in us, sequence)
    using Guard = std::function<void(const std::function<void()>&)>;

    SimEventLoop();

    void processMessages() override;
    void sleep(int ms) override;
    QDateTime localNow() override;
    int64_t monotonicMs() override { return nowUs_ / 1000; }
    std::unique_ptr<IntervalTimer> createTimer() override;

    int64_t now() const { return nowUs_; }
    int64_t nowMs() const { return nowUs_ / 1000; }
    void runFor(int64_t ms);
    void runUntilIdle(int64_t maxMs = 3'600'000);
    int64_t nextDueIn() const;

    EventId at(int64_t ms, std::function<void()> action);
    EventId atUs(int64_t us, std::function<void()> action);
    EventId after(int64_t ms, std::function<void()> action) {
        return atUs(nowUs_ + ms * 1000, std::move(action));
    }
    void cancel(const EventId& id) { events_.erase(id); }
    bool pending(const EventId& id) const { return events_.count(id) != 0; }

    void setStartTime(const QDateTime& start) { start_ = start; }
    // Scripted actions run through this, as clicks and key presses do in the real program.
    void setGuard(Guard guard) { guard_ = std::move(guard); }
    // A wait that sees nothing happen for this long is a test that would hang: it is stopped.
    void setStallLimitMs(int64_t ms) { stallLimitUs_ = ms * 1000; }
    void setStallHandler(std::function<void(const QString&)> handler) {
        onStall_ = std::move(handler);
    }

private:
    bool dispatchDue();
    void checkStall();

    int64_t nowUs_ = 0;
    uint64_t sequence_ = 0;
    int64_t lastProgressUs_ = 0;
    int64_t stallLimitUs_ = 600'000'000;
    QDateTime start_;
    std::map<EventId, std::function<void()>> events_;
    Guard guard_;
    std::function<void(const QString&)> onStall_;
};

} // namespace tessal
