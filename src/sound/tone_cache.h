#pragma once

#include <QString>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace tessal {

// Remembers the samples of recently synthesized listening characters. A practice text sounds
// the same few dozen characters again and again, and synthesis is a pure function of its
// arguments, so a repeated character is copied instead of computed. Bounded in memory.
class ListenToneCache {
public:
    // The same result and samples as synthesizeListenTones with these arguments.
    int64_t synthesize(std::vector<int16_t>& out, const QString& tones, int frequencyHz,
                       int amplitude, int dotMs, int dashMs);

    std::size_t entries() const { return entries_.size(); }

    // Beyond this many held samples the cache starts afresh.
    static constexpr std::size_t kMostSamples = 2'000'000;

private:
    struct Key {
        QString tones;
        int frequencyHz, amplitude, dotMs, dashMs;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    struct Entry {
        std::vector<int16_t> samples;
        int64_t durationMs;
    };
    std::unordered_map<Key, Entry, KeyHash> entries_;
    std::size_t heldSamples_ = 0;
};

} // namespace tessal
