#include "widgets/gd_button.h"

#include "widgets/gd_button_geometry.h"

#include <QBitmap>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextBoundaryFinder>

namespace tessal {

namespace {

const QColor kRoundFrameColor{0x75, 0x75, 0x75};
const QColor kRoundFocusColor{0x20, 0x20, 0x20};
const QColor kPressedInnerColor{0x80, 0x80, 0x80};

// One ring of a 3-D edge around the inclusive pixel rectangle r.
void drawEdgeRing(QPainter& painter, const QRect& r, const QColor& topLeft,
                  const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    painter.setPen(bottomRight);
    painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

struct EdgeColours {
    QColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

void drawEdge(QPainter& painter, const QRect& outer, const EdgeColours& colours) {
    drawEdgeRing(painter, outer, colours.outerTopLeft, colours.outerBottomRight);
    drawEdgeRing(painter, outer.adjusted(1, 1, -1, -1), colours.innerTopLeft,
                 colours.innerBottomRight);
}

// Every other pixel of the outline of an inclusive rectangle, each pixel once, so drawing them
// with XOR leaves a clean dotted outline.
QPolygon dottedOutline(const QRect& r) {
    QPolygon points;
    auto addIfDot = [&points, &r](int x, int y) {
        if ((x - r.left() + y - r.top()) % 2 == 0)
            points << QPoint(x, y);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        addIfDot(x, r.top());
        if (r.bottom() != r.top())
            addIfDot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        addIfDot(r.left(), y);
        if (r.right() != r.left())
            addIfDot(r.right(), y);
    }
    return points;
}

QStringList characters(const QString& text) {
    QStringList parts;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end != -1; end = finder.toNextBoundary()) {
        parts << text.mid(start, end - start);
        start = end;
    }
    return parts;
}

} // namespace

void TgdButton::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter painter(this);
    paintFace(painter);
}

void TgdButton::paintFace(QPainter& painter) {
    if (FGradation)
        paintGradient(painter);
    else
        painter.fillRect(rect(), Color());
    paintPicture(painter);
    paintCaptions(painter);
    paintFrame(painter);
    if (FHasFocus && isActiveControl())
        paintFocusMark(painter);
}

void TgdButton::paintGradient(QPainter& painter) const {
    const int rows = height();
    for (int row = 0; row < rows; ++row)
        painter.fillRect(0, row, width(), 1,
                         gradientRowColor(FGradBeginColor, FGradEndColor, row, rows));
}

void TgdButton::paintPicture(QPainter& painter) {
    if (!FImage.Visible() || !FImage.hasGraphic())
        return;
    FImage.placeCentred(size());
    const bool greyed = !isEnabled() && FHasFocus;
    QPixmap picture;
    if (const QPixmap* bitmap = FImage.bitmap()) {
        picture = *bitmap;
        if (FImage.TransParent()) {
            // The bottom-left pixel names the transparent colour, as bitmaps on buttons expect.
            const QColor clear = picture.toImage().pixelColor(0, picture.height() - 1);
            picture.setMask(picture.createMaskFromColor(clear, Qt::MaskInColor));
        }
        if (greyed) {
            QStyleOption option;
            option.initFrom(this);
            picture = style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
        }
    } else if (const QIcon* icon = FImage.icon()) {
        picture = icon->pixmap(FImage.graphicSize(), greyed ? QIcon::Disabled : QIcon::Normal);
    }
    const int offset = showsPressedOffset() ? 1 : 0;
    painter.drawPixmap(FImage.Left() + offset, FImage.Top() + offset, picture);
}

void TgdButton::paintCaptions(QPainter& painter) {
    const QFontMetrics metrics(font());
    CaptionBlock block;
    block.buttonHeight = height();
    block.lineHeight = metrics.height();
    block.hasLineA = !FCaptionA.Caption().isEmpty();
    block.hasLineB = !FCaptionB.Caption().isEmpty();
    block.lineSpace = FCaptionLineSpace;
    block.vertCenter = FCaptionVertCenter;
    block.captionTop = FCaptionTop;
    const CaptionTops tops = layoutCaptionLines(block);
    FCaptionTop = tops.captionTop;
    painter.setFont(font());
    paintCaptionLine(painter, FCaptionA, tops.lineA);
    paintCaptionLine(painter, FCaptionB, tops.lineB);
}

void TgdButton::paintCaptionLine(QPainter& painter, const TgdBtnCaption& line, int y) const {
    const QString& text = line.Caption();
    if (text.isEmpty())
        return;
    const QFontMetrics metrics(font());
    const int offset = showsPressedOffset() ? 1 : 0;
    int x = 0;
    switch (line.Alignment()) {
    case taCenter:
    case taEven:
        x = width() / 2 - metrics.horizontalAdvance(text) / 2;
        break;
    case taLeft:
        x = line.Left() + 2;
        break;
    case taRight:
        x = width() - line.Right() - 2 - metrics.horizontalAdvance(text);
        break;
    }
    if (line.Alignment() == taEven && characters(text).size() > 1)
        x = line.Left() + 2;
    const QPoint at(x + offset, y + offset);
    if (!isEnabled() && FHasFocus) {
        painter.setPen(palette().color(QPalette::Light));
        paintCaptionText(painter, line, at + QPoint(1, 1));
        painter.setPen(palette().color(QPalette::Dark));
    } else {
        painter.setPen(FontColor());
    }
    paintCaptionText(painter, line, at);
}

// Draws a line with its top-left at `at`; a taEven line character by character.
void TgdButton::paintCaptionText(QPainter& painter, const TgdBtnCaption& line, QPoint at) const {
    const QFontMetrics metrics(font());
    const int baseline = at.y() + metrics.ascent();
    const QStringList parts = characters(line.Caption());
    if (line.Alignment() != taEven || parts.size() < 2) {
        painter.drawText(at.x(), baseline, line.Caption());
        return;
    }
    std::vector<int> widths;
    widths.reserve(parts.size());
    for (const QString& part : parts)
        widths.push_back(metrics.horizontalAdvance(part));
    const int available = width() - line.Left() - line.Right() - 4;
    const std::vector<int> offsets = evenCharacterOffsets(widths, available);
    for (qsizetype i = 0; i < parts.size(); ++i)
        painter.drawText(at.x() + offsets[static_cast<size_t>(i)], baseline, parts[i]);
}

void TgdButton::paintFrame(QPainter& painter) const {
    painter.setBrush(Qt::NoBrush);
    const QRect outer = rect();
    const QPalette& colours = palette();
    const QColor light = colours.color(QPalette::Light);
    const QColor midlight = colours.color(QPalette::Midlight);
    const QColor dark = colours.color(QPalette::Dark);
    const QColor shadow = colours.color(QPalette::Shadow);
    switch (FButtonStyle) {
    case bsNormal:
        if (fgMouseDown) {
            painter.setPen(dark);
            painter.drawRect(outer.adjusted(0, 0, -1, -1));
            painter.setPen(kPressedInnerColor);
            painter.drawRect(outer.adjusted(1, 1, -2, -2));
        } else {
            drawEdge(painter, outer, {midlight, shadow, light, dark});
        }
        break;
    case bsFlat:
        if (FFlatFrameType == bffEtched) {
            drawEdge(painter, outer, {dark, light, light, dark});
        } else if (FFlatFrameType == bffBump) {
            drawEdge(painter, outer, {midlight, shadow, shadow, midlight});
        } else {
            painter.setPen(dark);
            painter.drawRect(outer.adjusted(0, 0, -1, -1));
        }
        break;
    case bsRoundRect:
        painter.setPen(kRoundFrameColor);
        painter.drawPoints(roundedOutlinePixels(size(), FRoundDiameter));
        break;
    case bsFlatNoFrame:
    case bsRoundRectNoFrame:
        break;
    }
}

void TgdButton::paintFocusMark(QPainter& painter) const {
    painter.setBrush(Qt::NoBrush);
    if (isRoundStyle()) {
        QPolygon dots;
        for (const QPoint& pixel : roundedOutlinePixels(size() - QSize(4, 4), FRoundDiameter - 2)) {
            if ((pixel.x() + pixel.y()) % 2 == 0)
                dots << pixel + QPoint(2, 2);
        }
        painter.setPen(kRoundFocusColor);
        painter.drawPoints(dots);
        return;
    }
    QRect mark = rect().adjusted(2, 2, -3, -3);
    if (FButtonStyle == bsFlat && FFlatFrameType == bffBump)
        mark.adjust(0, 0, 1, 1);
    else if (FButtonStyle == bsFlat && FFlatFrameType == bffEtched)
        mark.adjust(0, 0, -1, -1);
    // An inverted dotted outline stays visible on any gradient.
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(Qt::white);
    painter.drawPoints(dottedOutline(mark));
    painter.restore();
}

} // namespace tessal
