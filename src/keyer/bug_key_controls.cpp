#include "app/tessal_form.h"
#include "keyer/keyer_pages.h"
#include "widgets/button_factory.h"

namespace tessal {

void buildBugKeyPage(TTessalForm& form) {
    const PaddlePageTexts texts{
        "Bug",
        "DotTimeBtn",
        "DashTimeBtn",
        "BKIntervalBtn",
        "BKeyCRTBtn",
        "BUGDashTimeLabel",
        "BKStackLabel",
        {"BKeyDotOut", "BKeyDotIn", "BKeyDashOut", "BKeyDashIn"},
        QStringLiteral("短点の長さを設定します。"),
        QStringLiteral("長点の長さを短点の長さの倍数値で設定します。"),
        QStringLiteral("文字と文字の間隔を設定します。"),
        QStringLiteral("文字列の改行タイミングを設定します。"),
        QStringLiteral("長点の長さの計算値を表示します。"),
        QStringLiteral("キー入力バッファーの現在値"),
        QStringLiteral("Sound Out"),
        QStringLiteral("モールス音の発音状況表示"),
    };
    const PaddlePage page = buildPaddlePage(form.Panel23, texts);
    form.DotTimeBtns = page.dotRow;
    form.DashTimeBtns = page.ratioRow;
    form.BKIntervalBtns = page.intervalRow;
    form.BKeyCRTBtns = page.lineEndRow;
    form.BUGDashTimeLabel = page.dashLabel;
    form.BKStackLabel = page.stackLabel;
    form.BKeyDotOut = page.dotOut;
    form.BKeyDotIn = page.dotIn;
    form.BKeyDashOut = page.dashOut;
    form.BKeyDashIn = page.dashIn;
    connectRow(form, form.DotTimeBtns, &TTessalForm::DotTimeBtnClick);
    connectRow(form, form.DashTimeBtns, &TTessalForm::DashTimeBtnClick);
    connectRow(form, form.BKIntervalBtns, &TTessalForm::BKtIntValBtnON);
    connectRow(form, form.BKeyCRTBtns, &TTessalForm::BkCRTimingBtnClick);

    form.BugFullBtn = makeButton(form.Panel23, {"BugFullBtn",
                                                QStringLiteral("Squeaze"),
                                                0,
                                                {14, 150, 100, 26},
                                                QStringLiteral("スクイーズ機能を有効にします。")});
    form.RepeatBtn =
        makeButton(form.Panel23, {"RepeatBtn",
                                  QStringLiteral("Repeat"),
                                  0,
                                  {124, 150, 100, 26},
                                  QStringLiteral("オートリピート機能を有効にします。")});
    form.onSignal(form.BugFullBtn, &TgdButton::clicked, [&form] { form.BugFullBtnClick(); });
    form.onSignal(form.RepeatBtn, &TgdButton::clicked, [&form] { form.RepeatBtnON(); });
}

} // namespace tessal
