#include "keyer/key_rig.h"

#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::KeyRig;
using Spans = std::vector<std::pair<int64_t, int64_t>>;

TEST(StackingKey, TappedCharactersPlayInTurnAtTheKeysOwnTimes) {
    KeyRig rig(2);
    const int64_t p = rig.nowMs();
    rig.dot(p, 30);
    rig.dash(p + 60, 30); // released at 90: "SL" goes on the stack at 240
    rig.dash(p + 250, 30);
    rig.dot(p + 300, 30); // released at 330: "LS" at 480, played when "SL" is done
    rig.loop().runFor(240 - 1);
    EXPECT_EQ(rig->StackCounterLabel->text(), "Stack : ---");
    rig.loop().runFor(2);
    EXPECT_EQ(rig->StackCounterLabel->text(), "Stack : 1");
    EXPECT_EQ(rig->KeyCharLabelStr, "A"); // decoded as its playing starts
    rig.loop().runFor(480 - 241);
    EXPECT_EQ(rig->StackCounterLabel->text(), "Stack : 1");
    EXPECT_EQ(rig->KeyCharLabelStr, "A");
    rig.loop().runFor(1000 - 481);
    EXPECT_EQ(rig->KeyCharLabelStr, "AN");
    rig.loop().runFor(1000);
    // Releases postponed the line end, which came after both had been played.
    EXPECT_EQ(rig.keyedLines(), QStringList{"AN"});
    // Nothing sounds while tapping; each character is 50/100/150 ms, the next starts 600 ms on.
    EXPECT_EQ(rig.heard(p), (Spans{{240, 290}, {390, 540}, {840, 990}, {1090, 1140}}));
    EXPECT_EQ(rig->STPlayBuzy, 0);
    EXPECT_EQ(rig.sim.wave().openDevices(), 0);
}

TEST(StackingKey, OnlyAPauseOfOneDashTimeEndsTheCharacter) {
    KeyRig rig(2);
    const int64_t p = rig.nowMs();
    rig.dot(p, 400);       // held long
    rig.dash(p + 549, 10); // 149 ms after the release
    rig.loop().runFor(559 + 149);
    EXPECT_TRUE(rig->STMorseStrList.isEmpty());
    EXPECT_EQ(rig->KeyAnaLyzeStr, "SL");
    rig.loop().runFor(2);
    EXPECT_EQ(rig->KeyCharLabelStr, "A");
}

TEST(StackingKey, UnknownCharacterStillPlaysButAddsNothing) {
    KeyRig rig(2);
    const int64_t p = rig.nowMs();
    for (int i = 0; i < 10; ++i)
        rig.dot(p + i * 40, 20);
    rig.loop().runFor(2000);
    EXPECT_EQ(rig->KeyCharLabelStr, "");
    EXPECT_EQ(rig->ConvertStrLabel->text(), "String : ");
    EXPECT_EQ(rig.heard(p).size(), 10u);
}

TEST(StackingKey, LineEndComesAfterTheCharacterEndAndContactGetsASpace) {
    KeyRig rig(2);
    rig->QSOBuzy = -1;
    rig->QSOKeyInReady = -1;
    const int64_t p = rig.nowMs();
    rig.dash(p, 20); // "T" on the stack at 170
    rig.loop().runFor(170 + 999);
    EXPECT_TRUE(rig.keyedLines().isEmpty());
    rig.loop().runFor(2);
    EXPECT_EQ(rig.keyedLines(), QStringList{"T"});
    EXPECT_EQ(rig->QSORecString, "T ");
}

TEST(StackingKey, StoredTimesAndTheIntervalRow) {
    struct Case {
        QString settings;
        int dotValue, dashValue;
        int litInterval; // tag of the lit interval button, 0 for none
    };
    const std::vector<Case> cases = {
        {"", 50, 150, 2},
        {"STDotTime=2\nSTDashTime=0\nStIntervalTime=1000\n", 70, 140, 5},
        {"StIntervalTime=450\n", 50, 150, 0},
    };
    for (const Case& c : cases) {
        tessal::testing::FormRig rig(QStringLiteral("[TessalSystem]\n") + c.settings);
        EXPECT_EQ(rig->STDotTimeValue, c.dotValue) << c.settings.toStdString();
        EXPECT_EQ(rig->STDashTimeValue, c.dashValue);
        for (TgdButton* button : rig->ItBtns)
            EXPECT_EQ(button->mark() == QColor(0x00, 0xFF, 0xFF), button->Tag() == c.litInterval);
    }
    // A click stores milliseconds.
    tessal::testing::FormRig rig;
    rig->ItBtns[3]->click();
    EXPECT_EQ(rig->StIntervalTime, 900);
}
