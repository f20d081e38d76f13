#pragma once

#include <QString>
#include <array>
#include <optional>

namespace tessal {

// The six listening speeds. The times are fixed per speed, not derived from one formula: the
// dash is 3.5 dots at 10 WPM but 2.1 dots at 35 WPM.
struct SpeedRow {
    int index; // Tag of the speed button, 1..6
    int wpm;
    int dotMs;
    int dashMs;
};

inline constexpr std::array<SpeedRow, 6> kSpeedRows{{{1, 10, 80, 280},
                                                     {2, 15, 80, 240},
                                                     {3, 20, 70, 180},
                                                     {4, 25, 60, 144},
                                                     {5, 30, 55, 120},
                                                     {6, 35, 50, 105}}};

inline std::optional<SpeedRow> speedRowForIndex(int index) {
    for (const SpeedRow& row : kSpeedRows) {
        if (row.index == index)
            return row;
    }
    return std::nullopt;
}

inline std::optional<SpeedRow> speedRowForWpm(int wpm) {
    for (const SpeedRow& row : kSpeedRows) {
        if (row.wpm == wpm)
            return row;
    }
    return std::nullopt;
}

// The word pause is 1, 2 or 3 dash times ("Dash Time X 1".."Dash Time X 3"); 2 when nothing
// valid was chosen.
inline constexpr int kShortestWordGap = 1;
inline constexpr int kLongestWordGap = 3;
inline constexpr int kDefaultWordGap = 2;

inline bool isWordGapMultiplier(int strDelay) {
    return strDelay >= kShortestWordGap && strDelay <= kLongestWordGap;
}

// "SL" shown as the user reads it: each dot as "・" and each dash as the given dash character.
inline QString codeDisplayForm(QString code, QChar dash) {
    code.replace(u'S', QChar(0x30FB));
    code.replace(u'L', dash);
    return code;
}

} // namespace tessal
