#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "keyer/keyer_pages.h"
#include "keyer/keyer_widgets.h"
#include "widgets/gd_button.h"

#include <QLabel>

namespace tessal {

void buildStackingKeyPage(TTessalForm& form) {
    QWidget* page = form.StackKeyPanel;
    const LabelSpec labels[] = {
        {"STDotTimeTitle",
         QStringLiteral("Dot Time"),
         {14, 6, 200, 20},
         kLime,
         13,
         QStringLiteral("短点の時間設定")},
        {"STDashRatioTitle",
         QStringLiteral("Dash Ratio"),
         {14, 72, 120, 20},
         kLime,
         13,
         QStringLiteral("長点の長さを短点の倍数で設定します。")},
        {"STIntervalTitle",
         QStringLiteral("Inteval Time"),
         {320, 6, 200, 20},
         kLime,
         13,
         QStringLiteral("文字間の時間設定")},
        {"STCRTimingTitle",
         QStringLiteral("C/R Timing"),
         {320, 72, 200, 20},
         kLime,
         13,
         QStringLiteral("文字列の改行タイミング設定")},
        {"STKeyOperationTitle",
         QStringLiteral("Key Operation"),
         {620, 6, 180, 20},
         kLime,
         13,
         QStringLiteral("キーイン状況表示")},
        {"STDotCaption",
         QStringLiteral("Dot"),
         {620, 118, 84, 20},
         kAqua,
         13,
         QString(),
         Qt::AlignCenter},
        {"STDashCaption",
         QStringLiteral("Dash"),
         {712, 118, 84, 20},
         kAqua,
         13,
         QString(),
         Qt::AlignCenter},
    };
    for (const LabelSpec& spec : labels)
        makeLabel(page, spec);

    form.STDotBtns =
        makeButtonRow(page, "STDotBtn", {"50mS", "60mS", "70mS", "80mS", "90mS"}, 0, {14, 28});
    form.STDashBtns = makeButtonRow(page, "STDashBtn", {"x2", "x3", "x4", "x5", "x6"}, 0, {14, 94});
    form.ItBtns =
        makeButtonRow(page, "ItBtn", {"300mS", "500mS", "700mS", "900mS", "1.0S"}, 1, {320, 28});
    form.SkCRTBtns =
        makeButtonRow(page, "SkCRTBtn", {"1Sec", "1.5Sec", "2Sec", "2.5Sec", "3Sec"}, 1, {320, 94});
    for (TgdButton* button : form.STDotBtns)
        form.onSignal(button, &TgdButton::clicked, [&form, button] { form.STDotBtnClick(button); });
    for (TgdButton* button : form.STDashBtns)
        form.onSignal(button, &TgdButton::clicked,
                      [&form, button] { form.STDashBtnClick(button); });
    for (TgdButton* button : form.ItBtns)
        form.onSignal(button, &TgdButton::clicked, [&form, button] { form.StIntValBtnON(button); });
    for (TgdButton* button : form.SkCRTBtns)
        form.onSignal(button, &TgdButton::clicked, [&form, button] { form.StCRTBtnClick(button); });

    form.STDashTimeLabel = makeLabel(page, {"STDashTimeLabel",
                                            QStringLiteral("Dash Time :xxxmS"),
                                            {134, 72, 160, 20},
                                            kAqua,
                                            13,
                                            QStringLiteral("設定による長点の長さ計算値")});
    form.StackCounterLabel = makeLabel(page, {"StackCounterLabel",
                                              QStringLiteral("Stack : ---"),
                                              {320, 150, 200, 26},
                                              kYellow,
                                              17,
                                              QStringLiteral("キー入力バッファー現在値")});
    makeContactPair(page, "STDotKeyOut", "STDotKeyIn", false, {620, 30, 84, 84}, form.STDotKeyOut,
                    form.STDotKeyIn);
    makeContactPair(page, "STdashKeyOut", "STDashKeyIn", true, {712, 30, 84, 84}, form.STdashKeyOut,
                    form.STDashKeyIn);
}

} // namespace tessal
