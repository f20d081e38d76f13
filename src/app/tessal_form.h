#pragma once

#include "keyer/keyer_state.h"
#include "listening/listening_state.h"
#include "morse/conversion_state.h"
#include "morse/dictionaries.h"
#include "operation/operation_state.h"
#include "platform/platform.h"
#include "sound/sound_state.h"
#include "sound/tessal_lib.h"

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QColor;
class QComboBox;
class QLabel;
class QStackedWidget;

namespace tessal {

class TgdButton;
class ReportPane;
class PortComboBox;

// The main window and the trainer's one controller. Its methods are defined in the folder of the
// subsystem they belong to; flags are ints with 0 = off and -1 = on, as the settings file stores
// them. Members are grouped by subsystem, each group under one comment line; the data of the
// conversion panel, the talking mode, the text-file and free-string sources and the report
// panes, the sound setup's, the keyer's and the contact's live in their own folders' state
// structs.
class TTessalForm : public QWidget,
                    public ConversionState,
                    public ListeningState,
                    public KeyerState,
                    public OperationState,
                    public SoundState {
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
    // Beside the executable, or in the user's config folder when that folder is read-only.
    QString settingsPathForExecutable() const;
    // How long the destruction waits for the serial poll loop to close the port.
    static constexpr int64_t kPortCloseWaitMs = 2000;
    // Connects a signal to a handler that runs the way the platform runs every event handler:
    // an error escaping it is shown in a message box and the program goes on.
    template <class Sender, class Signal, class Handler>
    void onSignal(Sender* sender, Signal signal, Handler handler) {
        QObject::connect(sender, signal, this,
                         [this, handler] { platform_.guarded(std::function<void()>(handler)); });
    }
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
    // Moves the window to the stored Top/Left, or onto a screen when that place is off every
    // screen; the stored values are saved again unless the window has moved since.
    void PlaceWindow();
    int StoredTop = 100, StoredLeft = 100;
    QPoint PlacedPosition;

    // === dictionaries
    void LoadDictionaries();
    QString ConvertMorse(const QString& text, int mode) const;
    MorseDictionaries Dictionaries;

    // === conversion test panel
    void buildConversionPanel();
    void ConvModeBtnON(TgdButton* sender);
    void ConvModeApply(int mode);
    void StrConvFunction();
    // `key` is the Qt key released in ConvEdit.
    void ConvEditKeyUp(int key);
    void CnvCLSBtnClick();
    void SoundPlayBtnClick();

    // === sound setup
    void buildSoundSetupControls();
    void SoundSelectCBoxChange();
    void SoundCodeApply();
    void SoundSelectApply(int code1, int code2);
    void VolumeApply();
    void ListeningVolTBarChange();
    void KeyVolTBarChange();
    void OpenKeyerSound();
    void KeyToneOn();
    void KeyToneOff();
    void SoundSetUpBtnClick();
    void ConvertBtnMouseDown();
    void ConvertBtnMouseUp();
    void SoundResetBtnON();
    void BeepTestBtnClick();

    // === listening: sequencer
    int PlayText(const QString& text);
    void MorseTimerON();
    void MorsePlayEnd();
    void PlayButtonsReset();
    void PlayBtnON();
    void PauseBtnON();
    void StopBtnON();
    void SpeedSelectBtnClick(TgdButton* sender);
    void SpeedSelect(int index);
    bool SpeedWPSApply(int wpm);
    void DelayTimeCBoxChange();
    void StrDelayApply();
    void StringBtnClick();
    void StringFlagApply();
    void CodeBtnClick();
    void CodeFlagApply();
    void buildSequencerControls();
    int SpeedWPS = 10, DashTime = 280, DotTime = 80, StrDelay = 2;
    int RUNFlag = 0, StrEnd = -1, StringFlag = -1, CodeFlag = -1;
    int MorseStrCount = 0, MorsePauseFlag = 0;
    QStringList MorseStrList, StringStrList;
    std::unique_ptr<IntervalTimer> MSTimer;
    TgdButton* PlayBtn = nullptr;
    TgdButton* PauseBtn = nullptr;
    TgdButton* StopBtn = nullptr;
    TgdButton* StringBtn = nullptr;
    TgdButton* CodeBtn = nullptr;
    std::vector<TgdButton*> SpeedBtns; // Speed1Btn..Speed6Btn
    QLabel* StringLabel = nullptr;
    QLabel* CodeLabel = nullptr;
    QLabel* SpeedSelectLabel = nullptr;
    QLabel* ListenModeLabel = nullptr;
    QLabel* DelayTimeLabel = nullptr;
    QComboBox* DelayTimeCBox = nullptr;

    // === listening: basic course
    void RandomModePlay();
    void RandomBaseChangeBtnON(TgdButton* sender);
    void RandomBaseModeApply();
    // PAUSE, STOP, NEW and the talking panel where the talking mode or the plain course wants them.
    void PlayPanelLayoutApply();
    // The talking mode is on and the basic course is the source.
    bool TalkingActive() const;
    void LengthSelectBtnClick(TgdButton* sender);
    void RandomLengthApply();
    void RepeBtnClick(TgdButton* sender);
    void RepeCountApply();
    // False (and the user told why) when the chosen class cannot supply a question.
    bool MakeQuestionString();
    void NEWBtnClick();
    void RandomModeQestionStringBtnClick();
    void buildBasicCourseControls();
    int QTypeMode = 1, RandomBaseMode = 0, RandomLength = 1, RepeCount = 3;
    QString QuestionString;
    QLabel* RandomStringLabel = nullptr;
    int AddNumFlag = 0, AddSymFlag = 0, guideFlag = 0;
    QWidget* QuestionPanel = nullptr;
    QLabel* Label23 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label25 = nullptr;
    QLabel* Label8 = nullptr;
    std::vector<TgdButton*> ClassBtns;  // AlphabetBtn, NihongoBtn, NumBtn, SymbolBtn, QCodeBtn
    std::vector<TgdButton*> LengthBtns; // Length_1..Length_5
    std::vector<TgdButton*> RepeBtns;   // RepeBtn1..RepeBtn5
    TgdButton* RandomModeQestionStringBtn = nullptr;
    TgdButton* NEWBtn = nullptr;
    TgdButton* TakingBTN = nullptr;

    // === listening: answer judgement
    void AnswerPanelSetup();
    void AnsEdit2Change();
    void CharJudge(const QString& typed);
    void QCodeAnswerCheck();
    void AnsEditKeyUp(int key);
    void JudgeBtnClick();
    void AnswerJudge();
    void buildAnswerControls();
    QString QuestionString2;
    int QCount = 0, ACount = 1;
    std::array<QLabel*, 5> APanel{};      // answer slots, filled from APanelBoxes by each play
    std::array<QLabel*, 5> APanelBoxes{}; // APanel0..APanel4
    QLabel* Label38 = nullptr;
    QLabel* JudgeLabel = nullptr;
    QLineEdit* AnsEdit2 = nullptr;
    QLabel* Label24 = nullptr;
    QLineEdit* AnsEdit = nullptr;
    TgdButton* JudgeBtn = nullptr;

    // === listening: talking mode
    void TakingBTNClick();
    void TITBtnClick(TgdButton* sender);
    void TalkingITApply();
    void RCBTN_Click(TgdButton* sender);
    void TalkingRepCountApply();
    void TalkConstBTNClick();
    void TIContiFlagApply();
    void TakingInterValTimerTimeUp();
    void buildTalkingControls();

    // === listening: text file
    void FileLoadBtnClick();
    void FilePlayModeSelectBtnClick(TgdButton* sender);
    void FilePlayModeApply();
    void TextFilePlay();
    void FileLinePlay();
    void FileLineStatus();
    void FileRandomLine();
    void FileModeTimerTimer();
    // The end-of-line step of a played line: the log, and the next line of a "Through" run.
    void FileLineEnd();
    void LeftBtnClick();
    void RightBtnClick();
    void ShowBtnClick();
    void PBarCreate();
    void PBarSetPosition(int percent);
    void buildTextFileControls();
    // Where the open dialog starts before any file was loaded: the shipped practice files.
    QString practiceFolder() const;

    // === listening: free string
    void FreeStringPlay();
    void EnableBtn1Click(TgdButton* sender);
    void EnableNoApply();
    void CLSBtnClick();
    void ClsBtn2Click();
    void FreeEdit1EnableApply();
    void buildFreeStringControls();

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

    // === serial key input
    void buildSerialSetupControls();
    void ComOpenBtnON();
    void ComSetupBtnON();
    void ComPortNoCBoxChange();
    // Lists the serial devices afresh, each item hinting the device it stands for.
    void RefreshComPortItems();
    void ComDelayBtnON(TgdButton* sender);
    void DotAssBtnClick(TgdButton* sender);
    void DashBtnClick(TgdButton* sender);
    void DotRevBtnClick();
    void DashRevBtnClick();
    void ApplyComPortNo();
    void ApplyComDelay();
    void ApplyDotAss();
    void ApplyDashAss();
    void ApplyKeyRev();
    void CTSLineOn();
    void CTSLineOff();
    void DSRLineOn();
    void DSRLineOff();
    void RLSDLineOn();
    void RLSDLineOff();
    // One line's handler: its indicator, then the dot and the dash assigned to it.
    void serialLineEdge(int lineCode, bool on);

    // === keyer: key edges and decoding
    void DotKeyDown();
    void DotKeyUp();
    void DashKeyDown();
    void DashKeyUp();
    void ShowKeyInSignal(const QString& elements);
    void DecodeKeyedCharacter(const QString& code);
    void VKCRTimerTimeup();
    void KeyCRTimerTimeUp();
    void KeyinStringClear2();
    void KeyDicModeBtnClick(TgdButton* sender);
    void ApplyKeyDicMode();

    // === keyer: vertical key
    void verticalKeyUp();
    void VKIntervalTimerTimeup();
    void ReportVKAverage();
    void ShowVKeyImage(bool down);
    void VKDotTimeBtnClick(TgdButton* sender);
    void VKInterValBtnClick(TgdButton* sender);
    void VKCRTimingBtnClick(TgdButton* sender);
    void ApplyVKDotTime();
    void ApplyVKInterval();
    void ApplyVKCRTiming();

    // === keyer: BUG key
    void bugElementDown(const QString& element);
    void bugElementUp();
    void BkeyClockON();
    void BkBlankTimerTimeup();
    void ShowBKeyImages(bool dotDown, bool dashDown);
    void DotTimeBtnClick(TgdButton* sender);
    void DashTimeBtnClick(TgdButton* sender);
    void BugFullBtnClick();
    void RepeatBtnON();
    void BKtIntValBtnON(TgdButton* sender);
    void BkCRTimingBtnClick(TgdButton* sender);
    void ApplyBugTimes();
    void ApplyBKRepeat();
    void ApplyBKInterval();
    void ApplyBKCRTiming();

    // === keyer: stacking key
    void stackingTap(bool dot);
    void stackingRelease();
    void StBlankTimerTimeup();
    void PlayNextStack();
    void STSoundTimerTimeUp();
    void ShowSTKeyImages(bool dotDown, bool dashDown);
    void STDotBtnClick(TgdButton* sender);
    void STDashBtnClick(TgdButton* sender);
    void StIntValBtnON(TgdButton* sender);
    void StCRTBtnClick(TgdButton* sender);
    void ApplySTTimes();
    void ApplyStInterval();
    void ApplySTCRTiming();

    // === keyer page
    void buildKeyerControls();
    void KeySelectBtnClick(TgdButton* sender);
    void ApplyKeyType();

    // === operation (QSO): contact engine
    void buildOperationControls();
    void QSOStartBtnClick();
    void QSOResetBtnClick();
    void QSOResTimerTimeup();
    void QSOTypeSelectBtnClick(TgdButton* sender);
    void QSOResTimeBtnClick(TgdButton* sender);
    void QSOCallSignShowBtnClick();
    void QSOHelpBtnClick();
    void QSOAssBtnClick();
    void KeyInModeBtnClick();
    void EditEnter();
    // `key` is the Qt key released in Edit1.
    void Edit1KeyUp(int key);
    void MorseStringClear();
    void ClearQSOData();
    void ApplyQSOResTime();
    void ApplyQSOLevel();
    void ApplyKeyInMode();
    void BeginQSOReplyWait();
    void EndOpeningWait();
    void EvaluateQSOReply();
    // The end of a playback the contact started (or a Reset cut short); the sequencer hands it
    // over instead of running its own end step.
    void EndHostTransmission();
    void CreatePBar2();
    void SetPBar2Pos(int percent);
    void HidePBar2();
    void ShowPBar2();

    // === operation (QSO): level scripts
    void RunQSOLevel1();
    void RunQSOLevel2();
    void RunQSOLevel3();
    void RunQSOLevel4();
    void RunQSOLevel5();
    void RunQSOLevel6();
    // The script of QSOlevel; nothing for a level outside 1..6.
    void RunQSOLevel();
    void CallCaseCQ();
    void CQCaseStart();
    void CallCaseCallSign();
    void CallCaseRSFinal();
    void CallCaseRSToQTH();
    void CallCaseQTHFinal();
    void CallCaseQTHToName();
    void CallCaseNameFinal();
    void CQCaseCallSign();
    void CQCaseRSFinal();
    void CQCaseRSToQTH();
    void CQCaseQTHFinal();
    void CQCaseQTHToName();
    void CQCaseNameFinal();
    void SendHostMessage();
    void ShowHostReceived();
    void FinishQSO();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildTimers();
    // The controls of each listening, keyer and operation feature, after the frame exists.
    void buildFeatureControls();
    void buildTopBars();
    void buildListeningPage();
    void buildKeyerPage();
    void buildOperationPage();
    void buildSetupPage();
    void buildStatusBar();
    void buildReportPanes();
    void saveReportPane(const ReportPane& pane, const QString& folder, const QString& proposedName);

    Platform& platform_;
    TessalLib sound_;
    bool destroyed_ = false;
};

} // namespace tessal
