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

void typeKeys(FormRig& rig, const QString& keys) {
    for (QChar key : keys)
        rig->AnsEdit2->setText(QString(key));
}

void releaseKey(QWidget* target, int key) {
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

} // namespace

TEST(Judgement, EachKeystrokeIsJudgedLoggedAndBoxed) {
    FormRig rig;
    answerStage(rig, 0, QStringLiteral(" KAB"), 3);
    typeKeys(rig, QStringLiteral("KBAB"));

    const std::vector<Line> expected = {
        {"1: Key in K ..Win", kAqua},        {"2: Key in B ..Miss", kRed},
        {"2: Key in A ..Win", kAqua},        {"3: Key in B ..Win", kAqua},
        {"The answer was correct!", kWhite},
    };
    EXPECT_EQ(paneLines(rig), expected);
    EXPECT_EQ(sounds(rig), (std::vector<MessageSound>{MessageSound::Ok, MessageSound::Hand,
                                                      MessageSound::Ok, MessageSound::Ok}));
    EXPECT_EQ(rig->JudgeLabel->text(), QStringLiteral("Good Success"));
    const QStringList shown{"K", "A", "B"};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(rig->APanelBoxes[size_t(k)]->text(), shown[k]);
        EXPECT_EQ(answerBoxColour(rig->APanelBoxes[size_t(k)]), kAqua);
    }
    EXPECT_EQ(rig->AnsEdit2->text(), QStringLiteral("B"));
}

TEST(Judgement, LabelFollowsTheLastKeystroke) {
    FormRig rig;
    answerStage(rig, 2, QStringLiteral(" 123 123"), 3);
    typeKeys(rig, QStringLiteral("1"));
    EXPECT_EQ(rig->JudgeLabel->text(), QStringLiteral("Win!.."));
    typeKeys(rig, QStringLiteral("3"));
    EXPECT_EQ(rig->JudgeLabel->text(), QStringLiteral("Miss.."));
    EXPECT_EQ(rig->ACount, 2);
    EXPECT_TRUE(rig->AnsEdit2->text().isEmpty());
}

TEST(Judgement, OnlyTheQuestionsBoxesShowTable) {
    for (int length = 1; length <= 5; ++length) {
        FormRig rig;
        rig->APanelBoxes[4]->setText(QStringLiteral("Z"));
        answerStage(rig, 0, QStringLiteral(" ABCDE"), length);
        for (int k = 0; k < 5; ++k) {
            QLabel* box = rig->APanelBoxes[size_t(k)];
            EXPECT_EQ(!box->isHidden(), k < length) << length << " box " << k;
            if (k < length) {
                EXPECT_TRUE(box->text().isEmpty()) << length;
                EXPECT_EQ(answerBoxColour(box), kHotLightBlue) << length;
            }
        }
    }
}

TEST(Judgement, CaseFoldingByClassTable) {
    struct Case {
        int questionClass;
        QString played;
        QString typed;
        QString firstLine;
    };
    const std::vector<Case> cases = {
        {0, " K", "k", "1: Key in K ..Win"},
        {1, " あ", "あ", "1: Key in あ ..Win"},
        {3, " ?", "?", "1: Key in ? ..Win"},
        {1, " A", "a", "1: Key in a ..Miss"},
    };
    for (const Case& c : cases) {
        FormRig rig;
        answerStage(rig, c.questionClass, c.played, 1);
        // Straight to the judge: the field upper-cases on its own (see the next test).
        rig->CharJudge(c.typed);
        ASSERT_FALSE(rig->REdit1->lines().empty()) << c.typed.toStdString();
        EXPECT_EQ(rig->REdit1->lines().front().text, c.firstLine);
    }
}

TEST(Judgement, TypedLettersAreUpperCasedInTheField) {
    FormRig rig;
    answerStage(rig, 0, QStringLiteral(" Q"), 1);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"));
    QApplication::sendEvent(rig->AnsEdit2, &press);
    EXPECT_EQ(rig->AnsEdit2->text(), QStringLiteral("Q"));
    EXPECT_EQ(paneLines(rig).front(), (Line{"1: Key in Q ..Win", kAqua}));
}

TEST(Judgement, AfterSuccessTheLastPositionIsJudgedAgain) {
    FormRig rig;
    answerStage(rig, 0, QStringLiteral(" AB AB"), 2);
    typeKeys(rig, QStringLiteral("AB"));
    rig->REdit1->clearLines();

    typeKeys(rig, QStringLiteral("AB"));
    const std::vector<Line> expected = {
        {"2: Key in A ..Miss", kRed},
        {"2: Key in B ..Win", kAqua},
        {"The answer was correct!", kWhite},
    };
    EXPECT_EQ(paneLines(rig), expected);
}

TEST(Judgement, PositionsPastThePlayedTextAreMissedWithoutEnd) {
    // The length was raised to 5 while the two-letter question played once.
    FormRig rig;
    answerStage(rig, 0, QStringLiteral(" AB"), 5);
    typeKeys(rig, QStringLiteral("AB X "));
    const std::vector<Line> lines = paneLines(rig);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], (Line{"3: Key in   ..Miss", kRed}));
    EXPECT_EQ(lines[3], (Line{"3: Key in X ..Miss", kRed}));
    EXPECT_EQ(lines[4], (Line{"3: Key in   ..Miss", kRed}));
    EXPECT_EQ(rig->ACount, 3);
    EXPECT_EQ(rig->JudgeLabel->text(), QStringLiteral("Miss.."));
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
    typeKeys(rig, QStringLiteral("A"));
    EXPECT_EQ(paneLines(rig).front(), (Line{"1: Key in A ..Win", kAqua}));
}
