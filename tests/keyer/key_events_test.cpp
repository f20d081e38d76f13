#include "keyer/key_rig.h"
#include "keyer/keyboard_key.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>
#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::KeyRig;

namespace {

const QColor kAqua{0x00, 0xFF, 0xFF};
const QColor kBlue{0x00, 0x00, 0xFF};
const QColor kGrey{0x80, 0x80, 0x80};

QColor background(const QLabel* label) {
    return label->palette().color(QPalette::Window);
}

} // namespace

TEST(KeyEvents, ContactRunningRulesTable) {
    struct Case {
        int busy, ready, opening;
        bool pressTaken;
        int waitCountAfter; // QSOResTimeCurrent after a press, from 7
    };
    const std::vector<Case> cases = {
        {0, 0, 0, true, 7},   {-1, 0, 0, false, 7},  // the host is still sending
        {-1, -1, 0, true, 7}, {-1, -1, -1, true, 0}, // the opening wait starts again
        {0, 0, -1, true, 0},
    };
    for (const Case& c : cases) {
        for (bool dash : {false, true}) {
            KeyRig rig;
            rig->QSOBuzy = c.busy;
            rig->QSOKeyInReady = c.ready;
            rig->QSOBuzy2 = c.opening;
            rig->QSOResTimeCurrent = 7;
            const int64_t from = rig.nowMs();
            dash ? rig.dash(from, 100) : rig.dot(from, 100);
            rig.loop().runFor(50);
            EXPECT_EQ((dash ? rig->DashONFlag : rig->DotOnFlag) != 0, c.pressTaken);
            EXPECT_EQ(rig->QSOResTimeCurrent, c.pressTaken ? c.waitCountAfter : 7);
            rig.loop().runFor(100);
            // An ignored press leaves its release nothing to do either.
            EXPECT_EQ(rig->KeyAnaLyzeStr, c.pressTaken && !dash ? "L" : "");
            EXPECT_EQ(rig->DotOnFlag, 0);
            EXPECT_EQ(rig->DashONFlag, 0);
        }
    }
}

TEST(KeyEvents, RepeatedEdgesGiveOneStep) {
    KeyRig rig;
    const int64_t from = rig.nowMs();
    rig.loop().at(from + 10, [&] { rig->DotKeyDown(); });
    rig.loop().at(from + 50, [&] { rig->DotKeyDown(); }); // would restart the press stamp
    rig.loop().at(from + 110, [&] { rig->DotKeyUp(); });
    rig.loop().at(from + 120, [&] { rig->DotKeyUp(); });
    rig.loop().runFor(200);
    EXPECT_EQ(rig->KeyAnaLyzeStr, "L");
    EXPECT_EQ(rig->VKDashTimeLabel->text(), "Dash Time : 100mS");
}

TEST(KeyEvents, OnTheSetupPageEdgesOnlyLightTheContactIndicators) {
    KeyRig rig;
    rig->SetUpBtn->click();
    const int64_t from = rig.nowMs();
    rig->DotKeyDown();
    rig->DashKeyDown();
    EXPECT_EQ(background(rig->DotPanel1), kAqua);
    EXPECT_EQ(background(rig->DashPanel1), kAqua);
    rig.loop().runFor(100);
    rig->DotKeyUp();
    EXPECT_EQ(background(rig->DotPanel1), kGrey);
    EXPECT_EQ(background(rig->DashPanel1), kAqua);
    rig->DashKeyUp();
    rig.loop().runFor(2000);
    EXPECT_TRUE(rig.heard(from).empty());
    EXPECT_EQ(rig->KeyAnaLyzeStr, "");
}

TEST(KeyEvents, DecodingTable) {
    struct Case {
        int dicMode;
        QString code;
        QString before, after;
    };
    const std::vector<Case> cases = {
        {0, "SL", "X", "XA"},
        {0, "SSSSSSSSSS", "X", "X"},            // no dictionary holds it
        {1, "SL", "", QString::fromUtf8("い")}, // kana first in kana mode
        {1, "LLLLL", "", "0"},                  // digits in both modes
        {0, "", "AB", "AB"},
    };
    for (const Case& c : cases) {
        KeyRig rig;
        (c.dicMode == 0 ? rig->KeyAlphaBtn : rig->KeyHiraBtn)->click();
        rig->KeyCharLabelStr = c.before;
        rig->ConvertStrLabel->setText("stale");
        rig->DecodeKeyedCharacter(c.code);
        EXPECT_EQ(rig->KeyCharLabelStr, c.after) << c.code.toStdString();
        EXPECT_EQ(rig->ConvertStrLabel->text(), "String : " + c.after);
    }
}

