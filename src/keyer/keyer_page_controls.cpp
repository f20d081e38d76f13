#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "keyer/keyboard_key.h"
#include "keyer/keyer_pages.h"
#include "widgets/button_factory.h"

#include <QLabel>

namespace tessal {

namespace {

void buildKeyTypeRow(TTessalForm& form) {
    form.Label5 = makeLabel(form.Panel17, {"Label5",
                                           QStringLiteral("Key Type Select"),
                                           {14, 17, 140, 26},
                                           kLime,
                                           15,
                                           QStringLiteral("パドルの種類を設定します。")});
    const ButtonSpec keys[] = {
        {"VKeyBtn",
         QStringLiteral("Vertical Key"),
         0,
         {160, 17, 130, 26},
         QStringLiteral("縦振り電鍵モード")},
        {"BKeyBtn",
         QStringLiteral("BUG Key"),
         1,
         {300, 17, 130, 26},
         QStringLiteral("バグキーモード")},
        {"SKeyBtn",
         QStringLiteral("Stacking Key"),
         2,
         {440, 17, 130, 26},
         QStringLiteral("スタッキングモード")},
    };
    TgdButton** targets[] = {&form.VKeyBtn, &form.BKeyBtn, &form.SKeyBtn};
    for (int i = 0; i < 3; ++i) {
        TgdButton* button = makeButton(form.Panel17, keys[i]);
        form.onSignal(button, &TgdButton::clicked,
                      [&form, button] { form.KeySelectBtnClick(button); });
        *targets[i] = button;
    }
}

void buildPortRow(TTessalForm& form) {
    QWidget* row =
        makePanel(form.TabSheet2, {"KeyerPortPanel", {0, 270, TTessalForm::kClientWidth, 50}});
    form.ComNoLabel =
        makeLabel(row, {"ComNoLabel", QStringLiteral("COM:1"), {14, 12, 70, 26}, kAqua, 15});
    form.ComStatusLabel = makeLabel(
        row, {"ComStatusLabel", QStringLiteral("ComPort Closed"), {86, 12, 130, 26}, kWhite, 13});
    form.ComeventLabel = makeLabel(
        row, {"ComeventLabel", QStringLiteral("Port Event Flag"), {218, 12, 170, 26}, kWhite, 13});
    form.ComOpenBtn = makeButton(row, {"ComOpenBtn",
                                       QStringLiteral("ComOpen"),
                                       0,
                                       {390, 12, 96, 26},
                                       QStringLiteral("RS232Cシリアルポートを開けます。")});
    form.onSignal(form.ComOpenBtn, &TgdButton::clicked, [&form] { form.ComOpenBtnON(); });
    form.Label43 = makeLabel(row, {"Label43",
                                   QStringLiteral("Conversion dictionary"),
                                   {496, 12, 150, 26},
                                   kLime,
                                   13,
                                   QStringLiteral("モールスコード解析辞書の切り替えです。")});
    form.KeyAlphaBtn =
        makeButton(row, {"KeyAlphaBtn", QStringLiteral("Alphabet"), 0, {648, 12, 78, 26}});
    form.KeyHiraBtn =
        makeButton(row, {"KeyHiraBtn", QStringLiteral("ヒラガナ"), 1, {730, 12, 78, 26}});
    for (TgdButton* button : {form.KeyAlphaBtn, form.KeyHiraBtn})
        form.onSignal(button, &TgdButton::clicked,
                      [&form, button] { form.KeyDicModeBtnClick(button); });
}

void buildKeyedTextRow(TTessalForm& form) {
    QWidget* row =
        makePanel(form.TabSheet2, {"KeyedTextPanel", {0, 320, TTessalForm::kClientWidth, 60}});
    form.KeyInLabel = makeLabel(
        row, {"KeyInLabel", QStringLiteral("Key In Signal"), {14, 2, 690, 28}, kYellow, 19});
    form.ConvertStrLabel = makeLabel(
        row, {"ConvertStrLabel", QStringLiteral("Morse String"), {14, 30, 690, 28}, kAqua, 19});
    form.gdButton4 = makeButton(row, {"gdButton4", QStringLiteral("Clear"), 0, {714, 17, 80, 26}});
    form.onSignal(form.gdButton4, &TgdButton::clicked, [&form] { form.KeyinStringClear2(); });
}

} // namespace

void connectRow(TTessalForm& form, const std::vector<TgdButton*>& row,
                void (TTessalForm::*handler)(TgdButton*)) {
    for (TgdButton* button : row)
        form.onSignal(button, &TgdButton::clicked,
                      [&form, button, handler] { (form.*handler)(button); });
}

void TTessalForm::buildKeyerControls() {
    buildKeyerTimers(*this);
    buildKeyTypeRow(*this);
    buildVerticalKeyPage(*this);
    buildBugKeyPage(*this);
    buildStackingKeyPage(*this);
    buildPortRow(*this);
    buildKeyedTextRow(*this);
    buildSerialSetupControls();
    // The keyboard keys as the paddle, for users without a serial port.
    auto guardedEdge = [this](void (TTessalForm::*edge)()) {
        return [this, edge] { platform().guarded([this, edge] { (this->*edge)(); }); };
    };
    new KeyboardKey({guardedEdge(&TTessalForm::DotKeyDown), guardedEdge(&TTessalForm::DotKeyUp),
                     guardedEdge(&TTessalForm::DashKeyDown), guardedEdge(&TTessalForm::DashKeyUp)},
                    this);
}

} // namespace tessal
