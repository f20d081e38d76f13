#pragma once

#include <functional>

class QLineEdit;
class QWidget;

namespace tessal {

// Letters typed into the edit appear as capitals at once, the way replies and answers are keyed.
void upperCaseAsTyped(QLineEdit* edit);

// Calls `onRelease` with the Qt key of every key released in `watched` (auto-repeats left out):
// QLineEdit itself only tells about presses.
void onKeyRelease(QWidget* watched, std::function<void(int key)> onRelease);

} // namespace tessal
