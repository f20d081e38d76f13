#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "widgets/button_factory.h"
#include "widgets/line_edit_input.h"

#include <QLabel>
#include <QLineEdit>
#include <array>

namespace tessal {

namespace {

constexpr int kLevelCount = 6;
constexpr int kWaitCount = 5;

const std::array<ButtonSpec, kLevelCount> kLevelSpecs{{
    {"QSORStampBtn1", QStringLiteral("Level 1"), 1, {12, 52, 64, 26}},
    {"QSORStampBtn2", QStringLiteral("Level 2"), 2, {82, 52, 64, 26}},
    {"QSORStampBtn3", QStringLiteral("Level 3"), 3, {152, 52, 64, 26}},
    {"QSORStampBtn4", QStringLiteral("Level 4"), 4, {236, 52, 64, 26}},
    {"QSORStampBtn5", QStringLiteral("Level 5"), 5, {306, 52, 64, 26}},
    {"QSORStampBtn6", QStringLiteral("Level 6"), 6, {376, 52, 64, 26}},
}};

const std::array<ButtonSpec, kWaitCount> kWaitSpecs{{
    {"ResWTimeBtn1", QStringLiteral("10s"), 0, {180, 96, 48, 26}},
    {"ResWTimeBtn2", QStringLiteral("15s"), 1, {232, 96, 48, 26}},
    {"ResWTimeBtn3", QStringLiteral("20s"), 2, {284, 96, 48, 26}},
    {"ResWTimeBtn4", QStringLiteral("25s"), 3, {336, 96, 48, 26}},
    {"ResWTimeBtn5", QStringLiteral("30s"), 4, {388, 96, 48, 26}},
}};

} // namespace

void TTessalForm::buildOperationControls() {
    KeyModeLabel = makeLabel(QSOTopPanel, {"KeyModeLabel",
                                           QStringLiteral("Key Mode is Undecided"),
                                           {12, 2, 280, 20},
                                           kAqua,
                                           13,
                                           QStringLiteral("パドルキーの設定表示")});
    RTimeLabel = makeLabel(QSOTopPanel, {"RTimeLabel",
                                         QStringLiteral("-- / --"),
                                         {300, 10, 104, 26},
                                         kYellow,
                                         17,
                                         QStringLiteral("返信待機時間表示"),
                                         Qt::AlignRight | Qt::AlignVCenter});
    RTimeLabel->hide();
    makePanel(ProgressBarBasePanel, {"PBP0", {12, 3, 12, 30}, kAqua});
    makePanel(ProgressBarBasePanel, {"PBP21", {368, 3, 12, 30}, kNavy});

    Label50 = makeLabel(TherdPaanel, {"Label50",
                                      QStringLiteral("Select Rubber Stamp QSO Level"),
                                      {12, 4, 330, 22},
                                      kLime,
                                      15,
                                      QStringLiteral("ラバースタンプの難易度を選択します。")});
    Label52 = makeLabel(TherdPaanel,
                        {"Label52", QStringLiteral("1..3 Call case"), {12, 30, 200, 20}, kWhite});
    Label53 = makeLabel(TherdPaanel,
                        {"Label53", QStringLiteral("4..6 CQ Case"), {236, 30, 200, 20}, kWhite});
    for (const ButtonSpec& spec : kLevelSpecs) {
        TgdButton* button = makeButton(TherdPaanel, spec);
        onSignal(button, &TgdButton::clicked, [this, button] { QSOTypeSelectBtnClick(button); });
        QSORStampBtns.push_back(button);
    }
    Label51 = makeLabel(TherdPaanel, {"Label51",
                                      QStringLiteral("Response wait time"),
                                      {12, 98, 160, 22},
                                      kLime,
                                      15,
                                      QStringLiteral("プレイヤーの回答許容時間を設定します。")});
    for (const ButtonSpec& spec : kWaitSpecs) {
        TgdButton* button = makeButton(TherdPaanel, spec);
        onSignal(button, &TgdButton::clicked, [this, button] { QSOResTimeBtnClick(button); });
        ResWTimeBtns.push_back(button);
    }
    QSOStartBtn = makeButton(TherdPaanel, {"QSOStartBtn",
                                           QStringLiteral("START"),
                                           0,
                                           {474, 30, 150, 48},
                                           QStringLiteral("交信を開始します。")});
    onSignal(QSOStartBtn, &TgdButton::clicked, [this] { QSOStartBtnClick(); });
    QSOResetBtn = makeButton(TherdPaanel, {"QSOResetBtn",
                                           QStringLiteral("Reset"),
                                           0,
                                           {636, 30, 150, 48},
                                           QStringLiteral("交信を初期化します。")});
    onSignal(QSOResetBtn, &TgdButton::clicked, [this] { QSOResetBtnClick(); });
    KeyInModeBtn = makeButton(
        TherdPaanel, {"KeyInModeBtn",
                      QStringLiteral("KeyBoard Mode"),
                      0,
                      {474, 92, 312, 30},
                      QStringLiteral("パドルキーの代わりにPCのキーから入力するモードです。")});
    onSignal(KeyInModeBtn, &TgdButton::clicked, [this] { KeyInModeBtnClick(); });

    QSOCallSignBtn = makeButton(Panel41, {"QSOCallSignBtn",
                                          QStringLiteral("Call Sign"),
                                          0,
                                          {12, 6, 100, 26},
                                          QStringLiteral("HOSTのコールサインを表示します。")});
    onSignal(QSOCallSignBtn, &TgdButton::clicked, [this] { QSOCallSignShowBtnClick(); });
    QSOHOSTCallSignLabel = makeLabel(
        Panel41,
        {"QSOHOSTCallSignLabel", QStringLiteral("HOST Call Sign"), {122, 6, 170, 26}, kYellow, 17});
    QSOAssistBtn =
        makeButton(Panel41, {"QSOAssistBtn",
                             QStringLiteral("Assistant"),
                             0,
                             {300, 6, 100, 26},
                             QStringLiteral("送信しなければならない項目を表示します。")});
    onSignal(QSOAssistBtn, &TgdButton::clicked, [this] { QSOAssBtnClick(); });
    QSOAssistLabel = makeLabel(
        Panel41,
        {"QSOAssistLabel", QStringLiteral("Assistant Massage"), {410, 6, 400, 26}, kYellow, 15});
    QSOHelpBtn = makeButton(Panel41, {"QSOHelpBtn",
                                      QStringLiteral("HELP"),
                                      0,
                                      {12, 38, 100, 26},
                                      QStringLiteral("送信メッセージの例を表示しっます。")});
    onSignal(QSOHelpBtn, &TgdButton::clicked, [this] { QSOHelpBtnClick(); });
    QSOHelpLabel = makeLabel(
        Panel41, {"QSOHelpLabel", QStringLiteral("Send Message"), {122, 38, 688, 26}, kYellow, 17});
    for (QLabel* label : {QSOHOSTCallSignLabel, QSOAssistLabel, QSOHelpLabel})
        label->hide();

    Label56 = makeLabel(Panel45, {"Label56",
                                  QStringLiteral("HOST Received information"),
                                  {12, 4, 300, 22},
                                  kLime,
                                  15,
                                  QStringLiteral("ホストが受信内容から解釈できた内容の表示部")});
    QSOYouCallSignLabel = makeLabel(
        Panel45, {"QSOYouCallSignLabel", QStringLiteral("Call Sign :"), {12, 30, 230, 24}});
    QSORSLabel = makeLabel(Panel45, {"QSORSLabel", QStringLiteral("RS :"), {250, 30, 120, 24}});
    QSOQTHLabel = makeLabel(Panel45, {"QSOQTHLabel", QStringLiteral("QTH :"), {378, 30, 200, 24}});
    QSONameLabel =
        makeLabel(Panel45, {"QSONameLabel", QStringLiteral("Name :"), {586, 30, 224, 24}});

    QSoKeyInSignalLabel = makeLabel(
        PuddleKeyPanel,
        {"QSoKeyInSignalLabel", QStringLiteral("Key In Signal"), {12, 4, 690, 24}, kWhite, 15});
    QSOMorseStringLabel = makeLabel(
        PuddleKeyPanel,
        {"QSOMorseStringLabel", QStringLiteral("Morse String"), {12, 30, 690, 26}, kYellow, 17});
    KeyinStringClsBtn =
        makeButton(PuddleKeyPanel,
                   {"KeyinStringClsBtn", QStringLiteral("Clear"), 0, {714, 17, 80, 26}, QString()});
    onSignal(KeyinStringClsBtn, &TgdButton::clicked, [this] { MorseStringClear(); });

    KeyInPanel = makePanel(TabSheet3, {"KeyInPanel", PuddleKeyPanel->geometry()});
    Label58 = makeLabel(KeyInPanel, {"Label58",
                                     QStringLiteral("Enter Sending Message"),
                                     {12, 4, 300, 22},
                                     kLime,
                                     15,
                                     QStringLiteral("返信文字列入力部")});
    Edit1 = makeLineEdit(KeyInPanel,
                         {"Edit1", QStringLiteral("DE QX0ZZZ"), {12, 28, 570, 28}, kYellow, 17});
    upperCaseAsTyped(Edit1);
    onKeyRelease(Edit1, [this](int key) { platform_.guarded([this, key] { Edit1KeyUp(key); }); });
    Edit1Btn = makeButton(KeyInPanel, {"Edit1Btn",
                                       QStringLiteral("Sending"),
                                       0,
                                       {594, 29, 100, 26},
                                       QStringLiteral("文字列を送ります。")});
    onSignal(Edit1Btn, &TgdButton::clicked, [this] { EditEnter(); });
    KeyInPanel->hide();

    QSOResTimer = platform_.createTimer();
    QSOResTimer->setOnTimer([this] { QSOResTimerTimeup(); });
}

} // namespace tessal
