#pragma once

#include <QColor>
#include <QPolygon>
#include <QRegion>
#include <QSize>
#include <vector>

namespace tessal {

// Colour of one pixel row of a vertical gradient, per channel
// begin + row * (end - begin) / (height - 1) in integers: row 0 is exactly begin, the last row
// exactly end, and a one-row gradient is begin.
QColor gradientRowColor(const QColor& begin, const QColor& end, int row, int height);

// The rounded outline the round styles are clipped to: a pixel belongs to it when its centre lies
// inside the rectangle whose corners are circles of the given diameter.
QRegion roundedButtonRegion(QSize size, int diameter);

// The pixels along the inner edge of that outline, so a frame drawn with them meets the clip
// exactly.
QPolygon roundedOutlinePixels(QSize size, int diameter);

// Where the caption lines go vertically.
struct CaptionBlock {
    int buttonHeight = 0;
    int lineHeight = 0; // text height of a caption line in the button's font
    bool hasLineA = false;
    bool hasLineB = false;
    int lineSpace = 4;
    bool vertCenter = true;
    int captionTop = 0; // used when not centred
};

struct CaptionTops {
    int lineA = 0;
    int lineB = 0;
    int captionTop = 0; // what the button remembers as its CaptionTop afterwards
};

CaptionTops layoutCaptionLines(const CaptionBlock& block);

// Left edges of the characters of a taEven line relative to its start, spreading characters of
// the given widths so the last one ends exactly at availableWidth.
std::vector<int> evenCharacterOffsets(const std::vector<int>& widths, int availableWidth);

} // namespace tessal
