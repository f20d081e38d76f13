#include "sound/tone_cache.h"

#include "sound/tone_synthesis.h"

#include <QHash>

namespace tessal {

std::size_t ListenToneCache::KeyHash::operator()(const Key& key) const {
    return qHashMulti(0, key.tones, key.frequencyHz, key.amplitude, key.dotMs, key.dashMs);
}

int64_t ListenToneCache::synthesize(std::vector<int16_t>& out, const QString& tones,
                                    int frequencyHz, int amplitude, int dotMs, int dashMs) {
    if (tones.isEmpty())
        return synthesizeListenTones(out, tones, frequencyHz, amplitude, dotMs, dashMs);
    Key key{tones, frequencyHz, amplitude, dotMs, dashMs};
    if (auto found = entries_.find(key); found != entries_.end()) {
        out = found->second.samples;
        return found->second.durationMs;
    }
    const int64_t durationMs =
        synthesizeListenTones(out, tones, frequencyHz, amplitude, dotMs, dashMs);
    if (heldSamples_ + out.size() > kMostSamples) {
        entries_.clear();
        heldSamples_ = 0;
    }
    if (out.size() <= kMostSamples) {
        heldSamples_ += out.size();
        entries_.emplace(std::move(key), Entry{out, durationMs});
    }
    return durationMs;
}

} // namespace tessal
