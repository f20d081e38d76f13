#pragma once

#include <QPixmap>

namespace tessal {

// The top bar's emblem: a straight key over the letter T in Morse (one dash), on a square of
// the given side.
QPixmap drawEmblem(int side);

} // namespace tessal
