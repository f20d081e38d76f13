// Plays a 20-character text through the trainer on the production platform (SDL's dummy driver
// unless SDL_AUDIODRIVER says otherwise) at every speed, takes the moment each character's
// buffer is handed to the output (its onset; the output adds a constant latency), and compares
// the rhythm with what the simulated clock gives for the same text: the largest deviation of an
// onset, relative to the first one, in ms. Also prints the CPU the process used while the queue
// played. (The dummy driver's sample clock runs off real time, so the mixed stream itself is no
// measure of timing there.)
//
// Usage: bench_playback_accuracy [text]
#include "app/tessal_form.h"
#include "listening/speed_table.h"
#include "platform/qt_platform.h"
#include "platform/sim_platform.h"
#include "platform/tape.h"
#include "platform/wave_output.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The production platform with a wave output that notes when each buffer is written.
class RecordingWave : public tessal::WaveOutput {
public:
    explicit RecordingWave(tessal::WaveOutput& inner) : inner_(inner) {}
    std::vector<int64_t> writesUs;

    tessal::WaveResult open(tessal::WaveHandle* h, const tessal::WaveFormat& f) override {
        return inner_.open(h, f);
    }
    tessal::WaveResult prepare(tessal::WaveHandle h, tessal::WaveHeader* w) override {
        return inner_.prepare(h, w);
    }
    tessal::WaveResult write(tessal::WaveHandle h, tessal::WaveHeader* w) override {
        writesUs.push_back(std::chrono::duration_cast<std::chrono::microseconds>(
                               std::chrono::steady_clock::now().time_since_epoch())
                               .count());
        return inner_.write(h, w);
    }
    tessal::WaveResult unprepare(tessal::WaveHandle h, tessal::WaveHeader* w) override {
        return inner_.unprepare(h, w);
    }
    tessal::WaveResult reset(tessal::WaveHandle h) override { return inner_.reset(h); }
    tessal::WaveResult pause(tessal::WaveHandle h) override { return inner_.pause(h); }
    tessal::WaveResult close(tessal::WaveHandle h) override { return inner_.close(h); }
    tessal::WaveResult setVolume(tessal::WaveHandle h, uint32_t v) override {
        return inner_.setVolume(h, v);
    }
    void overwriteLooped(tessal::WaveHeader* w, const int16_t* s, std::size_t n) override {
        inner_.overwriteLooped(w, s, n);
    }

private:
    tessal::WaveOutput& inner_;
};

class BenchPlatform : public tessal::Platform {
public:
    tessal::QtPlatform real;
    RecordingWave recording{real.wave()};

    tessal::EventLoop& loop() override { return real.loop(); }
    tessal::WaveOutput& wave() override { return recording; }
    tessal::SerialPorts& serial() override { return real.serial(); }
    tessal::Speech& speech() override { return real.speech(); }
    tessal::SimpleSounds& sounds() override { return real.sounds(); }
    tessal::Dialogs& dialogs() override { return real.dialogs(); }
    QString executablePath() override { return real.executablePath(); }
    QString workingDirectory() override { return real.workingDirectory(); }
};

void play(tessal::TTessalForm& form, tessal::EventLoop& loop, const QString& text) {
    form.QTypeMode = 2; // plain playback, nothing follows
    form.RUNFlag = -1;
    form.PlayText(text);
    while (form.RUNFlag != 0)
        loop.processMessages();
}

// Start times [us] of the characters' buffers on the simulated tape.
std::vector<int64_t> simulatedOnsets(int speedIndex, const QString& text) {
    QTemporaryDir dir;
    tessal::SimPlatform sim;
    sim.setExecutablePath(dir.filePath(QStringLiteral("tessal")));
    sim.setWorkingDirectory(QStringLiteral(TESSAL_SOURCE_DIR));
    tessal::TTessalForm form(sim);
    form.SpeedSelect(speedIndex);
    play(form, sim.loop(), text);
    std::vector<int64_t> starts;
    for (const tessal::Tape::Voice& voice : sim.wave().tape().voices())
        starts.push_back(voice.startUs);
    return starts;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    const QString text =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("CQ CQ DE QX0ZZZ TEST");
    QDir::setCurrent(QStringLiteral(TESSAL_SOURCE_DIR));

    BenchPlatform platform;
    tessal::TTessalForm form(platform);
    // The device opens with the first play.
    form.SpeedSelect(6);
    play(form, platform.loop(), QStringLiteral("E"));
    if (platform.real.wave().fellBackToSilence()) {
        std::printf("no audio device: set SDL_AUDIODRIVER=dummy\n");
        return 1;
    }

    std::printf("text \"%s\" (%lld characters), callback %d samples\n", qPrintable(text),
                static_cast<long long>(text.size()), platform.real.wave().callbackFrames());
    double worstMs = 0.0;
    for (const tessal::SpeedRow& row : tessal::kSpeedRows) {
        form.SpeedSelect(row.index);
        platform.recording.writesUs.clear();
        const double cpuBefore = cpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        play(form, platform.loop(), text);
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double cpu = cpuSeconds() - cpuBefore;
        const std::vector<int64_t> real = platform.recording.writesUs;
        const std::vector<int64_t> ideal = simulatedOnsets(row.index, text);
        if (real.size() != ideal.size() || real.empty()) {
            std::printf("%2d WPM: %zu characters played, %zu expected\n", row.wpm, real.size(),
                        ideal.size());
            return 1;
        }
        if (qEnvironmentVariableIsSet("TESSAL_BENCH_VERBOSE")) {
            for (std::size_t i = 0; i < real.size(); ++i)
                std::printf("  %zu: played %.1f ms, simulated %.1f ms\n", i,
                            double(real[i] - real[0]) / 1000.0,
                            double(ideal[i] - ideal[0]) / 1000.0);
        }
        double largestMs = 0.0;
        for (std::size_t i = 0; i < real.size(); ++i) {
            const int64_t deviation = (real[i] - real[0]) - (ideal[i] - ideal[0]);
            largestMs = std::max(largestMs, std::abs(double(deviation)) / 1000.0);
        }
        worstMs = std::max(worstMs, largestMs);
        std::printf("%2d WPM: %3zu character onsets, largest deviation %.3f ms; CPU %.2f %% of one "
                    "core over %.1f s\n",
                    row.wpm, real.size(), largestMs, 100.0 * cpu / wall, wall);
    }
    std::printf("largest deviation at any speed: %.3f ms (target: at most 3 ms)\n", worstMs);
    return 0;
}
