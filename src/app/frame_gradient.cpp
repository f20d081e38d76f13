#include "app/frame_gradient.h"

#include "app/frame_widgets.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>

namespace tessal {

namespace {

constexpr auto kDown = GradientDirection::TopToBottom;
constexpr auto kRight = GradientDirection::LeftToRight;

const std::array<GradientPicture, 24>& pictureTable() {
    static const std::array<GradientPicture, 24> table{{
        {"Image1", "Panel1", kNavy, kBlue, kDown},
        {"Image2", "Panel2", kBlue, kNavy, kDown},
        {"Image3", "PlayPanel", kBlue, kNavy, kDown},
        {"Image4", "SidePanel", kNavy, kBlue, kRight},
        {"Image5", "UnderPanel", kNavy, kBlue, kDown},
        {"Image6", "ListeningPanel", kNavy, kBlue, kRight},
        {"Image7", "Panel8", kNavy, kBlue, kRight},
        {"Image8", "REdit1OperationPanel", kBlue, kNavy, kDown},
        {"Image9", "KeyerPanel", kNavy, kBlue, kRight},
        {"Image11", "VerticalKeyPanel", kNavy, kBlue, kDown},
        {"Image16", "Panel23", kNavy, kBlue, kDown},
        {"Image17", "QSOTopPanel", kNavy, kBlue, kDown},
        {"Image18", "Panel17", kBlue, kNavy, kDown},
        {"Image19", "StackKeyPanel", kNavy, kBlue, kDown},
        {"Image20", "AnsPanel2", kBlue, kNavy, kRight},
        {"Image21", "AnsPanel", kBlue, kNavy, kRight},
        {"Image23", "TherdPaanel", kBlue, kNavy, kDown},
        {"Image24", "Panel41", kNavy, kBlue, kRight},
        {"Image25", "Panel45", kBlue, kNavy, kRight, PanelPart::LeftHalf},
        {"Image26", "PuddleKeyPanel", kNavy, kBlue, kDown},
        {"Image27", "Panel48", kBlue, kNavy, kDown, PanelPart::LeftHalf},
        {"Image28", "Panel48", kBlue, kNavy, kDown, PanelPart::RightHalf},
        {"Image29", "Panel47", kBlue, kNavy, kDown},
        {"Image30", "ProgressBarBasePanel", kNavy, kBlue, kRight},
    }};
    return table;
}

QRect partRect(QSize panel, PanelPart part) {
    const int half = panel.width() / 2;
    switch (part) {
    case PanelPart::LeftHalf:
        return {0, 0, half, panel.height()};
    case PanelPart::RightHalf:
        return {half, 0, panel.width() - half, panel.height()};
    case PanelPart::Whole:
        break;
    }
    return {QPoint(0, 0), panel};
}

int channelStep(int start, int end, int index, int count) {
    if (count <= 1)
        return start;
    return start + (end - start) * index / (count - 1);
}

} // namespace

QColor gradientStepColor(const QColor& start, const QColor& end, int index, int count) {
    return QColor(channelStep(start.red(), end.red(), index, count),
                  channelStep(start.green(), end.green(), index, count),
                  channelStep(start.blue(), end.blue(), index, count));
}

QImage linearGradientImage(QSize size, const QColor& start, const QColor& end,
                           GradientDirection direction) {
    QImage image(size, QImage::Format_RGB32);
    const bool down = direction == GradientDirection::TopToBottom;
    const int steps = down ? size.height() : size.width();
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            row[x] = gradientStepColor(start, end, down ? y : x, steps).rgb();
    }
    return image;
}

std::span<const GradientPicture> gradientPictures() {
    return pictureTable();
}

void placeGradientPictures(QWidget& root) {
    for (const GradientPicture& picture : gradientPictures()) {
        auto* panel = root.findChild<QWidget*>(QString::fromLatin1(picture.panel));
        if (panel == nullptr)
            continue;
        auto* holder = new QLabel(panel);
        holder->setObjectName(QString::fromLatin1(picture.image));
        holder->setGeometry(partRect(panel->size(), picture.part));
        holder->lower();
    }
}

void paintGradientPictures(QWidget& root) {
    for (const GradientPicture& picture : gradientPictures()) {
        auto* holder = root.findChild<QLabel*>(QString::fromLatin1(picture.image));
        if (holder == nullptr)
            continue;
        holder->setPixmap(QPixmap::fromImage(
            linearGradientImage(holder->size(), picture.start, picture.end, picture.direction)));
    }
}

} // namespace tessal
