#include "listening/speed_table.h"
#include "sound/tone_synthesis.h"
#include "support/form_rig.h"
#include "widgets/gd_button.h"

#include <QComboBox>
#include <QLabel>
#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::FormRig;

namespace {

const QColor kAqua{0x00, 0xFF, 0xFF};
const QColor kBlue{0x00, 0x00, 0xFF};

// The distinct label captions in the order they were shown while `text` played.
struct Shown {
    QStringList characters;
    QStringList codes;
};

Shown playAndWatch(FormRig& rig, const QString& text, int64_t durationMs) {
    Shown shown;
    rig.sampleEvery(1, durationMs, [&] {
        const QString c = rig->StringLabel->text();
        const QString k = rig->CodeLabel->text();
        if (shown.characters.isEmpty() || shown.characters.back() != c || shown.codes.back() != k) {
            shown.characters.append(c);
            shown.codes.append(k);
        }
    });
    rig->RUNFlag = -1;
    EXPECT_EQ(rig->PlayText(text), -1);
    rig.loop().runFor(durationMs);
    return shown;
}

} // namespace

TEST(Sequencer, UnitsAndLabelsOfATextTable) {
    struct Case {
        QString text;
        QStringList units;
        QStringList characters; // StringLabel per unit
    };
    const std::vector<Case> cases = {
        {"CQ", {"LSLS", "LLSL"}, {"C", "Q"}},
        {"cq", {"LSLS", "LLSL"}, {"c", "q"}},
        {"A B", {"SL", " ", "LSSS"}, {"A", " ", "B"}},
        {"<AR>", {"SLSLS"}, {"<AR>"}},
        {"<XYZ>", {" "}, {"?<XYZ>?"}},
        {"AB<Z", {"SL", "LSSS"}, {"A", "B"}},
        {"A>B", {"SL", "", "LSSS"}, {"A", ">", "B"}},
        {"<A<R>", {" "}, {"?<A<R>?"}},
        {"", {}, {}},
        {"A\u00e9", {"SL", " "}, {"A", " "}},
    };
    for (const Case& c : cases) {
        FormRig rig;
        rig->PlayText(c.text);
        QStringList expectedUnits = c.units;
        // ">" outside a group is an ordinary character: it has a symbol code of its own or
        // becomes a pause.
        for (QString& unit : expectedUnits) {
            if (unit.isEmpty()) {
                const QString code = rig->ConvertMorse(QStringLiteral(">"), 2);
                unit = code.isEmpty() ? QStringLiteral(" ") : code;
            }
        }
        EXPECT_EQ(rig->MorseStrList, expectedUnits) << c.text.toStdString();
        QStringList expectedCharacters = c.characters;
        for (int i = 0; i < expectedCharacters.size(); ++i) {
            if (expectedUnits[i] == " " && expectedCharacters[i].size() == 1)
                expectedCharacters[i] = " ";
        }
        EXPECT_EQ(rig->StringStrList, expectedCharacters) << c.text.toStdString();
    }
}

TEST(Sequencer, CqShowsEachLetterAndItsCodeWhileItSounds) {
    FormRig rig;
    rig->SpeedSelect(3);
    const Shown shown = playAndWatch(rig, "CQ", 3000);
    const QString dot = QString(QChar(0x30FB)), dash = QString(QChar(0x30FC));
    ASSERT_GE(shown.characters.size(), 3);
    EXPECT_EQ(shown.characters.mid(1), (QStringList{"C", "Q"}));
    EXPECT_EQ(shown.codes.mid(1), (QStringList{dash + dot + dash + dot, dash + dash + dot + dash}));
    EXPECT_EQ(rig.tape().voices().size(), 2u);
    EXPECT_EQ(rig->RUNFlag, 0);
    EXPECT_EQ(rig->MorseStrCount, 0);
}

