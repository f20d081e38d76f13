#include "support/form_rig.h"
#include "widgets/gd_button.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::FormRig;

namespace {

const QColor kAqua{0x00, 0xFF, 0xFF};
const QColor kBlue{0x00, 0x00, 0xFF};
const QColor kLime{0x00, 0xFF, 0x00};

void chooseFreeString(FormRig& rig) {
    rig->FStringBtn->click();
    ASSERT_EQ(rig->QTypeMode, 2);
}

} // namespace

TEST(FreeString, SecondTextByDefaultPlaysWithItsBlankAsAWordPause) {
    FormRig rig;
    chooseFreeString(rig);
    rig->EnableBtn2->click();
    EXPECT_EQ(rig->EnableBtn2->mark(), kAqua);
    EXPECT_EQ(rig->EnableBtn1->mark(), kBlue);
    rig->PlayBtn->click();
    EXPECT_EQ(rig->RUNFlag, -1);
    EXPECT_EQ(rig->PlayBtn->mark(), kLime);
    EXPECT_EQ(rig->QuestionString, QStringLiteral("HELLOW Tessal"));
    EXPECT_EQ(rig->RandomStringLabel->text(), QStringLiteral("HELLOW Tessal"));
    ASSERT_EQ(rig->MorseStrList.size(), 13);
    EXPECT_EQ(rig->MorseStrList[6], QStringLiteral(" "));
    EXPECT_EQ(rig->MorseStrList[7], rig->ConvertMorse("T", 2));
    rig.loop().runFor(30'000);
    EXPECT_EQ(rig.tape().voices().size(), 12u);
    EXPECT_EQ(rig->RUNFlag, 0);
    EXPECT_EQ(rig->PlayBtn->mark(), kBlue);
    EXPECT_TRUE(rig.sim.dialogs().messages().isEmpty());
}

TEST(FreeString, EmptyTextEndsAtOnce) {
    FormRig rig;
    chooseFreeString(rig);
    rig->CLSBtn->click();
    EXPECT_TRUE(rig->FreeEdit1->text().isEmpty());
    rig->PlayBtn->click();
    rig.loop().runFor(100);
    EXPECT_EQ(rig->RUNFlag, 0);
    EXPECT_EQ(rig->PlayBtn->mark(), kBlue);
    EXPECT_TRUE(rig.tape().voices().empty());
}

TEST(FreeString, PlayWhilePlayingLeavesItAloneAndResumesAPause) {
    FormRig rig;
    chooseFreeString(rig);
    rig->FreeEdit1->setText(QStringLiteral("EEEE"));
    rig->PlayBtn->click();
    rig.loop().runFor(700);
    const std::size_t soundedBefore = rig.tape().voices().size();
    rig->FreeEdit1->setText(QStringLiteral("TTTT"));
    rig->PlayBtn->click(); // ignored while the queue plays
    EXPECT_EQ(rig->MorseStrList, (QStringList{"S", "S", "S", "S"}));
    rig->PauseBtn->click();
    rig.loop().runFor(3000);
    const std::size_t soundedAtPause = rig.tape().voices().size();
    EXPECT_GE(soundedAtPause, soundedBefore);
    EXPECT_LT(soundedAtPause, 4u);
    rig->PlayBtn->click(); // resumes the paused queue
    rig.loop().runFor(5000);
    EXPECT_EQ(rig.tape().voices().size(), 4u);
    for (const Tape::Voice& voice : rig.tape().voices())
        EXPECT_EQ(voice.segments[0].samples.size(),
                  rig.tape().voices()[0].segments[0].samples.size());
}

TEST(FreeString, NewTextOrOtherEditIsTakenAtTheNextPlay) {
    FormRig rig;
    chooseFreeString(rig);
    rig->EnableBtn1->click();
    struct Step {
        int enable;
        QString text1;
        QString expected;
    };
    const std::vector<Step> steps = {
        {0, "CQ", "CQ"},       {0, "CQ", "CQ"},
        {0, "cq de", "cq de"}, {1, "cq de", "HELLOW Tessal"},
        {0, "cq de", "cq de"},
    };
    for (const Step& step : steps) {
        (step.enable == 0 ? rig->EnableBtn1 : rig->EnableBtn2)->click();
        rig->FreeEdit1->setText(step.text1);
        rig->PlayBtn->click();
        EXPECT_EQ(rig->QuestionString, step.expected);
        rig.loop().runFor(20'000);
        ASSERT_EQ(rig->RUNFlag, 0);
    }
}

TEST(FreeString, LowerCasePlaysLikeUpperCase) {
    std::vector<std::vector<int16_t>> tapes;
    for (const char* text : {"cq de qx0zzz", "CQ DE QX0ZZZ"}) {
        FormRig rig;
        chooseFreeString(rig);
        rig->FreeEdit1->setText(QString::fromLatin1(text));
        rig->PlayBtn->click();
        rig.loop().runFor(30'000);
        tapes.push_back(rig.tape().render(0, rig.loop().now()));
    }
    EXPECT_EQ(tapes[0], tapes[1]);
    EXPECT_GT(tapes[0].size(), 44100u);
}

TEST(FreeString, EnableChoiceFromTheSettingsAndBadValues) {
    FormRig rig(QStringLiteral("[TessalSystem]\nEnableNo=1\nFreeEdit1Enable=1\nText1=ABC\n"));
    EXPECT_EQ(rig->EnableBtn2->mark(), kAqua);
    EXPECT_EQ(rig->EnableBtn1->mark(), kBlue);
    EXPECT_TRUE(rig->QuestionString.isEmpty()) << "the question-mode apply empties it again";
    rig->EnableNo = 7;
    rig->EnableNoApply();
    EXPECT_EQ(rig->EnableBtn2->mark(), kAqua);
}
