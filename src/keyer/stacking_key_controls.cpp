#include "app/tessal_form.h"
#include "keyer/keyer_pages.h"

namespace tessal {

void buildStackingKeyPage(TTessalForm& form) {
    const PaddlePageTexts texts{
        "ST",
        "STDotBtn",
        "STDashBtn",
        "ItBtn",
        "SkCRTBtn",
        "STDashTimeLabel",
        "StackCounterLabel",
        {"STDotKeyOut", "STDotKeyIn", "STdashKeyOut", "STDashKeyIn"},
        QStringLiteral("短点の時間設定"),
        QStringLiteral("長点の長さを短点の倍数で設定します。"),
        QStringLiteral("文字間の時間設定"),
        QStringLiteral("文字列の改行タイミング設定"),
        QStringLiteral("設定による長点の長さ計算値"),
        QStringLiteral("キー入力バッファー現在値"),
        QStringLiteral("Key Operation"),
        QStringLiteral("キーイン状況表示"),
    };
    const PaddlePage page = buildPaddlePage(form.StackKeyPanel, texts);
    form.STDotBtns = page.dotRow;
    form.STDashBtns = page.ratioRow;
    form.ItBtns = page.intervalRow;
    form.SkCRTBtns = page.lineEndRow;
    form.STDashTimeLabel = page.dashLabel;
    form.StackCounterLabel = page.stackLabel;
    form.STDotKeyOut = page.dotOut;
    form.STDotKeyIn = page.dotIn;
    form.STdashKeyOut = page.dashOut;
    form.STDashKeyIn = page.dashIn;
    connectRow(form, form.STDotBtns, &TTessalForm::STDotBtnClick);
    connectRow(form, form.STDashBtns, &TTessalForm::STDashBtnClick);
    connectRow(form, form.ItBtns, &TTessalForm::StIntValBtnON);
    connectRow(form, form.SkCRTBtns, &TTessalForm::StCRTBtnClick);
}

} // namespace tessal
