// Key edge to sound: from a dot edge handed to the production event loop to the first sidetone
// sample handed to the audio callback, with the vertical key. Two sources of edges: a Left Ctrl
// key event posted to the window, and a CTS change signalled by a stand-in of the modem-line
// thread while the serial poll loop runs (anti-chattering 0).
// Usage: bench_key_edge_latency [callback frames] [edges]   (default 256 and 1000)
// Run it with real-time priority on a shared machine: chrt -f 50 bench_key_edge_latency

#include "keyer_bench_rig.h"
#include "widgets/gd_button.h"

#include <QInputDevice>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <random>
#include <thread>

using namespace tessal;
using namespace tessal::bench;

namespace {

enum Watch : int { Idle, ForTone, ForSilence };

struct Probe {
    std::atomic<int> watch{Idle};
    std::atomic<int64_t> seenNs{0};
    std::atomic<int64_t> callbacks{0};
    std::atomic<int64_t> firstNs{0}, lastNs{0};

    void rendered(const int16_t* out, int frames) {
        const int64_t now = steadyNs();
        if (callbacks.fetch_add(1) == 0)
            firstNs.store(now);
        lastNs.store(now);
        const bool sound = std::any_of(out, out + frames, [](int16_t s) { return s != 0; });
        const int watching = watch.load();
        if ((watching == ForTone && sound) || (watching == ForSilence && !sound)) {
            seenNs.store(now);
            watch.store(Idle);
        }
    }
    void waitIdle() const {
        while (watch.load() != Idle)
            std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
};

// Runs `edges` presses and releases through `press`/`release` on a driver thread and returns
// the press latencies [ms].
template <class Press, class Release>
std::vector<double> measure(Probe& probe, int edges, Press press, Release release) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> pauseUs(0, 6000);
    std::vector<double> latencies;
    for (int i = 0; i < edges; ++i) {
        std::this_thread::sleep_for(std::chrono::microseconds(2000 + pauseUs(random)));
        probe.watch.store(ForTone);
        const int64_t handed = steadyNs();
        press();
        probe.waitIdle();
        latencies.push_back(double(probe.seenNs.load() - handed) / 1e6);
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
        probe.watch.store(ForSilence);
        release();
        probe.waitIdle();
    }
    return latencies;
}

void report(const char* source, const std::vector<double>& latencies) {
    std::printf("%-34s median %.2f ms, p99 %.2f ms, max %.2f ms over %zu edges\n", source,
                percentile(latencies, 0.5), percentile(latencies, 0.99), percentile(latencies, 1.0),
                latencies.size());
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int frames = argc > 1 ? std::atoi(argv[1]) : 256;
    const int edges = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1000;

    BenchPlatform platform(frames);
    Probe probe;
    platform.wave().mixer().setOnRendered(
        [&](const int16_t* out, int n) { probe.rendered(out, n); });
    TTessalForm form(platform);
    form.show();
    form.KeyerBtn->click();
    form.VKeyBtn->click();
    form.SoundSetUpBtn->click();
    form.ComDelayTime = 0;
    form.ApplyComDelay();
    if (platform.wave().fellBackToSilence()) {
        std::printf("no audio device: nothing to measure\n");
        return 1;
    }
    QWindow* window = form.windowHandle();
    auto ctrl = [window](QEvent::Type type) {
        QCoreApplication::postEvent(
            window, new QKeyEvent(type, Qt::Key_Control, Qt::NoModifier, 37, 0xffe3, 0));
    };

    // A key event made on another thread would create Qt's keyboard device there, away from its
    // parent, the application.
    QInputDevice::primaryKeyboard();
    std::vector<double> keyLatencies, lineLatencies;
    std::thread driver([&] {
        while (probe.callbacks.load() < 10)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        keyLatencies = measure(
            probe, edges, [&] { ctrl(QEvent::KeyPress); }, [&] { ctrl(QEvent::KeyRelease); });
        QMetaObject::invokeMethod(form.ComOpenBtn, [&] { form.ComOpenBtn->click(); });
        while (platform.serial().reads.load() < 100)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        lineLatencies = measure(
            probe, edges, [&] { platform.serial().setLines(MS_CTS_ON); },
            [&] { platform.serial().setLines(0); });
        // The click is dispatched inside the poll loop and ends it; then the program quits.
        QMetaObject::invokeMethod(form.ComOpenBtn, [&] {
            form.ComOpenBtn->click();
            QTimer::singleShot(0, qApp, &QApplication::quit);
        });
    });
    app.exec();
    driver.join();

    const double periodMs = double(probe.lastNs.load() - probe.firstNs.load()) / 1e6 /
                            double(std::max<int64_t>(1, probe.callbacks.load() - 1));
    const char* driverName = std::getenv("SDL_AUDIODRIVER");
    std::printf("key edge to first sidetone sample (SDL driver %s, %d-sample callback, "
                "measured period %.2f ms; target p99 <= %.2f ms)\n",
                driverName ? driverName : "default", platform.wave().callbackFrames(), periodMs,
                periodMs + 1.0);
    report("Left Ctrl key event posted:", keyLatencies);
    report("CTS change from the line thread:", lineLatencies);
    return 0;
}
