#include "app/tessal_form.h"
#include "listening/speed_table.h"
#include "morse/ascii_text.h"
#include "widgets/button_factory.h"

#include <QLabel>
#include <array>

namespace tessal {

namespace {

constexpr int kCodeToLatin = 0;
constexpr int kCodeToKana = 1;
constexpr int kCharacterToCode = 2;
// The half-width prolonged sound mark stands for a dash on this panel.
constexpr QChar kPanelDash{0xFF70};

} // namespace

void TTessalForm::ConvModeBtnON(TgdButton* sender) {
    ConvModeApply(sender->Tag());
}

void TTessalForm::ConvModeApply(int mode) {
    markSelection(std::array{Mode0Btn, Mode1Btn, Mode2Btn}, mode);
    if (mode != kCodeToLatin && mode != kCodeToKana && mode != kCharacterToCode)
        return;
    SoundPlayBtn->setVisible(mode == kCharacterToCode);
    ConvMode = mode;
}

void TTessalForm::StrConvFunction() {
    const QString text = upperCaseAsciiLetters(ConvEdit->text());
    ConvEdit->setText(text);
    TestMorseCode = ConvertMorse(text, ConvMode);
    ConvResultLabel->setText(
        ConvMode == kCharacterToCode ? codeDisplayForm(TestMorseCode, kPanelDash) : TestMorseCode);
    ConvEdit->setFocus();
}

void TTessalForm::ConvEditKeyUp(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        StrConvFunction();
}

void TTessalForm::CnvCLSBtnClick() {
    ConvEdit->clear();
    ConvEdit->setFocus();
}

void TTessalForm::SoundPlayBtnClick() {
    if (ConvMode != kCharacterToCode)
        return;
    // The listening sequencer shares the buffer; a new synthesis must not replace the one
    // still being played.
    if (RUNFlag != 0 || sound().ListenWaveState() != 0)
        return;
    if (sound().MakeListenWave(TestMorseCode, Frequency1, Volume_1, DotTime, DashTime) == 0)
        return;
    platform().loop().sleep(DashTime);
    sound().PlayListenWave(TessalLib::kClosingPauseMs);
}

} // namespace tessal
