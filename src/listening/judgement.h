#pragma once

#include <QColor>
#include <QString>

class QLabel;

namespace tessal {

// The answer boxes' idle background: the desktop's hot-light blue.
inline const QColor kHotLightBlue{0x00, 0x66, 0xCC};

// Fills an answer box with `colour` behind its navy text.
void paintAnswerBox(QLabel* box, const QColor& colour);

// The background an answer box shows.
QColor answerBoxColour(const QLabel* box);

// Character `position` (1-based) of `text`; a null QChar when there is none, which no typed
// character equals.
QChar characterAt(const QString& text, int position);

} // namespace tessal
