#pragma once

#include <cstdint>

namespace tessal {

// The progress bar of the text-file mode: 50 segments of 2 percent each.
inline constexpr int kPBarSegments = 50;

// numerator / denominator rounded to the nearest integer, halves to the even neighbour.
// `denominator` must be positive.
int64_t roundHalfToEven(int64_t numerator, int64_t denominator);

// How far line `index` (0-based) of `count` lines is through the file, in whole percent;
// 0 when there are no lines.
int linePercent(int64_t index, int64_t count);

// The visible segments for a percentage, clamped to the bar.
int segmentsForPercent(int percent);

} // namespace tessal
