#pragma once

#include <functional>

namespace tessal {

// A repeating timer with the rules of the classic toolkit timer the trainer was designed around:
// - switching on from off, or setting a different interval, starts the count afresh;
// - switching on a running timer or setting the same interval leaves the count alone;
// - it fires every interval while on; an interval of 0 never fires;
// - a fresh timer is off with 1000 ms.
// The rules live here; a backend only arms and disarms one repeating period.
class IntervalTimer {
public:
    static constexpr int kDefaultIntervalMs = 1000;

    virtual ~IntervalTimer() = default;

    using Guard = std::function<void(const std::function<void()>&)>;

    void setOnTimer(std::function<void()> handler) { handler_ = std::move(handler); }
    // Wraps every run of the handler (the platform catches escaping errors there).
    void setGuard(Guard guard) { guard_ = std::move(guard); }
    void setEnabled(bool on);
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    int interval() const { return intervalMs_; }

protected:
    // Start counting a fresh period of `ms` (> 0) milliseconds, repeating until disarmed.
    virtual void arm(int ms) = 0;
    virtual void disarm() = 0;
    // Backends call this at the end of each period; it runs the handler.
    void fire();

private:
    void rearm();

    std::function<void()> handler_;
    Guard guard_;
    bool enabled_ = false;
    int intervalMs_ = kDefaultIntervalMs;
};

} // namespace tessal
