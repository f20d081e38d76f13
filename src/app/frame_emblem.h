#pragma once

#include <QPixmap>

class QPainter;

namespace tessal {

// The top bar's emblem: a straight key over the letter T in Morse (one dash), on a square of
// the given side.
QPixmap drawEmblem(int side);

// Paints the emblem into the square (0, 0, side, side) of any paint device: the window's pixmap,
// the desktop icon's PNGs and its SVG.
void paintEmblem(QPainter& painter, qreal side);

} // namespace tessal
