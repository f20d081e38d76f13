#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace tessal {

inline constexpr int kSampleRate = 44100;

// floor(44100 * ms / 1000): the sample count of `ms` milliseconds.
inline int64_t samplesForMs(int64_t ms) {
    return kSampleRate * ms / 1000;
}

// A synthesized value as a 16-bit sample: rounded half to even, clamped to the sample range.
int16_t sampleFromValue(double value);

// round(sin(i * 2pi * f / 44100) * A), rounding half to even, for i = 0 .. count-1.
void appendSine(std::vector<int16_t>& out, int64_t count, int frequencyHz, int amplitude);

// One keyed element: the sine of appendSine with a raised-cosine rise over its first
// edgeRampSamples(count) samples and the mirrored fall over its last ones; the samples between
// are appendSine's.
void appendShapedTone(std::vector<int16_t>& out, int64_t count, int frequencyHz, int amplitude);

// Synthesizes a tone string ("S" dot, anything else a dash-long tone; elements one dot apart).
// Every element is shaped (appendShapedTone) inside its own length.
// Returns the duration in ms: the sum of (element + dot) plus one closing dot; 0 for "".
int64_t synthesizeListenTones(std::vector<int16_t>& out, const QString& tones, int frequencyHz,
                              int amplitude, int dotMs, int dashMs);

// Synthesizes a keyed string ("S" dot, "L" or other dash-long tone, space a dash-long silence;
// elements two dots apart). Returns sum of (element + 2 dots) plus one dot; 0 for "".
int64_t synthesizeKeyerTones(std::vector<int16_t>& out, const QString& tones, int frequencyHz,
                             int amplitude, int dotMs, int dashMs);

} // namespace tessal
