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
        TextFilePlay();
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
    if (TalkingActive()) {
        MSTimer->setEnabled(false);
        QuestionString.clear();
        MorseStrCount = 0;
        TRepCurrCount = 0;
        TITimerCount = 0;
        TakingInterValTimer->setEnabled(false);
        TIProgLabel->setText(QStringLiteral("Stop"));
        PlayButtonsReset();
        return;
    }
    if (QTypeMode == 1) {
        if (FileChainPending != 0) {
            // Between two lines of a "Through" run: the run ends here, nothing more plays.
            MSTimer->setEnabled(false);
            FileModeTimer->setEnabled(false);
            FileChainPending = 0;
            FileStrCount = 0;
            PlayButtonsReset();
            return;
        }
        FileRunStopped = -1;
    }
    MorseStrCount = int(MorseStrList.size());
    TRepCurrCount = 0;
}

} // namespace tessal
