#pragma once

#include <QString>

namespace tessal {

// Speaks a text and returns when it has been said; the window does not repaint meanwhile.
// Latin text is read as English letter names; kana with the Japanese voice. False when the text
// could not be spoken (no speech engine, or it failed).
class Speech {
public:
    virtual ~Speech() = default;
    virtual bool speak(const QString& text) = 0;
};

} // namespace tessal