TEST(Sequencer, ElementsAndGapsOnTheTapeAtEverySpeed) {
    for (const SpeedRow& row : kSpeedRows) {
        FormRig rig;
        rig->SpeedSelect(row.index);
        rig->StrDelay = 2;
        rig->RUNFlag = -1;
        rig->PlayText("A E"); // S L, a word pause, S
        rig.loop().runFor(5000);
        const auto spans = rig.tape().toneSpans(0, rig.loop().now());
        ASSERT_EQ(spans.size(), 3u) << row.wpm;
        const int64_t dotUs = row.dotMs * 1000, dashUs = row.dashMs * 1000;
        // Two samples of each raised-cosine edge round to zero, and a sample of rounding.
        const int64_t edge = 120;
        EXPECT_NEAR(spans[0].lengthUs(), dotUs, edge) << row.wpm;
        EXPECT_NEAR(spans[1].onUs - spans[0].offUs, dotUs, edge) << row.wpm;
        EXPECT_NEAR(spans[1].lengthUs(), dashUs, edge) << row.wpm;
        EXPECT_NEAR(spans[2].lengthUs(), dotUs, edge) << row.wpm;

        // The first character starts 50 ms after PlayText and a dash-long block later.
        const int64_t aStart = 50'000 + dashUs;
        EXPECT_NEAR(spans[0].onUs, aStart, edge) << row.wpm;
        // A's buffer ends with a dot of silence; the 75 ms closing pause follows. The next
        // tick was set to A's duration (its elements, each plus a dot, plus one more dot) and
        // comes at whichever is later. The word pause is two dashes; then E's dash block.
        const int64_t aSamples = 3 * samplesForMs(row.dotMs) + samplesForMs(row.dashMs);
        const int64_t playEnd = aStart + Tape::usAt(aSamples) + 75'000;
        const int64_t tickDue = aStart + (4 * row.dotMs + row.dashMs) * 1000;
        const int64_t eStart = std::max(playEnd, tickDue) + 2 * dashUs + dashUs;
        EXPECT_NEAR(spans[2].onUs, eStart, edge) << row.wpm;
    }
}

