#pragma once

#include <QString>
#include <array>

namespace tessal {

struct ToneChoice {
    const char* label;
    int hz;
};

// The nine tones offered for listening and keying; a sound code is an index into this table.
inline constexpr std::array<ToneChoice, 9> kToneChoices{{{"700Hz", 700},
                                                         {"800Hz", 800},
                                                         {"900Hz", 900},
                                                         {"1kHz", 1000},
                                                         {"1.1kHz", 1100},
                                                         {"1.2kHz", 1200},
                                                         {"1.3kHz", 1300},
                                                         {"1.4kHz", 1400},
                                                         {"1.5kHz", 1500}}};

inline constexpr int kFallbackToneHz = 1000;

// Any code outside the table (including -1, nothing chosen) sounds 1 kHz.
inline int frequencyForSoundCode(int soundCode) {
    if (soundCode < 0 || soundCode >= int(kToneChoices.size()))
        return kFallbackToneHz;
    return kToneChoices[std::size_t(soundCode)].hz;
}

// A volume slider position (10 to 100) becomes the peak sample value of the tone.
inline int amplitudeForVolume(int volume) {
    return volume * 300;
}

} // namespace tessal
