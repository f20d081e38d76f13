#include "app/tessal_form.h"
#include "listening/speed_table.h"
#include "widgets/button_factory.h"

#include <QLabel>

namespace tessal {

namespace {

constexpr int kCodeToLatin = 0;
constexpr int kCodeToKana = 1;
constexpr int kCharacterToCode = 2;
constexpr int kClosingPauseMs = 75;
const QColor kChosenMark{0x00, 0xFF, 0xFF};
// The half-width prolonged sound mark stands for a dash on this panel.
constexpr QChar kPanelDash{0xFF70};

// Only ASCII letters change; kana and full-width letters stay as typed.
QString upperCaseAscii(QString text) {
    for (QChar& c : text) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return text;
}

} // namespace

void TTessalForm::ConvModeBtnON(TgdButton* sender) {
    ConvModeApply(sender->Tag());
}

void TTessalForm::ConvModeApply(int mode) {
    for (TgdButton* button : {Mode0Btn, Mode1Btn, Mode2Btn})
        button->setMark(kButtonIdleMark);
    switch (mode) {
    case kCodeToLatin:
    case kCodeToKana:
        SoundPlayBtn->hide();
        (mode == kCodeToLatin ? Mode0Btn : Mode1Btn)->setMark(kChosenMark);
        ConvMode = mode;
        break;
    case kCharacterToCode:
        SoundPlayBtn->show();
        Mode2Btn->setMark(kChosenMark);
        ConvMode = kCharacterToCode;
        break;
    default:
        break;
    }
}

void TTessalForm::StrConvFunction() {
    const QString text = upperCaseAscii(ConvEdit->text());
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
    sound().PlayListenWave(kClosingPauseMs);
}

} // namespace tessal