TEST(Sequencer, WordPauseFollowsTheDelaySetting) {
    // At 10 WPM "Dash Time X 3" adds 840 ms of silence to the gap before the next word.
    std::vector<int64_t> gaps;
    for (int delay : {1, 3}) {
        FormRig rig;
        rig->SpeedSelect(1);
        rig->StrDelay = delay;
        rig->RUNFlag = -1;
        rig->PlayText("E E");
        rig.loop().runFor(5000);
        const auto spans = rig.tape().toneSpans(0, rig.loop().now());
        ASSERT_EQ(spans.size(), 2u);
        gaps.push_back(spans[1].onUs - spans[0].offUs);
    }
    EXPECT_EQ(gaps[1] - gaps[0], 2 * 280'000);
}

TEST(Sequencer, ASecondTextWhilePlayingIsIgnored) {
    FormRig rig;
    rig->RUNFlag = -1;
    ASSERT_EQ(rig->PlayText("EE"), -1);
    rig.loop().runFor(60); // inside the first character
    EXPECT_EQ(rig->PlayText("TTTT"), 0);
    rig.loop().runFor(3000);
    EXPECT_EQ(rig->MorseStrList, (QStringList{"S", "S"}));
    EXPECT_EQ(rig.tape().voices().size(), 2u);
}

TEST(Sequencer, PauseTakesHoldAfterTheCharacterAndPlayResumes) {
    FormRig rig;
    rig->SpeedSelect(1);
    rig->RUNFlag = -1;
    rig->PlayText("TTT");
    // Press PAUSE while the first T sounds.
    rig.loop().at(50 + 280 + 100, [&] { rig->PauseBtnON(); });
    rig.loop().runFor(10'000);
    EXPECT_EQ(rig.tape().voices().size(), 1u) << "the sounding character finishes, no more";
    EXPECT_EQ(rig->PauseBtn->mark(), QColor(0xFF, 0xFF, 0x00));
    EXPECT_FALSE(rig->MSTimer->enabled());
    const int64_t resumeAt = rig.loop().nowMs();
    EXPECT_EQ(rig->PlayText("EEEEEEE"), 0) << "resuming ignores the new text";
    rig.loop().runFor(10'000);
    EXPECT_EQ(rig.tape().voices().size(), 3u);
    EXPECT_EQ(rig->MorseStrList, (QStringList{"L", "L", "L"}));
    EXPECT_NEAR(rig.tape().voices()[1].startUs - resumeAt * 1000, (50 + 280) * 1000, 1);
}

TEST(Sequencer, StopEndsAfterTheCurrentCharacter) {
    FormRig rig;
    rig->SpeedSelect(1);
    rig->QTypeMode = 2;
    rig->RUNFlag = -1;
    rig->PlayText("TTTTT");
    rig.loop().at(1200, [&] { rig->StopBtnON(); }); // while the second T sounds
    rig.loop().runFor(10'000);
    EXPECT_EQ(rig.tape().voices().size(), 2u);
    EXPECT_EQ(rig->RUNFlag, 0);
    EXPECT_EQ(rig->MorseStrCount, 0);
    EXPECT_EQ(rig->StopBtn->mark(), kBlue) << "the normal end resets the transport buttons";
}

TEST(Sequencer, PauseAndStopDoNothingWhenNothingRuns) {
    FormRig rig;
    rig->RUNFlag = 0;
    rig->PauseBtnON();
    rig->StopBtnON();
    EXPECT_EQ(rig->MorsePauseFlag, 0);
    EXPECT_EQ(rig->PauseBtn->mark(), kBlue);
    EXPECT_EQ(rig->StopBtn->mark(), kBlue);
}

TEST(Sequencer, SpeedSelectionTable) {
    FormRig rig;
    for (const SpeedRow& row : kSpeedRows) {
        rig->SpeedBtns[std::size_t(row.index - 1)]->click();
        EXPECT_EQ(rig->SpeedWPS, row.wpm);
        EXPECT_EQ(rig->DotTime, row.dotMs);
        EXPECT_EQ(rig->DashTime, row.dashMs);
        EXPECT_EQ(rig->ListenModeLabel->text(),
                  QStringLiteral("Listening Speed : %1WPM").arg(row.wpm));
        for (std::size_t i = 0; i < rig->SpeedBtns.size(); ++i)
            EXPECT_EQ(rig->SpeedBtns[i]->mark(), int(i) == row.index - 1 ? kAqua : kBlue);
    }
    // A stored speed that is none of the six changes nothing.
    rig->SpeedSelect(3);
    EXPECT_FALSE(rig->SpeedWPSApply(12));
    EXPECT_EQ(rig->DotTime, 70);
    EXPECT_EQ(rig->SpeedBtns[2]->mark(), kAqua);
}

TEST(Sequencer, UnknownStoredSpeedFallsBackToTenWpm) {
    FormRig rig(QStringLiteral("[TessalSystem]\nSpeedWPS=12\n"));
    EXPECT_EQ(rig->DotTime, 80);
    EXPECT_EQ(rig->DashTime, 280);
    EXPECT_EQ(rig->SpeedBtns[0]->mark(), kAqua);
    rig->RUNFlag = -1;
    rig->PlayText("EE");
    rig.loop().runFor(3000);
    EXPECT_EQ(rig.tape().voices().size(), 2u) << "playback never stalls on a zero interval";
}

TEST(Sequencer, CharacterAndCodeLabelsFollowTheirButtons) {
    FormRig rig;
    struct Case {
        TgdButton* button;
        QLabel* label;
        int* flag;
    };
    for (const Case& c : {Case{rig->StringBtn, rig->StringLabel, &rig->StringFlag},
                          Case{rig->CodeBtn, rig->CodeLabel, &rig->CodeFlag}}) {
        ASSERT_EQ(*c.flag, -1);
        c.button->click();
        EXPECT_EQ(*c.flag, 0);
        EXPECT_TRUE(c.label->isHidden());
        EXPECT_EQ(c.button->mark(), kBlue);
        c.button->click();
        EXPECT_EQ(*c.flag, -1);
        EXPECT_FALSE(c.label->isHidden());
        EXPECT_EQ(c.button->mark(), QColor(0xFF, 0xFF, 0x00));
    }
}

TEST(Sequencer, WaveOutputFailureNeverStallsTheQueue) {
    FormRig rig;
    rig.sim.wave().failOpens(100);
    rig->QTypeMode = 2;
    rig->RUNFlag = -1;
    rig->PlayText("EEE");
    rig.loop().runFor(5000);
    EXPECT_EQ(rig->RUNFlag, 0);
    EXPECT_EQ(rig->MorseStrCount, 0);
    EXPECT_EQ(rig.sim.dialogs().messages().size(), 1);
}

TEST(Sequencer, StoredWordGapOutsideTheListFallsBackToTwoDashTimes) {
    // 0 would give a pause that never ends, billions one that lasts for weeks or overflows.
    for (const char* stored : {"0", "-1", "4", "2147483647", "-2147483648"}) {
        FormRig rig(QStringLiteral("[TessalSystem]\nSpeedWPS=10\nQTypeMode=2\nStrDelay=%1\n")
                        .arg(QString::fromLatin1(stored)));
        EXPECT_EQ(rig->StrDelay, 2) << stored;
        EXPECT_EQ(rig->DelayTimeCBox->currentIndex(), 1) << stored;
        rig->RUNFlag = -1;
        rig->PlayText("E E");
        rig.loop().runFor(5000);
        EXPECT_EQ(rig->RUNFlag, 0) << stored << ": the text played to its end";
        const auto spans = rig.tape().toneSpans(0, rig.loop().now());
        ASSERT_EQ(spans.size(), 2u) << stored;
        // E's gap: dot silence, closing pause, the rest of the unit, the dash before the next
        // character; plus two dash times of word pause.
        EXPECT_GT(spans[1].onUs - spans[0].offUs, 2 * 280'000) << stored;
        EXPECT_LT(spans[1].onUs - spans[0].offUs, 3 * 280'000 + 300'000) << stored;
    }
}
