#include "platform/sample_clock.h"

#include <algorithm>

namespace tessal {
namespace {

// Room for late ticks, and for a device that skips ahead after running dry (a sound server drops
// what comes too late) before the timeline has to be taken anew.
constexpr int64_t kLeadUs = 40'000;
// How far beyond the lead a start may lie before the timeline is taken anew within a run: far
// more than a busy sound server stalls, so a stall or a reopened device never moves a character
// against its neighbours; only a device clock slower than the steady one gets this far.
constexpr int64_t kSlackUs = 500'000;

// Floor division, for times before the anchor.
int64_t floorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

} // namespace

void SampleClock::setPeriod(int frames) {
    period_ = std::max(1, frames);
    const int64_t leadFrames = (kLeadUs * rate_ + 999'999) / 1'000'000;
    // Two periods at least: one is no more than soonest(), which any late tick would miss.
    lead_ = std::max<int64_t>(2 * int64_t(period_), (leadFrames + period_ - 1) / period_ * period_);
    // An anchor taken already stays: the timeline goes on across a change of period.
}

void SampleClock::stamp(int64_t stream, int64_t steadyUs) {
    sequence_.fetch_add(1, std::memory_order_acq_rel);
    stampStream_.store(stream, std::memory_order_relaxed);
    stampUs_.store(steadyUs, std::memory_order_relaxed);
    sequence_.fetch_add(1, std::memory_order_release);
}

std::optional<SampleClock::Stamp> SampleClock::latest() const {
    for (;;) {
        const uint64_t before = sequence_.load(std::memory_order_acquire);
        Stamp stamp{stampStream_.load(std::memory_order_relaxed),
                    stampUs_.load(std::memory_order_relaxed)};
        std::atomic_thread_fence(std::memory_order_acquire);
        if (before % 2 == 0 && sequence_.load(std::memory_order_relaxed) == before) {
            if (before == 0)
                return std::nullopt;
            return stamp;
        }
    }
}

int64_t SampleClock::samplesIn(int64_t us) const {
    return floorDiv(us * rate_ + 500'000, 1'000'000);
}

int64_t SampleClock::presentOf(const Stamp& stamp, int64_t steadyUs) const {
    return stamp.stream + samplesIn(std::max<int64_t>(0, steadyUs - stamp.steadyUs));
}

int64_t SampleClock::soonest(int64_t steadyUs) const {
    const auto stamp = latest();
    if (!stamp)
        return 0;
    return presentOf(*stamp, steadyUs) + period_;
}

int64_t SampleClock::forLogical(int64_t logicalUs, int64_t steadyUs) {
    const auto stamp = latest();
    if (!stamp)
        return 0;
    const int64_t present = presentOf(*stamp, steadyUs);
    // A period beyond the present, but never beyond what the device can have taken: a stalled
    // device has taken nothing since its last block, whatever the steady clock says.
    const int64_t earliest = std::min(present, stamp->stream + int64_t(period_)) + int64_t(period_);
    int64_t start = anchorStream_ + samplesIn(logicalUs - anchorUs_);
    if (beginsRun() || start < earliest || start > present + lead_ + samplesIn(kSlackUs)) {
        // Without drift the new anchor maps as the old one did: a hand-over later than the lead
        // sounds as soon as it can, and the next one is back on the timeline.
        anchored_ = true;
        ++anchors_;
        anchorUs_ = logicalUs;
        anchorStream_ = stamp->stream + samplesIn(logicalUs - stamp->steadyUs) + lead_;
        start = anchorStream_;
    }
    runPending_ = false;
    return std::max(start, earliest);
}

} // namespace tessal
