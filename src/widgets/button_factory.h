#pragma once

#include "widgets/gd_button.h"

#include <QRect>
#include <QString>
#include <span>

namespace tessal {

// One row of a table of buttons built in code.
struct ButtonSpec {
    const char* name;
    QString caption;
    int tag = 0;
    QRect geometry = {};
    QString hint = {};
    QString captionB = {};
};

// The window's colours: blue idle mark over navy, white caption text.
inline const QColor kButtonIdleMark{0x00, 0x00, 0xFF};
inline const QColor kButtonGradientEnd{0x00, 0x00, 0x80};
inline const QColor kButtonCaptionColor{0xFF, 0xFF, 0xFF};
// The mark of the chosen member of a selection group.
inline const QColor kButtonChosenMark{0x00, 0xFF, 0xFF};

// A bsRoundRect button with the window's colours and font, named, captioned, tagged, placed and
// hinted as its row says.
TgdButton* makeButton(QWidget* parent, const ButtonSpec& spec);

// A selection group shows its value: every member blue, the one whose Tag is `value` aqua (none
// when no Tag matches, as with a value a damaged settings file holds).
void markSelection(std::span<TgdButton* const> group, int value);

} // namespace tessal
