#include "platform/qt_dialogs.h"
#include "platform/qt_event_loop.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

// The Qt backend in real time: only what no virtual clock can show (nesting, errors, dialogs);
// the interval-timer rules are tested on the simulated loop.

namespace tessal {
namespace {

// Runs processMessages() until `done` holds; false after two seconds.
template <typename Done> bool processUntil(QtEventLoop& loop, Done done) {
    const int64_t deadline = loop.monotonicMs() + 2000;
    while (!done()) {
        if (loop.monotonicMs() > deadline)
            return false;
        loop.processMessages();
    }
    return true;
}

TEST(QtIntervalTimer, TicksAgainNestedInsideItsHandlerWhileThatProcessesMessages) {
    QtEventLoop loop;
    auto timer = loop.createTimer();
    int ticks = 0;
    int depth = 0;
    int deepest = 0;
    timer->setInterval(2);
    timer->setOnTimer([&] {
        ++ticks;
        ++depth;
        deepest = std::max(deepest, depth);
        if (ticks == 1) // the blocking play of the listening sequencer
            processUntil(loop, [&] { return ticks >= 2; });
        else
            timer->setEnabled(false);
        --depth;
    });
    timer->setEnabled(true);
    ASSERT_TRUE(processUntil(loop, [&] { return ticks >= 2 && depth == 0; }));
    EXPECT_EQ(deepest, 2);
}

TEST(QtIntervalTimer, AnErrorInTheHandlerDoesNotEscapeIntoQt) {
    QtEventLoop loop;
    auto timer = loop.createTimer();
    int ticks = 0;
    timer->setInterval(1);
    timer->setOnTimer([&] {
        ++ticks;
        timer->setEnabled(false);
        throw std::runtime_error("handler failed");
    });
    timer->setEnabled(true);
    EXPECT_TRUE(processUntil(loop, [&] { return ticks == 1; }));
}

TEST(QtEventLoop, ClockAndSleep) {
    QtEventLoop loop;
    const int64_t before = loop.monotonicMs();
    loop.sleep(2);
    EXPECT_GE(loop.monotonicMs(), before + 2);
    EXPECT_LE(qAbs(loop.localNow().msecsTo(QDateTime::currentDateTime())), 1000);
}

TEST(QtDialogs, MessageBoxHasTheTrainersTitleTheTextAndOneOkButton) {
    QtDialogs dialogs;
    QString title;
    QString text;
    qsizetype buttons = -1;
    // Answers the box as soon as it shows.
    QTimer answer;
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible())
                continue;
            title = box->windowTitle();
            text = box->text();
            buttons = box->buttons().size();
            answer.stop();
            box->button(QMessageBox::Ok)->click();
            return;
        }
    });
    answer.start();
    dialogs.showMessage(QStringLiteral("Failed to open wave output device."));
    EXPECT_EQ(title, QStringLiteral("Tessal Morse Trainer"));
    EXPECT_EQ(text, QStringLiteral("Failed to open wave output device."));
    EXPECT_EQ(buttons, 1);
}

TEST(QtPlatform, ProcessPathsComeFromQt) {
    QtPlatform platform(SdlWaveOutput::Options{"dummy", 256});
    EXPECT_EQ(platform.executablePath(), QCoreApplication::applicationFilePath());
    EXPECT_EQ(platform.workingDirectory(), QDir::currentPath());
}

} // namespace
} // namespace tessal

namespace tessal {

TEST(QtEventLoopClock, TimedHandlersCountFromTheirDueTimeNotFromWhenTheyRan) {
    QtEventLoop loop;
    // A tick handled 3 ms late, that computes for 2 ms and then sleeps 10 ms, stands 10 ms after
    // its due time: the latency and the computing are absorbed, not added.
    const int64_t due = QtEventLoop::steadyUs() - 3000;
    int64_t afterSleep = 0;
    int64_t nestedStart = 0;
    int64_t settled = 0;
    loop.dispatchTimed(due, [&] {
        EXPECT_EQ(loop.logicalUs(), due);
        const int64_t busyUntil = QtEventLoop::steadyUs() + 2000;
        while (QtEventLoop::steadyUs() < busyUntil) {
        }
        EXPECT_EQ(loop.logicalUs(), due);
        loop.sleep(10);
        afterSleep = loop.logicalUs();
        // A tick due earlier than the clock, handled inside, runs at the clock's time.
        loop.dispatchTimed(due + 4000, [&] { nestedStart = loop.logicalUs(); });
        // A wait that overshot the end it waited for settles there.
        loop.sleep(5);
        loop.settleAt(due + 12000);
        settled = loop.logicalUs();
    });
    EXPECT_EQ(afterSleep, due + 10000);
    EXPECT_EQ(nestedStart, due + 10000);
    EXPECT_EQ(settled, due + 12000);
    // The next tick due before that handler finished starts where it left off.
    int64_t next = 0;
    loop.dispatchTimed(due + 11000, [&] { next = loop.logicalUs(); });
    EXPECT_EQ(next, due + 12000);
    // Between timed handlers the clock is the steady clock.
    const int64_t before = QtEventLoop::steadyUs();
    const int64_t between = loop.logicalUs();
    EXPECT_GE(between, before);
    EXPECT_LE(between, QtEventLoop::steadyUs());
}

} // namespace tessal
