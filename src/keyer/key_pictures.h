#pragma once

#include <QPixmap>
#include <QString>

namespace tessal {

// The key pictures of the key pages, in the window's colours on a transparent ground.

// A straight key seen from the side: lever up (contact open) or pressed onto its contact.
QPixmap straightKeyPicture(bool down);

// One paddle contact of a BUG or stacking key: open (grey lever) or closed (lime, touching).
// The dot paddle is drawn on the left of its contact post, the dash paddle on the right.
QPixmap paddleContactPicture(bool dash, bool closed);

} // namespace tessal
