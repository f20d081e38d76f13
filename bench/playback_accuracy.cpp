// Onset accuracy under load: plays a 20-character text through the trainer on the production
// platform at every speed while two CPU hogs keep both cores busy, and finds each element's
// first sample in the mixed output stream, counted in samples as the audio callback hands them
// out. Each character's first sample is among them. The onsets are compared with those of the
// simulated trainer's tape for the same text: the largest deviation of an onset relative to the
// first, in ms. Also printed: the stream's rate by the steady clock (a driver whose clock is not
// true, such as SDL's dummy, makes the stream figures meaningless), the callbacks that came late
// enough to let the device run dry, how often the output re-anchored its timeline, and the CPU
// the trainer used. With a PulseAudio server's debug log, the underruns the server itself saw in
// each run: the ground truth, for the server may run dry while every callback keeps its pace.
//
// Usage: bench_playback_accuracy [--quiet] [--keyer] [--rounds N] [--frames N]
//                                [--pulse-log FILE] [text]
//   --quiet: no CPU hogs; --keyer: as with the keyer's sound on (the short period);
//   --rounds: plays every speed N times (default 2); --frames: the callback period asked for
//   (default the trainer's); --pulse-log: the server's log file (--log-level=debug; default
//   $TESSAL_PULSE_LOG)
// SDL_AUDIODRIVER selects the device (e.g. pulseaudio on a null sink, which
// bench/with_pulse_null_sink.sh brings up); target: at most 0.1 ms and no underrun.
#include "listening/speed_table.h"
#include "platform/qt_platform.h"
#include "sim_trainer.h"

#include <QApplication>
#include <QDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <sched.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRate = 44100;
// An onset is a non-zero sample after at least this many zero ones (far less than any gap).
constexpr int kQuietRun = 32;

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Finds onsets in a stream fed block by block. The audio thread feeds; another thread reads
// the onsets published so far.
class OnsetFinder {
public:
    explicit OnsetFinder(std::size_t capacity = 1 << 20) : onsets_(capacity) {}

    void feed(const int16_t* samples, int count) {
        for (int i = 0; i < count; ++i, ++index_) {
            if (samples[i] == 0) {
                ++zeros_;
                continue;
            }
            const std::size_t n = published_.load(std::memory_order_relaxed);
            if (zeros_ >= kQuietRun && n < onsets_.size()) {
                onsets_[n] = index_;
                published_.store(n + 1, std::memory_order_release);
            }
            zeros_ = 0;
        }
        samplesSeen_.store(index_, std::memory_order_release);
    }
    std::size_t count() const { return published_.load(std::memory_order_acquire); }
    std::vector<int64_t> since(std::size_t first) const {
        const std::size_t n = count();
        return std::vector<int64_t>(onsets_.begin() + long(first), onsets_.begin() + long(n));
    }
    int64_t samplesSeen() const { return samplesSeen_.load(std::memory_order_acquire); }

private:
    std::vector<int64_t> onsets_;
    std::atomic<std::size_t> published_{0};
    std::atomic<int64_t> samplesSeen_{0};
    int64_t index_ = 0;
    int64_t zeros_ = kQuietRun;
};

std::vector<int64_t> onsetsOf(const std::vector<int16_t>& stream) {
    OnsetFinder finder(stream.size() / kQuietRun + 1);
    finder.feed(stream.data(), int(stream.size()));
    return finder.since(0);
}

