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
    waitLimit_.setInterval(1);
}

QtEventLoop::~QtEventLoop() = default;

void QtEventLoop::processMessages() {
    // The timer bounds the wait below; when still running from the previous pass it does so
    // already (restarting it every pass would cost a timer registration each time).
    if (!waitLimit_.isActive())
        waitLimit_.start();
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void QtEventLoop::sleep(int ms) {
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

QDateTime QtEventLoop::localNow() {
    return QDateTime::currentDateTime();
}

int64_t QtEventLoop::monotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::unique_ptr<IntervalTimer> QtEventLoop::createTimer() {
    return std::make_unique<QtIntervalTimer>();
}

void QtEventLoop::wakeUp() {
    if (dispatcher_)
        dispatcher_->wakeUp();
}

QtIntervalTimer::QtIntervalTimer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &context_, [this] { queueTick(); });
}

QtIntervalTimer::~QtIntervalTimer() = default;

void QtIntervalTimer::arm(int ms) {
    ++generation_;
    timer_.start(ms);
}

void QtIntervalTimer::disarm() {
    ++generation_;
    timer_.stop();
}

void QtIntervalTimer::queueTick() {
    if (queuedGeneration_ == generation_)
        return;
    const uint64_t generation = generation_;
    queuedGeneration_ = generation;
    QMetaObject::invokeMethod(
        &context_,
        [this, generation] {
            if (queuedGeneration_ == generation)
                queuedGeneration_ = 0;
            if (generation != generation_)
                return;
            // The platform's guard shows errors in a message box; nothing may throw through Qt.
            try {
                fire();
            } catch (const std::exception& error) {
                qWarning("Tessal: timer handler failed: %s", error.what());
            } catch (...) {
                qWarning("Tessal: timer handler failed");
            }
        },
        Qt::QueuedConnection);
}

} // namespace tessal
