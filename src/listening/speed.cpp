#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "listening/speed_table.h"
#include "widgets/button_factory.h"

#include <QComboBox>
#include <QLabel>

namespace tessal {
void TTessalForm::SpeedSelectBtnClick(TgdButton* sender) {
    SpeedSelect(sender->Tag());
}

void TTessalForm::SpeedSelect(int index) {
    markSelection(SpeedBtns, index);
    const auto row = speedRowForIndex(index);
    if (!row)
        return;
    SpeedWPS = row->wpm;
    DotTime = row->dotMs;
    DashTime = row->dashMs;
    ListenModeLabel->setText(QStringLiteral("Listening Speed : %1WPM").arg(row->wpm));
}

bool TTessalForm::SpeedWPSApply(int wpm) {
    const auto row = speedRowForWpm(wpm);
    if (!row)
        return false;
    SpeedSelect(row->index);
    return true;
}

void TTessalForm::DelayTimeCBoxChange() {
    const int chosen = DelayTimeCBox->currentIndex() + 1;
    if (isWordGapMultiplier(chosen))
        StrDelay = chosen;
}

void TTessalForm::StrDelayApply() {
    // A stored value of no item (a damaged file) would make a word pause that never ends or
    // lasts for days: the usual pause then.
    if (!isWordGapMultiplier(StrDelay))
        StrDelay = kDefaultWordGap;
    const QSignalBlocker quiet(DelayTimeCBox);
    DelayTimeCBox->setCurrentIndex(StrDelay - 1);
}

void TTessalForm::StringBtnClick() {
    StringFlag = StringFlag != 0 ? 0 : -1;
    StringFlagApply();
}

void TTessalForm::StringFlagApply() {
    StringBtn->setMark(StringFlag != 0 ? kYellow : kBlue);
    StringLabel->setVisible(StringFlag != 0);
}

void TTessalForm::CodeBtnClick() {
    CodeFlag = CodeFlag != 0 ? 0 : -1;
    CodeFlagApply();
}

void TTessalForm::CodeFlagApply() {
    CodeBtn->setMark(CodeFlag != 0 ? kYellow : kBlue);
    CodeLabel->setVisible(CodeFlag != 0);
}

} // namespace tessal
