#include "render/resampler.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace tessal {
namespace {

// Coefficients are fixed point with this many fraction bits; with the filter's gain the sums
// of 48 products of 16-bit samples stay far inside 32 bits.
constexpr int kFractionBits = 14;
// Larger phase counts would make the table large; the usual rates need at most 160.
constexpr int kMostPhases = 512;
// Kaiser window shape: about 50 dB of stop band, more than the tones' own splatter needs.
constexpr double kKaiserBeta = 5.0;
// The pass band ends a little below the lower Nyquist frequency.
constexpr double kCutoffShare = 0.45;

double sinc(double x) {
    return x == 0.0 ? 1.0 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
}

} // namespace

bool Resampler::supports(int inRate, int outRate) {
    if (inRate <= 0 || outRate <= 0)
        return false;
    return outRate / std::gcd(inRate, outRate) <= kMostPhases;
}

Resampler::Resampler(int inRate, int outRate) {
    const int common = std::gcd(inRate, outRate);
    up_ = outRate / common;
    down_ = inRate / common;
    const int length = kTaps * up_;
    delay_ = (length - 1) / 2;
    // The cutoff in cycles per sample of the up-sampled stream.
    const double cutoff = kCutoffShare * std::min(inRate, outRate) / (double(up_) * inRate);
    const double windowNorm = std::cyl_bessel_i(0.0, kKaiserBeta);
    coefficients_.resize(std::size_t(length));
    std::vector<double> phase(kTaps);
    for (int p = 0; p < up_; ++p) {
        // Input order: tap t multiplies the sample kTaps - 1 - t steps before the newest one.
        double sum = 0.0;
        for (int t = 0; t < kTaps; ++t) {
            const int k = p + (kTaps - 1 - t) * up_;
            const double edge = 2.0 * k / (length - 1) - 1.0;
            const double window =
                std::cyl_bessel_i(0.0, kKaiserBeta * std::sqrt(std::max(0.0, 1.0 - edge * edge))) /
                windowNorm;
            phase[std::size_t(t)] = 2.0 * cutoff * sinc(2.0 * cutoff * (k - delay_)) * window;
            sum += phase[std::size_t(t)];
        }
        // Every phase passes a constant level unchanged.
        for (int t = 0; t < kTaps; ++t)
            coefficients_[std::size_t(p * kTaps + t)] =
                int16_t(std::lround(phase[std::size_t(t)] / sum * (1 << kFractionBits)));
    }
    history_.assign(kTaps - 1, 0);
    lastSound_.assign(kTaps - 1, -kTaps);
    historyStart_ = -(kTaps - 1);
}

int64_t Resampler::consumable(int64_t available) const {
    // Output m needs the input up to (m * down + delay) / up.
    const int64_t highest = available * up_ - 1 - delay_;
    return highest < 0 ? 0 : highest / down_ + 1;
}

void Resampler::push(std::span<const int16_t> in, std::vector<int16_t>& out) {
    int64_t last = lastSound_.back();
    for (int16_t sample : in) {
        const int64_t index = historyStart_ + int64_t(history_.size());
        if (sample != 0)
            last = index;
        history_.push_back(sample);
        lastSound_.push_back(last);
    }
    received_ += int64_t(in.size());
    produce(consumable(received_), out);
}

void Resampler::finish(std::vector<int16_t>& out) {
    const int64_t total = received_ * up_ / down_;
    const int64_t last = lastSound_.back();
    const std::size_t tail = std::size_t(kTaps + delay_ / up_ + 1);
    history_.insert(history_.end(), tail, 0);
    lastSound_.insert(lastSound_.end(), tail, last);
    produce(total, out);
}

void Resampler::produce(int64_t upTo, std::vector<int16_t>& out) {
    for (; produced_ < upTo; ++produced_) {
        const int64_t position = produced_ * down_ + delay_;
        const int64_t newest = position / up_;
        const int64_t oldest = newest - (kTaps - 1);
        if (lastSound_[std::size_t(newest - historyStart_)] < oldest) {
            out.push_back(0);
            continue;
        }
        const int16_t* x = history_.data() + (oldest - historyStart_);
        const int16_t* c = coefficients_.data() + (position % up_) * kTaps;
        int32_t sum = 0;
        for (int t = 0; t < kTaps; ++t)
            sum += int32_t(x[t]) * c[t];
        const int32_t rounded = (sum + (1 << (kFractionBits - 1))) >> kFractionBits;
        out.push_back(int16_t(std::clamp(rounded, -32768, 32767)));
    }
    // Keep only what the next outputs can still reach.
    const int64_t keepFrom = (produced_ * down_ + delay_) / up_ - (kTaps - 1);
    const int64_t drop = keepFrom - historyStart_;
    if (drop > 16384) {
        history_.erase(history_.begin(), history_.begin() + drop);
        lastSound_.erase(lastSound_.begin(), lastSound_.begin() + drop);
        historyStart_ = keepFrom;
    }
}

} // namespace tessal
