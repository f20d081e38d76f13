#include "keyer/key_rig.h"

#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::KeyRig;
using Spans = std::vector<std::pair<int64_t, int64_t>>;

namespace {

// A BUG key that has sounded one element and gone idle again.
struct BugRig : KeyRig {
    explicit BugRig(const QString& settings = QString()) : KeyRig(1, settings) {
        dot(nowMs(), 5);
        loop().runFor(3000);
        form->REdit2->clearLines();
    }
};

} // namespace

TEST(BugKey, OneElementAfterAPressTable) {
    struct Case {
        bool dash;
        int dashRatioTag; // x2..x6
        Spans spans;
    };
    const std::vector<Case> cases = {
        {false, 1, {{50, 100}}},
        {true, 1, {{50, 200}}},
        {true, 0, {{50, 150}}},
        {true, 4, {{50, 350}}},
    };
    for (const Case& c : cases) {
        BugRig rig;
        rig->DashTimeBtns[std::size_t(c.dashRatioTag)]->click();
        const int64_t p = rig.nowMs();
        c.dash ? rig.dash(p, 10) : rig.dot(p, 10);
        rig.loop().runFor(600);
        EXPECT_EQ(rig.heard(p), c.spans) << c.dash << " x" << c.dashRatioTag + 2;
    }
}

TEST(BugKey, FirstPressAfterStartSoundsOneMillisecondLater) {
    KeyRig rig(1);
    const int64_t p = rig.nowMs();
    rig.dot(p, 10);
    rig.loop().runFor(300);
    EXPECT_EQ(rig.heard(p), (Spans{{51, 101}}));
}

TEST(BugKey, QueuedPressesSoundOneDotApartAndTheStackCountsDown) {
    BugRig rig;
    const int64_t p = rig.nowMs();
    for (int64_t at : {0, 60, 70, 80})
        rig.dot(p + at, 5);
    QStringList shown;
    rig.sampleEvery(1, 500, [&] {
        const QString text = rig->BKStackLabel->text();
        if (shown.isEmpty() || shown.back() != text)
            shown.append(text);
    });
    rig.loop().runFor(500);
    EXPECT_EQ(rig.heard(p), (Spans{{50, 100}, {151, 201}, {252, 302}, {353, 403}}));
    EXPECT_EQ(shown, (QStringList{"Stack : 1", "Stack : 0", "Stack : 3", "Stack : 2", "Stack : 1",
                                  "Stack : 0"}));
}

TEST(BugKey, HeldPaddleWithAndWithoutAutoRepeat) {
    for (bool repeat : {false, true}) {
        BugRig rig;
        if (repeat)
            rig->RepeatBtn->click();
        const int64_t p = rig.nowMs();
        rig.dot(p, 500);
        rig.loop().runFor(1000);
        const Spans expected =
            repeat ? Spans{{50, 100}, {201, 251}, {352, 402}, {503, 553}} : Spans{{50, 100}};
        EXPECT_EQ(rig.heard(p), expected) << repeat;
        EXPECT_EQ(rig->KeyCharLabelStr, repeat ? "H" : "E");
    }
}

TEST(BugKey, SqueezeAlternatesAfterTheFirstPaddle) {
    struct Case {
        bool squeeze;
        bool dashFirst;
        QString elements; // while both paddles are held for 900 ms
    };
    const std::vector<Case> cases = {
        {true, true, "LSLSL"},
        {true, false, "SLSLS"},
        {false, true, "LS"}, // with squeeze off only the presses count, even with repeat on
    };
    for (const Case& c : cases) {
        BugRig rig;
        if (c.squeeze)
            rig->BugFullBtn->click();
        rig->RepeatBtn->click();
        const int64_t p = rig.nowMs();
        if (c.dashFirst) {
            rig.dash(p, 900);
            rig.dot(p + 20, 880);
        } else {
            rig.dot(p, 900);
            rig.dash(p + 20, 880);
        }
        rig.loop().runFor(c.squeeze ? 880 : 500);
        EXPECT_EQ(rig->KeyAnaLyzeStr.left(c.elements.size()), c.elements)
            << c.squeeze << c.dashFirst;
        if (!c.squeeze) {
            EXPECT_EQ(rig->KeyAnaLyzeStr, c.elements);
        }
        rig.loop().runFor(1000);
        for (const auto& [on, off] : rig.heard(p)) {
            const int64_t length = off - on;
            EXPECT_TRUE(length == 50 || length == 150) << length;
        }
    }
}

TEST(BugKey, CharacterEndDecodesAndReleasesPostponeTheLineEnd) {
    BugRig rig;
    const int64_t p = rig.nowMs();
    rig.dot(p, 10);
    rig.dash(p + 110, 10); // "A": its dash sounds from 160 to 310
    rig.loop().runFor(310 + 299);
    EXPECT_EQ(rig->KeyCharLabelStr, "");
    rig.loop().runFor(2);
    EXPECT_EQ(rig->KeyCharLabelStr, "A");
    EXPECT_EQ(rig->KeyInLabel->text(), QString::fromUtf8("Key in : ・－"));
    // A release 800 ms into the pending line end starts its second again.
    rig.dash(rig.nowMs() + 790, 10);
    rig.loop().runFor(1500);
    EXPECT_TRUE(rig.keyedLines().isEmpty());
    rig.loop().runFor(2000);
    EXPECT_EQ(rig.keyedLines(), (QStringList{"AT"}));
}

TEST(BugKey, StoredTimesReachTheirRowsAndTheDashLabel) {
    struct Case {
        QString settings;
        int dotValue, dashValue;
        QString label;
    };
    const std::vector<Case> cases = {
        {"", 50, 150, "Dash Time: 150mS"},
        {"BugDotTime=4\nBugDashTime=4\n", 90, 540, "Dash Time: 540mS"},
        {"BugDotTime=9\nBugDashTime=2\n", 0, 0, "Dash Time: 0mS"},
    };
    for (const Case& c : cases) {
        tessal::testing::FormRig rig(QStringLiteral("[TessalSystem]\n") + c.settings);
        EXPECT_EQ(rig->BugDotTimeValue, c.dotValue) << c.settings.toStdString();
        EXPECT_EQ(rig->BugDashTimeValue, c.dashValue);
        EXPECT_EQ(rig->BUGDashTimeLabel->text(), c.label);
    }
}
