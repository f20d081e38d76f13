#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "listening/speed_table.h"
#include "widgets/button_factory.h"

#include <QComboBox>
#include <QLabel>

namespace tessal {

void TTessalForm::buildSequencerControls() {
    StringLabel = makeLabel(
        PlayPanel, {"StringLabel", QStringLiteral("<Character>"), {10, 2, 185, 38}, kLime, 24});
    CodeLabel = makeLabel(
        PlayPanel, {"CodeLabel", QStringLiteral("<MorseCode>"), {10, 40, 185, 32}, kYellow, 20});
    StringBtn = makeButton(PlayPanel, {"StringBtn",
                                       QStringLiteral("Chara."),
                                       0,
                                       {200, 8, 62, 26},
                                       QStringLiteral("発音中のキャラクター表示")});
    CodeBtn = makeButton(PlayPanel, {"CodeBtn",
                                     QStringLiteral("Code"),
                                     0,
                                     {200, 41, 62, 26},
                                     QStringLiteral("発音中のモールスコード表示")});
    // PauseBtn's place is taken by StopBtn in the talking mode, which hides PAUSE.
    PlayBtn = makeButton(
        PlayPanel,
        {"PlayBtn", QStringLiteral("PLAY"), 0, {285, 25, 62, 36}, QStringLiteral("開始ボタン")});
    PauseBtn = makeButton(PlayPanel, {"PauseBtn",
                                      QStringLiteral("PAUSE"),
                                      0,
                                      {352, 25, 62, 36},
                                      QStringLiteral("一時停止ボタン")});
    StopBtn = makeButton(
        PlayPanel,
        {"StopBtn", QStringLiteral("STOP"), 0, {530, 25, 62, 36}, QStringLiteral("停止ボタン")});
    onSignal(PlayBtn, &TgdButton::clicked, [this] { PlayBtnON(); });
    onSignal(PauseBtn, &TgdButton::clicked, [this] { PauseBtnON(); });
    onSignal(StopBtn, &TgdButton::clicked, [this] { StopBtnON(); });
    onSignal(StringBtn, &TgdButton::clicked, [this] { StringBtnClick(); });
    onSignal(CodeBtn, &TgdButton::clicked, [this] { CodeBtnClick(); });

    SpeedSelectLabel = makeLabel(SidePanel, {"SpeedSelectLabel",
                                             QStringLiteral("Speed Select"),
                                             {10, 6, 190, 22},
                                             kLime,
                                             15,
                                             QStringLiteral("モールス信号の速度設定です。")});
    for (const SpeedRow& row : kSpeedRows) {
        const int column = (row.index - 1) % 2;
        const int line = (row.index - 1) / 2;
        const QByteArray name = "Speed" + QByteArray::number(row.index) + "Btn";
        TgdButton* button = makeButton(SidePanel, {name.constData(),
                                                   QStringLiteral("%1WPS").arg(row.wpm),
                                                   row.index,
                                                   {10 + 100 * column, 32 + 31 * line, 92, 26}});
        onSignal(button, &TgdButton::clicked, [this, button] { SpeedSelectBtnClick(button); });
        SpeedBtns.push_back(button);
    }

    ListenModeLabel = makeLabel(QSOTopPanel, {"ListenModeLabel",
                                              QStringLiteral("Listen Mode is Undecided"),
                                              {12, 23, 280, 20},
                                              kAqua,
                                              13,
                                              QStringLiteral("聞き込みのパラメータ表示")});

    DelayTimeCBox = new QComboBox(ListeningPanel);
    DelayTimeCBox->setObjectName(QStringLiteral("DelayTimeCBox"));
    DelayTimeCBox->setGeometry(530, 68, 200, 26);
    DelayTimeCBox->setFont(formFont());
    DelayTimeCBox->addItems({QStringLiteral("Dash Time X 1"), QStringLiteral("Dash Time X 2"),
                             QStringLiteral("Dash Time X 3")});
    DelayTimeCBox->setPlaceholderText(QStringLiteral("Select Sound "));
    DelayTimeCBox->setCurrentIndex(-1);
    DelayTimeCBox->setToolTip(QStringLiteral("聞き取りのモールス信号文字間時間を設定します。"));
    onSignal(DelayTimeCBox, &QComboBox::currentIndexChanged, [this] { DelayTimeCBoxChange(); });
}

} // namespace tessal
