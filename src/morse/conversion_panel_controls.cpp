#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "widgets/button_factory.h"
#include "widgets/line_edit_input.h"

#include <QLabel>
#include <QPalette>
#include <functional>

namespace tessal {

void TTessalForm::buildConversionPanel() {
    Label9 = makeLabel(CWTestPanel, {"Label9",
                                     QStringLiteral("Convert Test"),
                                     {8, 4, 190, 22},
                                     kLime,
                                     15,
                                     QStringLiteral("簡易モールスコード翻訳機能です。")});

    const ButtonSpec modes[] = {
        {"Mode0Btn", QStringLiteral("Alfa"), 0, {6, 30, 62, 26}, QString()},
        {"Mode1Btn", QStringLiteral("Jpn"), 1, {72, 30, 62, 26}, QString()},
        {"Mode2Btn", QStringLiteral("Morse"), 2, {138, 30, 62, 26}, QString()},
    };
    std::vector<TgdButton*> modeButtons;
    for (const ButtonSpec& spec : modes) {
        TgdButton* button = makeButton(CWTestPanel, spec);
        onSignal(button, &TgdButton::clicked, [this, button] { ConvModeBtnON(button); });
        modeButtons.push_back(button);
    }
    Mode0Btn = modeButtons[0];
    Mode1Btn = modeButtons[1];
    Mode2Btn = modeButtons[2];

    ConvEdit =
        makeLineEdit(CWTestPanel, {"ConvEdit", QStringLiteral("C"), {6, 62, 128, 28}, kYellow, 16});
    onKeyRelease(ConvEdit,
                 [this](int key) { platform().guarded([this, key] { ConvEditKeyUp(key); }); });

    CnvCLSBtn = makeButton(CWTestPanel,
                           {"CnvCLSBtn", QStringLiteral("CLS"), 0, {138, 62, 62, 28}, QString()});
    ConvBtn = makeButton(CWTestPanel,
                         {"ConvBtn", QStringLiteral("Conv."), 0, {6, 96, 62, 28}, QString()});
    SoundPlayBtn = makeButton(
        CWTestPanel, {"SoundPlayBtn", QStringLiteral("Sound"), 0, {72, 96, 62, 28}, QString()});
    SoundPlayBtn->hide();
    onSignal(CnvCLSBtn, &TgdButton::clicked, [this] { CnvCLSBtnClick(); });
    onSignal(ConvBtn, &TgdButton::clicked, [this] { StrConvFunction(); });
    onSignal(SoundPlayBtn, &TgdButton::clicked, [this] { SoundPlayBtnClick(); });

    ConvResultLabel =
        makeLabel(CWTestPanel,
                  {"ConvResultLabel", QStringLiteral("ー・ー・"), {6, 130, 194, 64}, kYellow, 30});
}

} // namespace tessal
