#include "platform/qt_event_loop.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>
#include <chrono>
#include <exception>
#include <thread>

namespace tessal {

QtEventLoop::QtEventLoop() : dispatcher_(QThread::currentThread()->eventDispatcher()) {
    waitLimit_.setSingleShot(true);
    waitLimit_.setTimerType(Qt::PreciseTimer);
    waitLimit_.setInterval(kDefaultWaitLimitMs);
}

QtEventLoop::~QtEventLoop() = default;

void QtEventLoop::processMessages() {
    // The timer bounds the wait below; when still running from the previous pass it does so
    // already (restarting it every pass would cost a timer registration each time).
    if (!waitLimit_.isActive())
        waitLimit_.start();
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    // A wait inside a timed handler moves its clock on, as the simulated clock moves to what
    // comes next.
    if (timedDepth_ > 0)
        logicalUs_ = std::max(logicalUs_, steadyUs() - offsetUs_);
}

int64_t QtEventLoop::steadyUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t QtEventLoop::logicalUs() const {
    return timedDepth_ > 0 ? logicalUs_ : steadyUs();
}

void QtEventLoop::sleep(int ms) {
    if (ms <= 0)
        return;
    if (timedDepth_ == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return;
    }
    // Time the handler spent computing is taken out of the sleep, so it does not add up.
    logicalUs_ += int64_t(ms) * 1000;
    std::this_thread::sleep_until(
        std::chrono::steady_clock::time_point(std::chrono::microseconds(logicalUs_ + offsetUs_)));
}

void QtEventLoop::dispatchTimed(int64_t dueUs, const std::function<void()>& handler) {
    if (timedDepth_ == 0) {
        logicalUs_ = std::max(dueUs, freeAtUs_);
        offsetUs_ = steadyUs() - logicalUs_;
    } else {
        logicalUs_ = std::max(logicalUs_, dueUs);
    }
    ++timedDepth_;
    struct Leave {
        QtEventLoop& loop;
        ~Leave() {
            if (--loop.timedDepth_ == 0)
                loop.freeAtUs_ = loop.logicalUs_;
        }
    } leave{*this};
    handler();
}

void QtEventLoop::settleAt(int64_t logicalTimeUs) {
    if (timedDepth_ > 0 && logicalUs_ > logicalTimeUs)
        logicalUs_ = logicalTimeUs;
}

QDateTime QtEventLoop::localNow() {
    return QDateTime::currentDateTime();
}

std::unique_ptr<IntervalTimer> QtEventLoop::createTimer() {
    return std::make_unique<QtIntervalTimer>(*this);
}

void QtEventLoop::wakeAt(int64_t logicalTimeUs) {
    const int64_t realUs = logicalTimeUs + (timedDepth_ > 0 ? offsetUs_ : 0);
    const int64_t delayMs = std::max<int64_t>(0, (realUs - steadyUs() + 999) / 1000);
    // A timer event is enough: its arrival ends the wait, and the waiting loop looks again.
    QTimer::singleShot(std::chrono::milliseconds(delayMs), Qt::PreciseTimer, &wakeContext_, [] {});
}

void QtEventLoop::wakeUp() {
    if (dispatcher_)
        dispatcher_->wakeUp();
}

QtIntervalTimer::QtIntervalTimer(QtEventLoop& loop) : loop_(loop) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, &context_, [this] { queueTick(); });
}

void QtIntervalTimer::startWaitFor(int64_t dueUs) {
    // To the nearest millisecond, the timer's resolution: early or late by half of it at most.
    timer_.start(int(std::max<int64_t>(0, (dueUs - QtEventLoop::steadyUs() + 500) / 1000)));
}

QtIntervalTimer::~QtIntervalTimer() = default;

void QtIntervalTimer::arm(int ms) {
    ++generation_;
    periodMs_ = ms;
    dueUs_ = loop_.logicalUs() + int64_t(ms) * 1000;
    startWaitFor(dueUs_);
}

void QtIntervalTimer::disarm() {
    ++generation_;
    timer_.stop();
}

void QtIntervalTimer::queueTick() {
    // The next period counts from this tick's due time, not from when it was handled.
    const int64_t due = dueUs_;
    dueUs_ += int64_t(periodMs_) * 1000;
    startWaitFor(dueUs_);
    if (queuedGeneration_ == generation_)
        return;
    const uint64_t generation = generation_;
    queuedGeneration_ = generation;
    QMetaObject::invokeMethod(
        &context_,
        [this, generation, due] {
            if (queuedGeneration_ == generation)
                queuedGeneration_ = 0;
            if (generation != generation_)
                return;
            // The platform's guard shows errors in a message box; nothing may throw through Qt.
            loop_.dispatchTimed(due, [this] {
                try {
                    fire();
                } catch (const std::exception& error) {
                    qWarning("Tessal: timer handler failed: %s", error.what());
                } catch (...) {
                    qWarning("Tessal: timer handler failed");
                }
            });
        },
        Qt::QueuedConnection);
}

} // namespace tessal
