#pragma once

#include <array>

namespace tessal {

// The choices of the keyer's selection rows [ms]; the character-end and line-end rows are the
// same on every key page.
inline constexpr std::array<int, 5> kVerticalDotTimes{30, 40, 50, 60, 70};
inline constexpr std::array<int, 5> kPaddleDotTimes{50, 60, 70, 80, 90};
inline constexpr std::array<int, 5> kDashRatios{2, 3, 4, 5, 6};
inline constexpr std::array<int, 5> kCharacterEndTimes{300, 500, 700, 900, 1000};
inline constexpr std::array<int, 5> kLineEndTimes{1000, 1500, 2000, 2500, 3000};
inline constexpr std::array<int, 5> kAntiChatteringTimes{0, 10, 20, 30, 40};

} // namespace tessal
