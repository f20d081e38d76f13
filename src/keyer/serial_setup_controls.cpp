#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "keyer/keyer_pages.h"
#include "keyer/keyer_widgets.h"
#include "keyer/port_combo_box.h"
#include "widgets/button_factory.h"

#include <QLabel>

namespace tessal {

namespace {
constexpr int kComPorts = 16;
const QString kNoDevice = QStringLiteral("no device");
} // namespace

void TTessalForm::buildSerialSetupControls() {
    QWidget* panel = KeyerPanel;
    Label21 = makeLabel(
        panel, {"Label21", QStringLiteral("Serial Port Setting"), {30, 108, 250, 22}, kLime, 15});
    Label20 = makeLabel(panel, {"Label20",
                                QStringLiteral("RS232C Port No: "),
                                {30, 140, 128, 26},
                                kAqua,
                                13,
                                QStringLiteral("PCのRS232Cポート番号を設定します。")});
    Label12 = makeLabel(panel, {"Label12",
                                QStringLiteral("Dot Key"),
                                {30, 174, 76, 26},
                                kAqua,
                                13,
                                QStringLiteral("短点に相当するRS232Cの信号名を設定します。")});
    Label13 = makeLabel(panel, {"Label13",
                                QStringLiteral("Dash Key"),
                                {30, 208, 76, 26},
                                kAqua,
                                13,
                                QStringLiteral("長点に相当するRS232Cの信号名を設定します。")});
    Label34 = makeLabel(panel, {"Label34",
                                QStringLiteral("Anti-Chattering"),
                                {604, 174, 150, 26},
                                kAqua,
                                13,
                                QStringLiteral("チャタリング防止遅延時間を設定します。")});
    Label35 = makeLabel(panel, {"Label35", QStringLiteral("mSec"), {752, 208, 50, 26}, kAqua, 13});

    ComPortNoCBox = new PortComboBox(panel);
    ComPortNoCBox->setObjectName(QStringLiteral("ComPortNoCBox"));
    ComPortNoCBox->setGeometry(160, 140, 116, 26);
    ComPortNoCBox->setFont(formFont());
    for (int port = 1; port <= kComPorts; ++port)
        ComPortNoCBox->addItem(QStringLiteral("Com%1").arg(port));
    ComPortNoCBox->setPlaceholderText(QStringLiteral("Com Number"));
    ComPortNoCBox->setCurrentIndex(-1);
    ComPortNoCBox->setOnOpen([this] { RefreshComPortItems(); });
    onSignal(ComPortNoCBox, &QComboBox::currentIndexChanged, [this] { ComPortNoCBoxChange(); });
    ComDeviceLabel =
        makeLabel(panel, {"ComDeviceLabel", kNoDevice, {284, 140, 190, 26}, kWhite, 12});

    ComOpenBtn2 = makeButton(panel, {"ComOpenBtn2",
                                     QStringLiteral("ComOpen"),
                                     0,
                                     {480, 140, 110, 26},
                                     QStringLiteral("設定されたポート番号のポートを開けます。")});
    onSignal(ComOpenBtn2, &TgdButton::clicked, [this] { ComOpenBtnON(); });
    EventMasklabel = makeLabel(
        panel,
        {"EventMasklabel", QStringLiteral("EventMasklabel"), {604, 140, 200, 26}, kYellow, 13});

    DotAssBtns = makeButtonRow(panel, "DotAssBtn", {"CTS", "DSR", "RLSD"}, 0, {110, 174}, 60);
    DashAssBtns = makeButtonRow(panel, "DashAssBtn", {"CTS", "DSR", "RLSD"}, 0, {110, 208}, 60);
    static const char* const kDotNames[] = {"DotCTSBtn", "DotDSRBtn", "DotRLSDBtn"};
    static const char* const kDashNames[] = {"DashCTSBtn", "DashDSRBtn", "DashRLSDBtn"};
    for (int line = 0; line < 3; ++line) {
        TgdButton* dot = DotAssBtns[std::size_t(line)];
        TgdButton* dash = DashAssBtns[std::size_t(line)];
        dot->setObjectName(QString::fromLatin1(kDotNames[line]));
        dash->setObjectName(QString::fromLatin1(kDashNames[line]));
        onSignal(dot, &TgdButton::clicked, [this, dot] { DotAssBtnClick(dot); });
        onSignal(dash, &TgdButton::clicked, [this, dash] { DashBtnClick(dash); });
    }
    DotRevBtn = makeButton(panel, {"DotRevBtn",
                                   QStringLiteral("Revers"),
                                   0,
                                   {306, 174, 76, 26},
                                   QStringLiteral("入力信号を反転します。")});
    DashRevBtn = makeButton(panel, {"DashRevBtn",
                                    QStringLiteral("Revers"),
                                    0,
                                    {306, 208, 76, 26},
                                    QStringLiteral("入力信号を反転します。")});
    onSignal(DotRevBtn, &TgdButton::clicked, [this] { DotRevBtnClick(); });
    onSignal(DashRevBtn, &TgdButton::clicked, [this] { DashRevBtnClick(); });

    ComDelayBtns =
        makeButtonRow(panel, "ComDelayBtn", {"0", "10", "20", "30", "40"}, 0, {604, 208}, 26);
    connectRow(*this, ComDelayBtns, &TTessalForm::ComDelayBtnON);

    CTS_Panel = makeIndicator(panel, "CTS_Panel", QStringLiteral("CTS"), {400, 176, 46, 22});
    DSR_Panel = makeIndicator(panel, "DSR_Panel", QStringLiteral("DSR"), {450, 176, 46, 22});
    RLSD_Panel = makeIndicator(panel, "RLSD_Panel", QStringLiteral("RLSD"), {500, 176, 46, 22});
    DotPanel1 = makeIndicator(panel, "DotPanel1", QStringLiteral("Dot"), {400, 210, 70, 22});
    DashPanel1 = makeIndicator(panel, "DashPanel1", QStringLiteral("Dash"), {476, 210, 70, 22});
}

void TTessalForm::RefreshComPortItems() {
    const QList<SerialDevice> devices = platform().serial().devices();
    for (int item = 0; item < ComPortNoCBox->count(); ++item) {
        const QString comName = QStringLiteral("COM%1").arg(item + 1);
        QString path = kNoDevice;
        for (const SerialDevice& device : devices) {
            if (device.comName.compare(comName, Qt::CaseInsensitive) == 0)
                path = device.devicePath;
        }
        ComPortNoCBox->setItemData(item, path, Qt::ToolTipRole);
        if (item == ComPortNo)
            ComDeviceLabel->setText(path);
    }
    if (ComPortNo < 0 || ComPortNo >= ComPortNoCBox->count())
        ComDeviceLabel->setText(kNoDevice);
}

} // namespace tessal
