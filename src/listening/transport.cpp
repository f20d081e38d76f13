#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "widgets/gd_button.h"

#include <QLabel>

namespace tessal {
namespace {

constexpr int kWarningBlinks = 5;
constexpr int kWarningBlinkMs = 500;

} // namespace

void TTessalForm::PlayBtnON() {
    switch (QTypeMode) {
    case 0:
        RandomModePlay();
        return;
    case 1:
        // TextFilePlay belongs here once practice files are played.
        return;
    case 2:
        FreeStringPlay();
        return;
    default:
        break;
    }
    // No question source chosen (a contact reset it, or the settings were damaged): draw the
    // eye to the three source buttons, then say what to do.
    const std::array<TgdButton*, 3> sources{RandomBtn, TFileBtn, FStringBtn};
    for (int blink = 0; blink < kWarningBlinks; ++blink) {
        for (TgdButton* button : sources)
            button->setMark(kWhite);
        platform_.loop().sleep(kWarningBlinkMs);
        for (TgdButton* button : sources)
            button->setMark(kBlue);
        platform_.loop().sleep(kWarningBlinkMs);
    }
    platform_.dialogs().showMessage(
        QStringLiteral("No question mode is selected.\r\nChoose \"Basic Course\", \"Text File\" "
                       "or \"Free String\" first."));
}

void TTessalForm::PauseBtnON() {
    if (RUNFlag == 0)
        return;
    MorsePauseFlag = -1;
    PauseBtn->setMark(kYellow);
}

void TTessalForm::StopBtnON() {
    if (RUNFlag == 0)
        return;
    StopBtn->setMark(kYellow);
    if (MorsePauseFlag != 0) {
        MorsePauseFlag = 0;
        MSTimer->setEnabled(true);
    }
    if (TalkingMode != 0) {
        MSTimer->setEnabled(false);
        QuestionString.clear();
        MorseStrCount = 0;
        TRepCurrCount = 0;
        TITimerCount = 0;
        TakingInterValTimer->setEnabled(false);
        // TIProgLabel shows "Stop" here once the talking mode has its panel.
        PlayButtonsReset();
        return;
    }
    MorseStrCount = int(MorseStrList.size());
    TRepCurrCount = 0;
}

} // namespace tessal
