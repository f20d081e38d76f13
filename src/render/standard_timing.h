#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace tessal {

// PARIS timing in samples at 44100 Hz: every element a whole number of samples, so every dot of
// a file is the same length.
struct StandardTiming {
    int64_t unit;    // a dot, and the gap between the elements of a character
    int64_t charGap; // between the characters of a word
    int64_t wordGap; // between words
};

// `wpm` is the character speed: a dot of 1200/wpm ms, a dash of 3 dots, gaps of 3 and 7 dots.
// With `overallWpm` (Farnsworth) the characters keep that speed and only the two gaps are
// stretched, so that the standard word PARIS takes 60/overallWpm seconds.
StandardTiming standardTiming(int wpm, std::optional<int> overallWpm = std::nullopt);

// One thing to sound: a character's or bracketed group's code ("SL..."), or an empty code for
// a pause (a blank, or anything the dictionaries do not hold).
struct MorseUnit {
    QString code;
    int characters; // how many characters of the text it stands for
};
using MorseLookup = std::function<QString(const QString&)>;
// Splits a line the way the trainer's player does: single characters, and "<...>" groups
// looked up whole; an unclosed group at the end is dropped.
std::vector<MorseUnit> morseUnits(const QString& line, const MorseLookup& lookup);

} // namespace tessal

namespace tessal {

struct StandardTone {
    int frequencyHz;
    int amplitude;
};
using SampleSink = std::function<bool(std::span<const int16_t>)>;
// Called with the number of the text's characters sounded so far.
using CharactersDone = std::function<void(int64_t)>;

// Sounds the lines with standard timing into `sink`: a word gap before the first character and
// after the last, and between lines. False as soon as the sink refuses samples.
bool playStandardTiming(const QStringList& lines, const StandardTiming& timing,
                        const StandardTone& tone, const MorseLookup& lookup, const SampleSink& sink,
                        const CharactersDone& progress);

} // namespace tessal
