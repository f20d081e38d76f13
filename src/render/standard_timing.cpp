#include "render/standard_timing.h"

#include "sound/tone_synthesis.h"

#include <algorithm>
#include <cmath>

namespace tessal {
namespace {

constexpr double kSampleRate = 44100.0;

int64_t samplesFor(double seconds) {
    return std::llround(seconds * kSampleRate);
}

} // namespace

StandardTiming standardTiming(int wpm, std::optional<int> overallWpm) {
    const double unitSeconds = 1.2 / wpm;
    StandardTiming timing{samplesFor(unitSeconds), 3 * samplesFor(unitSeconds),
                          7 * samplesFor(unitSeconds)};
    if (!overallWpm || *overallWpm >= wpm)
        return timing;
    // PARIS is 31 units of sound and element gaps and 19 units of character and word gaps
    // (4 x 3 + 7); at the slower overall speed those 19 units share what time is left.
    const double wordSeconds = 60.0 / *overallWpm;
    const double gapUnitSeconds = (wordSeconds - 31.0 * unitSeconds) / 19.0;
    timing.charGap = samplesFor(3.0 * gapUnitSeconds);
    timing.wordGap = samplesFor(7.0 * gapUnitSeconds);
    return timing;
}

std::vector<MorseUnit> morseUnits(const QString& line, const MorseLookup& lookup) {
    std::vector<MorseUnit> units;
    QString group;
    bool inGroup = false;
    for (QChar c : line) {
        if (c == u'<')
            inGroup = true;
        if (!inGroup) {
            units.push_back({lookup(QString(c)), 1});
            continue;
        }
        group.append(c);
        if (c == u'>') {
            units.push_back({lookup(group), int(group.size())});
            group.clear();
            inGroup = false;
        }
    }
    return units;
}

} // namespace tessal

namespace tessal {
namespace {

// Collects samples and hands them on in pieces of about this size.
constexpr std::size_t kPieceSamples = 1 << 16;

class PieceWriter {
public:
    explicit PieceWriter(const SampleSink& sink) : sink_(sink) {
        piece_.reserve(2 * kPieceSamples);
    }
    bool add(const std::vector<int16_t>& samples) {
        piece_.insert(piece_.end(), samples.begin(), samples.end());
        return piece_.size() < kPieceSamples || flush();
    }
    bool silence(int64_t count) {
        while (count > 0) {
            const int64_t now = std::min<int64_t>(count, int64_t(kPieceSamples));
            piece_.insert(piece_.end(), std::size_t(now), int16_t{0});
            count -= now;
            if (piece_.size() >= kPieceSamples && !flush())
                return false;
        }
        return true;
    }
    bool flush() {
        const bool taken = piece_.empty() || sink_(piece_);
        piece_.clear();
        return taken;
    }

private:
    const SampleSink& sink_;
    std::vector<int16_t> piece_;
};

} // namespace

bool playStandardTiming(const QStringList& lines, const StandardTiming& timing,
                        const StandardTone& tone, const MorseLookup& lookup, const SampleSink& sink,
                        const CharactersDone& progress) {
    // Every dot and every dash of the file sounds the same, so each is made once.
    std::vector<int16_t> dot;
    std::vector<int16_t> dash;
    appendShapedTone(dot, timing.unit, tone.frequencyHz, tone.amplitude);
    appendShapedTone(dash, 3 * timing.unit, tone.frequencyHz, tone.amplitude);

    PieceWriter out(sink);
    int64_t gap = timing.wordGap;
    int64_t characters = 0;
    for (const QString& line : lines) {
        for (const MorseUnit& unit : morseUnits(line, lookup)) {
            characters += unit.characters;
            if (unit.code.isEmpty()) {
                gap = timing.wordGap;
                continue;
            }
            if (!out.silence(gap))
                return false;
            for (qsizetype e = 0; e < unit.code.size(); ++e) {
                if (e > 0 && !out.silence(timing.unit))
                    return false;
                // As in the trainer, anything but a dot sounds as a dash.
                if (!out.add(unit.code[e] == u'S' ? dot : dash))
                    return false;
            }
            gap = timing.charGap;
            if (progress)
                progress(characters);
        }
        gap = timing.wordGap;
    }
    return out.silence(timing.wordGap) && out.flush();
}

} // namespace tessal
