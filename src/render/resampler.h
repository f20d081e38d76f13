#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tessal {

// Converts 16-bit mono samples from one rate to another with a polyphase windowed-sinc filter
// (ratio out/in = up/down in lowest terms). Made for rates whose ratio has a small numerator,
// as between 44100 Hz and the usual file rates. Silence costs almost nothing.
class Resampler {
public:
    Resampler(int inRate, int outRate);

    // Appends to `out` every output sample the input so far determines.
    void push(std::span<const int16_t> in, std::vector<int16_t>& out);
    // Appends the rest, as if silence followed the input: in all, floor(input * out / in).
    void finish(std::vector<int16_t>& out);

    // Whether converting between these rates is supported (the filter table stays small).
    static bool supports(int inRate, int outRate);

    static constexpr int kTaps = 48; // per phase

private:
    int64_t consumable(int64_t available) const;
    void produce(int64_t upTo, std::vector<int16_t>& out);

    int up_;
    int down_;
    int64_t delay_;                     // the filter's centre, in steps of the up-sampled rate
    std::vector<int16_t> coefficients_; // kTaps per phase, in input order
    std::vector<int16_t> history_;      // input from index historyStart_ on
    std::vector<int64_t> lastSound_;    // per history sample: index of the last non-zero sample
    int64_t historyStart_ = 0;
    int64_t received_ = 0;
    int64_t produced_ = 0;
};

} // namespace tessal
