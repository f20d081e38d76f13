// How soon a key edge is heard: the time from overwriting the looped sidetone second with the
// tone (SidetoneOn) to the audio callback first handing out a non-zero sample of it.
// Usage: bench_sidetone_latency [callback frames] [switches]   (default 128, as the trainer, and
// 1000) SDL_AUDIODRIVER defaults to "dummy" here; set it to measure a real device.

#include "platform/sdl_wave_output.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

enum Watch : int { Idle, ForTone, ForSilence };

// What the audio callback saw; written on the audio thread.
struct Probe {
    std::atomic<int> watch{Idle};
    std::atomic<int64_t> toneSeenNs{0};
    std::atomic<int64_t> callbacks{0};
    std::atomic<int64_t> firstCallbackNs{0};
    std::atomic<int64_t> lastCallbackNs{0};

    void rendered(const int16_t* out, int frames) {
        const int64_t now = nowNs();
        if (callbacks.fetch_add(1) == 0)
            firstCallbackNs.store(now);
        lastCallbackNs.store(now);
        const bool sound = std::any_of(out, out + frames, [](int16_t s) { return s != 0; });
        const int watching = watch.load();
        if (watching == ForTone && sound) {
            toneSeenNs.store(now);
            watch.store(Idle);
        } else if (watching == ForSilence && !sound) {
            watch.store(Idle);
        }
    }
};

void waitIdle(const Probe& probe) {
    while (probe.watch.load() != Idle)
        std::this_thread::sleep_for(std::chrono::microseconds(50));
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const std::size_t index =
        std::min(values.size() - 1, std::size_t(std::ceil(p * double(values.size()))) - 1);
    return values[index];
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const int frames = argc > 1 ? std::atoi(argv[1]) : 128;
    const int switches = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1000;

    tessal::SdlWaveOutput wave({"", frames});
    wave.setLowLatency(true); // as the trainer asks while the keyer's sound is on
    Probe probe;
    wave.mixer().setOnRendered([&](const int16_t* out, int n) { probe.rendered(out, n); });

    constexpr int kSecond = 44100;
    std::vector<int16_t> loop(kSecond, 0);
    std::vector<int16_t> tone(kSecond);
    for (int i = 0; i < kSecond; ++i)
        tone[std::size_t(i)] =
            int16_t(std::lround(std::sin(i * 2 * std::numbers::pi * 700 / kSecond) * 10000));
    const std::vector<int16_t> silence(kSecond, 0);

    tessal::WaveHandle handle = 0;
    if (wave.open(&handle, tessal::WaveFormat{}) != tessal::WaveResult::Ok ||
        wave.fellBackToSilence()) {
        std::printf("no audio device: nothing to measure\n");
        return 1;
    }
    tessal::WaveHeader header;
    header.data = loop.data();
    header.bufferBytes = uint32_t(loop.size() * sizeof(int16_t));
    header.flags = tessal::kWaveBeginLoop | tessal::kWaveEndLoop;
    header.loops = tessal::kWaveLoopForever;
    wave.prepare(handle, &header);
    wave.write(handle, &header);
    while (probe.callbacks.load() < 10)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));

    std::mt19937 random(12345);
    std::uniform_int_distribution<int> pauseUs(0, 4000);
    std::vector<double> latenciesMs;
    latenciesMs.reserve(std::size_t(switches));
    for (int i = 0; i < switches; ++i) {
        std::this_thread::sleep_for(std::chrono::microseconds(pauseUs(random))); // any phase
        probe.watch.store(ForTone);
        const int64_t written = nowNs();
        wave.overwriteLooped(&header, tone.data(), tone.size()); // SidetoneOn
        waitIdle(probe);
        latenciesMs.push_back(double(probe.toneSeenNs.load() - written) / 1e6);
        wave.overwriteLooped(&header, silence.data(), silence.size()); // SidetoneOff
        probe.watch.store(ForSilence);
        waitIdle(probe);
    }
    const double periodMs = double(probe.lastCallbackNs.load() - probe.firstCallbackNs.load()) /
                            1e6 / double(std::max<int64_t>(1, probe.callbacks.load() - 1));
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    std::printf("sidetone latency over %d switches (SDL driver %s, %d-sample callback): "
                "median %.2f ms, p99 %.2f ms, max %.2f ms\n",
                switches, driver ? driver : "default", wave.callbackFrames(),
                percentile(latenciesMs, 0.5), percentile(latenciesMs, 0.99),
                percentile(latenciesMs, 1.0));
    std::printf("callback period: nominal %.2f ms (%d samples at 44100 Hz), measured %.2f ms\n",
                1000.0 * wave.callbackFrames() / kSecond, wave.callbackFrames(), periodMs);
    wave.reset(handle);
    wave.unprepare(handle, &header);
    wave.close(handle);
    return 0;
}
