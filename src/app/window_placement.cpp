#include "app/window_placement.h"

#include <algorithm>
#include <limits>

namespace tessal {
namespace {

// How much of the window's top strip must show on a screen for the user to reach and drag it.
constexpr qint64 kGripWidth = 100;
constexpr qint64 kGripHeight = 30;

struct Span {
    qint64 first;
    qint64 last; // inclusive
};

qint64 overlap(Span a, Span b) {
    return std::max<qint64>(0, std::min(a.last, b.last) - std::max(a.first, b.first) + 1);
}

Span horizontal(const QRect& r) {
    return {r.left(), qint64(r.left()) + r.width() - 1};
}

Span vertical(const QRect& r) {
    return {r.top(), qint64(r.top()) + r.height() - 1};
}

bool gripShows(qint64 left, qint64 top, QSize size, const QRect& screen) {
    const qint64 width = std::max(1, size.width());
    const Span grip{left, left + width - 1};
    const Span rows{top, top + kGripHeight - 1};
    return overlap(grip, horizontal(screen)) >= std::min(kGripWidth, width) &&
           overlap(rows, vertical(screen)) >= kGripHeight;
}

qint64 distanceTo(Span span, qint64 value) {
    if (value < span.first)
        return span.first - value;
    if (value > span.last)
        return value - span.last;
    return 0;
}

// Keeps the window's start inside the screen and, where it fits, its end as well.
qint64 clampInto(qint64 start, qint64 length, Span screen) {
    const qint64 lastStart = std::max(screen.first, screen.last + 1 - length);
    return std::clamp(start, screen.first, lastStart);
}

int toInt(qint64 value) {
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

} // namespace

QPoint visibleWindowPosition(qint64 left, qint64 top, QSize size, const QList<QRect>& screens) {
    if (screens.isEmpty())
        return {toInt(left), toInt(top)};
    for (const QRect& screen : screens) {
        if (gripShows(left, top, size, screen))
            return {int(left), int(top)};
    }
    const QRect* nearest = &screens.first();
    qint64 nearestDistance = std::numeric_limits<qint64>::max();
    for (const QRect& screen : screens) {
        // Coordinates are 32-bit, so the sum of both distances fits 64 bits.
        const qint64 distance =
            distanceTo(horizontal(screen), left) + distanceTo(vertical(screen), top);
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = &screen;
        }
    }
    return {int(clampInto(left, size.width(), horizontal(*nearest))),
            int(clampInto(top, size.height(), vertical(*nearest)))};
}

} // namespace tessal
