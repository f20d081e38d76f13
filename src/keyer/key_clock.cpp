#include "keyer/key_clock.h"

#include <cmath>

namespace tessal {

namespace {
constexpr double kMsPerDay = 24.0 * 60 * 60 * 1000;
const QDate kDayZero(1899, 12, 30);
} // namespace

double localDays(const QDateTime& local) {
    const double days = double(kDayZero.daysTo(local.date()));
    return days + double(local.time().msecsSinceStartOfDay()) / kMsPerDay;
}

int elapsedMs(double fromDays, double toDays) {
    // The default rounding mode sends halves to the even neighbour.
    return int(std::nearbyint((toDays - fromDays) * kMsPerDay));
}

int roundedQuotient(int n, int d) {
    return int(std::nearbyint(double(n) / double(d)));
}

} // namespace tessal
