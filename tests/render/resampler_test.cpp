#include "render/resampler.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace tessal;

namespace {

std::vector<int16_t> sine(int rate, double hz, int amplitude, int64_t count) {
    std::vector<int16_t> out(static_cast<std::size_t>(count));
    for (int64_t i = 0; i < count; ++i)
        out[std::size_t(i)] =
            int16_t(std::lround(amplitude * std::sin(2.0 * std::numbers::pi * hz * i / rate)));
    return out;
}

// Feeds the input in uneven pieces, as the renderer does.
std::vector<int16_t> convert(int inRate, int outRate, const std::vector<int16_t>& in) {
    Resampler resampler(inRate, outRate);
    std::vector<int16_t> out;
    std::size_t at = 0;
    for (std::size_t piece = 1; at < in.size(); piece = piece * 3 + 7) {
        const std::size_t n = std::min(piece, in.size() - at);
        resampler.push(std::span(in).subspan(at, n), out);
        at += n;
    }
    resampler.finish(out);
    return out;
}

int peakOf(const std::vector<int16_t>& samples, std::size_t from, std::size_t to) {
    int peak = 0;
    for (std::size_t i = from; i < to; ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    return peak;
}

int risingZeroCrossings(const std::vector<int16_t>& samples, std::size_t from, std::size_t to) {
    int count = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        count += samples[i - 1] < 0 && samples[i] >= 0;
    return count;
}

} // namespace

TEST(Resampler, KeepsToneLevelPitchAndLengthAtEveryFileRate) {
    const int64_t inCount = 44100; // one second of 700 Hz
    const std::vector<int16_t> tone = sine(44100, 700.0, 20000, inCount);
    for (int rate : {8000, 11025, 12000, 16000, 22050, 24000, 32000, 48000}) {
        const std::vector<int16_t> out = convert(44100, rate, tone);
        ASSERT_EQ(int64_t(out.size()), inCount * rate / 44100) << rate;
        // The middle half, away from the filter's start and end.
        const std::size_t from = out.size() / 4;
        const std::size_t to = 3 * out.size() / 4;
        EXPECT_NEAR(peakOf(out, from, to), 20000, 200) << rate;
        EXPECT_NEAR(risingZeroCrossings(out, from, to), 350, 1) << rate;
    }
}

TEST(Resampler, StopsWhatTheLowerRateCannotCarry) {
    // 9 kHz lies above 11025 Hz's Nyquist frequency; passed on it would alias to 2 kHz.
    const std::vector<int16_t> high = sine(44100, 9000.0, 20000, 44100);
    const std::vector<int16_t> out = convert(44100, 11025, high);
    EXPECT_LT(peakOf(out, 100, out.size() - 100), 200) << "at least 40 dB down";
}

TEST(Resampler, SilenceStaysExactlySilentAndToneStartsOnTime) {
    std::vector<int16_t> in(44100, 0);
    const std::vector<int16_t> burst = sine(44100, 700.0, 20000, 4410);
    std::copy(burst.begin(), burst.end(), in.begin() + 22050);
    const std::vector<int16_t> out = convert(44100, 11025, in);
    // The burst starts at 0.5 s, sample 5512 of the output; the filter spreads it by a few
    // samples at most, and everything far from it is exactly zero.
    const auto first = std::find_if(out.begin(), out.end(), [](int16_t s) { return s != 0; });
    ASSERT_NE(first, out.end());
    EXPECT_NEAR(first - out.begin(), 5512, Resampler::kTaps / 8 + 1);
    EXPECT_TRUE(std::all_of(out.begin(), out.begin() + 5000, [](int16_t s) { return s == 0; }));
    EXPECT_TRUE(std::all_of(out.begin() + 7000, out.end(), [](int16_t s) { return s == 0; }));
}
