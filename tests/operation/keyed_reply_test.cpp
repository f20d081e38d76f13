#include "operation/contact_rig.h"

using namespace tessal;
using namespace tessal::testing;

namespace {

const QString kBugKey = QStringLiteral("KeyType=1\n");

// Schedules the BUG key's edges for `text` from `atMs` on: each element one short press, the
// presses of a character close together (the key stacks them), a pause long enough for the
// character end after each character. Returns when the last character has ended.
int64_t keyText(ContactRig& c, int64_t atMs, const QString& text) {
    const int dotMs = c->BugDotTimeValue;
    for (QChar character : text) {
        if (character == u' ') {
            atMs += c->BKCRTimingValue + 200;
            continue;
        }
        const QString code = c->ConvertMorse(QString(character), 2);
        int64_t soundMs = 0;
        for (QChar element : code) {
            const bool dot = element == u'S';
            c.loop().at(atMs, [&c, dot] { dot ? c->DotKeyDown() : c->DashKeyDown(); });
            c.loop().at(atMs + 10, [&c, dot] { dot ? c->DotKeyUp() : c->DashKeyUp(); });
            atMs += 20;
            soundMs += int64_t(dot ? 1 : c->BugDashTime + 2) * dotMs + 2 * dotMs;
        }
        atMs += soundMs + c->BKIntervalValue + 150;
    }
    return atMs;
}

} // namespace

TEST(KeyedReplies, ALevelOneContactKeyedWithTheBugKey) {
    ContactRig c(kBugKey + QStringLiteral("QSOResTime=4\n"));
    ASSERT_NE(c->BkeyMode, 0);
    c->QSOHelpBtn->click();
    c->QSOStartBtn->click();
    // A press while the host sends is dropped, and so is its release.
    c.loop().runFor(1500);
    ASSERT_EQ(c->QSOKeyInReady, 0);
    c->DotKeyDown();
    EXPECT_EQ(c->DotOnFlag, 0);
    c->DotKeyUp();
    c.loop().runFor(2000);
    EXPECT_TRUE(c->KeyAnaLyzeStr.isEmpty());
    EXPECT_TRUE(c->QSORecString.isEmpty());

    const QStringList replies = {"DE QX0ZZZ", "UR 599", "73 E E"};
    for (int i = 0; i < replies.size(); ++i) {
        ASSERT_TRUE(c.runUntilAnswering(i + 1)) << i;
        const int64_t waitStart = c.loop().nowMs();
        const int64_t keyedBy = keyText(c, waitStart + 300, replies[i]);
        ASSERT_LT(keyedBy - waitStart, 30'000) << "the reply must fit the wait";
        c.loop().runFor(keyedBy - c.loop().nowMs() + 10);
        // The reply grows as it is keyed.
        EXPECT_EQ(QString(c->QSORecString).remove(u' '), QString(replies[i]).remove(u' ')) << i;
        EXPECT_EQ(c->QSOMorseStringLabel->text(), "String : " + c->QSORecString.trimmed()) << i;
        ASSERT_TRUE(c.runUntilWaitEnds()) << i;
    }
    ASSERT_TRUE(c.runUntilSequencerIdle());
    EXPECT_EQ(c.countLines("HOST CallSign Get...QX0ZZZ"), 1);
    EXPECT_EQ(c.countLines("HOST RS Get...599"), 1);
    EXPECT_EQ(c.countLines("Send : QSL QX0ZZZ BY BY TU E E"), 1);
    EXPECT_EQ(c.log().back().text, "QSO Finished...");
}

TEST(KeyedReplies, KeyingHoldsTheOpeningWaitOpenUntilFiveSilentTicks) {
    ContactRig c(kBugKey + QStringLiteral("QSOLevel=4\n"));
    c->QSOStartBtn->click();
    // The user calls first: the host sends nothing and the wait shows at once.
    EXPECT_EQ(c->RTimeLabel->text(), "0/5");
    EXPECT_EQ(c->QSOKeyInReady, -1);
    EXPECT_EQ(c->QSOBuzy2, -1);
    EXPECT_TRUE(c.rig.tape().voices().empty());
    const int64_t start = c.loop().nowMs();
    // One dot every 4 s: the count never reaches five.
    for (int press = 1; press <= 3; ++press)
        keyText(c, start + press * 4000 + 500, QStringLiteral("E"));
    c.loop().runFor(3 * 4000 + 500 + 4000 + 100);
    EXPECT_EQ(c->QSOBuzy2, -1);
    EXPECT_EQ(c->RTimeLabel->text(), "4 / 5");
    EXPECT_EQ(c->PBarPos2, 80);
    c.loop().runFor(1000);
    EXPECT_EQ(c->QSOBuzy2, 0);
    // Each dot was a word of its own: the line end between them adds a blank.
    const auto lines = c.log();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(QString(lines[lines.size() - 2].text).remove(u' '), "Keyin:EEE");
    EXPECT_EQ(c.log().back().text, "HOST CallSign NG...");
    EXPECT_EQ(c->QSOSendString, "DE " + c->QSOCallSign1 + " AGN PSE K");
}

TEST(KeyedReplies, TypingDoesNotHoldTheOpeningWaitOpen) {
    ContactRig c(QStringLiteral("QSOLevel=4\n"));
    c->KeyInModeBtn->click();
    c->QSOStartBtn->click();
    c.loop().runFor(3500);
    c.typeReply(QStringLiteral("CQ DE QX0ZZZ"));
    c.loop().runFor(1600);
    EXPECT_EQ(c->QSOBuzy2, 0);
    EXPECT_EQ(c.countLines("HOST CallSign Geted...QX0ZZZ"), 1);
}