// Processes that spin on a core each, at normal priority whatever the bench runs at; killed
// when this ends.
class CpuHogs {
public:
    explicit CpuHogs(int count) {
        for (int i = 0; i < count; ++i) {
            const pid_t pid = fork();
            if (pid == 0) {
                sched_param normal{};
                sched_setscheduler(0, SCHED_OTHER, &normal);
                volatile unsigned long spin = 0;
                for (;;)
                    spin = spin + 1;
            }
            if (pid > 0)
                pids_.push_back(pid);
        }
    }
    ~CpuHogs() {
        for (const pid_t pid : pids_) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    CpuHogs(const CpuHogs&) = delete;
    CpuHogs& operator=(const CpuHogs&) = delete;
    std::size_t running() const { return pids_.size(); }

private:
    std::vector<pid_t> pids_;
};

void waitFor(const std::function<bool()>& done, int timeoutMs) {
    for (int ms = 0; ms < timeoutMs && !done(); ++ms)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

// Underruns in what a PulseAudio server appends to its debug log from now on.
class ServerLog {
public:
    explicit ServerLog(std::string path) : path_(std::move(path)) { underrunsSinceLast(); }
    bool enabled() const { return !path_.empty(); }
    int underrunsSinceLast() {
        if (path_.empty())
            return 0;
        std::FILE* file = std::fopen(path_.c_str(), "rb");
        if (!file)
            return 0;
        std::fseek(file, 0, SEEK_END);
        const long end = std::ftell(file);
        std::fseek(file, offset_ <= end ? offset_ : 0, SEEK_SET);
        int underruns = 0;
        char line[1024];
        while (std::fgets(line, sizeof line, file)) {
            // "Implicit underrun of 'stream'" and "Underrun on 'stream', n bytes in queue."
            if (std::strstr(line, "underrun of '") || std::strstr(line, "Underrun on '"))
                ++underruns;
        }
        offset_ = std::ftell(file);
        std::fclose(file);
        return underruns;
    }

private:
    std::string path_;
    long offset_ = 0;
};

double deviationMs(const std::vector<int64_t>& heard, const std::vector<int64_t>& ideal) {
    int64_t largest = 0;
    for (std::size_t i = 0; i < heard.size(); ++i)
        largest = std::max(largest, std::abs((heard[i] - heard[0]) - (ideal[i] - ideal[0])));
    return double(largest) * 1000.0 / kRate;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    bool quiet = false;
    bool keyer = false;
    std::string pulseLog = qEnvironmentVariable("TESSAL_PULSE_LOG").toStdString();
    int rounds = 2;
    tessal::SdlWaveOutput::Options audio;
    QString text = QStringLiteral("CQ CQ DE QX0ZZZ TEST");
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quiet") == 0)
            quiet = true;
        else if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--keyer") == 0)
            keyer = true;
        else if (std::strcmp(argv[i], "--pulse-log") == 0 && i + 1 < argc)
            pulseLog = argv[++i];
        else if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc)
            audio.callbackFrames = audio.listeningFrames = std::max(16, std::atoi(argv[++i]));
        else
            text = QString::fromLocal8Bit(argv[i]);
    }
    QApplication app(argc, argv);
    QDir::setCurrent(QStringLiteral(TESSAL_SOURCE_DIR));

    tessal::QtPlatform platform(audio);
    tessal::SdlWaveOutput& wave = platform.wave();
    wave.setLowLatency(keyer);
    auto finder = std::make_unique<OnsetFinder>();
    // Set before the device opens (with the first play).
    wave.mixer().setOnRendered([&](const int16_t* out, int n) { finder->feed(out, n); });
    tessal::TTessalForm form(platform);
    form.SpeedSelect(6);
    tessal::bench::playText(form, platform.loop(), QStringLiteral("E"));
    // A sound server may hold a new stream back for a while; measure once it runs.
    const int64_t started = finder->samplesSeen();
    waitFor([&] { return finder->samplesSeen() - started > kRate; }, 10000);
    if (wave.fellBackToSilence()) {
        std::printf("no audio device: set SDL_AUDIODRIVER (pulseaudio, dummy, ...)\n");
        return 1;
    }
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    std::printf("text \"%s\" (%lld characters), SDL driver %s, callback %d samples, lead %.1f "
                "ms, %s\n",
                qPrintable(text), static_cast<long long>(text.size()), driver ? driver : "default",
                wave.callbackFrames(), 1000.0 * double(wave.sampleClock().lead()) / kRate,
                quiet ? "no CPU hogs" : "two CPU hogs running");

