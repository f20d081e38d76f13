#include "listening/line_progress.h"

#include <algorithm>

namespace tessal {

int64_t roundHalfToEven(int64_t numerator, int64_t denominator) {
    int64_t quotient = numerator / denominator;
    int64_t remainder = numerator % denominator;
    if (remainder < 0) { // floor division for negative numerators
        --quotient;
        remainder += denominator;
    }
    const int64_t twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

int linePercent(int64_t index, int64_t count) {
    if (count <= 0)
        return 0;
    return int(std::clamp<int64_t>(roundHalfToEven((index + 1) * 100, count), 0, 100));
}

int segmentsForPercent(int percent) {
    return int(std::clamp<int64_t>(roundHalfToEven(percent, 2), 0, kPBarSegments));
}

} // namespace tessal
