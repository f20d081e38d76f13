#include "listening/judgement.h"
#include "listening/report_pane.h"
#include "support/form_rig.h"
#include "widgets/gd_button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::FormRig;

namespace {

const QColor kAqua{0x00, 0xFF, 0xFF};
const QColor kRed{0xFF, 0x00, 0x00};
const QColor kWhite{0xFF, 0xFF, 0xFF};
const QColor kYellow{0xFF, 0xFF, 0x00};

struct Line {
    QString text;
    QColor colour;
    bool operator==(const Line&) const = default;
};

std::vector<Line> paneLines(FormRig& rig) {
    std::vector<Line> lines;
    for (const ColouredLine& line : rig->REdit1->lines())
        lines.push_back({line.text, line.colour});
    return lines;
}

std::vector<MessageSound> sounds(FormRig& rig) {
    std::vector<MessageSound> played;
    for (const auto& n : rig.sim.sounds().notifications())
        played.push_back(n.sound);
    return played;
}

// The answer stage of a character question, as the end of its play leaves it.
void answerStage(FormRig& rig, int questionClass, const QString& played, int length) {
    rig->RandomBaseMode = questionClass;
    rig->QuestionString = played;
    rig->RandomLength = length;
    rig->ACount = 1;
    rig->AnswerPanelSetup();
}

void releaseKey(QWidget* target, int key) {
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

} // namespace

TEST(Judgement, KeystrokeSequencesTable) {
    struct Case {
        int questionClass;
        QString played;
        int length;
        QString keys;
        std::vector<Line> lines;
        QString judgeLabel;
    };
    const std::vector<Case> cases = {
        {0,
         " KAB",
         3,
         "KBAB",
         {{"1: Key in K ..Win", kAqua},
          {"2: Key in B ..Miss", kRed},
          {"2: Key in A ..Win", kAqua},
          {"3: Key in B ..Win", kAqua},
          {"The answer was correct!", kWhite}},
         "Good Success"},
        // After success the last position is judged again.
        {0,
         " AB AB",
         2,
         "ABAB",
         {{"1: Key in A ..Win", kAqua},
          {"2: Key in B ..Win", kAqua},
          {"The answer was correct!", kWhite},
          {"2: Key in A ..Miss", kRed},
          {"2: Key in B ..Win", kAqua},
          {"The answer was correct!", kWhite}},
         "Good Success"},
        // The length was raised to 5 while the two letters played once: nothing matches past
        // the played text.
        {0,
         " AB",
         5,
         "AB X",
         {{"1: Key in A ..Win", kAqua},
          {"2: Key in B ..Win", kAqua},
          {"3: Key in   ..Miss", kRed},
          {"3: Key in X ..Miss", kRed}},
         "Miss.."},
        {1,
         " あい",
         2,
         "あい",
         {{"1: Key in あ ..Win", kAqua},
          {"2: Key in い ..Win", kAqua},
          {"The answer was correct!", kWhite}},
         "Good Success"},
        {2, " 12 12", 2, "1", {{"1: Key in 1 ..Win", kAqua}}, "Win!.."},
    };
    for (const Case& c : cases) {
        FormRig rig;
        answerStage(rig, c.questionClass, c.played, c.length);
        for (QChar key : c.keys)
            rig->AnsEdit2->setText(QString(key));
        const std::string where = c.played.toStdString();
        EXPECT_EQ(paneLines(rig), c.lines) << where;
        EXPECT_EQ(rig->JudgeLabel->text(), c.judgeLabel) << where;
        std::vector<MessageSound> expectedSounds;
        for (const Line& line : c.lines) {
            if (line.colour != kWhite)
                expectedSounds.push_back(line.colour == kAqua ? MessageSound::Ok
                                                              : MessageSound::Hand);
        }
        EXPECT_EQ(sounds(rig), expectedSounds) << where;
        // One box per character of the question; the answered ones show it on aqua.
        const QString answer = c.played.trimmed();
        for (int k = 0; k < 5; ++k) {
            QLabel* box = rig->APanelBoxes[size_t(k)];
            EXPECT_EQ(!box->isHidden(), k < c.length) << where << k;
            if (!box->text().isEmpty()) {
                EXPECT_EQ(box->text(), QString(answer[k])) << where << k;
                EXPECT_EQ(answerBoxColour(box), kAqua) << where << k;
            } else if (k < c.length) {
                EXPECT_EQ(answerBoxColour(box), kHotLightBlue) << where << k;
            }
        }
    }
}

TEST(Judgement, LowerCaseIsFoldedOnlyForTheAlphabet) {
    for (int questionClass : {0, 1}) {
        FormRig rig;
        answerStage(rig, questionClass, QStringLiteral(" K"), 1);
        // Straight to the judge: the field itself upper-cases what is keyed into it.
        rig->CharJudge(QStringLiteral("k"));
        EXPECT_EQ(paneLines(rig).front().colour, questionClass == 0 ? kAqua : kRed);
    }
    FormRig rig;
    answerStage(rig, 1, QStringLiteral(" Q"), 1);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"));
    QApplication::sendEvent(rig->AnsEdit2, &press);
    EXPECT_EQ(rig->AnsEdit2->text(), QStringLiteral("Q"));
    EXPECT_EQ(paneLines(rig).front(), (Line{"1: Key in Q ..Win", kAqua}));
}

TEST(Judgement, GroupAnswerOnEnterTable) {
    struct Case {
        QString typed;
        std::vector<Line> lines;
        MessageSound sound;
    };
    const std::vector<Case> cases = {
        {"<CQ>", {{"Success!", kAqua}}, MessageSound::Ok},
        {"<cq>", {{"Success!", kAqua}}, MessageSound::Ok},
        {"CQ",
         {{"Sorry, the correct key is <CQ>", kRed}, {"Your input key are CQ", kRed}},
         MessageSound::Hand},
        {"<cQ",
         {{"Sorry, the correct key is <CQ>", kRed}, {"Your input key are <CQ", kRed}},
         MessageSound::Hand},
    };
    for (const Case& c : cases) {
        FormRig rig(QStringLiteral("[TessalSystem]\nQTypeMode=0\nRandomBaseMode=4\n"));
        rig->RandomStringLabel->setText(QStringLiteral("<CQ>"));
        rig->AnsEdit->clear();
        rig->QCodeAnswerCheck();
        EXPECT_FALSE(rig->JudgeBtn->isHidden());
        EXPECT_TRUE(paneLines(rig).empty());

        rig->AnsEdit->setText(c.typed);
        releaseKey(rig->AnsEdit, Qt::Key_A);
        EXPECT_TRUE(paneLines(rig).empty()) << c.typed.toStdString();
        releaseKey(rig->AnsEdit, Qt::Key_Return);

        EXPECT_EQ(paneLines(rig), c.lines) << c.typed.toStdString();
        EXPECT_EQ(sounds(rig), std::vector<MessageSound>{c.sound}) << c.typed.toStdString();
        EXPECT_EQ(rig->AnsEdit->text(), c.typed.toUpper());
        EXPECT_TRUE(rig->JudgeBtn->isHidden());
        EXPECT_FALSE(rig->RandomStringLabel->isHidden());
        EXPECT_EQ(rig->findChild<TgdButton*>("RandomModeQestionStringBtn")->mark(), kYellow);
    }
}

TEST(Judgement, EnterWhileTheGroupPlaysIsJudgedAgainAtTheEnd) {
    FormRig rig(QStringLiteral("[TessalSystem]\nQTypeMode=0\nRandomBaseMode=4\n"));
    rig->findChild<TgdButton*>("NEWBtn")->click();
    ASSERT_EQ(rig->RUNFlag, -1);
    EXPECT_TRUE(rig->AnsEdit->text().isEmpty());
    rig.loop().runFor(10);
    rig->AnsEdit->setText(rig->RandomStringLabel->text());
    releaseKey(rig->AnsEdit, Qt::Key_Enter);
    EXPECT_EQ(paneLines(rig).size(), 1u);

    rig.loop().runFor(10000);
    ASSERT_EQ(rig->RUNFlag, 0);
    const std::vector<Line> expected = {{"Success!", kAqua}, {"Success!", kAqua}};
    EXPECT_EQ(paneLines(rig), expected);
}

TEST(Judgement, StopDuringTheSecondCharacterOpensTheAnswerStage) {
    FormRig rig(QStringLiteral("[TessalSystem]\nQTypeMode=0\nRandomBaseMode=0\nRandomLength=5\n"
                               "RepeCount=1\n"));
    rig->QuestionString = QStringLiteral(" ABCDE");
    QStringList shown;
    rig.sampleEvery(1, 10000, [&] {
        const QString c = rig->StringLabel->text();
        if (shown.isEmpty() || shown.back() != c)
            shown.append(c);
        if (c == QStringLiteral("B") && rig->StopBtn->mark() != kYellow)
            rig->StopBtn->click();
    });
    rig->PlayBtn->click();
    rig.loop().runFor(10000);

    EXPECT_FALSE(shown.contains(QStringLiteral("C")));
    EXPECT_EQ(rig->RUNFlag, 0);
    EXPECT_FALSE(rig->AnsPanel2->isHidden());
    for (QLabel* box : rig->APanelBoxes)
        EXPECT_FALSE(box->isHidden());
    EXPECT_EQ(rig->QuestionString2, QStringLiteral("ABCDE"));
    rig->AnsEdit2->setText(QStringLiteral("A"));
    EXPECT_EQ(paneLines(rig).front(), (Line{"1: Key in A ..Win", kAqua}));
}
