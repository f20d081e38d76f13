#include "app/tessal_form.h"
#include "keyer/keyer_tables.h"
#include "keyer/keyer_widgets.h"
#include "widgets/gd_button.h"

#include <QLabel>
#include <QStackedWidget>

namespace tessal {

namespace {
constexpr int kBugKeyPage = 1;
constexpr int kReady = -1;
constexpr int kElementEnds = 0;
constexpr int kNextTickMs = 1;
} // namespace

void TTessalForm::bugElementDown(const QString& element) {
    if (!BKeyStack)
        BKeyStack = std::make_unique<QStringList>();
    BKeyStack->append(element);
    KeyAnaLyzeStr += element;
    BKeyFlag = element == u'L' ? -1 : 0;
    BKeyClock->setInterval(BugDotTimeValue);
    if (!BKeyClock->enabled())
        BkeyClockON();
}

void TTessalForm::bugElementUp() {
    // A release while the line end is pending starts its count again.
    if (KeyCRTimer->enabled()) {
        KeyCRTimer->setEnabled(false);
        KeyCRTimer->setEnabled(true);
    }
}

void TTessalForm::BkeyClockON() {
    BKeyClock->setEnabled(false);
    const int queued = BKeyStack ? int(BKeyStack->size()) : 0;
    BKStackLabel->setText(QStringLiteral("Stack : %1").arg(queued));
    if (BKeySoundTime == kElementEnds) {
        ShowBKeyImages(false, false);
        KeyToneOff();
        BKeyClock->setInterval(kNextTickMs);
        BKeyClock->setEnabled(true);
        BKeySoundTime = kReady;
        BKBlankTimer->setEnabled(false);
        BKBlankTimer->setInterval(BKIntervalValue);
        BKBlankTimer->setEnabled(true);
    } else if (BKeySoundTime >= 1) {
        KeyToneOn();
        BKeySoundTime -= 1;
        BKeyClock->setEnabled(true);
        BKBlankTimer->setEnabled(false);
    } else if (BKeySoundTime == kReady) {
        if (queued == 0) {
            // Held paddles make elements of their own.
            const bool dot = DotOnFlag != 0, dash = DashONFlag != 0;
            QString element;
            if (dot && dash && BugFull != 0) {
                element = BKeyFlag != 0 ? QStringLiteral("S") : QStringLiteral("L");
                BKeyFlag = BKeyFlag != 0 ? 0 : -1;
            } else if (dot && !dash && BKRepeat != 0) {
                element = QStringLiteral("S");
                BKeyFlag = 0;
            } else if (dash && !dot && BKRepeat != 0) {
                element = QStringLiteral("L");
                BKeyFlag = -1;
            }
            if (element.isEmpty())
                return; // idle
            if (!BKeyStack)
                BKeyStack = std::make_unique<QStringList>();
            BKeyStack->append(element);
            KeyAnaLyzeStr += element;
            BKeyClock->setInterval(BugDotTimeValue);
            BKeyClock->setEnabled(true);
            return;
        }
        const QString element = BKeyStack->takeFirst();
        if (element == u'S') {
            ShowBKeyImages(true, false);
            BKeySoundTime = 1;
        } else {
            ShowBKeyImages(false, true);
            BKeySoundTime = BugDashTime + 2;
        }
        BKeyClock->setInterval(BugDotTimeValue);
        BKeyClock->setEnabled(true);
    }
}

void TTessalForm::BkBlankTimerTimeup() {
    BKBlankTimer->setEnabled(false);
    KeyCRTimer->setInterval(BKCRTimingValue);
    KeyCRTimer->setEnabled(true);
    DecodeKeyedCharacter(KeyAnaLyzeStr);
    ShowKeyInSignal(KeyAnaLyzeStr);
    KeyAnaLyzeStr.clear();
}

void TTessalForm::ShowBKeyImages(bool dotDown, bool dashDown) {
    if (PageControl1->currentIndex() != kKeyerCategoryPage ||
        PageControl3->currentIndex() != kBugKeyPage)
        return;
    BKeyDotIn->setVisible(dotDown);
    BKeyDotOut->setVisible(!dotDown);
    BKeyDashIn->setVisible(dashDown);
    BKeyDashOut->setVisible(!dashDown);
}

void TTessalForm::DotTimeBtnClick(TgdButton* sender) {
    BugDotTime = sender->Tag();
    ApplyBugTimes();
}

void TTessalForm::DashTimeBtnClick(TgdButton* sender) {
    BugDashTime = sender->Tag();
    ApplyBugTimes();
}

void TTessalForm::BugFullBtnClick() {
    BugFull = BugFull != 0 ? 0 : -1;
    ApplyBugTimes();
}

void TTessalForm::RepeatBtnON() {
    BKRepeat = BKRepeat != 0 ? 0 : -1;
    ApplyBKRepeat();
}

void TTessalForm::BKtIntValBtnON(TgdButton* sender) {
    BKIntervalTime = sender->Tag();
    ApplyBKInterval();
}

void TTessalForm::BkCRTimingBtnClick(TgdButton* sender) {
    BKCRTiming = sender->Tag();
    ApplyBKCRTiming();
}

void TTessalForm::ApplyBugTimes() {
    applyRow(DotTimeBtns, BugDotTime, 0, kPaddleDotTimes, BugDotTimeValue);
    int ratio = 0;
    applyRow(DashTimeBtns, BugDashTime, 0, kDashRatios, ratio);
    if (ratio != 0)
        BugDashTimeValue = BugDotTimeValue * ratio;
    BUGDashTimeLabel->setText(QStringLiteral("Dash Time: %1mS").arg(BugDashTimeValue));
    markToggle(BugFullBtn, BugFull);
}

void TTessalForm::ApplyBKRepeat() {
    markToggle(RepeatBtn, BKRepeat);
}

void TTessalForm::ApplyBKInterval() {
    applyRow(BKIntervalBtns, BKIntervalTime, 1, kCharacterEndTimes, BKIntervalValue);
}

void TTessalForm::ApplyBKCRTiming() {
    applyRow(BKeyCRTBtns, BKCRTiming, 1, kLineEndTimes, BKCRTimingValue);
}

} // namespace tessal
