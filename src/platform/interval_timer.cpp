#include "platform/interval_timer.h"

namespace tessal {

void IntervalTimer::setEnabled(bool on) {
    if (on == enabled_)
        return;
    enabled_ = on;
    rearm();
}

void IntervalTimer::setInterval(int ms) {
    if (ms == intervalMs_)
        return;
    intervalMs_ = ms;
    if (enabled_)
        rearm();
}

void IntervalTimer::rearm() {
    if (enabled_ && intervalMs_ > 0)
        arm(intervalMs_);
    else
        disarm();
}

void IntervalTimer::fire() {
    if (!enabled_ || !handler_)
        return;
    if (guard_)
        guard_(handler_);
    else
        handler_();
}

} // namespace tessal
