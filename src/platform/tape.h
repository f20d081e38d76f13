#pragma once

#include "platform/wave_output.h"

#include <QString>
#include <cstdint>
#include <deque>
#include <limits>
#include <utility>
#include <vector>

namespace tessal {

// What the simulated wave output played: every voice with its virtual start time.
// Sample n of the tape sounds at n / 44100 s of virtual time.
class Tape {
public:
    static constexpr int kSampleRate = 44100;
    static constexpr int64_t kOpenEnd = std::numeric_limits<int64_t>::max();

    struct Segment {
        int64_t atUs; // from here on the voice plays these samples
        std::vector<int16_t> samples;
    };
    struct Voice {
        WaveHandle device = 0;
        int64_t startUs = 0;
        int64_t endUs = kOpenEnd; // where it stopped, or where its samples run out
        bool looping = false;
        uint32_t volume = 0xFFFFFFFFu;
        std::vector<Segment> segments; // one for a plain voice; one per overwrite for a loop
    };
    struct Span {
        int64_t onUs;
        int64_t offUs;
        int64_t lengthUs() const { return offUs - onUs; }
    };

    static int64_t sampleAt(int64_t us) { return us * kSampleRate / 1'000'000; }
    static int64_t usAt(int64_t sample) {
        return (sample * 1'000'000 + kSampleRate - 1) / kSampleRate;
    }

    // The voices still held, oldest first.
    std::deque<Voice>& voices() { return voices_; }
    const std::deque<Voice>& voices() const { return voices_; }
    void clear() {
        dropped_ += voices_.size();
        voices_.clear();
    }
    // Adds a voice and returns its number, which stays valid when older voices are dropped.
    std::size_t addVoice(Voice voice);
    // The voice of that number, or nullptr once it has been dropped.
    Voice* findVoice(std::size_t number) {
        return const_cast<Voice*>(std::as_const(*this).findVoice(number));
    }
    const Voice* findVoice(std::size_t number) const {
        return number >= dropped_ && number - dropped_ < voices_.size()
                   ? &voices_[number - dropped_]
                   : nullptr;
    }

    // Drops the oldest voices whose sound ended by `us`, so a long recording streamed out in
    // pieces keeps only what is still sounding. Nothing rendered from `us` on changes.
    void dropVoicesEndedBy(int64_t us);

    // The mix of every voice from `fromUs` to `toUs`, clamped to 16 bits.
    std::vector<int16_t> render(int64_t fromUs, int64_t toUs) const;
    // The same into `out`, with `mix` as working space; both are reused across calls.
    void render(int64_t fromUs, int64_t toUs, std::vector<int32_t>& mix,
                std::vector<int16_t>& out) const;
    // Runs of sound, from the first to the last non-zero sample; silences shorter than
    // `bridgeUs` (the zero crossings inside a tone) do not split a run.
    std::vector<Span> toneSpans(int64_t fromUs, int64_t toUs, int64_t bridgeUs = 1000) const;
    bool writeWav(const QString& path, int64_t fromUs, int64_t toUs) const;

private:
    std::deque<Voice> voices_;
    std::size_t dropped_ = 0; // voices dropped from the front so far
};

} // namespace tessal
