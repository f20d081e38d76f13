#include "app/tessal_form.h"
#include "keyer/keyer_tables.h"
#include "keyer/keyer_widgets.h"
#include "widgets/gd_button.h"

#include <QLabel>
#include <QStackedWidget>
#include <algorithm>

namespace tessal {

namespace {

constexpr int kStackingKeyPage = 2;

// Characters at or below the blank are trimmed from both ends.
QString trimmedCode(const QString& code) {
    qsizetype from = 0, to = code.size();
    while (from < to && code[from].unicode() <= 0x20)
        ++from;
    while (to > from && code[to - 1].unicode() <= 0x20)
        --to;
    return code.mid(from, to - from);
}

} // namespace

void TTessalForm::stackingTap(bool dot) {
    ShowSTKeyImages(dot, !dot);
    STBlankTimer->setEnabled(false);
    KeyAnaLyzeStr += dot ? u'S' : u'L';
    ShowKeyInSignal(KeyAnaLyzeStr);
}

void TTessalForm::stackingRelease() {
    ShowSTKeyImages(false, false);
    STBlankTimer->setEnabled(false);
    STBlankTimer->setInterval(STDashTimeValue);
    STBlankTimer->setEnabled(true);
    if (KeyCRTimer->enabled()) {
        KeyCRTimer->setEnabled(false);
        KeyCRTimer->setEnabled(true);
    }
}

void TTessalForm::StBlankTimerTimeup() {
    STBlankTimer->setEnabled(false);
    KeyCRTimer->setInterval(STCRTimingValue);
    KeyCRTimer->setEnabled(true);
    if (KeyAnaLyzeStr.isEmpty())
        return;
    STMorseStrList.append(KeyAnaLyzeStr);
    StackCounterLabel->setText(QStringLiteral("Stack : %1").arg(STMorseStrList.size()));
    KeyAnaLyzeStr.clear();
    if (STPlayBuzy == 0)
        PlayNextStack();
}

void TTessalForm::PlayNextStack() {
    if (STMorseStrList.isEmpty())
        return;
    STPlayBuzy = -1;
    const QString entry = STMorseStrList.takeFirst();
    DecodeKeyedCharacter(trimmedCode(entry));
    const int64_t lengthMs =
        sound().MakeKeyerWave(entry, Frequency2, Volume_2, STDotTimeValue, STDashTimeValue);
    STSoundTimer->setInterval(int(std::min<int64_t>(lengthMs + STDashTimeValue, INT32_MAX)));
    if (WaveReady != 0)
        sound().PlayKeyerWave();
    STSoundTimer->setEnabled(true);
}

void TTessalForm::STSoundTimerTimeUp() {
    STSoundTimer->setEnabled(false);
    sound().CloseKeyerDevice();
    STPlayBuzy = 0;
    if (!STMorseStrList.isEmpty())
        PlayNextStack();
}

void TTessalForm::ShowSTKeyImages(bool dotDown, bool dashDown) {
    if (PageControl1->currentIndex() != kKeyerCategoryPage ||
        PageControl3->currentIndex() != kStackingKeyPage)
        return;
    STDotKeyIn->setVisible(dotDown);
    STDotKeyOut->setVisible(!dotDown);
    STDashKeyIn->setVisible(dashDown);
    STdashKeyOut->setVisible(!dashDown);
}

void TTessalForm::STDotBtnClick(TgdButton* sender) {
    STDotTime = sender->Tag();
    ApplySTTimes();
}

void TTessalForm::STDashBtnClick(TgdButton* sender) {
    STDashTime = sender->Tag();
    ApplySTTimes();
}

void TTessalForm::StIntValBtnON(TgdButton* sender) {
    const int index = sender->Tag() - 1;
    if (index >= 0 && index < int(kCharacterEndTimes.size()))
        StIntervalTime = kCharacterEndTimes[std::size_t(index)];
    ApplyStInterval();
}

void TTessalForm::StCRTBtnClick(TgdButton* sender) {
    STCRTiming = sender->Tag();
    ApplySTCRTiming();
}

void TTessalForm::ApplySTTimes() {
    applyRow(STDotBtns, STDotTime, 0, kPaddleDotTimes, STDotTimeValue);
    int ratio = 0;
    applyRow(STDashBtns, STDashTime, 0, kDashRatios, ratio);
    if (ratio != 0)
        STDashTimeValue = STDotTimeValue * ratio;
    STDashTimeLabel->setText(QStringLiteral("Dash Time: %1mS").arg(STDashTimeValue));
}

void TTessalForm::ApplyStInterval() {
    // The row shows the stored milliseconds; the button whose value it is lights.
    int shownTag = 0;
    for (std::size_t i = 0; i < kCharacterEndTimes.size(); ++i) {
        if (kCharacterEndTimes[i] == StIntervalTime)
            shownTag = int(i) + 1;
    }
    int unused = 0;
    applyRow(ItBtns, shownTag, 1, {}, unused);
}

void TTessalForm::ApplySTCRTiming() {
    applyRow(SkCRTBtns, STCRTiming, 1, kLineEndTimes, STCRTimingValue);
}

} // namespace tessal
