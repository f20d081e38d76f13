#include "operation/contact_rig.h"

#include <QFrame>

using namespace tessal;
using namespace tessal::testing;

namespace {

int segmentsShown(TTessalForm& form) {
    int shown = 0;
    for (QWidget* segment : form.PBarPanels2)
        shown += segment->isVisibleTo(form.ProgressBarBasePanel) ? 1 : 0;
    return shown;
}

// Starts a level-1 contact in keyboard mode and runs it to its first reply wait.
void startAndAwaitAnswer(ContactRig& c) {
    c->KeyInModeBtn->click();
    c->QSOStartBtn->click();
    ASSERT_TRUE(c.runUntilAnswering(1));
}

} // namespace

TEST(ContactEngine, CountdownAndBarOfAFifteenSecondWait) {
    ContactRig c(QStringLiteral("QSOResTime=1\n"));
    startAndAwaitAnswer(c);
    EXPECT_EQ(c->RTimeLabel->text(), "0/15");
    EXPECT_TRUE(c->RTimeLabel->isVisibleTo(c.rig.form.get()));
    EXPECT_TRUE(c->ProgressBarBasePanel->isVisibleTo(c.rig.form.get()));
    EXPECT_EQ(segmentsShown(*c.rig.form), 0);
    QStringList labels;
    std::vector<int> segments;
    auto probe = [&] {
        labels.append(c->RTimeLabel->text());
        segments.push_back(segmentsShown(*c.rig.form));
    };
    const int64_t waitStart = c.loop().nowMs();
    for (int tick = 1; tick <= 14; ++tick)
        c.loop().at(waitStart + tick * 1000 + 1, probe);
    // The last tick ends the wait inside its handler: look when the reply is logged.
    QObject::connect(c->REdit3, &QTextEdit::textChanged, c.rig.form.get(), [&] {
        if (c.log().back().text.startsWith(QStringLiteral("Key in : ")))
            probe();
    });
    c.loop().runFor(15'000 + 10);
    QStringList expectedLabels;
    for (int tick = 1; tick <= 15; ++tick)
        expectedLabels.append(QStringLiteral("%1 / 15").arg(tick));
    EXPECT_EQ(labels, expectedLabels);
    EXPECT_EQ(segments, (std::vector<int>{1, 3, 4, 5, 7, 8, 9, 11, 12, 13, 15, 16, 17, 19, 20}));
    // The fifteenth tick ends the wait: the reply is logged and the bar is gone.
    EXPECT_EQ(c->QSOTrainingPhase, 1);
    EXPECT_EQ(c.log().back().text, "HOST CallSign NG...");
    EXPECT_EQ(c.log()[c.log().size() - 2].text, "Key in : ");
    EXPECT_EQ(c.log()[c.log().size() - 2].colour, kWhite);
    EXPECT_FALSE(c->ProgressBarBasePanel->isVisibleTo(c.rig.form.get()));
    EXPECT_FALSE(c->RTimeLabel->isVisibleTo(c.rig.form.get()));
    EXPECT_EQ(segmentsShown(*c.rig.form), 0);
}

TEST(ContactEngine, StartDuringAContactResets) {
    ContactRig c;
    startAndAwaitAnswer(c);
    c->QSOStartBtn->click();
    EXPECT_EQ(c->QSOBuzy, 0);
    EXPECT_EQ(c.log().back().text, "QSO Sequence Reset...");
    EXPECT_EQ(c.log().back().colour, kYellow);
    EXPECT_EQ(c.countLines("QSO Level.1 Start..."), 1);
    EXPECT_EQ(c->QSOStartBtn->mark(), kBlue);
    EXPECT_FALSE(c->QSOResTimer->enabled());
    EXPECT_FALSE(c->ProgressBarBasePanel->isVisibleTo(c.rig.form.get()));
    c.loop().runFor(30'000);
    EXPECT_EQ(c.log().back().text, "QSO Sequence Reset...");
}

TEST(ContactEngine, ResetCutsTheHostShortAndNoListeningActionFollows) {
    for (bool whilePlaying : {true, false}) {
        ContactRig c(QStringLiteral("QTypeMode=0\n"));
        c->KeyInModeBtn->click();
        if (whilePlaying) {
            c->QSOStartBtn->click();
            c.loop().runFor(1500);
            ASSERT_GT(c->MorseStrCount, 0);
        }
        const int64_t resetAt = c.loop().now();
        c->QSOResetBtn->click();
        EXPECT_EQ(c->QTypeMode, -1);
        EXPECT_EQ(c->QSOBuzy, 0);
        EXPECT_EQ(c->QSOBuzy2, 0);
        EXPECT_EQ(c->QSOTrainingPhase, 0);
        EXPECT_EQ(c->RTimeLabel->text(), "--/--");
        ASSERT_TRUE(c.runUntilSequencerIdle());
        c.loop().runFor(20'000);
        // At most the character that was sounding finishes.
        const auto spans = c.rig.tape().toneSpans(resetAt, c.loop().now());
        if (!spans.empty()) {
            EXPECT_LT(spans.back().offUs - resetAt, 1'000'000);
        }
        EXPECT_EQ(c.countLines("Start Answering..."), 0);
        EXPECT_FALSE(c->AnsPanel->isVisibleTo(c.rig.form.get()));
        EXPECT_TRUE(c->REdit1->lines().empty());
        EXPECT_EQ(c->PlayBtn->mark(), kBlue);
    }
}

TEST(ContactEngine, OnlyTheLastTextTypedInAWaitCounts) {
    ContactRig c;
    startAndAwaitAnswer(c);
    c.typeReply("DE QX0ZZZ");
    EXPECT_EQ(c->QSOMorseStringLabel->text(), "DE QX0ZZZ");
    EXPECT_TRUE(c->Edit1->text().isEmpty());
    c.typeReply("hr qx1aaa");
    EXPECT_EQ(c->QSORecString, "HR QX1AAA");
    ASSERT_TRUE(c.runUntilWaitEnds());
    EXPECT_EQ(c->QSOCAllSign2, "QX1AAA");
    EXPECT_EQ(c.countLines("Key in : HR QX1AAA"), 1);
    EXPECT_EQ(c->QSOMorseStringLabel->text(), "Morse String");
    // Typing without Enter sends nothing.
    c.typeReply("UR 599", false);
    EXPECT_EQ(c->QSORecString, "");
    c->Edit1Btn->click();
    EXPECT_EQ(c->QSORecString, "UR 599");
}

TEST(ContactEngine, LevelsAreRefusedDuringAContactWaitTimesAreNot) {
    ContactRig c;
    EXPECT_EQ(c->QSORStampBtns[0]->mark(), kAqua);
    startAndAwaitAnswer(c);
    c->QSORStampBtns[2]->click();
    EXPECT_EQ(c->QSOlevel, 1);
    EXPECT_EQ(c->QSORStampBtns[0]->mark(), kAqua);
    EXPECT_EQ(c->QSORStampBtns[2]->mark(), kBlue);
    c->ResWTimeBtns[4]->click();
    EXPECT_EQ(c->QSOResTimeValue, 30);
    EXPECT_EQ(c->ResWTimeBtns[4]->mark(), kAqua);
    EXPECT_EQ(c->ResWTimeBtns[0]->mark(), kBlue);
    // The category buttons are refused as well.
    c->ListeningBtn->click();
    EXPECT_EQ(c->PC1_Page, 2);
    c->QSOResetBtn->click();
    c->QSORStampBtns[2]->click();
    EXPECT_EQ(c->QSOlevel, 3);
    c->ListeningBtn->click();
    EXPECT_EQ(c->PC1_Page, 0);
}

TEST(ContactEngine, AWaitShortenedBelowItsCountEndsAtTheNextTick) {
    ContactRig c(QStringLiteral("QSOResTime=1\n"));
    startAndAwaitAnswer(c);
    c.loop().runFor(12'000 + 100);
    EXPECT_EQ(c->RTimeLabel->text(), "12 / 15");
    int mostSegments = 0;
    QObject::connect(c->REdit3, &QTextEdit::textChanged, c.rig.form.get(),
                     [&] { mostSegments = std::max(mostSegments, segmentsShown(*c.rig.form)); });
    c->ResWTimeBtns[0]->click();
    c.loop().runFor(1000);
    EXPECT_FALSE(c->QSOResTimer->enabled());
    EXPECT_EQ(c.countLines("Key in : "), 1);
    EXPECT_EQ(mostSegments, 20);
    EXPECT_LE(c->PBarPos2, 100);
    // The next wait takes the new time.
    ASSERT_TRUE(c.runUntilAnswering(2));
    EXPECT_EQ(c->RTimeLabel->text(), "0/10");
}

TEST(ContactEngine, DamagedLevelAndWaitSettings) {
    struct Case {
        const char* settings;
        int waitSeconds;
        int markedWait; // -1 for none
        int markedLevel;
    };
    const Case cases[] = {
        {"QSOResTime=7\n", 15, 1, 0}, {"QSOResTime=-1\n", 15, 1, 0}, {"QSOResTime=4\n", 30, 4, 0},
        {"QSOLevel=7\n", 10, 0, -1},  {"QSOLevel=0\n", 10, 0, -1},
    };
    for (const Case& test : cases) {
        ContactRig c(QString::fromLatin1(test.settings));
        EXPECT_EQ(c->QSOResTimeValue, test.waitSeconds) << test.settings;
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(c->ResWTimeBtns[std::size_t(i)]->mark(), i == test.markedWait ? kAqua : kBlue)
                << test.settings << i;
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(c->QSORStampBtns[std::size_t(i)]->mark(),
                      i == test.markedLevel ? kAqua : kBlue)
                << test.settings << i;
    }
    // A level of none of the six logs its start and does nothing else until Reset.
    ContactRig c(QStringLiteral("QSOLevel=7\n"));
    c->QSOStartBtn->click();
    c.loop().runFor(60'000);
    ASSERT_EQ(c.log().size(), 1u);
    EXPECT_EQ(c.log()[0].text, "QSO Level.7 Start...");
    EXPECT_EQ(c->QSOBuzy, -1);
    EXPECT_EQ(c.rig.tape().voices().size(), 0u);
    c->QSOStartBtn->click();
    EXPECT_EQ(c->QSOBuzy, 0);
}

TEST(ContactEngine, TheClosingTransmissionStartsNoListeningAction) {
    for (const char* mode : {"QTypeMode=0\n", "QTypeMode=1\n"}) {
        ContactRig c(QString::fromLatin1(mode));
        startAndAwaitAnswer(c);
        for (const char* reply : {"DE QX0ZZZ", "UR 599", "73"}) {
            c.typeReply(QString::fromLatin1(reply));
            ASSERT_TRUE(c.runUntilWaitEnds()) << mode;
            if (c->QSOBuzy != 0) {
                ASSERT_TRUE(c.runUntilAnswering(c.countLines("Start Answering...") + 1)) << mode;
            }
        }
        EXPECT_EQ(c->QSOBuzy, 0);
        ASSERT_TRUE(c.runUntilSequencerIdle());
        c.loop().runFor(5000);
        EXPECT_TRUE(c->REdit1->lines().empty()) << mode;
        EXPECT_FALSE(c->AnsPanel->isVisibleTo(c.rig.form.get())) << mode;
        EXPECT_EQ(c->RUNFlag, 0) << mode;
        // A normal end keeps the listening question type.
        EXPECT_NE(c->QTypeMode, -1) << mode;
    }
}

TEST(ContactEngine, TalkingModeDoesNotHoldUpTheHost) {
    ContactRig c(QStringLiteral("TalkingMode=1\n"));
    startAndAwaitAnswer(c);
    EXPECT_EQ(c->QSOKeyInReady, -1);
    EXPECT_FALSE(c->TakingInterValTimer->enabled());
}

TEST(ContactEngine, KeyboardModeAndTheThreeToggles) {
    ContactRig c;
    EXPECT_TRUE(c->PuddleKeyPanel->isVisibleTo(c.rig.form.get()));
    EXPECT_FALSE(c->KeyInPanel->isVisibleTo(c.rig.form.get()));
    EXPECT_EQ(c->Edit1->text(), "DE QX0ZZZ");
    c->KeyInModeBtn->click();
    EXPECT_EQ(c->KeyInModeBtn->mark(), kYellow);
    EXPECT_FALSE(c->PuddleKeyPanel->isVisibleTo(c.rig.form.get()));
    EXPECT_TRUE(c->KeyInPanel->isVisibleTo(c.rig.form.get()));
    EXPECT_TRUE(c->Edit1->text().isEmpty());
    c->KeyInModeBtn->click();
    EXPECT_EQ(c->KeyInModeBtn->mark(), kBlue);
    EXPECT_TRUE(c->PuddleKeyPanel->isVisibleTo(c.rig.form.get()));

    struct Toggle {
        TgdButton* button;
        QLabel* label;
        int* flag; // null for the call sign, which has none
    };
    const Toggle toggles[] = {{c->QSOCallSignBtn, c->QSOHOSTCallSignLabel, nullptr},
                              {c->QSOHelpBtn, c->QSOHelpLabel, &c->QSOHelpFlag},
                              {c->QSOAssistBtn, c->QSOAssistLabel, &c->QSOAssFlag}};
    for (const Toggle& toggle : toggles) {
        EXPECT_FALSE(toggle.label->isVisibleTo(c.rig.form.get()));
        toggle.button->click();
        EXPECT_TRUE(toggle.label->isVisibleTo(c.rig.form.get()));
        EXPECT_EQ(toggle.button->mark(), kYellow);
        if (toggle.flag != nullptr) {
            EXPECT_EQ(*toggle.flag, -1);
        }
        toggle.button->click();
        EXPECT_FALSE(toggle.label->isVisibleTo(c.rig.form.get()));
        EXPECT_EQ(toggle.button->mark(), kBlue);
        if (toggle.flag != nullptr) {
            EXPECT_EQ(*toggle.flag, 0);
        }
    }
    c->QSORecString = "DE";
    c->MorseStringClear();
    EXPECT_TRUE(c->QSORecString.isEmpty());
    EXPECT_EQ(c->QSoKeyInSignalLabel->text(), "Key In Signal");
}

TEST(ContactEngine, ResponseBarSegments) {
    ContactRig c;
    TTessalForm& form = *c.rig.form;
    ASSERT_EQ(form.PBarPanels2.size(), 20u);
    for (int i = 0; i < 20; ++i) {
        QWidget* segment = form.PBarPanels2[std::size_t(i)];
        EXPECT_EQ(segment->parentWidget(), form.ProgressBarBasePanel);
        EXPECT_EQ(segment->geometry(), QRect(30 + 17 * i, 3, 10, 30)) << i;
        EXPECT_EQ(segment->palette().color(QPalette::Window), QColor(0, 255 - 13 * i, 255 - 6 * i))
            << i;
    }
    // Entering the page hides the bar; a position moves in 5 % segments either way.
    EXPECT_FALSE(form.ProgressBarBasePanel->isVisibleTo(&form));
    form.SetPBar2Pos(47);
    EXPECT_EQ(segmentsShown(form), 9);
    EXPECT_TRUE(form.RTimeLabel->isVisibleTo(&form));
    form.SetPBar2Pos(13);
    EXPECT_EQ(segmentsShown(form), 3);
    form.SetPBar2Pos(100);
    EXPECT_EQ(segmentsShown(form), 20);
    form.HidePBar2();
    EXPECT_EQ(segmentsShown(form), 0);
    EXPECT_FALSE(form.RTimeLabel->isVisibleTo(&form));
}
