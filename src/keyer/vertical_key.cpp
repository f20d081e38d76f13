#include "app/tessal_form.h"
#include "keyer/key_clock.h"
#include "keyer/keyer_tables.h"
#include "keyer/keyer_widgets.h"
#include "widgets/gd_button.h"

#include <QLabel>
#include <QStackedWidget>

namespace tessal {

namespace {
constexpr int kVerticalKeyPage = 0;
constexpr int kDashesPerReport = 9;
} // namespace

void TTessalForm::verticalKeyUp() {
    KeyToneOff();
    ShowVKeyImage(false);
    EndTime = localDays(platform().loop().localNow());
    const int duration = elapsedMs(StartTime, EndTime);
    if (duration < 2 * VKDotTimeValue) {
        VKDotTimelabel->setText(QStringLiteral("Dot Time : %1mS").arg(duration));
        KeyAnaLyzeStr += u'S';
        ShowKeyInSignal(KeyAnaLyzeStr);
    } else {
        VKDashTimeLabel->setText(QStringLiteral("Dash Time : %1mS").arg(duration));
        KeyAnaLyzeStr += u'L';
        ShowKeyInSignal(KeyAnaLyzeStr);
        VKTotal += duration;
        VKCounter += 1;
        if (VKCounter >= kDashesPerReport)
            ReportVKAverage();
    }
    VKIntervalTimer->setInterval(VKIntervalValue);
    VKIntervalTimer->setEnabled(true);
}

void TTessalForm::VKIntervalTimerTimeup() {
    VKIntervalTimer->setEnabled(false);
    if (KeyAnaLyzeStr.isEmpty())
        return;
    DecodeKeyedCharacter(KeyAnaLyzeStr);
    ShowKeyInSignal(KeyAnaLyzeStr);
    KeyAnaLyzeStr.clear();
    VKCRTimer->setInterval(VKCRTimingValue);
    VKCRTimer->setEnabled(true);
}

void TTessalForm::ReportVKAverage() {
    const int average = roundedQuotient(VKTotal, VKCounter);
    VKAvrLabel->setText(QStringLiteral("Avr.Time : %1mS").arg(average));
    VKTotal = 0;
    VKCounter = 0;
    // A dash is three dots and PARIS is 50 dots: 1200 / dot ms words a minute.
    VKSpeedLabel->setText(QStringLiteral("Speed : %1WPM").arg(roundedQuotient(3600, average)));
}

void TTessalForm::ShowVKeyImage(bool down) {
    if (PageControl1->currentIndex() != kKeyerCategoryPage ||
        PageControl3->currentIndex() != kVerticalKeyPage)
        return;
    KeyInImage->setVisible(down);
    KeyOutImage->setVisible(!down);
}

void TTessalForm::VKDotTimeBtnClick(TgdButton* sender) {
    VKDotTime = sender->Tag();
    ApplyVKDotTime();
}

void TTessalForm::VKInterValBtnClick(TgdButton* sender) {
    VKIntervalTime = sender->Tag();
    ApplyVKInterval();
}

void TTessalForm::VKCRTimingBtnClick(TgdButton* sender) {
    VKCRTiming = sender->Tag();
    ApplyVKCRTiming();
}

void TTessalForm::ApplyVKDotTime() {
    applyRow(VKDotTimeBtns, VKDotTime, 1, kVerticalDotTimes, VKDotTimeValue);
}

void TTessalForm::ApplyVKInterval() {
    applyRow(VKIntTimeBtns, VKIntervalTime, 1, kCharacterEndTimes, VKIntervalValue);
}

void TTessalForm::ApplyVKCRTiming() {
    applyRow(VKCRTimeBtns, VKCRTiming, 1, kLineEndTimes, VKCRTimingValue);
}

} // namespace tessal
