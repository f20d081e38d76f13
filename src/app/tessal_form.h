#pragma once

#include "morse/dictionaries.h"
#include "platform/platform.h"
#include "sound/tessal_lib.h"

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

class QLabel;
class QStackedWidget;

namespace tessal {

class TgdButton;

// The main window and the trainer's one controller. Its methods are defined in the folder of the
// subsystem they belong to; flags are ints with 0 = off and -1 = on, as the settings file stores
// them. Members are grouped by subsystem, each group under one comment line.
class TTessalForm : public QWidget {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 814;
    static constexpr int kClientHeight = 711;

    explicit TTessalForm(Platform& platform, QWidget* parent = nullptr);
    ~TTessalForm() override;

    Platform& platform() { return platform_; }
    TessalLib& sound() { return sound_; }

    // === shell: start-up and shutdown
    void FormCreate();
    void FormDestroy();
    void CloseBtnMouseDown();
    void CloseBtnMouseUp();
    void CloseSound();
    QString settingsPathForExecutable() const;
    QString CurrentDir;
    int PC1_Page = 100;
    QString INI_FILE;

    // === frame and navigation
    TgdButton* CloseBtn = nullptr;

    // === settings store
    void LoadSettings();
    void SaveSettings();

    // === dictionaries
    void LoadDictionaries();
    QString ConvertMorse(const QString& text, int mode) const;
    MorseDictionaries Dictionaries;

    // === conversion test panel
    int ConvMode = 0;
    QString TestMorseCode;

    // === sound setup
    void SoundCodeApply();
    void VolumeApply();
    int Frequency1 = 1000, Frequency2 = 1000, SoundCode1 = 3, SoundCode2 = 3, Duration1 = 1000;
    int Volume1 = 50, Volume2 = 50, Volume_1 = 15000, Volume_2 = 15000;
    int WaveReady = 0;

    // === listening: sequencer
    int SpeedWPS = 10, DashTime = 0, DotTime = 0, StrDelay = 2;
    int RUNFlag = 0, StrEnd = -1, StringFlag = -1, CodeFlag = -1;
    QStringList MorseStrList;

    // === listening: basic course
    int QTypeMode = 1, RandomBaseMode = 0, RandomLength = 1, RepeCount = 3;
    int AddNumFlag = 0, AddSymFlag = 0, guideFlag = 0;

    // === listening: answer judgement

    // === listening: talking mode
    int TalkingMode = 0, TalkingIT = 1, TalkingRepCount = 1, TIContiFlag = 0;

    // === listening: text file
    QString FDefaultFolder;
    int FilePlayMode = 0;

    // === listening: free string
    int FreeEdit1Enable = 0, EnableNo = 0;
    QLineEdit* FreeEdit1 = nullptr;
    QLineEdit* FreeEdit2 = nullptr;

    // === listening: report panes

    // === serial key input
    int hComm = kNoSerialPort;
    int ComEnable = 0, ComPortNo = 0, ComDelayTime = 2, DotAssCode = 0, DashAssCode = 1;
    int DotRev = 0, DashRev = 0;

    // === keyer
    int KeyType = 0, BugDotTime = 0, BugDashTime = 1, STDotTime = 0, STDashTime = 1;
    int BugFull = 0, BKRepeat = 0;
    int StIntervalTime = 500, BKIntervalTime = 1, VKIntervalTime = 1, KeyDicMode = 0;
    int BKCRTiming = 1, VKCRTiming = 1, STCRTiming = 1, VKDotTime = 1;
    QStringList StackStrList, STMorseStrList;

    // === operation (QSO)
    int QSOResTime = 1, QSOlevel = 1, QSOKeyinModeFlag = 0;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();

    Platform& platform_;
    TessalLib sound_;
    bool destroyed_ = false;
};

} // namespace tessal
