#include "platform/sim_event_loop.h"

#include <QtGlobal>
#include <algorithm>

namespace tessal {
namespace {

class SimTimer : public IntervalTimer {
public:
    explicit SimTimer(SimEventLoop& loop) : loop_(loop) {}
    ~SimTimer() override { disarm(); }

protected:
    void arm(int ms) override {
        disarm();
        scheduleAt(loop_.now() + int64_t(ms) * 1000, ms);
    }
    void disarm() override {
        if (armed_)
            loop_.cancel(next_);
        armed_ = false;
    }

private:
    void scheduleAt(int64_t us, int periodMs) {
        armed_ = true;
        next_ = loop_.atUs(us, [this, us, periodMs] {
            // The next period is counted from this tick, before the handler runs, so a handler
            // that switches the timer off or re-arms it overrides it.
            armed_ = false;
            scheduleAt(us + int64_t(periodMs) * 1000, periodMs);
            fire();
        });
    }

    SimEventLoop& loop_;
    SimEventLoop::EventId next_{};
    bool armed_ = false;
};

} // namespace

SimEventLoop::SimEventLoop() : start_(QDate(2026, 1, 5), QTime(9, 0)) {
    onStall_ = [](const QString& message) { qFatal("%s", qPrintable(message)); };
}

std::unique_ptr<IntervalTimer> SimEventLoop::createTimer() {
    return std::make_unique<SimTimer>(*this);
}

SimEventLoop::EventId SimEventLoop::at(int64_t ms, std::function<void()> action) {
    return atUs(ms * 1000, std::move(action));
}

SimEventLoop::EventId SimEventLoop::atUs(int64_t us, std::function<void()> action) {
    EventId id{std::max(us, nowUs_), sequence_++};
    events_.emplace(id, std::move(action));
    return id;
}

bool SimEventLoop::dispatchDue() {
    bool any = false;
    while (!events_.empty() && events_.begin()->first.first <= nowUs_) {
        auto node = events_.extract(events_.begin());
        any = true;
        lastProgressUs_ = nowUs_;
        if (guard_)
            guard_(node.mapped());
        else
            node.mapped()();
    }
    return any;
}

void SimEventLoop::checkStall() {
    if (nowUs_ - lastProgressUs_ > stallLimitUs_) {
        lastProgressUs_ = nowUs_;
        onStall_(QStringLiteral("simulated wait stalled: nothing happened for %1 ms of virtual "
                                "time (at %2 ms) - the awaited event never comes")
                     .arg(stallLimitUs_ / 1000)
                     .arg(nowUs_ / 1000));
    }
}

void SimEventLoop::processMessages() {
    if (dispatchDue())
        return;
    const int64_t limit = nowUs_ + 1000;
    nowUs_ = events_.empty() ? limit : std::min(limit, events_.begin()->first.first);
    if (!dispatchDue())
        checkStall();
}

void SimEventLoop::sleep(int ms) {
    nowUs_ += int64_t(std::max(ms, 0)) * 1000;
}

QDateTime SimEventLoop::localNow() {
    return start_.addMSecs(nowUs_ / 1000);
}

void SimEventLoop::runFor(int64_t ms) {
    const int64_t end = nowUs_ + ms * 1000;
    lastProgressUs_ = nowUs_;
    while (!events_.empty() && events_.begin()->first.first <= end) {
        nowUs_ = std::max(nowUs_, events_.begin()->first.first);
        dispatchDue();
    }
    nowUs_ = std::max(nowUs_, end);
}

void SimEventLoop::runUntilIdle(int64_t maxMs) {
    const int64_t end = nowUs_ + maxMs * 1000;
    while (!events_.empty() && events_.begin()->first.first <= end) {
        nowUs_ = std::max(nowUs_, events_.begin()->first.first);
        dispatchDue();
    }
}

int64_t SimEventLoop::nextDueIn() const {
    if (events_.empty())
        return -1;
    return std::max<int64_t>(0, events_.begin()->first.first - nowUs_) / 1000;
}

} // namespace tessal
