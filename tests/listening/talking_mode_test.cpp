#include "listening/report_pane.h"
#include "listening/talking_text.h"
#include "support/form_rig.h"
#include "widgets/gd_button.h"

#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::FormRig;

namespace {

const QColor kBlue{0x00, 0x00, 0xFF};
const QColor kAqua{0x00, 0xFF, 0xFF};
const QColor kYellow{0xFF, 0xFF, 0x00};

struct Talking {
    int questionClass = 0, length = 1, delay = 1, replays = 1, constantly = 0;
};

QString talkingSettings(const Talking& t) {
    return QStringLiteral("[TessalSystem]\nQTypeMode=0\nSpeedWPS=10\nRepeCount=1\nTalkingMode=1\n"
                          "RandomBaseMode=%1\nRandomLength=%2\nTalkingIT=%3\nTalkingRepCount=%4\n"
                          "TIContiFlag=%5\n")
        .arg(t.questionClass)
        .arg(t.length)
        .arg(t.delay)
        .arg(t.replays)
        .arg(t.constantly);
}

// Every caption TIProgLabel showed, with the virtual time it first showed it.
struct Progress {
    QStringList texts;
    std::vector<int64_t> atMs;
    int64_t firstAt(const QString& text) const {
        const qsizetype i = texts.indexOf(text);
        return i < 0 ? -1 : atMs[std::size_t(i)];
    }
};

Progress watchProgress(FormRig& rig, int64_t durationMs) {
    auto progress = std::make_shared<Progress>();
    rig.sampleEvery(1, durationMs, [&rig, progress] {
        const QString text = rig->TIProgLabel->text();
        if (progress->texts.isEmpty() || progress->texts.back() != text) {
            progress->texts.append(text);
            progress->atMs.push_back(rig.loop().nowMs());
        }
    });
    rig.loop().runFor(durationMs);
    return *progress;
}

QStringList saidTexts(FormRig& rig) {
    QStringList texts;
    for (const SimSpeech::Said& said : rig.sim.speech().said())
        texts.append(said.text);
    return texts;
}

} // namespace

