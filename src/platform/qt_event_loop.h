#pragma once

#include "platform/event_loop.h"

#include <QObject>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>

class QAbstractEventDispatcher;

namespace tessal {

// The UI thread's Qt event loop. Build it on the UI thread once the QApplication exists.
//
// processMessages() dispatches what is pending; with nothing pending it waits for the next event,
// at most kDefaultWaitLimitMs (a reusable precise single-shot timer bounds the wait), so loops
// around it never spin a core. What such loops wait for wakes them on time: wakeUp() from other
// threads (the audio callback when a voice ends, the serial line watcher), wakeAt() for a known
// moment (the end of a written buffer).
//
// Timed work keeps the simulated clock's timeline. The loop keeps a logical clock: between timed
// events it is the steady clock; while a timer's handler runs it starts at the tick's due time
// (or where the previous handler left off) and moves only as the simulated clock would, by
// sleeps and by waits, which settle at the moment they waited for. Times counted from it (the
// next period, a buffer's end) are then those of the simulation; the real thread lags by the
// tick's latency and its own computing, which later sleeps absorb. So latencies are paid once
// per event and never add up over a text.
class QtEventLoop : public EventLoop {
public:
    QtEventLoop();
    ~QtEventLoop() override;

    void processMessages() override;
    void sleep(int ms) override;
    QDateTime localNow() override;
    int64_t monotonicMs() override { return logicalUs() / 1000; }
    std::unique_ptr<IntervalTimer> createTimer() override;

    // The logical clock [us], steady-clock based.
    int64_t logicalUs() const;
    // The steady clock itself [us]. Between timed handlers the logical clock agrees with it, so a
    // tick due at a logical time is waited for until the steady clock reaches it.
    static int64_t steadyUs();
    // UI thread: handles a timed event due at `dueUs` (logical) as if it ran on time, or as soon
    // as the previous handler had finished.
    void dispatchTimed(int64_t dueUs, const std::function<void()>& handler);
    // UI thread: a wait for something that ended at `logicalUs` has seen it; the logical clock
    // goes back to that moment, as the simulated clock would stand there.
    void settleAt(int64_t logicalUs);

    // Every awaited event wakes the loop itself, so the bound is only a safety net; each bounded
    // wait costs a thread wake-up, about 1.7 % of a core per 1000 a second on a virtual machine.
    static constexpr int kDefaultWaitLimitMs = 20;

    // Any thread: ends the UI thread's current or next wait for events.
    void wakeUp();
    // UI thread: ends a wait at this logical time [us].
    void wakeAt(int64_t logicalUs);
    // The longest wait of processMessages() [ms].
    void setWaitLimitMs(int ms) { waitLimit_.setInterval(std::max(1, ms)); }

private:
    QTimer waitLimit_;
    QObject wakeContext_;
    // While a timed handler runs, the logical clock stands still but for sleeps and waits;
    // between them it is the steady clock.
    int timedDepth_ = 0;
    int64_t logicalUs_ = 0;
    int64_t offsetUs_ = 0; // steady minus logical when the outermost timed handler began
    int64_t freeAtUs_ = 0; // logical time the last timed handler finished
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
    explicit QtIntervalTimer(QtEventLoop& loop);
    ~QtIntervalTimer() override;

protected:
    void arm(int ms) override;
    void disarm() override;

private:
    void queueTick();
    void startWaitFor(int64_t dueUs);

    QtEventLoop& loop_;
    QTimer timer_;
    int periodMs_ = 0;
    int64_t dueUs_ = 0;             // logical time of the next tick
    QObject context_;               // queued ticks die with it
    uint64_t generation_ = 1;       // counts arm and disarm calls
    uint64_t queuedGeneration_ = 0; // the generation of the tick waiting in the queue, 0: none
};

} // namespace tessal
