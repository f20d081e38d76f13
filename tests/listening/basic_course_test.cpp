#include "listening/report_pane.h"
#include "support/form_rig.h"
#include "widgets/gd_button.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::FormRig;

namespace {

const QColor kAqua{0x00, 0xFF, 0xFF};
const QColor kBlue{0x00, 0x00, 0xFF};
const QColor kYellow{0xFF, 0xFF, 0x00};
const QColor kLime{0x00, 0xFF, 0x00};

QString basicCourseSettings(int questionClass, int length, int repeat) {
    return QStringLiteral("[TessalSystem]\nQTypeMode=0\nRandomBaseMode=%1\nRandomLength=%2\n"
                          "RepeCount=%3\n")
        .arg(questionClass)
        .arg(length)
        .arg(repeat);
}

TgdButton* button(FormRig& rig, const char* name) {
    auto* found = rig->findChild<TgdButton*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

const QStringList& poolOf(FormRig& rig, int questionClass) {
    const MorseDictionaries& d = rig->Dictionaries;
    const std::array<const QStringList*, 5> pools{&d.EngBaseStrList, &d.JpnBaseStrList,
                                                  &d.NumBaseStrList, &d.MarBaseStrList,
                                                  &d.HHHBaseStrList};
    return *pools[size_t(questionClass)];
}

// Plays a full question of class 0 and waits for its answer stage.
void playToTheEnd(FormRig& rig) {
    rig.loop().runFor(20000);
    ASSERT_EQ(rig->RUNFlag, 0);
}

} // namespace

TEST(BasicCourse, NewQuestionTextOfEachClassTable) {
    struct Case {
        int questionClass, length, repeat;
    };
    const std::vector<Case> cases = {{0, 1, 1}, {0, 3, 3}, {1, 2, 1}, {2, 5, 2},
                                     {3, 1, 4}, {4, 3, 5}, {0, 9, 1}};
    for (const Case& c : cases) {
        FormRig rig(basicCourseSettings(c.questionClass, c.length, c.repeat));
        const std::string where = std::to_string(c.questionClass) + "/" + std::to_string(c.length) +
                                  "/" + std::to_string(c.repeat);
        rig->AddREdit1Line(QStringLiteral("old"), kAqua);
        button(rig, "NEWBtn")->click();

        EXPECT_TRUE(rig->REdit1->lines().empty()) << where;
        EXPECT_EQ(rig->RUNFlag, -1) << where;
        EXPECT_EQ(rig->PlayBtn->mark(), kLime) << where;
        const QString question = rig->RandomStringLabel->text();
        const QStringList& pool = poolOf(rig, c.questionClass);
        if (c.questionClass == 4) {
            EXPECT_TRUE(pool.contains(question)) << where;
            EXPECT_EQ(rig->QuestionString, question) << where;
            EXPECT_TRUE(question.startsWith(u'<')) << where;
            continue;
        }
        // A damaged length plays the longest question the buttons offer.
        const int length = std::clamp(c.length, 1, 5);
        EXPECT_EQ(question.size(), length) << where;
        for (QChar ch : question)
            EXPECT_TRUE(pool.contains(QString(ch))) << where;
        QString expected;
        for (int i = 0; i < c.repeat; ++i)
            expected += u' ' + question;
        EXPECT_EQ(rig->QuestionString, expected) << where;
        // Each repetition starts with a word pause.
        ASSERT_EQ(rig->MorseStrList.size(), c.repeat * (length + 1)) << where;
        for (int i = 0; i < c.repeat; ++i)
            EXPECT_EQ(rig->MorseStrList.at(i * (length + 1)), QStringLiteral(" ")) << where;
    }
}

TEST(BasicCourse, ClassGroupShowsTheAnswerFormThatFits) {
    struct Case {
        int questionClass;
        bool lengthsShown, characterAnswer, groupAnswer;
        const char* markedButton;
    };
    const std::vector<Case> cases = {
        {0, true, true, false, "AlphabetBtn"}, {1, true, true, false, "NihongoBtn"},
        {2, true, true, false, "NumBtn"},      {3, true, true, false, "SymbolBtn"},
        {4, false, false, true, "QCodeBtn"},
    };
    for (const Case& c : cases) {
        FormRig rig(basicCourseSettings(c.questionClass == 4 ? 0 : 4, 1, 1));
        rig->QuestionString = QStringLiteral(" Q");
        rig->ClassBtns[size_t(c.questionClass)]->click();
        EXPECT_TRUE(rig->QuestionString.isEmpty()) << c.questionClass;
        EXPECT_EQ(rig->RandomBaseMode, c.questionClass);
        for (TgdButton* classBtn : rig->ClassBtns)
            EXPECT_EQ(classBtn->mark(),
                      classBtn->objectName() == QLatin1String(c.markedButton) ? kAqua : kBlue)
                << c.questionClass;
        EXPECT_EQ(!rig->Label7->isHidden(), c.lengthsShown) << c.questionClass;
        for (TgdButton* length : rig->LengthBtns)
            EXPECT_EQ(!length->isHidden(), c.lengthsShown) << c.questionClass;
        EXPECT_EQ(!rig->AnsPanel2->isHidden(), c.characterAnswer) << c.questionClass;
        EXPECT_EQ(!rig->AnsPanel->isHidden(), c.groupAnswer) << c.questionClass;
    }
}

TEST(BasicCourse, WhilePlayingOnlyTheLengthMayChange) {
    FormRig rig(basicCourseSettings(0, 2, 2));
    button(rig, "NEWBtn")->click();
    const QString question = rig->QuestionString;
    ASSERT_EQ(rig->RUNFlag, -1);

    button(rig, "NumBtn")->click();
    button(rig, "RepeBtn4")->click();
    button(rig, "Length_4")->click();
    button(rig, "NEWBtn")->click();

    EXPECT_EQ(rig->RandomBaseMode, 0);
    EXPECT_EQ(rig->RepeCount, 2);
    EXPECT_EQ(button(rig, "RepeBtn2")->mark(), kAqua);
    EXPECT_EQ(rig->RandomLength, 4);
    EXPECT_EQ(button(rig, "Length_4")->mark(), kAqua);
    EXPECT_EQ(button(rig, "Length_2")->mark(), kBlue);
    EXPECT_EQ(rig->QuestionString, question);
}

TEST(BasicCourse, PlayRepeatsTheQuestionAndNewReplacesIt) {
    FormRig rig(basicCourseSettings(0, 5, 1));
    button(rig, "NEWBtn")->click();
    const QString first = rig->QuestionString;
    playToTheEnd(rig);

    rig->PlayBtn->click();
    EXPECT_EQ(rig->QuestionString, first);
    EXPECT_EQ(rig->RUNFlag, -1);
    playToTheEnd(rig);
    EXPECT_EQ(rig.tape().voices().size(), 10u);

    rig->RandomStringLabel->show();
    button(rig, "NEWBtn")->click();
    EXPECT_NE(rig->QuestionString, first);
    EXPECT_TRUE(rig->RandomStringLabel->isHidden());
    EXPECT_EQ(button(rig, "RandomModeQestionStringBtn")->mark(), kBlue);
    EXPECT_EQ(rig->RUNFlag, -1);
    EXPECT_EQ(rig->PlayBtn->mark(), kLime);
}

TEST(BasicCourse, AQuestionMadeByPlayIsNotShownBeforeItIsAnswered) {
    FormRig rig(basicCourseSettings(0, 3, 1));
    TgdButton* stringBtn = button(rig, "RandomModeQestionStringBtn");
    stringBtn->click();
    ASSERT_FALSE(rig->RandomStringLabel->isHidden());
    button(rig, "NumBtn")->click(); // a class change empties the question
    button(rig, "PlayBtn")->click();
    EXPECT_FALSE(rig->QuestionString.isEmpty());
    EXPECT_TRUE(rig->RandomStringLabel->isHidden());
    EXPECT_EQ(stringBtn->mark(), kBlue);
}

TEST(BasicCourse, TalkingModeRearrangesThePlayPanel) {
    struct Case {
        int talking;
        bool pauseShown;
        int stopLeft, newLeft;
        QColor talkingMark;
        bool talkingPanelShown, answerShown;
    };
    const std::vector<Case> cases = {{-1, false, 352, 500, kYellow, true, false},
                                     {0, true, 530, 420, kBlue, false, true}};
    FormRig rig(basicCourseSettings(0, 1, 1));
    for (const Case& c : cases) {
        rig->TalkingMode = c.talking;
        rig->RandomBaseModeApply();
        EXPECT_EQ(!rig->PauseBtn->isHidden(), c.pauseShown) << c.talking;
        EXPECT_EQ(rig->StopBtn->x(), c.stopLeft) << c.talking;
        EXPECT_EQ(rig->NEWBtn->x(), c.newLeft) << c.talking;
        EXPECT_EQ(rig->TakingBTN->mark(), c.talkingMark) << c.talking;
        EXPECT_EQ(!rig->TakingPanel->isHidden(), c.talkingPanelShown) << c.talking;
        EXPECT_EQ(!rig->AnsPanel2->isHidden(), c.answerShown) << c.talking;
    }
}

TEST(BasicCourse, OtherSourcesKeepTheAnswerBandsHidden) {
    for (int source : {1, 2}) {
        FormRig rig(QStringLiteral("[TessalSystem]\nQTypeMode=%1\nRandomBaseMode=0\n").arg(source));
        EXPECT_TRUE(rig->AnsPanel2->isHidden()) << source;
        EXPECT_TRUE(rig->AnsPanel->isHidden()) << source;
        EXPECT_TRUE(rig->NEWBtn->isHidden()) << source;
    }
}

TEST(BasicCourse, QuestionThatCannotBeMadeIsRefusedAndUnblocks) {
    struct Case {
        const char* settings;
        bool emptyNumbers;
        const char* messagePart;
        const char* trigger;
    };
    const std::vector<Case> cases = {
        {"RandomBaseMode=2", true, "Morse2Num.csv", "PlayBtn"},
        {"RandomBaseMode=2", true, "Morse2Num.csv", "NEWBtn"},
        {"RandomBaseMode=-3", false, "character type", "PlayBtn"},
        {"RandomBaseMode=12", false, "character type", "NEWBtn"},
    };
    for (const Case& c : cases) {
        FormRig rig(QStringLiteral("[TessalSystem]\nQTypeMode=0\n%1\n").arg(c.settings));
        if (c.emptyNumbers)
            rig->Dictionaries.NumBaseStrList.clear();
        rig->AddREdit1Line(QStringLiteral("kept"), kAqua);
        button(rig, c.trigger)->click();
        rig.loop().runFor(1000);

        const QStringList& messages = rig.sim.dialogs().messages();
        ASSERT_EQ(messages.size(), 1) << c.settings << c.trigger;
        EXPECT_TRUE(messages.front().contains(QLatin1String(c.messagePart))) << c.settings;
        EXPECT_EQ(rig->RUNFlag, 0) << c.settings;
        EXPECT_EQ(rig->PlayBtn->mark(), kBlue) << c.settings;
        EXPECT_TRUE(rig->QuestionString.isEmpty()) << c.settings;
        EXPECT_EQ(rig->REdit1->lines().size(), 1u) << c.settings;
        EXPECT_TRUE(rig.tape().voices().empty()) << c.settings;
    }
}
