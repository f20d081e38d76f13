#include "sound/tone_synthesis.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace tessal;

namespace {

// Independent reference: std::nearbyint rounds half to even in the default environment.
int16_t referenceSample(int64_t i, int f, int a) {
    return int16_t(std::nearbyint(std::sin(double(i) * 2.0 * std::numbers::pi * f / 44100.0) * a));
}

// The same sample inside a keyed element of `n` samples: a raised cosine over the first and last
// min(220, n / 4) samples (5 ms, or a quarter of a short element).
int16_t referenceShaped(int64_t i, int64_t n, int f, int a) {
    const int64_t ramp = std::min<int64_t>(220, n / 4);
    const int64_t fromEdge = std::min(i, n - 1 - i);
    const double gain =
        fromEdge >= ramp ? 1.0 : (1.0 - std::cos(std::numbers::pi * double(fromEdge) / ramp)) / 2;
    return int16_t(
        std::nearbyint(std::sin(double(i) * 2.0 * std::numbers::pi * f / 44100.0) * a * gain));
}

struct ToneRun {
    bool sound;
    int64_t samples;
};

} // namespace

TEST(ToneSynthesis, SampleCountIsFloorOfMilliseconds) {
    const std::vector<std::pair<int64_t, int64_t>> cases = {
        {1, 44}, {100, 4410}, {0, 0}, {3, 132}, {70, 3087}, {120, 5292}, {999, 44055}};
    for (auto [ms, samples] : cases)
        EXPECT_EQ(samplesForMs(ms), samples) << ms << " ms";
}

TEST(ToneSynthesis, SineMatchesTheReferenceAndStartsAtZeroRising) {
    for (int f : {700, 1000, 1500}) {
        for (int a : {3000, 15000, 30000}) {
            std::vector<int16_t> out;
            appendSine(out, 44100, f, a);
            ASSERT_EQ(out.size(), 44100u);
            EXPECT_EQ(out[0], 0);
            EXPECT_GT(out[1], 0);
            for (int64_t i = 0; i < 44100; ++i)
                ASSERT_EQ(out[std::size_t(i)], referenceSample(i, f, a)) << f << " Hz, i=" << i;
        }
    }
}

TEST(ToneSynthesis, SampleValuesRoundHalfToEvenAndClamp) {
    const std::vector<std::pair<double, int16_t>> cases = {
        {2.5, 2},         {3.5, 4},           {-2.5, -2},       {-3.5, -4},        {0.5, 0},
        {1.5, 2},         {2.49, 2},          {2.51, 3},        {-0.4, 0},         {14999.5, 15000},
        {40000.0, 32767}, {-40000.0, -32768}, {32767.5, 32767}, {-32768.4, -32768}};
    for (auto [value, expected] : cases)
        EXPECT_EQ(sampleFromValue(value), expected) << value;
}

