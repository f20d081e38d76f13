#include "app/window_placement.h"

#include <gtest/gtest.h>
#include <limits>

namespace tessal {
namespace {

constexpr qint64 kIntMax = std::numeric_limits<int>::max();
constexpr qint64 kIntMin = std::numeric_limits<int>::min();

TEST(WindowPlacement, StoredPlaceOnAScreenStaysAndAnythingElseComesBackOntoTheNearestScreen) {
    const QSize window(814, 711);
    const QRect left(0, 0, 1920, 1080);
    const QRect right(1920, 0, 1280, 1024);
    struct Case {
        const char* what;
        qint64 storedLeft, storedTop;
        QList<QRect> screens;
        QPoint expected;
    };
    const Case cases[] = {
        {"default place", 100, 100, {left}, {100, 100}},
        {"partly off the right edge but grabbable", 1800, 200, {left}, {1800, 200}},
        {"on the second monitor", 2500, 300, {left, right}, {2500, 300}},
        {"second monitor unplugged", 2500, 300, {left}, {1920 - 814, 300}},
        {"above the top", 100, -20, {left}, {100, 0}},
        {"title bar below the bottom", 100, 1070, {left}, {100, 1080 - 711}},
        {"far left", -5000, 100, {left, right}, {0, 100}},
        {"largest int", kIntMax, kIntMax, {left, right}, {1920 + 1280 - 814, 1024 - 711}},
        {"smallest int", kIntMin, kIntMin, {left, right}, {0, 0}},
        {"screen smaller than the window", 700, 590, {QRect(0, 0, 800, 600)}, {0, 0}},
        {"screen smaller, window fits the grip", 100, 100, {QRect(0, 0, 800, 600)}, {100, 100}},
        {"no screens keeps the place", -7, 9, {}, {-7, 9}},
        {"no screens, beyond int", kIntMax + 5, kIntMin - 5, {}, {int(kIntMax), int(kIntMin)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(visibleWindowPosition(c.storedLeft, c.storedTop, window, c.screens), c.expected);
    }
}

} // namespace
} // namespace tessal
