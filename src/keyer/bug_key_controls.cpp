#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "keyer/key_pictures.h"
#include "keyer/keyer_pages.h"
#include "keyer/keyer_widgets.h"
#include "widgets/button_factory.h"

#include <QLabel>

namespace tessal {

void buildBugKeyPage(TTessalForm& form) {
    QWidget* page = form.Panel23;
    const LabelSpec labels[] = {
        {"BugDotTimeTitle",
         QStringLiteral("Dot Time"),
         {14, 6, 200, 20},
         kLime,
         13,
         QStringLiteral("短点の長さを設定します。")},
        {"BugDashRatioTitle",
         QStringLiteral("Dash Ratio"),
         {14, 72, 120, 20},
         kLime,
         13,
         QStringLiteral("長点の長さを短点の長さの倍数値で設定します。")},
        {"BugIntervalTitle",
         QStringLiteral("Inteval Time"),
         {320, 6, 200, 20},
         kLime,
         13,
         QStringLiteral("文字と文字の間隔を設定します。")},
        {"BugCRTimingTitle",
         QStringLiteral("C/R Timing"),
         {320, 72, 200, 20},
         kLime,
         13,
         QStringLiteral("文字列の改行タイミングを設定します。")},
        {"BugSoundOutTitle",
         QStringLiteral("Sound Out"),
         {620, 6, 180, 20},
         kLime,
         13,
         QStringLiteral("モールス音の発音状況表示")},
        {"BugDotCaption",
         QStringLiteral("Dot"),
         {620, 118, 84, 20},
         kAqua,
         13,
         QString(),
         Qt::AlignCenter},
        {"BugDashCaption",
         QStringLiteral("Dash"),
         {712, 118, 84, 20},
         kAqua,
         13,
         QString(),
         Qt::AlignCenter},
    };
    for (const LabelSpec& spec : labels)
        makeLabel(page, spec);

    form.DotTimeBtns =
        makeButtonRow(page, "DotTimeBtn", {"50mS", "60mS", "70mS", "80mS", "90mS"}, 0, {14, 28});
    form.DashTimeBtns =
        makeButtonRow(page, "DashTimeBtn", {"x2", "x3", "x4", "x5", "x6"}, 0, {14, 94});
    form.BKIntervalBtns = makeButtonRow(page, "BKIntervalBtn",
                                        {"300mS", "500mS", "700mS", "900mS", "1.0S"}, 1, {320, 28});
    form.BKeyCRTBtns = makeButtonRow(page, "BKeyCRTBtn",
                                     {"1Sec", "1.5Sec", "2Sec", "2.5Sec", "3Sec"}, 1, {320, 94});
    for (TgdButton* button : form.DotTimeBtns)
        form.onSignal(button, &TgdButton::clicked,
                      [&form, button] { form.DotTimeBtnClick(button); });
    for (TgdButton* button : form.DashTimeBtns)
        form.onSignal(button, &TgdButton::clicked,
                      [&form, button] { form.DashTimeBtnClick(button); });
    for (TgdButton* button : form.BKIntervalBtns)
        form.onSignal(button, &TgdButton::clicked,
                      [&form, button] { form.BKtIntValBtnON(button); });
    for (TgdButton* button : form.BKeyCRTBtns)
        form.onSignal(button, &TgdButton::clicked,
                      [&form, button] { form.BkCRTimingBtnClick(button); });

    form.BUGDashTimeLabel = makeLabel(page, {"BUGDashTimeLabel",
                                             QStringLiteral("Dash Time :xxxmS"),
                                             {134, 72, 160, 20},
                                             kAqua,
                                             13,
                                             QStringLiteral("長点の長さの計算値を表示します。")});
    form.BugFullBtn = makeButton(page, {"BugFullBtn",
                                        QStringLiteral("Squeaze"),
                                        0,
                                        {14, 150, 100, 26},
                                        QStringLiteral("スクイーズ機能を有効にします。")});
    form.RepeatBtn = makeButton(page, {"RepeatBtn",
                                       QStringLiteral("Repeat"),
                                       0,
                                       {124, 150, 100, 26},
                                       QStringLiteral("オートリピート機能を有効にします。")});
    form.onSignal(form.BugFullBtn, &TgdButton::clicked, [&form] { form.BugFullBtnClick(); });
    form.onSignal(form.RepeatBtn, &TgdButton::clicked, [&form] { form.RepeatBtnON(); });
    form.BKStackLabel = makeLabel(page, {"BKStackLabel",
                                         QStringLiteral("Stack : ---"),
                                         {320, 150, 200, 26},
                                         kYellow,
                                         17,
                                         QStringLiteral("キー入力バッファーの現在値")});

    makeContactPair(page, "BKeyDotOut", "BKeyDotIn", false, {620, 30, 84, 84}, form.BKeyDotOut,
                    form.BKeyDotIn);
    makeContactPair(page, "BKeyDashOut", "BKeyDashIn", true, {712, 30, 84, 84}, form.BKeyDashOut,
                    form.BKeyDashIn);
}

} // namespace tessal
