#pragma once

#include "platform/interval_timer.h"

#include <QDateTime>
#include <functional>
#include <memory>

namespace tessal {

// The UI thread's event loop, clock and waits.
class EventLoop {
public:
    virtual ~EventLoop() = default;

    // Runs what is pending; with nothing pending waits for the next event, at most 1 ms.
    virtual void processMessages() = 0;
    // Freezes the window for `ms` milliseconds.
    virtual void sleep(int ms) = 0;
    virtual QDateTime localNow() = 0;
    // Monotonic milliseconds, for measuring waits.
    virtual int64_t monotonicMs() = 0;
    virtual std::unique_ptr<IntervalTimer> createTimer() = 0;
};

} // namespace tessal
