#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "keyer/key_clock.h"
#include "keyer/keyer_widgets.h"
#include "listening/report_pane.h"
#include "widgets/button_factory.h"

#include <QLabel>
#include <QStackedWidget>

namespace tessal {

namespace {

QString keyInText(const QString& elements) {
    QString shown = elements;
    shown.replace(u'S', QChar(0x30FB)).replace(u'L', QChar(0xFF0D));
    return QStringLiteral("Key in : ") + shown;
}

} // namespace

void TTessalForm::DotKeyDown() {
    if (DotOnFlag != 0)
        return;
    // Nothing keyed before the host has finished sending reaches the reply.
    if (QSOBuzy != 0 && QSOKeyInReady == 0)
        return;
    DotOnFlag = -1;
    if (PageControl1->currentIndex() == kSetupCategoryPage)
        setIndicator(DotPanel1, true);
    if (VkeyMode != 0) {
        KeyToneOn();
        ShowVKeyImage(true);
        StartTime = localDays(platform().loop().localNow());
        VKIntervalTimer->setEnabled(false);
        VKCRTimer->setEnabled(false);
    }
    if (BkeyMode != 0)
        bugElementDown(QStringLiteral("S"));
    if (SKeyMode != 0)
        stackingTap(true);
    if (QSOBuzy2 != 0)
        QSOResTimeCurrent = 0;
}

void TTessalForm::DotKeyUp() {
    if (DotOnFlag == 0)
        return;
    DotOnFlag = 0;
    if (PageControl1->currentIndex() == kSetupCategoryPage)
        setIndicator(DotPanel1, false);
    if (VkeyMode != 0)
        verticalKeyUp();
    if (BkeyMode != 0)
        bugElementUp();
    if (SKeyMode != 0)
        stackingRelease();
}

void TTessalForm::DashKeyDown() {
    if (DashONFlag != 0)
        return;
    if (QSOBuzy != 0 && QSOKeyInReady == 0)
        return;
    DashONFlag = -1;
    if (PageControl1->currentIndex() == kSetupCategoryPage)
        setIndicator(DashPanel1, true);
    if (BkeyMode != 0)
        bugElementDown(QStringLiteral("L"));
    if (SKeyMode != 0)
        stackingTap(false);
    if (QSOBuzy2 != 0)
        QSOResTimeCurrent = 0;
}

void TTessalForm::DashKeyUp() {
    if (DashONFlag == 0)
        return;
    DashONFlag = 0;
    if (PageControl1->currentIndex() == kSetupCategoryPage)
        setIndicator(DashPanel1, false);
    if (BkeyMode != 0)
        bugElementUp();
    if (SKeyMode != 0)
        stackingRelease();
}

void TTessalForm::ShowKeyInSignal(const QString& elements) {
    const QString text = keyInText(elements);
    KeyInLabel->setText(text);
    if (QSoKeyInSignalLabel != nullptr)
        QSoKeyInSignalLabel->setText(text);
}

void TTessalForm::DecodeKeyedCharacter(const QString& code) {
    const QString character = ConvertMorse(code, KeyDicMode);
    if (QSOBuzy != 0)
        QSORecString += character;
    KeyCharLabelStr += character;
    ConvertStrLabel->setText(QStringLiteral("String : ") + KeyCharLabelStr);
    if (QSOMorseStringLabel != nullptr)
        QSOMorseStringLabel->setText(QStringLiteral("String : ") + QSORecString);
}

void TTessalForm::VKCRTimerTimeup() {
    VKCRTimer->setEnabled(false);
    AddREdit2Line(KeyCharLabelStr, kAqua);
    KeyCharLabelStr.clear();
}

void TTessalForm::KeyCRTimerTimeUp() {
    KeyCRTimer->setEnabled(false);
    AddREdit2Line(KeyCharLabelStr, kAqua);
    KeyCharLabelStr.clear();
    // Words keyed with a pause reach a contact's reply apart.
    if (QSOBuzy != 0)
        QSORecString += u' ';
}

void TTessalForm::KeyinStringClear2() {
    KeyInLabel->setText(QStringLiteral("Key In Signal"));
    ConvertStrLabel->setText(QStringLiteral("Morse String"));
    KeyCharLabelStr.clear();
}

void TTessalForm::KeyDicModeBtnClick(TgdButton* sender) {
    KeyDicMode = sender->Tag();
    ApplyKeyDicMode();
}

void TTessalForm::ApplyKeyDicMode() {
    TgdButton* const row[] = {KeyAlphaBtn, KeyHiraBtn};
    markSelection(row, KeyDicMode);
}

} // namespace tessal
