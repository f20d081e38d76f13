#include "app/frame_widgets.h"
#include "app/tessal_form.h"

#include <QFrame>
#include <QLabel>
#include <cmath>

namespace tessal {

namespace {

constexpr int kSegmentCount = 20;
constexpr int kPercentPerSegment = 100 / kSegmentCount;
constexpr int kOpeningWaitTicks = 5;

// From aqua at the left towards dark blue (0, 8, 141) at the right.
QColor segmentColour(int i) {
    return QColor(0, 255 - 13 * i, 255 - 6 * i);
}

int segmentsFor(int percent) {
    return int(std::lround(double(percent) / kPercentPerSegment));
}

} // namespace

void TTessalForm::CreatePBar2() {
    if (PBar2 != 0)
        return;
    for (int i = 0; i < kSegmentCount; ++i) {
        const QByteArray name = "PBarPanels2_" + QByteArray::number(i);
        QFrame* segment = makePanel(ProgressBarBasePanel,
                                    {name.constData(), {30 + 17 * i, 3, 10, 30}, segmentColour(i)});
        segment->hide();
        PBarPanels2.push_back(segment);
    }
    PBarPos2 = 0;
    PBar2 = -1;
}

void TTessalForm::SetPBar2Pos(int percent) {
    if (PBar2 == 0)
        CreatePBar2();
    if (percent == PBarPos2)
        return;
    const int shown = std::clamp(segmentsFor(percent), 0, kSegmentCount);
    const int before = std::clamp(segmentsFor(PBarPos2), 0, kSegmentCount);
    for (int i = before; i < shown; ++i)
        PBarPanels2[std::size_t(i)]->show();
    for (int i = shown; i < before; ++i)
        PBarPanels2[std::size_t(i)]->hide();
    PBarPos2 = percent;
    RTimeLabel->show();
}

void TTessalForm::HidePBar2() {
    SetPBar2Pos(0);
    ProgressBarBasePanel->hide();
    RTimeLabel->hide();
}

void TTessalForm::ShowPBar2() {
    SetPBar2Pos(0);
    int limit = 0;
    if (QSOBuzy2 != 0)
        limit = kOpeningWaitTicks;
    else if (QSOBuzy != 0)
        limit = QSOResTimeValue;
    RTimeLabel->setText(QStringLiteral("%1/%2").arg(QSOResTimeCurrent).arg(limit));
    ProgressBarBasePanel->show();
    RTimeLabel->show();
}

} // namespace tessal
