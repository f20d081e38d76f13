#pragma once

#include "operation/tessal_operation_lib.h"
#include "platform/interval_timer.h"

#include <QString>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace tessal {

class TgdButton;

// A contact's settings, progress, host data, timer and controls; the form inherits them so the
// contact engine and the level scripts read them by name.
struct OperationState {
    // operation (QSO): contact engine
    int QSOBuzy = 0, QSOKeyInReady = 0, QSOBuzy2 = 0;
    int QSOResTime = 1, QSOlevel = 1, QSOKeyinModeFlag = 0;
    int QSOResTimeValue = 15, QSOStartUpTimerValue = 5, QSOResTimeCurrent = 0;
    int QSOTrainingPhase = 0, QSOHelpFlag = 0, QSOAssFlag = 0;
    // On from a host transmission's start until the sequencer reports its end.
    int QSOHostSendFlag = 0;
    QString QSOCallSign1, QSOCAllSign2, QSOQTH2, QSORS2, QSONAME2, QSOSendString, QSORecString;
    QsoDataGenerator QSOData;
    int PBarPos2 = 0, PBar2 = 0;
    std::vector<QWidget*> PBarPanels2;
    std::unique_ptr<IntervalTimer> QSOResTimer;
    QLabel* KeyModeLabel = nullptr;
    QLabel* RTimeLabel = nullptr;
    QLabel* Label50 = nullptr;
    QLabel* Label51 = nullptr;
    QLabel* Label52 = nullptr;
    QLabel* Label53 = nullptr;
    std::vector<TgdButton*> QSORStampBtns; // QSORStampBtn1..QSORStampBtn6
    std::vector<TgdButton*> ResWTimeBtns;  // ResWTimeBtn1..ResWTimeBtn5
    TgdButton* QSOStartBtn = nullptr;
    TgdButton* QSOResetBtn = nullptr;
    TgdButton* KeyInModeBtn = nullptr;
    QLabel* QSOAssistLabel = nullptr;
    QLabel* QSOHelpLabel = nullptr;
    QLabel* QSOHOSTCallSignLabel = nullptr;
    TgdButton* QSOCallSignBtn = nullptr;
    TgdButton* QSOHelpBtn = nullptr;
    TgdButton* QSOAssistBtn = nullptr;
    QLabel* Label56 = nullptr;
    QLabel* QSOYouCallSignLabel = nullptr;
    QLabel* QSORSLabel = nullptr;
    QLabel* QSOQTHLabel = nullptr;
    QLabel* QSONameLabel = nullptr;
    QLabel* QSoKeyInSignalLabel = nullptr;
    QLabel* QSOMorseStringLabel = nullptr;
    TgdButton* KeyinStringClsBtn = nullptr;
    QWidget* KeyInPanel = nullptr;
    QLabel* Label58 = nullptr;
    QLineEdit* Edit1 = nullptr;
    TgdButton* Edit1Btn = nullptr;
};

} // namespace tessal
