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

struct RowSpan {
    int left = 0;
    int right = 0; // one past the last pixel
};

std::vector<RowSpan> roundedRowSpans(QSize size, int diameter) {
    const int width = size.width();
    const int height = size.height();
    std::vector<RowSpan> spans;
    if (width <= 0 || height <= 0)
        return spans;
    const double radius = std::max(0, std::min({diameter, width, height})) / 2.0;
    spans.reserve(static_cast<size_t>(height));
    for (int row = 0; row < height; ++row) {
        const int inset =
            radius > 0 ? std::max(cornerInset(row, radius), cornerInset(height - 1 - row, radius))
                       : 0;
        spans.push_back({inset, std::max(inset, width - inset)});
    }
    return spans;
}

bool spanCovers(const std::vector<RowSpan>& spans, int row, int x) {
    if (row < 0 || row >= static_cast<int>(spans.size()))
        return false;
    const RowSpan& span = spans[static_cast<size_t>(row)];
    return x >= span.left && x < span.right;
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
    QRegion region;
    const std::vector<RowSpan> spans = roundedRowSpans(size, diameter);
    for (int row = 0; row < static_cast<int>(spans.size()); ++row) {
        const RowSpan& span = spans[static_cast<size_t>(row)];
        if (span.right > span.left)
            region += QRect(span.left, row, span.right - span.left, 1);
    }
    return region;
}

QPolygon roundedOutlinePixels(QSize size, int diameter) {
    QPolygon outline;
    const std::vector<RowSpan> spans = roundedRowSpans(size, diameter);
    for (int row = 0; row < static_cast<int>(spans.size()); ++row) {
        const RowSpan& span = spans[static_cast<size_t>(row)];
        for (int x = span.left; x < span.right; ++x) {
            const bool edge = x == span.left || x == span.right - 1 ||
                              !spanCovers(spans, row - 1, x) || !spanCovers(spans, row + 1, x);
            if (edge)
                outline << QPoint(x, row);
        }
    }
    return outline;
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
