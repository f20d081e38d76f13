#include "platform/mixer.h"

#include "sound/edge_shape.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tessal {

// Holds the audio lock for one structural change.
class Mixer::Locked {
public:
    explicit Locked(AudioLock* lock) : lock_(lock) {
        if (lock_)
            lock_->lock();
    }
    ~Locked() {
        if (lock_)
            lock_->unlock();
    }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    AudioLock* lock_;
};

Mixer::Mixer(AudioLock* lock) : lock_(lock) {}

Mixer::~Mixer() = default;

Mixer::Voice* Mixer::find(VoiceId voice) const {
    auto it = voices_.find(voice);
    return it == voices_.end() ? nullptr : it->second.get();
}

Mixer::VoiceId Mixer::addVoice() {
    auto voice = std::make_unique<Voice>();
    const VoiceId id = nextId_++;
    Locked locked(lock_);
    voices_.emplace(id, std::move(voice));
    return id;
}

void Mixer::removeVoice(VoiceId voice) {
    std::unique_ptr<Voice> removed;
    {
        Locked locked(lock_);
        auto it = voices_.find(voice);
        if (it == voices_.end())
            return;
        removed = std::move(it->second);
        voices_.erase(it);
    }
    // `removed` is freed here, outside the lock.
}

void Mixer::play(VoiceId id, const int16_t* samples, std::size_t count, int64_t startAt) {
    Voice* voice = find(id);
    if (!voice)
        return;
    std::vector<int16_t> copy(samples, samples + count);
    {
        Locked locked(lock_);
        voice->copy.swap(copy);
        voice->loop = nullptr;
        voice->loopCount = 0;
        voice->position.store(0, std::memory_order_relaxed);
        voice->startAt.store(startAt, std::memory_order_relaxed);
        voice->startedAt.store(-1, std::memory_order_relaxed);
        voice->paused.store(false, std::memory_order_relaxed);
        voice->active.store(count > 0, std::memory_order_release);
    }
    // The previous copy is freed here, outside the lock.
}

void Mixer::playLooped(VoiceId id, int16_t* samples, std::size_t count, bool gateOpen) {
    Voice* voice = find(id);
    if (!voice)
        return;
    std::vector<int16_t> previous;
    {
        Locked locked(lock_);
        voice->copy.swap(previous);
        voice->loop = samples;
        voice->loopCount = count;
        voice->position.store(0, std::memory_order_relaxed);
        voice->startAt.store(0, std::memory_order_relaxed);
        voice->startedAt.store(-1, std::memory_order_relaxed);
        voice->paused.store(false, std::memory_order_relaxed);
        voice->gateOpen.store(gateOpen, std::memory_order_relaxed);
        voice->fadePhase = gateOpen ? kEdgeRampSamples : 0;
        voice->active.store(true, std::memory_order_release);
    }
}

void Mixer::setGate(VoiceId id, bool open) {
    if (Voice* voice = find(id))
        voice->gateOpen.store(open, std::memory_order_release);
}

void Mixer::stop(VoiceId id) {
    Voice* voice = find(id);
    if (!voice)
        return;
    Locked locked(lock_);
    voice->active.store(false, std::memory_order_release);
    voice->loop = nullptr;
    voice->loopCount = 0;
}

void Mixer::setVolume(VoiceId id, uint32_t volume) {
    if (Voice* voice = find(id))
        voice->gain.store(volume & 0xFFFFu, std::memory_order_relaxed);
}

void Mixer::setPaused(VoiceId id, bool paused) {
    if (Voice* voice = find(id))
        voice->paused.store(paused, std::memory_order_relaxed);
}

bool Mixer::paused(VoiceId id) const {
    const Voice* voice = find(id);
    return voice && voice->paused.load(std::memory_order_relaxed);
}

bool Mixer::playing(VoiceId id) const {
    const Voice* voice = find(id);
    return voice && voice->active.load(std::memory_order_acquire);
}

std::size_t Mixer::position(VoiceId id) const {
    const Voice* voice = find(id);
    return voice ? voice->position.load(std::memory_order_relaxed) : 0;
}

int64_t Mixer::startedAt(VoiceId id) const {
    const Voice* voice = find(id);
    return voice ? voice->startedAt.load(std::memory_order_acquire) : -1;
}

