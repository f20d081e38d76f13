#pragma once

#include <atomic>
#include <cstdint>
#include <optional>

namespace tessal {

// Where on the output's own sample stream a written buffer starts.
//
// The audio callback stamps every block it is about to render with its stream position and the
// steady time; from the latest stamp the UI thread estimates the stream position of any moment.
//
//  - soonest(): one callback period beyond the estimate of the present, the earliest start that
//    surely lies after what the device has rendered already (keyer plays: lowest latency).
//  - forLogical(): the start of a buffer due at a logical time. The logical clock is mapped onto
//    the stream by an anchor, taken at the first such play a fixed lead ahead of the estimate of
//    that logical time; later plays start at the anchor plus their logical distance from it, to
//    the sample, however late the UI thread hands them over and however long the device stalls.
//    The anchor is taken again at the start of a run (beginRun()), when a start would come before
//    what the device may already have taken (a play handed over later than the lead starts as soon
//    as it safely can), or more than 500 ms beyond the lead (the device's clock is slower than the
//    steady one).
//
// Threads: stamp() runs on the audio thread, everything else on the UI thread; the stamp is read
// through a sequence lock, so position and time always belong to the same callback.
class SampleClock {
public:
    explicit SampleClock(int sampleRate = 44100) : rate_(sampleRate) {}

    // UI thread, before the device runs: the callback period [frames]; keeps the anchor.
    void setPeriod(int frames);
    int period() const { return period_; }
    // The lead of logical starts [frames]: the least whole number of periods, two at least, of
    // at least 40 ms.
    int64_t lead() const { return lead_; }

    // Audio thread: a callback starts rendering at stream position `stream` at `steadyUs`.
    void stamp(int64_t stream, int64_t steadyUs);

    // Stream position of a buffer handed over at `steadyUs` to start as soon as possible; 0 before
    // the first callback (start as soon as the device runs).
    int64_t soonest(int64_t steadyUs) const;
    // Stream position of a buffer due at `logicalUs`, handed over at `steadyUs`.
    int64_t forLogical(int64_t logicalUs, int64_t steadyUs);
    // The next logical play begins a run of characters: it takes a new anchor, so what a stall
    // or a server's growing buffer did to the last run is not carried into this one.
    void beginRun() { runPending_ = true; }
    bool beginsRun() const { return !anchored_ || runPending_; }
    // How often an anchor was taken (the first one included).
    int anchors() const { return anchors_; }

private:
    struct Stamp {
        int64_t stream = 0;
        int64_t steadyUs = 0;
    };
    std::optional<Stamp> latest() const;
    int64_t samplesIn(int64_t us) const;
    // Where the stream is at `steadyUs`, estimated from the block stamped last.
    int64_t presentOf(const Stamp& stamp, int64_t steadyUs) const;

    int rate_;
    int period_ = 256;
    int64_t lead_ = 0;
    std::atomic<uint64_t> sequence_{0};
    std::atomic<int64_t> stampStream_{0};
    std::atomic<int64_t> stampUs_{0};
    bool anchored_ = false;
    int64_t anchorUs_ = 0;
    int64_t anchorStream_ = 0;
    bool runPending_ = false;
    int anchors_ = 0;
};

} // namespace tessal
