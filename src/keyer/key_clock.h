#pragma once

#include <QDateTime>

namespace tessal {

// A local date and time as a count of days since 1899-12-30 with the time of day as the
// fraction, the form the key's press stamps are kept in.
double localDays(const QDateTime& local);

// Whole milliseconds from one stamp to the other, halves rounded to even.
int elapsedMs(double fromDays, double toDays);

// n / d rounded to the nearest integer, halves to even.
int roundedQuotient(int n, int d);

} // namespace tessal
