#include "app/tessal_form.h"

#include "app/install_layout.h"
#include "listening/report_pane.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QPalette>

namespace tessal {

TTessalForm::TTessalForm(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      platform_(platform), sound_(platform) {
    setObjectName(QStringLiteral("TessalForm"));
    setWindowTitle(QStringLiteral("Tessal Morse Trainer"));
    setFixedSize(kClientWidth, kClientHeight);
    QPalette navy = palette();
    navy.setColor(QPalette::Window, QColor(0x00, 0x00, 0x80));
    setPalette(navy);
    setAutoFillBackground(true);
    buildTimers();
    buildControls();
    buildFeatureControls();
    platform_.guarded([this] { FormCreate(); });
}

TTessalForm::~TTessalForm() {
    FormDestroy();
}

void TTessalForm::buildTimers() {
    MSTimer = platform_.createTimer();
    MSTimer->setOnTimer([this] { MorseTimerON(); });
    TakingInterValTimer = platform_.createTimer();
    FileModeTimer = platform_.createTimer();
}

QString TTessalForm::settingsPathForExecutable() const {
    const QString executable = platform_.executablePath();
    return chooseSettingsPath(executable, platform_.isWritableFolder(QFileInfo(executable).path()),
                              platform_.userConfigFolder());
}

void TTessalForm::FormCreate() {
    CurrentDir = platform_.workingDirectory();
    INI_FILE = settingsPathForExecutable();
    LoadSettings();
    WaveReady = 0;
    REdit1->clearLines();
    REdit2->clearLines();
    REdit3->clearLines();
    StrEnd = -1;
    RUNFlag = 0;
    ComEnable = 0;
    hComm = kNoSerialPort;
    StackStrList.clear();
    MorseStrList.clear();
    STMorseStrList.clear();
    PaintGradientImages();
    PC1_Page = 100;
    SwitchCategory(0);
    PBarCreate();
    CreatePBar2();
    Dictionaries = MorseDictionaries{};
    LoadDictionaries();
}

void TTessalForm::FormDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    CloseSound();
    ComEnable = 0;
    // The serial poll loop runs inside message processing; it closes the port once it sees
    // ComEnable off. Should it not (a handler stuck below it), the port is closed here, so the
    // settings are still saved and the program still ends.
    EventLoop& loop = platform_.loop();
    const int64_t giveUpAt = loop.monotonicMs() + kPortCloseWaitMs;
    while (hComm != kNoSerialPort && loop.monotonicMs() < giveUpAt)
        loop.processMessages();
    if (hComm != kNoSerialPort) {
        platform_.serial().close(hComm);
        hComm = kNoSerialPort;
    }
    INI_FILE = settingsPathForExecutable();
    SaveSettings();
}

void TTessalForm::CloseBtnMouseDown() {
    ComEnable = 0;
}

void TTessalForm::CloseBtnMouseUp() {
    CloseSound();
    INI_FILE = settingsPathForExecutable();
    SaveSettings();
    close();
}

void TTessalForm::CloseSound() {
    if (WaveReady == 0)
        return;
    sound_.CloseAll();
    WaveReady = 0;
}

void TTessalForm::closeEvent(QCloseEvent* event) {
    // A window-manager close must also end a running serial poll loop, or the event loop
    // never gets back to quit.
    ComEnable = 0;
    event->accept();
}

} // namespace tessal
