#pragma once

#include <QString>

namespace tessal {

// What the talking mode says after a question: character k + 1 of the question for k = 1 to
// `length`, each after a comma. A basic-course question starts with a blank, so this is its
// first `length` characters; a position past the end adds nothing.
QString talkingText(const QString& question, int length);

} // namespace tessal