    ServerLog serverLog(pulseLog);
    int serverUnderruns = 0;
    const CpuHogs hogs(quiet ? 0 : 2);
    double worstMs = 0.0;
    int incomplete = 0; // runs in which onsets were lost or added
    const int lateBefore = wave.lateCallbacks();
    const int anchorsBefore = wave.sampleClock().anchors();
    for (int round = 0; round < rounds; ++round) {
        for (const tessal::SpeedRow& row : tessal::kSpeedRows) {
            form.SpeedSelect(row.index);
            const std::size_t first = finder->count();
            const int64_t samplesBefore = finder->samplesSeen();
            const int anchors = wave.sampleClock().anchors();
            const int lateInRunBefore = wave.lateCallbacks();
            const int periodInRun = wave.callbackFrames();
            const double cpuBefore = cpuSeconds();
            const auto start = std::chrono::steady_clock::now();
            tessal::bench::playText(form, platform.loop(), text);
            const double wall =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const double cpu = cpuSeconds() - cpuBefore;
            const int64_t samplesPlayed = finder->samplesSeen() - samplesBefore;
            const std::vector<int64_t> ideal =
                onsetsOf(tessal::bench::simulatedTape(row.index, text));
            // The stream sounds a lead behind the trainer's clock, more when the device lags.
            waitFor([&] { return finder->count() >= first + ideal.size(); }, 5000);
            std::this_thread::sleep_for(std::chrono::milliseconds(50)); // nothing more comes
            const std::vector<int64_t> heard = finder->since(first);
            const double rateHz = double(samplesPlayed) / wall;
            const int underruns = serverLog.underrunsSinceLast();
            serverUnderruns += underruns;
            if (heard.size() != ideal.size() || heard.empty()) {
                std::printf("%2d WPM: %zu onsets heard, %zu on the simulated tape\n", row.wpm,
                            heard.size(), ideal.size());
                for (std::size_t i = 0; i < std::max(heard.size(), ideal.size()); ++i)
                    std::printf(
                        "  %zu: heard %.3f ms, simulated %.3f ms\n", i,
                        i < heard.size() ? double(heard[i] - heard[0]) * 1000.0 / kRate : -1.0,
                        i < ideal.size() ? double(ideal[i] - ideal[0]) * 1000.0 / kRate : -1.0);
                ++incomplete;
                continue;
            }
            if (qEnvironmentVariableIsSet("TESSAL_BENCH_VERBOSE")) {
                for (std::size_t i = 0; i < heard.size(); ++i)
                    std::printf("  %zu: heard %.3f ms, simulated %.3f ms\n", i,
                                double(heard[i] - heard[0]) * 1000.0 / kRate,
                                double(ideal[i] - ideal[0]) * 1000.0 / kRate);
            }
            const double largestMs = deviationMs(heard, ideal);
            worstMs = std::max(worstMs, largestMs);
            std::printf("%2d WPM: %3zu onsets, largest deviation %.3f ms; stream %.0f Hz by the "
                        "steady clock; %d re-anchors; %d late callbacks at %d samples%s; CPU %.2f "
                        "%% of one core over %.1f s\n",
                        row.wpm, heard.size(), largestMs, rateHz,
                        wave.sampleClock().anchors() - anchors,
                        wave.lateCallbacks() - lateInRunBefore, periodInRun,
                        serverLog.enabled()
                            ? qPrintable(QStringLiteral("; %1 server underruns").arg(underruns))
                            : "",
                        100.0 * cpu / wall, wall);
        }
    }
    const int late = wave.lateCallbacks() - lateBefore;
    std::printf("largest deviation at any speed: %.3f ms (target: at most 0.1 ms) over %d runs, "
                "%d more with onsets lost; late callbacks (device run dry): %d; re-anchors: %d; "
                "callback now %d samples; %zu CPU hogs\n",
                worstMs, rounds * int(std::size(tessal::kSpeedRows)) - incomplete, incomplete, late,
                wave.sampleClock().anchors() - anchorsBefore, wave.callbackFrames(),
                hogs.running());
    if (serverLog.enabled())
        std::printf("underruns the sound server saw in all runs: %d (target: none)\n",
                    serverUnderruns);
    return incomplete == 0 && worstMs <= 0.1 && late == 0 && serverUnderruns == 0 ? 0 : 1;
}
