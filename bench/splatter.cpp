// Key clicks as a spectrum: the trainer plays "PARIS PARIS" at 730 Hz (a tone none of the
// table's elements divide into whole cycles) at every speed on the simulated platform, and the
// power spectrum of the mixed tape (Welch: Hann windows of about 93 ms, half overlapping) is read
// 500 Hz and 1 kHz either side of the tone. Each figure is the mean power of the bins within
// 50 Hz of that offset, on both sides, relative to the tone's peak bin, in dB; the loudest bin
// of the band is printed too. Targets: at most -70 dB at 500 Hz and -85 dB at 1 kHz.
//
// Usage: bench_splatter [audio file ...]
// Each file (WAV, FLAC, Ogg, MP3: anything libsndfile reads; e.g. another CW generator's
// "PARIS PARIS" at 730 Hz) is measured the same way, at its own sample rate.
#include "listening/speed_table.h"
#include "sim_trainer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <numbers>
#include <sndfile.h>
#include <vector>

namespace {

constexpr double kToneHz = 730.0;

void fft(std::vector<std::complex<double>>& a) {
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> w = std::polar(1.0, -2 * std::numbers::pi / double(len));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> wk = 1;
            for (std::size_t k = 0; k < len / 2; ++k, wk *= w) {
                const auto u = a[i + k], v = a[i + k + len / 2] * wk;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

struct Splatter {
    double peakHz = 0;
    double mean500 = 0, loudest500 = 0, mean1000 = 0, loudest1000 = 0; // [dB] re peak
};

// Welch power spectrum with Hann windows of the power of two nearest 93 ms.
Splatter measure(const std::vector<double>& x, double rate) {
    std::size_t n = 1;
    while (double(n) < rate * 0.093 / std::sqrt(2.0))
        n <<= 1;
    std::vector<double> window(n), power(n / 2 + 1, 0.0);
    for (std::size_t i = 0; i < n; ++i)
        window[i] = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / double(n));
    std::vector<std::complex<double>> frame(n);
    for (std::size_t at = 0; at + n <= x.size(); at += n / 2) {
        for (std::size_t i = 0; i < n; ++i)
            frame[i] = x[at + i] * window[i];
        fft(frame);
        for (std::size_t k = 0; k <= n / 2; ++k)
            power[k] += std::norm(frame[k]);
    }
    const double binHz = rate / double(n);
    const auto peak = std::max_element(power.begin(), power.end());
    Splatter s;
    s.peakHz = double(peak - power.begin()) * binHz;
    auto band = [&](double offsetHz, double& mean, double& loudest) {
        double sum = 0, top = 0;
        int bins = 0;
        for (double side : {-1.0, 1.0}) {
            const double centre = kToneHz + side * offsetHz;
            for (std::size_t k = 0; k <= n / 2; ++k) {
                if (std::abs(double(k) * binHz - centre) > 50.0)
                    continue;
                sum += power[k];
                top = std::max(top, power[k]);
                ++bins;
            }
        }
        mean = 10 * std::log10(std::max(sum / bins, 1e-30) / *peak);
        loudest = 10 * std::log10(std::max(top, 1e-30) / *peak);
    };
    band(500.0, s.mean500, s.loudest500);
    band(1000.0, s.mean1000, s.loudest1000);
    return s;
}

void print(const char* what, const Splatter& s) {
    std::printf("%-28s peak %6.1f Hz | 500 Hz off: %7.1f dB (loudest bin %7.1f) | 1 kHz off: %7.1f "
                "dB (loudest bin %7.1f)\n",
                what, s.peakHz, s.mean500, s.loudest500, s.mean1000, s.loudest1000);
}

std::vector<double> trainerPlays(int speedIndex, const QString& text) {
    const std::vector<int16_t> tape = tessal::bench::simulatedTape(speedIndex, text, int(kToneHz));
    return std::vector<double>(tape.begin(), tape.end());
}

bool readFile(const char* path, std::vector<double>& samples, double& rate) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path, SFM_READ, &info);
    if (!file)
        return false;
    std::vector<double> frames(std::size_t(info.frames) * std::size_t(info.channels));
    sf_readf_double(file, frames.data(), info.frames);
    sf_close(file);
    samples.assign(std::size_t(info.frames), 0.0);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = frames[i * std::size_t(info.channels)]; // the first channel
    rate = info.samplerate;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList files;
    for (int i = 1; i < argc; ++i)
        files << QFileInfo(QString::fromLocal8Bit(argv[i])).absoluteFilePath();
    QDir::setCurrent(QStringLiteral(TESSAL_SOURCE_DIR));
    std::printf("\"PARIS PARIS\" at %.0f Hz; levels re the tone's peak bin\n", kToneHz);
    double worst500 = -1e9, worst1000 = -1e9;
    for (const tessal::SpeedRow& row : tessal::kSpeedRows) {
        const Splatter s = measure(trainerPlays(row.index, QStringLiteral("PARIS PARIS")), 44100);
        char what[64];
        std::snprintf(what, sizeof what, "trainer %2d WPM, 44100 Hz", row.wpm);
        print(what, s);
        worst500 = std::max(worst500, s.mean500);
        worst1000 = std::max(worst1000, s.mean1000);
    }
    std::printf("trainer worst: %.1f dB at 500 Hz (target <= -70), %.1f dB at 1 kHz (target <= "
                "-85)\n",
                worst500, worst1000);
    for (const QString& path : files) {
        std::vector<double> samples;
        double rate = 0;
        if (!readFile(qPrintable(path), samples, rate)) {
            std::printf("%s: cannot read (%s)\n", qPrintable(path), sf_strerror(nullptr));
            continue;
        }
        char what[64];
        std::snprintf(what, sizeof what, "file, %.0f Hz", rate);
        std::printf("%s\n", qPrintable(path));
        print(what, measure(samples, rate));
    }
    return worst500 <= -70 && worst1000 <= -85 ? 0 : 1;
}
