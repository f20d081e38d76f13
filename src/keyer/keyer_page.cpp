#include "app/tessal_form.h"
#include "widgets/button_factory.h"

#include <QStackedWidget>

namespace tessal {

void TTessalForm::KeySelectBtnClick(TgdButton* sender) {
    KeyType = sender->Tag();
    ApplyKeyType();
}

void TTessalForm::ApplyKeyType() {
    TgdButton* const keys[] = {VKeyBtn, BKeyBtn, SKeyBtn};
    if (KeyType < 0 || KeyType > 2) {
        markSelection(keys, KeyType);
        VkeyMode = BkeyMode = SKeyMode = 0;
        UpdateModeLabels();
        return;
    }
    markSelection(keys, KeyType);
    VkeyMode = BkeyMode = SKeyMode = 0;
    PageControl3->setCurrentIndex(KeyType);
    SoundSetUpBtn->setVisible(true);
    SoundTestBtn->setVisible(KeyType != 2);
    if (KeyType == 2) {
        SKeyMode = -1;
        // The stacking key plays each character through its own output; the sound stays on.
        if (WaveReady != 0)
            sound().CloseSidetone();
    } else {
        (KeyType == 0 ? VkeyMode : BkeyMode) = -1;
        if (WaveReady != 0) {
            WaveReady = 0;
            OpenKeyerSound();
        }
    }
    UpdateModeLabels();
}

} // namespace tessal
