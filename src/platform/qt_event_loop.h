#pragma once

#include "platform/event_loop.h"

#include <QObject>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdint>

class QAbstractEventDispatcher;

namespace tessal {

// The UI thread's Qt event loop. Build it on the UI thread once the QApplication exists.
//
// processMessages() dispatches what is pending; with nothing pending it waits for the next event,
// at most 1 ms (a reusable 1 ms precise single-shot timer bounds the wait), so loops around it
// never spin a core. wakeUp() lets other threads (the audio callback when a voice ends, the
// serial line watcher) end such a wait at once.
class QtEventLoop : public EventLoop {
public:
    QtEventLoop();
    ~QtEventLoop() override;

    void processMessages() override;
    void sleep(int ms) override;
    QDateTime localNow() override;
    int64_t monotonicMs() override;
    std::unique_ptr<IntervalTimer> createTimer() override;

    // Any thread: ends the UI thread's current or next wait for events.
    void wakeUp();
    // The longest wait of processMessages() [ms]; 1 by design. Each bounded wait is one wake-up
    // of the thread, so an idle loop costs about 1000 wake-ups a second at 1 ms.
    void setWaitLimitMs(int ms) { waitLimit_.setInterval(std::max(1, ms)); }

private:
    QTimer waitLimit_;
    QAbstractEventDispatcher* dispatcher_;
};

// An IntervalTimer on a repeating QTimer with Qt::PreciseTimer. UI thread only.
//
// Each period's tick is delivered through a queued invocation, after the QTimer's own timer event
// has returned, so the timer can tick again nested inside its handler when the handler processes
// messages (the classic toolkit's timer could; a QTimer never re-enters its own timeout).
// As with the classic timer message, at most one tick waits in the queue, and a tick queued
// before the timer was switched off or re-armed is dropped.
class QtIntervalTimer : public IntervalTimer {
public:
    QtIntervalTimer();
    ~QtIntervalTimer() override;

protected:
    void arm(int ms) override;
    void disarm() override;

private:
    void queueTick();

    QTimer timer_;
    QObject context_;               // queued ticks die with it
    uint64_t generation_ = 1;       // counts arm and disarm calls
    uint64_t queuedGeneration_ = 0; // the generation of the tick waiting in the queue, 0: none
};

} // namespace tessal