TEST(KeyEvents, RunningContactCollectsDecodedCharactersAndSpaces) {
    KeyRig rig;
    rig->QSOBuzy = -1;
    rig->QSOKeyInReady = -1;
    rig->DecodeKeyedCharacter("LSLS");
    rig->DecodeKeyedCharacter("SSSSSSSSSS");
    rig->KeyCRTimerTimeUp();
    rig->DecodeKeyedCharacter("LLSL");
    EXPECT_EQ(rig->QSORecString, "C Q");
    // The vertical key's line end adds no space.
    rig->VKCRTimerTimeup();
    EXPECT_EQ(rig->QSORecString, "C Q");
    EXPECT_EQ(rig.keyedLines(), (QStringList{"C", "Q"}));
    rig->MorseStringClear();
    EXPECT_EQ(rig->QSORecString, "");
}

TEST(KeyEvents, LineEndOfAnEmptyLineWritesAnEmptyLine) {
    KeyRig rig;
    rig->KeyCRTimerTimeUp();
    rig->VKCRTimerTimeup();
    EXPECT_EQ(rig.keyedLines(), (QStringList{"", ""}));
}

TEST(KeyEvents, ClearResetsTheLabelsButNotTheElementString) {
    KeyRig rig;
    rig->KeyAnaLyzeStr = "SL";
    rig->KeyCharLabelStr = "AB";
    rig->ShowKeyInSignal("SL");
    rig->gdButton4->click();
    EXPECT_EQ(rig->KeyInLabel->text(), "Key In Signal");
    EXPECT_EQ(rig->ConvertStrLabel->text(), "Morse String");
    EXPECT_EQ(rig->KeyCharLabelStr, "");
    EXPECT_EQ(rig->KeyAnaLyzeStr, "SL");
}

TEST(KeyEvents, DictionaryButtonsAndStoredModes) {
    struct Case {
        int stored;
        QColor alpha, hira;
    };
    const std::vector<Case> cases = {{0, kAqua, kBlue}, {1, kBlue, kAqua}, {7, kBlue, kBlue}};
    for (const Case& c : cases) {
        tessal::testing::FormRig rig(
            QStringLiteral("[TessalSystem]\nKeyDicMode=%1\n").arg(c.stored));
        EXPECT_EQ(rig->KeyAlphaBtn->mark(), c.alpha) << c.stored;
        EXPECT_EQ(rig->KeyHiraBtn->mark(), c.hira) << c.stored;
    }
}

namespace {

// A Ctrl key event as X11 delivers it: the key symbol and the scan code tell left from right.
void sendCtrl(QWindow* window, QEvent::Type type, bool right, bool autoRepeat = false) {
    QKeyEvent event(type, Qt::Key_Control,
                    type == QEvent::KeyPress ? Qt::ControlModifier : Qt::NoModifier,
                    right ? 105 : 37, right ? 0xffe4 : 0xffe3, 0, QString(), autoRepeat);
    QApplication::sendEvent(window, &event);
}

} // namespace

TEST(KeyEvents, KeyboardCtrlKeysAreTheContactsFromAnyPage) {
    KeyRig rig(1);
    rig->show();
    QWindow* window = rig->windowHandle();
    ASSERT_NE(window, nullptr);
    rig->ListeningBtn->click();
    rig->AnsEdit2->setFocus();
    sendCtrl(window, QEvent::KeyPress, false);
    EXPECT_EQ(rig->DotOnFlag, -1);
    sendCtrl(window, QEvent::KeyPress, false, true); // auto-repeat
    sendCtrl(window, QEvent::KeyPress, true);
    EXPECT_EQ(rig->DashONFlag, -1);
    EXPECT_EQ(rig->KeyAnaLyzeStr, "SL");
    sendCtrl(window, QEvent::KeyRelease, false);
    sendCtrl(window, QEvent::KeyRelease, true);
    EXPECT_EQ(rig->DotOnFlag, 0);
    EXPECT_EQ(rig->DashONFlag, 0);
    rig.loop().runFor(2000);
    EXPECT_EQ(rig.keyedLines(), QStringList{"A"});
}

TEST(KeyEvents, CtrlKeysOfEitherSideAndOtherKeysTable) {
    struct Case {
        int key;
        quint32 scanCode, virtualKey;
        KeyContact contact;
    };
    const std::vector<Case> cases = {
        {Qt::Key_Control, 37, 0xffe3, KeyContact::Dot},
        {Qt::Key_Control, 105, 0xffe4, KeyContact::Dash},
        {Qt::Key_Control, 0, 0xffe4, KeyContact::Dash}, // no scan code (xkb on Wayland)
        {Qt::Key_Control, 105, 0, KeyContact::Dash},    // no key symbol
        {Qt::Key_Control, 0, 0, KeyContact::None},
        {Qt::Key_Shift, 50, 0xffe1, KeyContact::None},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, Qt::NoModifier, c.scanCode, c.virtualKey, 0);
        EXPECT_EQ(keyContactOf(event), c.contact) << c.scanCode << " " << c.virtualKey;
    }
}
