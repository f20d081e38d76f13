#include "render/render_progress.h"
#include "render/standard_timing.h"
#include "sound/tone_synthesis.h"

#include <QMap>
#include <gtest/gtest.h>

using namespace tessal;

namespace {

const QMap<QString, QString> kCodes = {{"P", "SLLS"}, {"A", "SL"},  {"R", "SLS"},
                                       {"I", "SS"},   {"S", "SSS"}, {"<AR>", "SLSLS"}};

QString lookup(const QString& text) {
    return kCodes.value(text);
}

std::vector<int16_t> play(const QStringList& lines, const StandardTiming& timing) {
    std::vector<int16_t> out;
    const bool written = playStandardTiming(lines, timing, {1000, 15000}, lookup,
                                            [&out](std::span<const int16_t> s) {
                                                out.insert(out.end(), s.begin(), s.end());
                                                return true;
                                            },
                                            {});
    EXPECT_TRUE(written);
    return out;
}

// What a file must hold, laid out by hand: "." and "-" sound one and three units, "," is the gap
// between characters, "/" between words; elements of a character are one unit apart.
std::vector<int16_t> expected(const std::string& layout, int64_t unit, int64_t charGap,
                              int64_t wordGap) {
    std::vector<int16_t> out;
    auto silence = [&out](int64_t n) { out.insert(out.end(), std::size_t(n), int16_t{0}); };
    bool afterElement = false;
    for (char c : layout) {
        if (c == ',' || c == '/') {
            silence(c == ',' ? charGap : wordGap);
            afterElement = false;
            continue;
        }
        if (afterElement)
            silence(unit);
        appendShapedTone(out, c == '.' ? unit : 3 * unit, 1000, 15000);
        afterElement = true;
    }
    return out;
}

const std::string kParis = ".--.,.-,.-.,..,...";

} // namespace

TEST(StandardTiming, ParisElementsAreSampleExactAtEverySpeed) {
    struct Case {
        int wpm;
        int64_t unitSamples; // 1200/wpm ms at 44100 Hz, to the nearest sample
    };
    for (const Case& c :
         std::vector<Case>{{5, 10584}, {13, 4071}, {20, 2646}, {25, 2117}, {60, 882}}) {
        const StandardTiming timing = standardTiming(c.wpm);
        EXPECT_EQ(timing.unit, c.unitSamples) << c.wpm;
        const int64_t u = c.unitSamples;
        EXPECT_TRUE(play({"PARIS PARIS"}, timing) ==
                    expected("/" + kParis + "/" + kParis + "/", u, 3 * u, 7 * u))
            << c.wpm;
    }
}

TEST(StandardTiming, FarnsworthStretchesOnlyTheGaps) {
    struct Case {
        int wpm, overall;
        int64_t charGap, wordGap;
    };
    // 20 WPM characters at 10 WPM overall: 4.14 s of gaps per PARIS, 3/19 and 7/19 of it.
    for (const Case& c :
         std::vector<Case>{{20, 10, 28827, 67264}, {18, 5, 69167, 161391}, {20, 20, 7938, 18522}}) {
        const StandardTiming timing = standardTiming(c.wpm, c.overall);
        EXPECT_EQ(timing.unit, standardTiming(c.wpm).unit);
        EXPECT_EQ(timing.charGap, c.charGap) << c.wpm << "/" << c.overall;
        EXPECT_EQ(timing.wordGap, c.wordGap) << c.wpm << "/" << c.overall;
        // The word PARIS with its word gap takes 60/overall seconds.
        const int64_t word = 31 * timing.unit + 4 * timing.charGap + timing.wordGap;
        EXPECT_NEAR(double(word) / 44100.0, 60.0 / c.overall, 3.0 / 44100);
        EXPECT_TRUE(play({"PARIS"}, timing) ==
                    expected("/" + kParis + "/", timing.unit, timing.charGap, timing.wordGap));
    }
}

TEST(StandardTiming, BlanksUnknownCharactersGroupsAndLinesTable) {
    const StandardTiming t = standardTiming(20);
    struct Case {
        QStringList lines;
        std::string layout;
    };
    const std::vector<Case> cases = {
        {{"A  I"}, "/.-/../"},     // several blanks make one word gap
        {{"A#I"}, "/.-/../"},      // what no dictionary holds is a pause
        {{"A", "I"}, "/.-/../"},   // a line ends a word
        {{"A<AR>"}, "/.-,.-.-./"}, // a group sounds as one character
        {{"A<AR"}, "/.-/"},        // an unclosed group at the end is dropped
        {{"", " "}, "/"},          // nothing to sound
    };
    for (const Case& c : cases)
        EXPECT_TRUE(play(c.lines, t) == expected(c.layout, t.unit, t.charGap, t.wordGap))
            << c.lines.join('|').toStdString();
}

TEST(RenderProgress, LineTable) {
    struct Case {
        double done, audio, elapsed;
        const char* line;
    };
    const std::vector<Case> cases = {
        {0.0, 0.0, 0.0, "  0%  0:00 of audio"},
        {0.005, 12.0, 0.1, "  0%  0:12 of audio"}, // too early to guess the time left
        {0.25, 3725.0, 10.0, " 25%  1:02:05 of audio  about 0:30 left"},
        {0.999, 59.9, 1.0, " 99%  0:59 of audio  about 0:01 left"},
        {1.0, 7200.0, 40.0, "100%  2:00:00 of audio"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(renderProgressLine(c.done, c.audio, c.elapsed).toStdString(), c.line);
}
