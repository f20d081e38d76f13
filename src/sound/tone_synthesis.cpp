#include "sound/tone_synthesis.h"

#include "sound/edge_shape.h"

#include <cmath>
#include <numbers>

namespace tessal {
namespace {

// Round half to even without depending on the floating-point environment's rounding mode.
double roundHalfEven(double x) {
    const double floorX = std::floor(x);
    const double diff = x - floorX;
    if (diff < 0.5)
        return floorX;
    if (diff > 0.5)
        return floorX + 1.0;
    return std::fmod(floorX, 2.0) == 0.0 ? floorX : floorX + 1.0;
}

void appendSilence(std::vector<int16_t>& out, int64_t count) {
    out.insert(out.end(), static_cast<std::size_t>(std::max<int64_t>(count, 0)), int16_t{0});
}

} // namespace

int16_t sampleFromValue(double value) {
    const double rounded = roundHalfEven(value);
    if (rounded > 32767.0)
        return 32767;
    if (rounded < -32768.0)
        return -32768;
    return static_cast<int16_t>(rounded);
}

namespace {

double sineValue(int64_t i, int frequencyHz, int amplitude) {
    return std::sin(double(i) * 2.0 * std::numbers::pi * frequencyHz / kSampleRate) * amplitude;
}

} // namespace

void appendSine(std::vector<int16_t>& out, int64_t count, int frequencyHz, int amplitude) {
    out.reserve(out.size() + static_cast<std::size_t>(std::max<int64_t>(count, 0)));
    for (int64_t i = 0; i < count; ++i)
        out.push_back(sampleFromValue(sineValue(i, frequencyHz, amplitude)));
}

void appendShapedTone(std::vector<int16_t>& out, int64_t count, int frequencyHz, int amplitude) {
    out.reserve(out.size() + static_cast<std::size_t>(std::max<int64_t>(count, 0)));
    const int64_t ramp = edgeRampSamples(count);
    for (int64_t i = 0; i < count; ++i) {
        const double gain = edgeGain(std::min(i, count - 1 - i), ramp);
        out.push_back(sampleFromValue(sineValue(i, frequencyHz, amplitude) * gain));
    }
}

int64_t synthesizeListenTones(std::vector<int16_t>& out, const QString& tones, int frequencyHz,
                              int amplitude, int dotMs, int dashMs) {
    if (tones.isEmpty())
        return 0;
    out.clear();
    const int64_t gap = samplesForMs(dotMs);
    int64_t durationMs = 0;
    for (QChar c : tones) {
        const int lengthMs = c == u'S' ? dotMs : dashMs;
        appendShapedTone(out, samplesForMs(lengthMs), frequencyHz, amplitude);
        appendSilence(out, gap);
        durationMs += lengthMs + dotMs;
    }
    return durationMs + dotMs;
}

int64_t synthesizeKeyerTones(std::vector<int16_t>& out, const QString& tones, int frequencyHz,
                             int amplitude, int dotMs, int dashMs) {
    if (tones.isEmpty())
        return 0;
    out.clear();
    const int64_t gap = samplesForMs(2 * int64_t(dotMs));
    int64_t durationMs = 0;
    for (QChar c : tones) {
        const int lengthMs = c == u'S' ? dotMs : dashMs;
        if (c == u' ')
            appendSilence(out, samplesForMs(lengthMs));
        else
            appendShapedTone(out, samplesForMs(lengthMs), frequencyHz, amplitude);
        appendSilence(out, gap);
        durationMs += lengthMs + 2 * int64_t(dotMs);
    }
    return durationMs + dotMs;
}

} // namespace tessal