void Mixer::overwriteLooped(int16_t* loop, const int16_t* samples, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        std::atomic_ref<int16_t>(loop[i]).store(samples[i], std::memory_order_relaxed);
}

namespace {

inline int32_t scaled(int32_t sample, uint32_t gain) {
    return gain == Mixer::kUnityGain ? sample : sample * int32_t(gain) / int32_t(Mixer::kUnityGain);
}

// The gate's fade, one gain per phase 0 .. ramp; computed once, read by the audio thread.
const std::array<float, kEdgeRampSamples + 1>& fadeGains() {
    static const auto gains = [] {
        std::array<float, kEdgeRampSamples + 1> table{};
        for (int64_t k = 0; k <= kEdgeRampSamples; ++k)
            table[std::size_t(k)] = float(edgeGain(k, kEdgeRampSamples));
        return table;
    }();
    return gains;
}

} // namespace

bool Mixer::mixVoice(Voice& voice, int32_t* mix, int frames, int64_t at) {
    const uint32_t gain = voice.gain.load(std::memory_order_relaxed);
    std::size_t position = voice.position.load(std::memory_order_relaxed);
    if (position == 0) {
        // Not started yet: wait for its stream position, then start inside this chunk.
        const int64_t lead = voice.startAt.load(std::memory_order_relaxed) - at;
        if (lead >= frames)
            return false;
        if (lead > 0) {
            mix += lead;
            frames -= int(lead);
        }
        if (voice.startedAt.load(std::memory_order_relaxed) < 0)
            voice.startedAt.store(at + std::max<int64_t>(lead, 0), std::memory_order_release);
    }
    if (voice.loop) {
        mixLoop(voice, mix, frames);
        return false;
    }
    const std::size_t size = voice.copy.size();
    const std::size_t take =
        std::min<std::size_t>(std::size_t(frames), size - std::min(position, size));
    const int16_t* samples = voice.copy.data() + position;
    for (std::size_t i = 0; i < take; ++i)
        mix[i] += scaled(samples[i], gain);
    position += take;
    voice.position.store(position, std::memory_order_relaxed);
    if (position < size)
        return false;
    voice.active.store(false, std::memory_order_release);
    return true;
}

void Mixer::mixLoop(Voice& voice, int32_t* mix, int frames) {
    const std::size_t count = voice.loopCount;
    if (count == 0)
        return;
    const uint32_t gain = voice.gain.load(std::memory_order_relaxed);
    const bool open = voice.gateOpen.load(std::memory_order_acquire);
    const auto& fade = fadeGains();
    std::size_t position = voice.position.load(std::memory_order_relaxed) % count;
    int64_t phase = voice.fadePhase;
    for (int i = 0; i < frames; ++i) {
        if (open && phase < kEdgeRampSamples)
            ++phase;
        else if (!open && phase > 0)
            --phase;
        if (phase > 0) {
            const int16_t sample =
                std::atomic_ref<int16_t>(voice.loop[position]).load(std::memory_order_relaxed);
            const int32_t faded =
                phase == kEdgeRampSamples
                    ? sample
                    : int32_t(std::lround(float(sample) * fade[std::size_t(phase)]));
            mix[i] += scaled(faded, gain);
        }
        if (++position == count)
            position = 0;
    }
    voice.fadePhase = phase;
    voice.position.store(position, std::memory_order_relaxed);
}

void Mixer::render(int16_t* out, int frames) {
    // Mixed in chunks on the stack: the audio thread never allocates.
    static constexpr int kChunk = 512;
    int32_t mix[kChunk];
    for (int done = 0; done < frames;) {
        const int n = std::min(kChunk, frames - done);
        std::fill(mix, mix + n, 0);
        for (auto& [id, voice] : voices_) {
            if (!voice->active.load(std::memory_order_acquire) ||
                voice->paused.load(std::memory_order_relaxed))
                continue;
            if (mixVoice(*voice, mix, n, streamPosition_.load(std::memory_order_relaxed)) &&
                onVoiceEnd_)
                onVoiceEnd_(id);
        }
        streamPosition_.fetch_add(n, std::memory_order_release);
        for (int i = 0; i < n; ++i)
            out[done + i] = int16_t(std::clamp(mix[i], -32768, 32767));
        done += n;
    }
    if (onRendered_)
        onRendered_(out, frames);
}

} // namespace tessal
