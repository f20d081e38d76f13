#pragma once

#include <QString>

namespace tessal {

// `text` with a to z upper-cased; kana, full-width letters and symbols stay as typed.
QString upperCaseAsciiLetters(const QString& text);

// `text` without the characters at or below the blank (U+0020) at either end. QString's own
// trimmed() would also strip wider spaces and keep control characters.
QString trimBlanksAndControls(const QString& text);

} // namespace tessal