TEST(ToneSynthesis, ListenAndKeyerDurationsAndLayouts) {
    struct Case {
        const char* tones;
        bool keyer;
        int dot, dash;
        int64_t durationMs;
        std::vector<ToneRun> layout; // tone/silence runs in samples
    };
    const int64_t d120 = samplesForMs(120), d360 = samplesForMs(360), d240 = samplesForMs(240);
    const std::vector<Case> cases = {
        {"S", false, 120, 360, 360, {{true, d120}, {false, d120}}},
        {"S", true, 120, 360, 480, {{true, d120}, {false, d240}}},
        {"SL", false, 120, 360, 840, {{true, d120}, {false, d120}, {true, d360}, {false, d120}}},
        {"L L",
         false,
         120,
         360,
         1560,
         {{true, d360}, {false, d120}, {true, d360}, {false, d120}, {true, d360}, {false, d120}}},
        {"S S",
         true,
         120,
         360,
         1440,
         {{true, d120}, {false, d240 + d360 + d240}, {true, d120}, {false, d240}}},
        {"X", true, 120, 360, 720, {{true, d360}, {false, d240}}},
        {"", false, 120, 360, 0, {}},
        {"", true, 120, 360, 0, {}},
    };
    for (const Case& c : cases) {
        std::vector<int16_t> buffer{1, 2, 3};
        const std::vector<int16_t> before = buffer;
        const int64_t duration =
            c.keyer ? synthesizeKeyerTones(buffer, c.tones, 1000, 15000, c.dot, c.dash)
                    : synthesizeListenTones(buffer, c.tones, 1000, 15000, c.dot, c.dash);
        EXPECT_EQ(duration, c.durationMs) << c.tones << (c.keyer ? " keyer" : " listen");
        if (c.layout.empty()) {
            EXPECT_EQ(buffer, before) << "an empty tone string leaves the buffer alone";
            continue;
        }
        int64_t total = 0;
        for (const ToneRun& r : c.layout)
            total += r.samples;
        ASSERT_EQ(int64_t(buffer.size()), total) << c.tones;
        int64_t at = 0;
        for (const ToneRun& r : c.layout) {
            for (int64_t i = 0; i < r.samples; ++i) {
                const int16_t expected = r.sound ? referenceShaped(i, r.samples, 1000, 15000) : 0;
                ASSERT_EQ(buffer[std::size_t(at + i)], expected) << c.tones << " at " << at + i;
            }
            at += r.samples;
        }
    }
}

TEST(ToneSynthesis, LoudVolumesClampInsteadOfWrapping) {
    std::vector<int16_t> out;
    appendSine(out, 441, 1000, 300000);
    EXPECT_EQ(*std::max_element(out.begin(), out.end()), 32767);
    EXPECT_EQ(*std::min_element(out.begin(), out.end()), -32768);
    EXPECT_GT(out[1], 0);
}

TEST(ToneSynthesis, ElementsRiseAndFallAlongARaisedCosineInsideTheirLength) {
    // Element lengths [ms] around the 20 ms where the 5 ms ramp starts to shrink to a quarter.
    struct Case {
        int ms;
        int64_t rampSamples;
    };
    const std::vector<Case> cases = {{1, 11},   {10, 110}, {19, 209},
                                     {20, 220}, {34, 220}, {120, 220}};
    for (const Case& c : cases) {
        for (bool keyer : {false, true}) {
            std::vector<int16_t> out;
            if (keyer) {
                synthesizeKeyerTones(out, QStringLiteral("S"), 730, 15000, c.ms, 3 * c.ms);
            } else {
                synthesizeListenTones(out, QStringLiteral("S"), 730, 15000, c.ms, 3 * c.ms);
            }
            const int64_t n = samplesForMs(c.ms);
            ASSERT_EQ(int64_t(out.size()), n + samplesForMs(keyer ? 2 * c.ms : c.ms)) << c.ms;
            EXPECT_EQ(out[0], 0) << c.ms;
            EXPECT_EQ(out[std::size_t(n - 1)], 0) << c.ms << " ms ends at rest";
            for (int64_t i = 0; i < n; ++i) {
                ASSERT_EQ(out[std::size_t(i)], referenceShaped(i, n, 730, 15000))
                    << c.ms << " ms, i=" << i << (keyer ? " keyer" : " listen");
                if (i >= c.rampSamples && i < n - c.rampSamples) {
                    ASSERT_EQ(out[std::size_t(i)], referenceSample(i, 730, 15000)) << c.ms;
                }
            }
            // Just inside the ramps the tone is quieter than the bare sine, never louder.
            for (int64_t i : {c.rampSamples / 2, n - 1 - c.rampSamples / 2})
                EXPECT_LT(std::abs(out[std::size_t(i)]),
                          std::abs(referenceSample(i, 730, 15000)) * 0.6 + 1)
                    << c.ms << " ms, i=" << i;
        }
    }
}
