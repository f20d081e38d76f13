#pragma once

#include "platform/interval_timer.h"
#include "platform/serial_port.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QLabel;

namespace tessal {

class TgdButton;
class PortComboBox;

// The keyer's settings, engine state, timers and controls; the form inherits them so its
// handlers in src/keyer/ read them by name.
struct KeyerState {
    // serial key input
    int hComm = kNoSerialPort;
    int ComEnable = 0, ComPortNo = 0, ComDelayTime = 2, ComDelayValue = 0;
    int DotAssCode = 0, DashAssCode = 1;
    int DotRev = 0, DashRev = 0;
    QLabel* Label21 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label34 = nullptr;
    QLabel* Label35 = nullptr;
    PortComboBox* ComPortNoCBox = nullptr;
    QLabel* ComDeviceLabel = nullptr;
    std::vector<TgdButton*> DotAssBtns;  // DotCTSBtn, DotDSRBtn, DotRLSDBtn
    std::vector<TgdButton*> DashAssBtns; // DashCTSBtn, DashDSRBtn, DashRLSDBtn
    TgdButton* DotRevBtn = nullptr;
    TgdButton* DashRevBtn = nullptr;
    std::vector<TgdButton*> ComDelayBtns; // ComDelayBtn1..ComDelayBtn5
    QLabel* CTS_Panel = nullptr;
    QLabel* DSR_Panel = nullptr;
    QLabel* RLSD_Panel = nullptr;
    QLabel* DotPanel1 = nullptr;
    QLabel* DashPanel1 = nullptr;
    QLabel* EventMasklabel = nullptr;
    TgdButton* ComOpenBtn2 = nullptr;

    // keyer: key edges and decoding
    int DotOnFlag = 0, DashONFlag = 0;
    int VkeyMode = 0, BkeyMode = 0, SKeyMode = 0;
    int KeyDicMode = 0;
    QString KeyAnaLyzeStr, KeyCharLabelStr;
    std::unique_ptr<IntervalTimer> KeyCRTimer;

    // keyer: vertical key
    double StartTime = 0, EndTime = 0; // local date and time in days, the time as the fraction
    int VKDotTime = 1, VKDotTimeValue = 0, VKIntervalTime = 1, VKIntervalValue = 0;
    int VKCRTiming = 1, VKCRTimingValue = 0, VKCounter = 0, VKTotal = 0;
    std::unique_ptr<IntervalTimer> VKIntervalTimer;
    std::unique_ptr<IntervalTimer> VKCRTimer;
    std::vector<TgdButton*> VKDotTimeBtns, VKIntTimeBtns, VKCRTimeBtns;
    QLabel* VKDotTimelabel = nullptr;
    QLabel* VKDashTimeLabel = nullptr;
    QLabel* VKSpeedLabel = nullptr;
    QLabel* VKAvrLabel = nullptr;
    QLabel* KeyInImage = nullptr;
    QLabel* KeyOutImage = nullptr;

    // keyer: BUG key
    std::unique_ptr<QStringList> BKeyStack; // made at the first BUG press
    int BKeySoundTime = 0, BKeyFlag = 0;
    int BugDotTime = 0, BugDotTimeValue = 0, BugDashTime = 1, BugDashTimeValue = 0;
    int BugFull = 0, BKRepeat = 0;
    int BKIntervalTime = 1, BKIntervalValue = 0, BKCRTiming = 1, BKCRTimingValue = 0;
    std::unique_ptr<IntervalTimer> BKeyClock;
    std::unique_ptr<IntervalTimer> BKBlankTimer;
    std::vector<TgdButton*> DotTimeBtns, DashTimeBtns, BKIntervalBtns, BKeyCRTBtns;
    TgdButton* BugFullBtn = nullptr;
    TgdButton* RepeatBtn = nullptr;
    QLabel* BUGDashTimeLabel = nullptr;
    QLabel* BKStackLabel = nullptr;
    QLabel* BKeyDotIn = nullptr;
    QLabel* BKeyDotOut = nullptr;
    QLabel* BKeyDashIn = nullptr;
    QLabel* BKeyDashOut = nullptr;

    // keyer: stacking key
    QStringList StackStrList, STMorseStrList;
    int STPlayBuzy = 0;
    int STDotTime = 0, STDotTimeValue = 0, STDashTime = 1, STDashTimeValue = 0;
    int StIntervalTime = 500, STCRTiming = 1, STCRTimingValue = 0;
    std::unique_ptr<IntervalTimer> STBlankTimer;
    std::unique_ptr<IntervalTimer> STSoundTimer;
    std::vector<TgdButton*> STDotBtns, STDashBtns, ItBtns, SkCRTBtns;
    QLabel* STDashTimeLabel = nullptr;
    QLabel* StackCounterLabel = nullptr;
    QLabel* STDotKeyIn = nullptr;
    QLabel* STDotKeyOut = nullptr;
    QLabel* STDashKeyIn = nullptr;
    QLabel* STdashKeyOut = nullptr;

    // keyer page
    int KeyType = 0;
    QLabel* Label5 = nullptr;
    TgdButton* VKeyBtn = nullptr;
    TgdButton* BKeyBtn = nullptr;
    TgdButton* SKeyBtn = nullptr;
    QLabel* ComNoLabel = nullptr;
    QLabel* ComStatusLabel = nullptr;
    QLabel* ComeventLabel = nullptr;
    TgdButton* ComOpenBtn = nullptr;
    QLabel* Label43 = nullptr;
    TgdButton* KeyAlphaBtn = nullptr;
    TgdButton* KeyHiraBtn = nullptr;
    QLabel* KeyInLabel = nullptr;
    QLabel* ConvertStrLabel = nullptr;
    TgdButton* gdButton4 = nullptr;
};

} // namespace tessal
