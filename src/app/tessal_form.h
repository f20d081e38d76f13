#pragma once

#include "morse/dictionaries.h"
#include "platform/platform.h"
#include "sound/tessal_lib.h"

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

class QColor;
class QLabel;
class QStackedWidget;

namespace tessal {

class TgdButton;
class ReportPane;

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
    void CategoriesChange(TgdButton* sender);
    void SwitchCategory(int index);
    void UpdateModeLabels();
    void QTypeModeChengeBtnOn(TgdButton* sender);
    void QTypeModeApply();
    void PaintGradientImages();
    // Panels 0..2 of StatusBar1.
    void setStatusText(int panel, const QString& text);
    QString statusText(int panel) const;
    QWidget* Panel1 = nullptr;
    QLabel* Image22 = nullptr;
    QLabel* TopLabel = nullptr;
    TgdButton* SetUpBtn = nullptr;
    TgdButton* CloseBtn = nullptr;
    QWidget* Panel2 = nullptr;
    QLabel* Label26 = nullptr;
    TgdButton* ListeningBtn = nullptr;
    TgdButton* KeyerBtn = nullptr;
    TgdButton* OperationBtn = nullptr;
    QStackedWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet7 = nullptr;
    QWidget* StatusBar1 = nullptr;
    // Listening page containers
    QWidget* ListeningModePanel = nullptr;
    TgdButton* RandomBtn = nullptr;
    TgdButton* TFileBtn = nullptr;
    TgdButton* FStringBtn = nullptr;
    QStackedWidget* PageControl2 = nullptr;
    QWidget* TabSheet5 = nullptr;
    QWidget* TabSheet6 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QWidget* PlayPanel = nullptr;
    QWidget* AnsPanel = nullptr;
    QWidget* AnsPanel2 = nullptr;
    QWidget* TakingPanel = nullptr;
    QWidget* FileOpePanel = nullptr;
    QWidget* MemoPanel = nullptr;
    QWidget* REdit1OperationPanel = nullptr;
    QWidget* SidePanel = nullptr;
    QWidget* CWTestPanel = nullptr;
    QWidget* UnderPanel = nullptr;
    // Keyer page containers
    QWidget* Panel17 = nullptr;
    QStackedWidget* PageControl3 = nullptr;
    QWidget* VerticalTelegraphKey = nullptr;
    QWidget* BUGKeypage = nullptr;
    QWidget* StackkeyPage = nullptr;
    QWidget* VerticalKeyPanel = nullptr;
    QWidget* Panel23 = nullptr;
    QWidget* StackKeyPanel = nullptr;
    QWidget* Panel47 = nullptr;
    // Operation page containers
    QWidget* QSOTopPanel = nullptr;
    QWidget* ProgressBarBasePanel = nullptr;
    QWidget* TherdPaanel = nullptr;
    QWidget* Panel41 = nullptr;
    QWidget* Panel45 = nullptr;
    QWidget* PuddleKeyPanel = nullptr;
    QWidget* Panel48 = nullptr;
    // Setup page containers
    QWidget* ListeningPanel = nullptr;
    QWidget* KeyerPanel = nullptr;
    QWidget* Panel8 = nullptr;

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
    void AddREdit1Line(const QString& text, const QColor& colour);
    void AddREdit2Line(const QString& text, const QColor& colour);
    void AddREdit3Line(const QString& text, const QColor& colour);
    void ClearBtnClick();
    void REDit2ClsBtnClick();
    void REDit1Clear();
    void FileSaveBtnClick();
    void KeyerSaveBtnClick();
    void OperationSaveBtnClick();
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

    // === serial key input
    int hComm = kNoSerialPort;
    int ComEnable = 0, ComPortNo = 0, ComDelayTime = 2, DotAssCode = 0, DashAssCode = 1;
    int DotRev = 0, DashRev = 0;

    // === keyer
    int VkeyMode = 0, BkeyMode = 0, SKeyMode = 0;
    int KeyType = 0, BugDotTime = 0, BugDashTime = 1, STDotTime = 0, STDashTime = 1;
    int BugFull = 0, BKRepeat = 0;
    int StIntervalTime = 500, BKIntervalTime = 1, VKIntervalTime = 1, KeyDicMode = 0;
    int BKCRTiming = 1, VKCRTiming = 1, STCRTiming = 1, VKDotTime = 1;
    QStringList StackStrList, STMorseStrList;

    // === operation (QSO)
    int QSOBuzy = 0;
    int QSOResTime = 1, QSOlevel = 1, QSOKeyinModeFlag = 0;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildTopBars();
    void buildListeningPage();
    void buildKeyerPage();
    void buildOperationPage();
    void buildSetupPage();
    void buildStatusBar();
    void buildReportPanes();
    void saveReportPane(const ReportPane& pane, const QString& folder,
                        const QString& proposedName);

    Platform& platform_;
    TessalLib sound_;
    bool destroyed_ = false;
};

} // namespace tessal
