// CPU time spent by a loop of processMessages() while nothing happens, on the production platform:
// the blocking waits of the trainer (listening play, serial poll loop) are such loops.
// Usage: bench_idle_cpu [seconds] [wait limit ms]   (default 10 s and the loop's own limit)

#include "platform/qt_platform.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <sys/resource.h>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The floor: the same time in a bare loop of 1 ms poll() waits, which is what 1000 wake-ups a
// second cost on this machine without any event loop around them [% of one core].
double bareWakeupPercent(int seconds) {
    const auto start = std::chrono::steady_clock::now();
    const auto end = start + std::chrono::seconds(seconds);
    const double cpuBefore = cpuSeconds();
    while (std::chrono::steady_clock::now() < end)
        poll(nullptr, 0, 1);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return 100.0 * (cpuSeconds() - cpuBefore) / wall;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    QApplication app(argc, argv);
    tessal::QtPlatform platform;
    const int waitLimitMs =
        argc > 2 ? std::max(1, std::atoi(argv[2])) : tessal::QtEventLoop::kDefaultWaitLimitMs;
    platform.loop().setWaitLimitMs(waitLimitMs);
    tessal::EventLoop& loop = platform.loop();

    const auto start = std::chrono::steady_clock::now();
    const auto end = start + std::chrono::seconds(seconds);
    const double cpuBefore = cpuSeconds();
    long long passes = 0;
    while (std::chrono::steady_clock::now() < end) {
        loop.processMessages();
        ++passes;
    }
    const double cpu = cpuSeconds() - cpuBefore;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "idle processMessages loop: %.2f %% of one core over %d s (%lld passes, %.0f per second, "
        "waits of at most %d ms)\n",
        100.0 * cpu / wall, seconds, passes, double(passes) / wall, waitLimitMs);
    std::printf("floor, a bare loop of 1 ms poll() waits: %.2f %% of one core over %d s\n",
                bareWakeupPercent(seconds), seconds);
    return 0;
}
