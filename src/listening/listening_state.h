#pragma once

#include "platform/interval_timer.h"

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace tessal {

class ReportPane;
class TgdButton;

// The settings, run state, timers and controls of the talking mode, the text-file and
// free-string sources and the report panes; the form inherits them so its handlers in
// src/listening/ read them by name.
struct ListeningState {
    // talking mode
    int TalkingMode = 0, TalkingIT = 1, TalkingRepCount = 1, TIContiFlag = 0;
    int TRepCurrCount = 0, TITimerCount = 0;
    // The user has been told once that nothing can be spoken.
    bool SpeechFailureTold = false;
    std::unique_ptr<IntervalTimer> TakingInterValTimer;
    std::vector<TgdButton*> TITBtns; // TITBtn1..TITBtn5
    std::vector<TgdButton*> RCBTNs;  // RCBTN1..RCBTN5
    TgdButton* TalkConstBTN = nullptr;
    QLabel* TIProgLabel = nullptr;

    // text file
    QString FDefaultFolder;
    QStringList FileStrList;
    int FileStrLineCount = 0, FileStrCount = 0, FilePlayMode = 0;
    // A "Through" run waits between two lines (FileModeTimer armed, or held by PAUSE).
    int FileChainPending = 0;
    // STOP was pressed during a line of a "Through" run: the run ends with that line.
    int FileRunStopped = 0;
    int PBar = 0, PBarPos = 0;
    std::array<QWidget*, 50> PBarPanels{};
    std::unique_ptr<IntervalTimer> FileModeTimer;
    QWidget* TextFilePanel = nullptr;
    TgdButton* FileLoadBtn = nullptr;
    std::vector<TgdButton*> FilePlayModeBtns; // StandModeBtn, ThroModeBtn, RandModeBtn
    QLabel* FileNameLabel = nullptr;
    QLabel* LinesLabel = nullptr;
    QLabel* LineStringLabel = nullptr;
    TgdButton* ShowBtn = nullptr;
    TgdButton* LeftBtn = nullptr;
    TgdButton* RightBtn = nullptr;

    // free string
    int FreeEdit1Enable = 0, EnableNo = 0;
    QString OLDString;
    QLineEdit* FreeEdit1 = nullptr;
    QLineEdit* FreeEdit2 = nullptr;
    TgdButton* CLSBtn = nullptr;
    TgdButton* ClsBtn2 = nullptr;
    TgdButton* EnableBtn1 = nullptr;
    TgdButton* EnableBtn2 = nullptr;

    // report panes
    ReportPane* REdit1 = nullptr;
    ReportPane* REdit2 = nullptr;
    ReportPane* REdit3 = nullptr;
    TgdButton* ClearBtn = nullptr;
    TgdButton* SaveBtn = nullptr;
    TgdButton* gdButton5 = nullptr;
    TgdButton* gdButton8 = nullptr;
    TgdButton* gdButton1 = nullptr;
    TgdButton* gdButton2 = nullptr;
    // What the practice-file dialog last offered and returned; the report save dialog reuses
    // both, as the text-file loader leaves them.
    QString OpenDialogFolder;
    QString OpenDialogFileName;
    // The last report file saved; the text-file loader keeps its loaded file here too.
    QString FileName;
};

} // namespace tessal
