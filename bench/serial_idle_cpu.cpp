// CPU used while the serial port is open and the key idle: the production event loop runs the
// serial poll loop for the given seconds on a stand-in device whose lines never change.
// Usage: bench_serial_idle_cpu [seconds]   (default 10). Target: at most 1 % of one core.

#include "keyer_bench_rig.h"
#include "widgets/gd_button.h"

#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

using namespace tessal;
using namespace tessal::bench;

namespace {

double cpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    BenchPlatform platform(256);
    TTessalForm form(platform);
    form.show();
    form.KeyerBtn->click();
    double processBefore = 0, threadBefore = 0;
    int64_t startNs = 0, readsBefore = 0;
    QTimer::singleShot(500, &form, [&] {
        // Measured from inside the poll loop, once it runs.
        QTimer::singleShot(200, &form, [&] {
            processBefore = cpuSeconds(RUSAGE_SELF);
            threadBefore = cpuSeconds(RUSAGE_THREAD);
            readsBefore = platform.serial().reads.load();
            startNs = steadyNs();
            QTimer::singleShot(seconds * 1000, &form, [&] {
                const double wall = double(steadyNs() - startNs) / 1e9;
                const double process = cpuSeconds(RUSAGE_SELF) - processBefore;
                const double ui = cpuSeconds(RUSAGE_THREAD) - threadBefore;
                std::printf(
                    "port open, key idle for %.1f s on the production loop: process %.2f %% "
                    "of one core, UI thread %.2f %%; %lld line reads (%.0f a second)\n",
                    wall, 100 * process / wall, 100 * ui / wall,
                    (long long)(platform.serial().reads.load() - readsBefore),
                    double(platform.serial().reads.load() - readsBefore) / wall);
                form.ComOpenBtn->click(); // ends the poll loop
                QTimer::singleShot(0, qApp, &QApplication::quit);
            });
        });
        form.ComOpenBtn->click(); // the poll loop runs inside this click from here on
    });
    app.exec();
    return 0;
}
