#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "widgets/gd_button.h"

#include <QLabel>
#include <cmath>

namespace tessal {

namespace {

constexpr int kFirstCQCaseLevel = 4;
constexpr int kLastLevel = 6;
constexpr int kOpeningWaitTicks = 5;
constexpr int kOpeningWaitPercentPerTick = 100 / kOpeningWaitTicks;

} // namespace

void TTessalForm::QSOStartBtnClick() {
    if (QSOBuzy != 0) {
        QSOResetBtnClick();
        return;
    }
    AddREdit3Line(QStringLiteral("QSO Level.%1 Start...").arg(QSOlevel), kYellow);
    QSOBuzy = -1;
    markButton(QSOStartBtn, kYellow);
    RunQSOLevel();
    if (QSOlevel >= kFirstCQCaseLevel && QSOlevel <= kLastLevel) {
        QSOBuzy2 = -1;
        QSOStartUpTimerValue = kOpeningWaitTicks;
        ShowPBar2();
        QSOResTimer->setEnabled(true);
    }
}

void TTessalForm::QSOResetBtnClick() {
    ClearQSOData();
    // Cut any host transmission short: the sequencer's next tick finds its queue played out.
    // That end belongs to the contact, so no listening action follows it.
    QSOHostSendFlag = -1;
    MorsePauseFlag = 0;
    MorseStrCount = int(MorseStrList.size());
    MSTimer->setEnabled(true);
    QTypeMode = -1;
    AddREdit3Line(QStringLiteral("QSO Sequence Reset..."), kYellow);
    markButton(QSOStartBtn, kBlue);
    QSOBuzy = 0;
    QSOBuzy2 = 0;
    HidePBar2();
}

void TTessalForm::ClearQSOData() {
    SetPBar2Pos(0);
    RTimeLabel->setText(QStringLiteral("--/--"));
    QSOResTimer->setEnabled(false);
    QSOResTimeCurrent = 0;
    QSOTrainingPhase = 0;
    KeyAnaLyzeStr.clear();
    KeyCharLabelStr.clear();
    QSOCallSign1.clear();
    QSOCAllSign2.clear();
    QSORS2.clear();
    QSOQTH2.clear();
    QSONAME2.clear();
}

void TTessalForm::EndHostTransmission() {
    QSOHostSendFlag = 0;
    if (QSOBuzy != 0) {
        BeginQSOReplyWait();
        return;
    }
    // The closing transmission after the contact, or a Reset: the listening page is not the
    // one shown, so nothing of its end-of-playback work runs.
    PlayButtonsReset();
}

void TTessalForm::BeginQSOReplyWait() {
    AddREdit3Line(QStringLiteral("Start Answering..."), kAqua);
    QSOKeyInReady = -1;
    ShowPBar2();
    QSOResTimer->setEnabled(true);
}

void TTessalForm::QSOResTimerTimeup() {
    const int n = ++QSOResTimeCurrent;
    int percent = 0;
    if (QSOBuzy2 != 0) {
        percent = n * kOpeningWaitPercentPerTick;
        RTimeLabel->setText(QStringLiteral("%1 / %2").arg(n).arg(kOpeningWaitTicks));
    } else {
        percent = int(std::lround(100.0 / QSOResTimeValue * n));
        RTimeLabel->setText(QStringLiteral("%1 / %2").arg(n).arg(QSOResTimeValue));
    }
    // A wait shortened below the ticks already counted ends now with a full bar.
    SetPBar2Pos(std::min(percent, 100));
    if (QSOBuzy2 != 0) {
        if (n >= QSOStartUpTimerValue)
            EndOpeningWait();
    } else if (n >= QSOResTimeValue) {
        EvaluateQSOReply();
    }
}

void TTessalForm::EndOpeningWait() {
    QSOResTimer->setEnabled(false);
    QSOBuzy2 = 0;
    EvaluateQSOReply();
}

void TTessalForm::EvaluateQSOReply() {
    QSOResTimer->setEnabled(false);
    AddREdit3Line(QStringLiteral("Key in : ") + QSORecString, kWhite);
    QSOMorseStringLabel->setText(QStringLiteral("Morse String"));
    RunQSOLevel();
    QSORecString.clear();
    QSOResTimeCurrent = 0;
    HidePBar2();
}

} // namespace tessal
