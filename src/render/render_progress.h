#pragma once

#include <QString>

namespace tessal {

// The progress line of a long render: "  42%  0:31:05 of audio  about 0:12 left".
// `elapsedSeconds` is the real time spent so far; the time left is guessed from it.
QString renderProgressLine(double done, double audioSeconds, double elapsedSeconds);

// h:mm:ss, or m:ss under an hour.
QString clockText(double seconds);

} // namespace tessal
