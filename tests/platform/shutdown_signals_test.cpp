#include "platform/shutdown_signals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <csignal>
#include <gtest/gtest.h>

using tessal::ShutdownSignals;

TEST(ShutdownSignals, EachEndingSignalReachesTheUiThreadAsACall) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        int calls = 0;
        {
            ShutdownSignals watcher([&calls] { ++calls; });
            std::raise(signal);
            QElapsedTimer waited;
            waited.start();
            while (calls == 0 && waited.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        EXPECT_EQ(calls, 1) << "signal " << signal;
    }
}
