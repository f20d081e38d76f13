#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "keyer/key_pictures.h"
#include "keyer/keyer_pages.h"
#include "keyer/keyer_widgets.h"
#include "widgets/gd_button.h"

#include <QLabel>

namespace tessal {

void buildVerticalKeyPage(TTessalForm& form) {
    QWidget* page = form.VerticalKeyPanel;
    const LabelSpec labels[] = {
        {"VKDotTimeTitle",
         QStringLiteral("Dot Time"),
         {14, 6, 200, 20},
         kLime,
         13,
         QStringLiteral("短点の時間設定")},
        {"VKIntervalTitle",
         QStringLiteral("Inteval Time"),
         {14, 72, 200, 20},
         kLime,
         13,
         QStringLiteral("文字間の時間設定")},
        {"VKCRTimingTitle",
         QStringLiteral("C/R Timing"),
         {14, 138, 200, 20},
         kLime,
         13,
         QStringLiteral("文字列改行のタイミング設定")},
        {"VKKeyInTitle",
         QStringLiteral("Key IN"),
         {340, 6, 150, 20},
         kLime,
         13,
         QStringLiteral("キーイン状況の表示")},
    };
    for (const LabelSpec& spec : labels)
        makeLabel(page, spec);

    form.VKDotTimeBtns =
        makeButtonRow(page, "VKDotTimeBtn", {"30mS", "40mS", "50mS", "60mS", "70mS"}, 1, {14, 28});
    form.VKIntTimeBtns = makeButtonRow(page, "VKIntTimeBtn",
                                       {"300mS", "500mS", "700mS", "900mS", "1.0S"}, 1, {14, 94});
    form.VKCRTimeBtns = makeButtonRow(page, "VKCRTimeBtn",
                                      {"1Sec", "1.5Sec", "2Sec", "2.5Sec", "3Sec"}, 1, {14, 160});
    connectRow(form, form.VKDotTimeBtns, &TTessalForm::VKDotTimeBtnClick);
    connectRow(form, form.VKIntTimeBtns, &TTessalForm::VKInterValBtnClick);
    connectRow(form, form.VKCRTimeBtns, &TTessalForm::VKCRTimingBtnClick);

    const QRect picture{340, 34, 150, 100};
    form.KeyOutImage = makeLabel(page, {"KeyOutImage", QString(), picture});
    form.KeyOutImage->setPixmap(straightKeyPicture(false));
    form.KeyInImage = makeLabel(page, {"KeyInImage", QString(), picture});
    form.KeyInImage->setPixmap(straightKeyPicture(true));
    form.KeyInImage->hide();

    const int left = 540;
    form.VKDotTimelabel = makeLabel(
        page,
        {"VKDotTimelabel", QStringLiteral("Dot Time : ---mS"), {left, 20, 260, 26}, kAqua, 17});
    form.VKDashTimeLabel = makeLabel(
        page,
        {"VKDashTimeLabel", QStringLiteral("Dash Time : ---mS"), {left, 60, 260, 26}, kAqua, 17});
    form.VKAvrLabel = makeLabel(
        page,
        {"VKAvrLabel", QStringLiteral("Avr.Time : ---mS"), {left, 100, 260, 26}, kYellow, 17});
    form.VKSpeedLabel = makeLabel(
        page,
        {"VKSpeedLabel", QStringLiteral("Speed : ----WPM"), {left, 140, 260, 26}, kYellow, 17});
}

} // namespace tessal
