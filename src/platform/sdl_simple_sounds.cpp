#include "platform/sdl_simple_sounds.h"

#include "platform/event_loop.h"
#include "platform/sdl_wave_output.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessal {
namespace {

constexpr int kSampleRate = 44100; // [Hz]
constexpr double kBeepAmplitude = 12000;
constexpr int kFadeSamples = 132; // 3 ms

// Adds a tone to `out` from sample `from`: `partials` harmonics of `frequencyHz`, each weaker
// by `rolloff`, shaped by a fast attack and an exponential decay of `decayMs`.
void addTone(std::vector<int16_t>& out, std::size_t from, double frequencyHz, int durationMs,
             double amplitude, int partials, double rolloff, double decayMs) {
    const std::size_t count = std::size_t(kSampleRate) * std::size_t(durationMs) / 1000;
    if (out.size() < from + count)
        out.resize(from + count, 0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / kSampleRate;
        double value = 0;
        double weight = 1;
        for (int p = 1; p <= partials; ++p, weight *= rolloff)
            value += weight * std::sin(2 * std::numbers::pi * frequencyHz * p * t);
        const double attack = std::min(1.0, double(i) / kFadeSamples);
        const double release = std::min(1.0, double(count - i) / kFadeSamples);
        const double decay = std::exp(-t * 1000 / decayMs);
        const double mixed = out[from + i] + value * amplitude * attack * release * decay;
        out[from + i] = int16_t(std::clamp(std::lround(mixed), -32768L, 32767L));
    }
}

bool isChime(MessageSound sound) {
    return sound != MessageSound::Hand && sound != MessageSound::Exclamation;
}

} // namespace

std::vector<int16_t> beepSamples(int frequencyHz, int durationMs) {
    std::vector<int16_t> samples;
    if (durationMs > 0 && frequencyHz > 0)
        addTone(samples, 0, frequencyHz, durationMs, kBeepAmplitude, 1, 0, 1e12);
    return samples;
}

std::vector<int16_t> notificationSamples(MessageSound sound) {
    std::vector<int16_t> samples;
    if (isChime(sound)) {
        addTone(samples, 0, 1319, 90, 9000, 2, 0.25, 120);                                    // E6
        addTone(samples, std::size_t(kSampleRate) * 80 / 1000, 1760, 220, 9000, 2, 0.25, 90); // A6
    } else {
        addTone(samples, 0, 196, 110, 5000, 6, 0.7, 400); // G3, rough
        addTone(samples, std::size_t(kSampleRate) * 140 / 1000, 165, 150, 5000, 6, 0.7, 300); // E3
    }
    return samples;
}

SdlSimpleSounds::~SdlSimpleSounds() {
    closeNotifications(true);
}

void SdlSimpleSounds::beep(int frequencyHz, int durationMs) {
    closeNotifications(false);
    if (durationMs <= 0)
        return;
    const std::vector<int16_t> samples = beepSamples(frequencyHz, durationMs);
    if (samples.empty())
        loop_.sleep(durationMs);
    else
        playToEnd(wave_, loop_, samples);
    closeNotifications(false);
}

void SdlSimpleSounds::messageBeep(MessageSound sound) {
    closeNotifications(false);
    static const std::vector<int16_t> chime = notificationSamples(MessageSound::Asterisk);
    static const std::vector<int16_t> buzz = notificationSamples(MessageSound::Hand);
    const std::vector<int16_t>& samples = isChime(sound) ? chime : buzz;
    WaveHandle handle = 0;
    if (wave_.open(&handle, WaveFormat{}) != WaveResult::Ok)
        return;
    Notification& notification = notifications_.emplace_back();
    notification.handle = handle;
    notification.header.data = const_cast<int16_t*>(samples.data()); // copied by write
    notification.header.bufferBytes = uint32_t(samples.size() * sizeof(int16_t));
    wave_.prepare(handle, &notification.header);
    wave_.write(handle, &notification.header);
}

void SdlSimpleSounds::closeNotifications(bool stop) {
    std::erase_if(notifications_, [&](Notification& notification) {
        if (stop)
            wave_.reset(notification.handle);
        if (wave_.unprepare(notification.handle, &notification.header) == WaveResult::StillPlaying)
            return false;
        wave_.close(notification.handle);
        return true;
    });
}

} // namespace tessal
