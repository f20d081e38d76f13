#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "widgets/button_factory.h"

#include <QLabel>

namespace tessal {
namespace {

constexpr int kRowButtons = 5;

} // namespace

void TTessalForm::buildTalkingControls() {
    onSignal(TakingBTN, &TgdButton::clicked, [this] { TakingBTNClick(); });

    makeLabel(TakingPanel,
              {"Label46",
               QStringLiteral("Morse to Talking Interval Time"),
               {10, 4, 280, 22},
               kLime,
               15,
               QStringLiteral("モールス音から読み上げ開始までの遅延時間を設定します。")});
    makeLabel(TakingPanel, {"Label54",
                            QStringLiteral("Morse And Talking Replay Count"),
                            {310, 4, 280, 22},
                            kLime,
                            15,
                            QStringLiteral("モールスと読み上げの繰り返し数を設定します。")});
    for (int value = 1; value <= kRowButtons; ++value) {
        const QByteArray delayName = "TITBtn" + QByteArray::number(value);
        TgdButton* delay = makeButton(TakingPanel, {delayName.constData(),
                                                    QStringLiteral("%1sec").arg(value),
                                                    value,
                                                    {10 + 56 * (value - 1), 28, 50, 26}});
        onSignal(delay, &TgdButton::clicked, [this, delay] { TITBtnClick(delay); });
        TITBtns.push_back(delay);

        const QByteArray countName = "RCBTN" + QByteArray::number(value);
        TgdButton* count = makeButton(TakingPanel, {countName.constData(),
                                                    QString::number(value),
                                                    value,
                                                    {310 + 44 * (value - 1), 28, 38, 26}});
        onSignal(count, &TgdButton::clicked, [this, count] { RCBTN_Click(count); });
        RCBTNs.push_back(count);
    }
    TalkConstBTN = makeButton(TakingPanel, {"TalkConstBTN",
                                            QStringLiteral("Constantly"),
                                            0,
                                            {10, 62, 110, 26},
                                            QStringLiteral("自動繰り返しモード")});
    onSignal(TalkConstBTN, &TgdButton::clicked, [this] { TalkConstBTNClick(); });
    makeLabel(TakingPanel, {"Label55", QStringLiteral("Progress:"), {310, 64, 80, 22}, kWhite, 15});
    makeLabel(TakingPanel, {"Label57", QStringLiteral("Talking"), {140, 64, 80, 22}, kAqua, 15});
    TIProgLabel = makeLabel(
        TakingPanel, {"TIProgLabel", QStringLiteral("Waiting"), {392, 64, 200, 22}, kYellow, 15});

    TakingInterValTimer->setOnTimer([this] { TakingInterValTimerTimeUp(); });
}

} // namespace tessal
