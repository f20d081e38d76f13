#include "render/render_progress.h"

#include <algorithm>
#include <cmath>

namespace tessal {

QString clockText(double seconds) {
    const int64_t whole = int64_t(std::max(0.0, seconds));
    const int64_t hours = whole / 3600;
    const int64_t minutes = whole / 60 % 60;
    const int64_t rest = whole % 60;
    if (hours > 0)
        return QStringLiteral("%1:%2:%3")
            .arg(hours)
            .arg(minutes, 2, 10, QChar(u'0'))
            .arg(rest, 2, 10, QChar(u'0'));
    return QStringLiteral("%1:%2").arg(minutes).arg(rest, 2, 10, QChar(u'0'));
}

QString renderProgressLine(double done, double audioSeconds, double elapsedSeconds) {
    done = std::clamp(done, 0.0, 1.0);
    QString line = QStringLiteral("%1%  %2 of audio")
                       .arg(int(std::floor(done * 100.0)), 3)
                       .arg(clockText(audioSeconds));
    // Too early a guess swings wildly; wait for a little of the text.
    if (done >= 0.01 && done < 1.0)
        line += QStringLiteral("  about %1 left")
                    .arg(clockText(std::ceil(elapsedSeconds * (1.0 - done) / done)));
    return line;
}

} // namespace tessal
