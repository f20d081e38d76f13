#include "keyer/key_rig.h"

#include <QStackedWidget>
#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::KeyRig;

TEST(VerticalKey, PressLengthAgainstTwiceTheDotTimeTable) {
    struct Case {
        int dotTimeIndex; // 1..5: 30..70 ms
        int heldMs;
        QString elements;
        QString dotLabel, dashLabel;
    };
    const std::vector<Case> cases = {
        {1, 59, "S", "Dot Time : 59mS", "Dash Time : ---mS"},
        {1, 60, "L", "Dot Time : ---mS", "Dash Time : 60mS"},
        {3, 99, "S", "Dot Time : 99mS", "Dash Time : ---mS"},
        {3, 100, "L", "Dot Time : ---mS", "Dash Time : 100mS"},
        {5, 139, "S", "Dot Time : 139mS", "Dash Time : ---mS"},
    };
    for (const Case& c : cases) {
        KeyRig rig;
        rig->VKDotTimeBtns[std::size_t(c.dotTimeIndex - 1)]->click();
        rig.dot(rig.nowMs() + 10, c.heldMs);
        rig.loop().runFor(10 + c.heldMs + 1);
        EXPECT_EQ(rig->KeyAnaLyzeStr, c.elements) << c.heldMs;
        EXPECT_EQ(rig->VKDotTimelabel->text(), c.dotLabel);
        EXPECT_EQ(rig->VKDashTimeLabel->text(), c.dashLabel);
    }
}

TEST(VerticalKey, SidetoneSoundsExactlyWhileTheKeyIsDown) {
    KeyRig rig;
    const int64_t from = rig.nowMs();
    rig.dot(from + 20, 45);
    rig.dot(from + 120, 150);
    rig.loop().runFor(400);
    const auto spans = rig.heard(from);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_NEAR(double(spans[0].first), 20, 1);
    EXPECT_NEAR(double(spans[0].second), 65, 1);
    EXPECT_NEAR(double(spans[1].first), 120, 1);
    EXPECT_NEAR(double(spans[1].second), 270, 1);
}

TEST(VerticalKey, CharacterEndDecodesAndLineEndWritesTheLine) {
    KeyRig rig;
    const int64_t t = rig.nowMs();
    // "A" (dot, dash), a pause between 300 and 1300 ms, then "N" (dash, dot).
    rig.dot(t, 40);
    rig.dot(t + 100, 120);
    rig.loop().runFor(220 + 299);
    EXPECT_EQ(rig->KeyCharLabelStr, "");
    rig.loop().runFor(2);
    EXPECT_EQ(rig->KeyCharLabelStr, "A");
    EXPECT_EQ(rig->ConvertStrLabel->text(), "String : A");
    EXPECT_EQ(rig->KeyInLabel->text(), QString::fromUtf8("Key in : ・－"));
    EXPECT_EQ(rig->KeyAnaLyzeStr, "");
    // A press while the line end is pending continues the same line.
    const int64_t n = rig.nowMs() + 900;
    rig.dot(n, 150);
    rig.dot(n + 200, 40);
    rig.loop().runFor(900 + 240 + 300 + 999);
    EXPECT_TRUE(rig.keyedLines().isEmpty());
    rig.loop().runFor(2);
    EXPECT_EQ(rig.keyedLines(), QStringList{"AN"});
    EXPECT_EQ(rig->KeyCharLabelStr, "");
}

TEST(VerticalKey, NineDashesReportAverageAndSpeedThenStartAgain) {
    KeyRig rig;
    int64_t t = rig.nowMs();
    for (int i = 0; i < 9; ++i) {
        rig.dot(t, 40); // dots never count
        rig.dot(t + 60, 180);
        t += 2000;
    }
    rig.loop().runFor(t - rig.nowMs() - 1000);
    EXPECT_EQ(rig->VKAvrLabel->text(), "Avr.Time : 180mS");
    EXPECT_EQ(rig->VKSpeedLabel->text(), "Speed : 20WPM");
    EXPECT_EQ(rig->VKCounter, 0);
    EXPECT_EQ(rig->VKTotal, 0);
    // Eight more dashes of another length leave the report as it was.
    for (int i = 0; i < 8; ++i) {
        rig.dot(t, 120);
        t += 2000;
    }
    rig.loop().runFor(t - rig.nowMs());
    EXPECT_EQ(rig->VKAvrLabel->text(), "Avr.Time : 180mS");
    EXPECT_EQ(rig->VKCounter, 8);
}

TEST(VerticalKey, DashContactOnlyLightsItsIndicator) {
    KeyRig rig;
    const int64_t from = rig.nowMs();
    rig.dash(from + 10, 200);
    rig.loop().runFor(3000);
    EXPECT_TRUE(rig.heard(from).empty());
    EXPECT_EQ(rig->KeyAnaLyzeStr, "");
    EXPECT_TRUE(rig.keyedLines().isEmpty());
}

TEST(VerticalKey, PicturesFollowTheKeyOnlyOnTheVerticalPage) {
    KeyRig rig;
    rig->DotKeyDown();
    EXPECT_TRUE(rig->KeyInImage->isVisibleTo(rig->VerticalKeyPanel));
    EXPECT_FALSE(rig->KeyOutImage->isVisibleTo(rig->VerticalKeyPanel));
    rig->DotKeyUp();
    EXPECT_FALSE(rig->KeyInImage->isVisibleTo(rig->VerticalKeyPanel));
    // On the Listening page the key still sounds and times, but the picture stays.
    rig->ListeningBtn->click();
    const int64_t from = rig.nowMs();
    rig.dot(from + 10, 100);
    rig.loop().runFor(200);
    EXPECT_FALSE(rig->KeyInImage->isVisibleTo(rig->VerticalKeyPanel));
    EXPECT_EQ(rig.heard(from).size(), 1u);
    EXPECT_EQ(rig->KeyAnaLyzeStr, "SL");
}

TEST(VerticalKey, StartUpLineEndWritesOneEmptyLine) {
    tessal::testing::FormRig rig;
    rig.loop().runFor(999);
    EXPECT_TRUE(rig->REdit2->lines().empty());
    rig.loop().runFor(2);
    ASSERT_EQ(rig->REdit2->lines().size(), 1u);
    EXPECT_EQ(rig->REdit2->lines()[0].text, "");
    rig.loop().runFor(5000);
    EXPECT_EQ(rig->REdit2->lines().size(), 1u);
}