TEST(TalkingMode, SpokenTextTable) {
    struct Case {
        QString question;
        int length;
        QString spoken;
    };
    const std::vector<Case> cases = {
        {" KAB KAB", 3, ",K,A,B"}, {"<CQ>", 3, ",C,Q,>"}, {" K", 3, ",K"},
        {" かき", 2, ",か,き"},    {"", 2, ""},           {" 12345", 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(talkingText(c.question, c.length), c.spoken) << c.question.toStdString();
}

TEST(TalkingMode, OneSecondDelayThenSpeechThenEnd) {
    FormRig rig(talkingSettings({}));
    rig->PlayBtn->click();
    EXPECT_EQ(rig->TIProgLabel->text(), "Start..");
    const QString question = rig->RandomStringLabel->text();
    const Progress progress = watchProgress(rig, 10'000);

    EXPECT_EQ(saidTexts(rig), QStringList{u',' + question});
    const auto spans = rig.tape().toneSpans(0, rig.loop().now());
    ASSERT_FALSE(spans.empty());
    const int64_t morseEndMs = spans.back().offUs / 1000;
    const int64_t delayAt = progress.firstAt("Delay..1");
    ASSERT_GT(delayAt, 0);
    // The queue ends a closing pause and a dot after the tone; one second later the first tick.
    EXPECT_GE(delayAt - morseEndMs, 1000);
    EXPECT_LE(delayAt - morseEndMs, 1000 + 80 + 75 + 80);
    EXPECT_NEAR(rig.sim.speech().said()[0].atUs / 1000, delayAt + 1000, 1); // sampled each ms
    EXPECT_EQ(progress.texts.back(), "END..");
    EXPECT_EQ(rig->RUNFlag, 0);
    EXPECT_EQ(rig->PlayBtn->mark(), kBlue);
    EXPECT_TRUE(rig->REdit1->lines().empty()) << "nothing is logged";
    EXPECT_TRUE(rig->AnsPanel2->isHidden());
}

TEST(TalkingMode, DelayCountsDown) {
    FormRig rig(talkingSettings({.delay = 3}));
    rig->PlayBtn->click();
    const Progress progress = watchProgress(rig, 15'000);
    EXPECT_EQ(progress.texts.mid(1, 3), (QStringList{"Delay..3", "Delay..2", "Delay..1"}));
    EXPECT_EQ(progress.firstAt("Delay..1") - progress.firstAt("Delay..3"), 2000);
}

TEST(TalkingMode, ThreeRepetitionsReplayMorseAndSpeech) {
    FormRig rig(talkingSettings({.replays = 3}));
    rig->PlayBtn->click();
    const QString question = rig->RandomStringLabel->text();
    const Progress progress = watchProgress(rig, 20'000);

    EXPECT_EQ(saidTexts(rig), QStringList(3, u',' + question));
    EXPECT_EQ(rig.tape().voices().size(), 3u);
    const qsizetype second = progress.texts.indexOf("Replay..2/3");
    const qsizetype third = progress.texts.indexOf("Replay..3/3");
    ASSERT_GT(second, 0);
    EXPECT_GT(third, second);
    EXPECT_EQ(progress.texts.back(), "END..");
    // The replay waits half a second after the speech before its Morse is queued.
    const int64_t firstSpeechEndUs = rig.sim.speech().said()[0].atUs + 2 * 300'000;
    EXPECT_GE(rig.tape().voices()[1].startUs - firstSpeechEndUs, (500 + 50 + 280) * 1000);
}

TEST(TalkingMode, ConstantlyGoesOnWithNewQuestionsUntilStop) {
    FormRig rig(talkingSettings({.constantly = -1}));
    EXPECT_TRUE(rig->NEWBtn->isHidden());
    EXPECT_EQ(rig->TalkConstBTN->mark(), kYellow);
    rig->PlayBtn->click();
    const Progress progress = watchProgress(rig, 12'000);
    EXPECT_GE(progress.texts.count("Start.."), 2);
    EXPECT_FALSE(progress.texts.contains("END.."));
    ASSERT_GE(rig.sim.speech().said().size(), 2u);
    EXPECT_EQ(rig->RUNFlag, -1);

    rig->StopBtn->click();
    const std::size_t saidAtStop = rig.sim.speech().said().size();
    rig.loop().runFor(10'000);
    EXPECT_EQ(rig->TIProgLabel->text(), "Stop");
    EXPECT_EQ(rig->RUNFlag, 0);
    EXPECT_FALSE(rig->TakingInterValTimer->enabled());
    EXPECT_EQ(rig.sim.speech().said().size(), saidAtStop);
    EXPECT_TRUE(rig->QuestionString.isEmpty());

    rig->TalkConstBTN->click();
    EXPECT_FALSE(rig->NEWBtn->isHidden());
    EXPECT_EQ(rig->TalkConstBTN->mark(), kBlue);
}

TEST(TalkingMode, GroupClassSpeaksTheCharactersAfterTheBracket) {
    FormRig rig(talkingSettings({.questionClass = 4, .length = 3}));
    rig->PlayBtn->click();
    const QString group = rig->QuestionString;
    ASSERT_TRUE(group.startsWith(u'<'));
    rig.loop().runFor(15'000);
    ASSERT_EQ(rig.sim.speech().said().size(), 1u);
    EXPECT_EQ(rig.sim.speech().said()[0].text, talkingText(group, 3));
    EXPECT_EQ(rig.sim.speech().said()[0].text.left(4),
              u',' + group.mid(1, 1) + u',' + group.mid(2, 1));
}

TEST(TalkingMode, ReplayCountClickedDuringARunCountsFromThen) {
    FormRig rig(talkingSettings({.replays = 3}));
    rig->PlayBtn->click();
    while (rig.sim.speech().said().empty())
        rig.loop().runFor(1);
    rig.loop().runFor(1);
    ASSERT_EQ(rig->TRepCurrCount, 1);
    rig->findChild<TgdButton*>("RCBTN2")->click();
    EXPECT_EQ(rig->TRepCurrCount, 0);
    EXPECT_EQ(rig->RCBTNs[1]->mark(), kAqua);
    rig.loop().runFor(30'000);
    EXPECT_EQ(rig.sim.speech().said().size(), 3u) << "one before the click, two after it";
    EXPECT_EQ(rig->RUNFlag, 0);
}

TEST(TalkingMode, ToggleIsRefusedWhileRunningAndWorksWhenIdle) {
    FormRig rig(talkingSettings({}));
    rig->PlayBtn->click();
    rig->TakingBTN->click();
    EXPECT_EQ(rig->TalkingMode, -1);
    rig.loop().runFor(10'000);
    ASSERT_EQ(rig->RUNFlag, 0);
    rig->TakingBTN->click();
    EXPECT_EQ(rig->TalkingMode, 0);
    EXPECT_TRUE(rig->TakingPanel->isHidden());
    EXPECT_FALSE(rig->PauseBtn->isHidden());
    EXPECT_EQ(rig->TakingBTN->mark(), kBlue);
    rig->TakingBTN->click();
    EXPECT_FALSE(rig->TakingPanel->isHidden());
    EXPECT_TRUE(rig->PauseBtn->isHidden());
}

TEST(TalkingMode, DelayAndReplayButtonsMarkTheirValueAndStoredValuesOutsideLeaveAllBlue) {
    FormRig rig(talkingSettings({.delay = 9, .replays = 0}));
    for (TgdButton* button : rig->TITBtns)
        EXPECT_EQ(button->mark(), kBlue);
    for (TgdButton* button : rig->RCBTNs)
        EXPECT_EQ(button->mark(), kBlue);
    rig->findChild<TgdButton*>("TITBtn4")->click();
    EXPECT_EQ(rig->TalkingIT, 4);
    EXPECT_EQ(rig->TITBtns[3]->mark(), kAqua);
    EXPECT_EQ(rig->TITBtns[0]->mark(), kBlue);
}

TEST(TalkingMode, StoredReplayCountZeroReplaysUntilStopAndAHugeDelayStillEnds) {
    FormRig rig(talkingSettings({.delay = 2147483647, .replays = 0}));
    rig->PlayBtn->click();
    rig.loop().runFor(40'000);
    EXPECT_GE(rig.sim.speech().said().size(), 3u);
    EXPECT_EQ(rig->RUNFlag, -1);
    rig->StopBtn->click();
    rig.loop().runFor(1000);
    EXPECT_EQ(rig->RUNFlag, 0);
    EXPECT_EQ(rig->TIProgLabel->text(), "Stop");
}

TEST(TalkingMode, MissingOrFailingSpeechIsToldOnceAndTheExerciseEnds) {
    for (SimSpeech::Failure failure :
         {SimSpeech::Failure::Unavailable, SimSpeech::Failure::Throws}) {
        FormRig rig(talkingSettings({.replays = 2}));
        rig.sim.speech().setFailure(failure);
        rig->PlayBtn->click();
        rig.loop().runFor(20'000);
        EXPECT_EQ(rig.sim.dialogs().messages().size(), 1) << int(failure);
        EXPECT_EQ(rig.tape().voices().size(), 2u) << int(failure) << ": the replay still plays";
        EXPECT_EQ(rig->TIProgLabel->text(), "END..") << int(failure);
        EXPECT_EQ(rig->RUNFlag, 0) << int(failure);
        rig->PlayBtn->click();
        rig.loop().runFor(20'000);
        EXPECT_EQ(rig.sim.dialogs().messages().size(), 1) << int(failure) << ": told once";
    }
}

TEST(TalkingMode, OtherSourcesPlayAsUsualWhileTheModeIsOn) {
    FormRig rig(QStringLiteral("[TessalSystem]\nQTypeMode=1\nTalkingMode=1\nTIContiFlag=1\n"));
    EXPECT_FALSE(rig->PauseBtn->isHidden());
    EXPECT_TRUE(rig->TakingPanel->isHidden());
    EXPECT_TRUE(rig->NEWBtn->isHidden());
    const QString path = rig.dir.filePath("one.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("E\n");
    file.close();
    rig.sim.dialogs().queueOpenAnswer(path);
    rig->FileLoadBtn->click();
    rig->PlayBtn->click();
    rig.loop().runFor(10'000);
    EXPECT_TRUE(rig.sim.speech().said().empty());
    EXPECT_EQ(rig->REdit1->lines().size(), 1u);
    EXPECT_EQ(rig->RUNFlag, 0);
}
