#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "listening/talking_text.h"
#include "widgets/button_factory.h"
#include "widgets/gd_button.h"

#include <QLabel>
#include <algorithm>
#include <exception>

namespace tessal {
namespace {

constexpr int kReplayPauseMs = 500;
// A stored delay outside the buttons' range still ends: the count reaches 1 to 5.
constexpr int kShortestDelayTicks = 1;
constexpr int kLongestDelayTicks = 5;

} // namespace

void TTessalForm::TakingBTNClick() {
    if (RUNFlag != 0)
        return;
    TalkingMode = TalkingMode != 0 ? 0 : -1;
    RandomBaseModeApply();
}

void TTessalForm::TITBtnClick(TgdButton* sender) {
    TalkingIT = sender->Tag();
    TalkingITApply();
}

void TTessalForm::TalkingITApply() {
    markSelection(TITBtns, TalkingIT);
}

void TTessalForm::RCBTN_Click(TgdButton* sender) {
    TalkingRepCount = sender->Tag();
    TalkingRepCountApply();
}

void TTessalForm::TalkingRepCountApply() {
    TRepCurrCount = 0;
    markSelection(RCBTNs, TalkingRepCount);
}

void TTessalForm::TalkConstBTNClick() {
    TIContiFlag = TIContiFlag != 0 ? 0 : -1;
    TIContiFlagApply();
}

void TTessalForm::TIContiFlagApply() {
    TalkConstBTN->setMark(TIContiFlag != 0 ? kYellow : kBlue);
    // NEW belongs to the basic course, and a continuous run makes its questions itself.
    if (QTypeMode == 0)
        NEWBtn->setVisible(!(TalkingActive() && TIContiFlag != 0));
}

void TTessalForm::TakingInterValTimerTimeUp() {
    const int delayTicks = std::clamp(TalkingIT, kShortestDelayTicks, kLongestDelayTicks);
    if (TITimerCount < delayTicks) {
        ++TITimerCount;
        TIProgLabel->setText(QStringLiteral("Delay..%1").arg(delayTicks - TITimerCount + 1));
        return;
    }
    TITimerCount = 0;
    TIProgLabel->setText(QStringLiteral("Talking.."));
    TakingInterValTimer->setEnabled(false);
    bool spoken = false;
    try {
        spoken = platform_.speech().speak(talkingText(QuestionString, RandomLength));
    } catch (const std::exception&) {
        spoken = false;
    }
    if (!spoken && !SpeechFailureTold) {
        // Told once; the exercise goes on with Morse and the delays alone.
        SpeechFailureTold = true;
        platform_.dialogs().showMessage(
            QStringLiteral("Speech Not Available\r\nThe questions cannot be read aloud; the "
                           "talking mode goes on with Morse only."));
    }
    TIProgLabel->clear();
    ++TRepCurrCount;
    if (TRepCurrCount != TalkingRepCount) {
        TIProgLabel->setText(
            QStringLiteral("Replay..%1/%2").arg(TRepCurrCount + 1).arg(TalkingRepCount));
        platform_.loop().sleep(kReplayPauseMs);
        PlayText(QuestionString);
        return;
    }
    TRepCurrCount = 0;
    if (TIContiFlag != 0) {
        QuestionString.clear();
        RandomModePlay();
        return;
    }
    TIProgLabel->setText(QStringLiteral("END.."));
    PlayButtonsReset();
}

} // namespace tessal
