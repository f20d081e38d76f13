#include "app/tessal_form.h"
#include "keyer/keyer_tables.h"
#include "keyer/keyer_widgets.h"
#include "keyer/port_combo_box.h"
#include "widgets/button_factory.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QStackedWidget>

namespace tessal {

namespace {

constexpr int kCTS = 0, kDSR = 1, kRLSD = 2;

QString portNameOf(int portNo) {
    return QStringLiteral("COM%1").arg(portNo + 1);
}

QString eventMaskText(uint32_t word) {
    return QStringLiteral("Event Mask : ") +
           QStringLiteral("%1").arg(word, 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

void TTessalForm::ComOpenBtnON() {
    if (ComEnable != 0) {
        ComEnable = 0; // the poll loop closes the port when this handler returns to it
        return;
    }
    ComSetupBtnON();
}

void TTessalForm::ComSetupBtnON() {
    SerialPorts& ports = platform().serial();
    EventLoop& loop = platform().loop();
    const QString portName = portNameOf(ComPortNo);
    uint32_t word = 0;
    uint32_t lastWord = 0;
    if (hComm == kNoSerialPort) {
        hComm = ports.open(portName);
        if (hComm == kNoSerialPort) {
            ComStatusLabel->setText(QStringLiteral("Open Error"));
            setStatusText(1, portName + QStringLiteral(" Error"));
            return;
        }
        ComStatusLabel->setText(QStringLiteral("Open Sucsess"));
        setStatusText(1, portName + QStringLiteral(" Ready"));
        markToggle(ComOpenBtn, -1);
        markToggle(ComOpenBtn2, -1);
        ComEnable = -1;
    }
    bool deviceLost = false;
    while (ComEnable != 0) {
        // A failed read keeps the last word; a device that is gone can never be read again,
        // so the port is closed instead of polled for ever.
        if (!ports.modemStatus(hComm, &word) && !ports.present(hComm)) {
            deviceLost = true;
            ComEnable = 0;
            break;
        }
        loop.processMessages();
        if (word == lastWord)
            continue;
        if (ComDelayTime != 0)
            loop.sleep(ComDelayValue);
        if (word & MS_CTS_ON)
            CTSLineOn();
        if (word & MS_DSR_ON)
            DSRLineOn();
        if (word & MS_RLSD_ON)
            RLSDLineOn();
        if (!(word & MS_CTS_ON))
            CTSLineOff();
        if (!(word & MS_DSR_ON))
            DSRLineOff();
        if (!(word & MS_RLSD_ON))
            RLSDLineOff();
        if (PageControl1->currentIndex() == kSetupCategoryPage)
            EventMasklabel->setText(eventMaskText(word));
        else if (PageControl1->currentIndex() == kKeyerCategoryPage)
            ComeventLabel->setText(eventMaskText(word));
        update();
        lastWord = word;
    }
    ports.close(hComm);
    hComm = kNoSerialPort;
    markToggle(ComOpenBtn, 0);
    markToggle(ComOpenBtn2, 0);
    ComStatusLabel->setText(QStringLiteral("Closed CommPort"));
    setStatusText(1, portName + QStringLiteral(" Closed"));
    if (deviceLost) {
        setStatusText(0, portName + QStringLiteral(": device removed, port closed"));
        // Nothing will ever release a contact the lost device held down.
        DotKeyUp();
        DashKeyUp();
    }
}

void TTessalForm::serialLineEdge(int lineCode, bool on) {
    QLabel* const indicators[] = {CTS_Panel, DSR_Panel, RLSD_Panel};
    if (PageControl1->currentIndex() == kSetupCategoryPage)
        setIndicator(indicators[lineCode], on);
    if (DotAssCode == lineCode) {
        if (on == (DotRev != 0))
            DotKeyUp();
        else
            DotKeyDown();
    }
    if (DashAssCode == lineCode) {
        if (on == (DashRev != 0))
            DashKeyUp();
        else
            DashKeyDown();
    }
}

void TTessalForm::CTSLineOn() {
    serialLineEdge(kCTS, true);
}
void TTessalForm::CTSLineOff() {
    serialLineEdge(kCTS, false);
}
void TTessalForm::DSRLineOn() {
    serialLineEdge(kDSR, true);
}
void TTessalForm::DSRLineOff() {
    serialLineEdge(kDSR, false);
}
void TTessalForm::RLSDLineOn() {
    serialLineEdge(kRLSD, true);
}
void TTessalForm::RLSDLineOff() {
    serialLineEdge(kRLSD, false);
}

void TTessalForm::ComPortNoCBoxChange() {
    ComPortNo = ComPortNoCBox->currentIndex();
    ComNoLabel->setText(QStringLiteral("COM:%1").arg(ComPortNo + 1));
    RefreshComPortItems();
}

void TTessalForm::ComDelayBtnON(TgdButton* sender) {
    ComDelayTime = sender->Tag();
    ApplyComDelay();
}

void TTessalForm::DotAssBtnClick(TgdButton* sender) {
    DotAssCode = sender->Tag();
    ApplyDotAss();
}

void TTessalForm::DashBtnClick(TgdButton* sender) {
    DashAssCode = sender->Tag();
    ApplyDashAss();
}

void TTessalForm::DotRevBtnClick() {
    DotRev = DotRev != 0 ? 0 : -1;
    ApplyKeyRev();
}

void TTessalForm::DashRevBtnClick() {
    DashRev = DashRev != 0 ? 0 : -1;
    ApplyKeyRev();
}

void TTessalForm::ApplyComPortNo() {
    // A stored number that names none of the listed ports means no port chosen, as the list
    // shows it; only checked numbers go into names and labels.
    if (ComPortNo < -1 || ComPortNo >= ComPortNoCBox->count())
        ComPortNo = -1;
    {
        const QSignalBlocker quiet(ComPortNoCBox);
        ComPortNoCBox->setCurrentIndex(ComPortNo);
    }
    ComNoLabel->setText(QStringLiteral("COM:%1").arg(ComPortNo + 1));
    RefreshComPortItems();
}

void TTessalForm::ApplyComDelay() {
    applyRow(ComDelayBtns, ComDelayTime, 0, kAntiChatteringTimes, ComDelayValue);
}

void TTessalForm::ApplyDotAss() {
    markSelection(DotAssBtns, DotAssCode);
}

void TTessalForm::ApplyDashAss() {
    markSelection(DashAssBtns, DashAssCode);
}

void TTessalForm::ApplyKeyRev() {
    markToggle(DotRevBtn, DotRev);
    markToggle(DashRevBtn, DashRev);
}

} // namespace tessal
