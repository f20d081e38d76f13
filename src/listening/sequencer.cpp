#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "listening/speed_table.h"
#include "widgets/gd_button.h"

#include <QLabel>

namespace tessal {
namespace {

constexpr int kFirstUnitDelayMs = 50;
const QString kPauseUnit = QStringLiteral(" ");

} // namespace

int TTessalForm::PlayText(const QString& text) {
    if (MorseStrCount != 0 && MorsePauseFlag == 0)
        return 0;
    if (MorsePauseFlag != 0) {
        MorsePauseFlag = 0;
        sound_.BeginListenRun();
        MSTimer->setInterval(kFirstUnitDelayMs);
        MSTimer->setEnabled(true);
        return 0;
    }
    MorseStrList.clear();
    StringStrList.clear();
    bool inGroup = false;
    QString group;
    for (QChar c : text) {
        if (c == u'<')
            inGroup = true;
        if (!inGroup) {
            const QString code = ConvertMorse(QString(c), 2);
            MorseStrList.append(code.isEmpty() ? kPauseUnit : code);
            StringStrList.append(code.isEmpty() ? kPauseUnit : QString(c));
            continue;
        }
        group += c;
        if (c == u'>') {
            inGroup = false;
            const QString code = ConvertMorse(group, 2);
            MorseStrList.append(code.isEmpty() ? kPauseUnit : code);
            StringStrList.append(code.isEmpty() ? u'?' + group + u'?' : group);
            group.clear();
        }
    }
    sound_.BeginListenRun();
    MSTimer->setInterval(kFirstUnitDelayMs);
    MSTimer->setEnabled(true);
    return -1;
}

void TTessalForm::MorseTimerON() {
    MSTimer->setEnabled(false);
    if (sound_.ListenWaveState() != 0) {
        // A character is still sounding: this tick came from inside its play.
        MSTimer->setInterval(DotTime);
        MSTimer->setEnabled(true);
        return;
    }
    if (MorsePauseFlag != 0)
        return;
    if (MorseStrCount >= MorseStrList.size()) {
        MSTimer->setEnabled(false);
        MorseStrCount = 0;
        // A contact's transmissions never wait for the talking mode's replay.
        if (TalkingActive() && QSOBuzy == 0 && QSOHostSendFlag == 0) {
            TakingInterValTimer->setInterval(1000);
            TakingInterValTimer->setEnabled(true);
        } else {
            RUNFlag = 0;
            MorsePlayEnd();
        }
        return;
    }
    const int i = MorseStrCount;
    const QString code = MorseStrList.at(i);
    StringLabel->setText(StringStrList.value(i));
    CodeLabel->setText(codeDisplayForm(code, QChar(0x30FC)));
    ++MorseStrCount;
    if (code == kPauseUnit) {
        const int gap = isWordGapMultiplier(StrDelay) ? StrDelay : kDefaultWordGap;
        MSTimer->setInterval(DashTime * gap);
        MSTimer->setEnabled(true);
        return;
    }
    const int64_t unitMs = sound_.MakeListenWave(code, Frequency1, Volume_1, DotTime, DashTime);
    platform_.loop().sleep(DashTime);
    MSTimer->setInterval(int(unitMs));
    MSTimer->setEnabled(true);
    sound_.PlayListenWave(TessalLib::kClosingPauseMs);
}

void TTessalForm::MorsePlayEnd() {
    // A running contact takes the end of its transmission over.
    if (QSOBuzy != 0 || QSOHostSendFlag != 0) {
        EndHostTransmission();
        return;
    }
    if (QTypeMode == 1) {
        FileLineEnd();
        return;
    }
    PlayButtonsReset();
    if (QTypeMode != 0)
        return;
    if (RandomBaseMode == 4)
        QCodeAnswerCheck();
    else
        AnswerPanelSetup();
}

void TTessalForm::PlayButtonsReset() {
    PlayBtn->setMark(kBlue);
    PauseBtn->setMark(kBlue);
    StopBtn->setMark(kBlue);
    RUNFlag = 0;
}

} // namespace tessal
