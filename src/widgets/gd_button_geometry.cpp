#include "widgets/gd_button_geometry.h"

#include <cmath>
#include <numeric>

namespace tessal {

namespace {

int blendChannel(int begin, int end, int row, int height) {
    return begin + row * (end - begin) / (height - 1);
}

// Pixels cut off one side of a row inside a corner of the given radius.
int cornerInset(int row, double radius) {
    const double centreY = row + 0.5;
    if (centreY >= radius)
        return 0;
    const double dy = radius - centreY;
    const double dx = std::sqrt(radius * radius - dy * dy);
    return std::max(0, static_cast<int>(std::ceil(radius - dx - 0.5)));
}

} // namespace

QColor gradientRowColor(const QColor& begin, const QColor& end, int row, int height) {
    const QColor from = begin.toRgb();
    if (height <= 1)
        return from;
    const QColor to = end.toRgb();
    return QColor(blendChannel(from.red(), to.red(), row, height),
                  blendChannel(from.green(), to.green(), row, height),
                  blendChannel(from.blue(), to.blue(), row, height));
}

QRegion roundedButtonRegion(QSize size, int diameter) {
    const int width = size.width();
    const int height = size.height();
    if (width <= 0 || height <= 0)
        return {};
    const double radius = std::min({diameter, width, height}) / 2.0;
    if (radius <= 0)
        return QRegion(0, 0, width, height);
    QRegion region;
    for (int row = 0; row < height; ++row) {
        const int fromTop = cornerInset(row, radius);
        const int fromBottom = cornerInset(height - 1 - row, radius);
        const int inset = std::max(fromTop, fromBottom);
        if (width - 2 * inset > 0)
            region += QRect(inset, row, width - 2 * inset, 1);
    }
    return region;
}

CaptionTops layoutCaptionLines(const CaptionBlock& block) {
    CaptionTops tops;
    tops.captionTop = block.captionTop;
    const int lineA = block.lineHeight;
    if (block.vertCenter) {
        tops.lineA = block.hasLineB ? (block.buttonHeight - 2 * lineA - block.lineSpace) / 2
                                    : (block.buttonHeight - lineA) / 2 + 1;
        tops.captionTop = tops.lineA;
        if (block.hasLineA) {
            tops.lineB = tops.lineA + lineA + block.lineSpace;
        } else {
            tops.lineB = (block.buttonHeight - block.lineHeight) / 2;
            tops.captionTop = tops.lineB;
        }
    } else {
        tops.lineA = block.captionTop;
        tops.lineB = block.captionTop + (block.hasLineA ? lineA + block.lineSpace : 0);
    }
    return tops;
}

std::vector<int> evenCharacterOffsets(const std::vector<int>& widths, int availableWidth) {
    std::vector<int> offsets;
    offsets.reserve(widths.size());
    const int count = static_cast<int>(widths.size());
    if (count == 0)
        return offsets;
    if (count == 1) {
        offsets.push_back(0);
        return offsets;
    }
    const int slack = availableWidth - std::accumulate(widths.begin(), widths.end(), 0);
    const int gap = slack / (count - 1);
    int remainder = slack % (count - 1);
    int x = 0;
    for (int width : widths) {
        offsets.push_back(x);
        x += width + gap;
        if (remainder > 0) {
            ++x;
            --remainder;
        } else if (remainder < 0) {
            --x;
            ++remainder;
        }
    }
    return offsets;
}

} // namespace tessal
