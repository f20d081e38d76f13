#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace tessal {

// Keyed tones rise and fall along a raised cosine so that an element's start and end do not
// click (a hard step splatters energy hundreds of hertz either side of the tone).
inline constexpr int kEdgeRampMs = 5;
// 5 ms at 44100 Hz.
inline constexpr int64_t kEdgeRampSamples = 44100 * kEdgeRampMs / 1000;

// The ramp of an element of `elementSamples`: 5 ms, or a quarter of the element when that is
// shorter, so that a short element still reaches full amplitude in its middle.
inline int64_t edgeRampSamples(int64_t elementSamples) {
    return std::clamp<int64_t>(elementSamples / 4, 0, kEdgeRampSamples);
}

// The gain `k` samples into a rise of `ramp` samples: 0 at k = 0, 1 at k = ramp.
inline double edgeGain(int64_t k, int64_t ramp) {
    if (k >= ramp)
        return 1.0;
    return 0.5 *
           (1.0 - std::cos(std::numbers::pi * double(std::max<int64_t>(k, 0)) / double(ramp)));
}

} // namespace tessal
