#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace tessal {

// Keeps the audio thread out while the mixer's voice list or a voice's buffer changes.
// Production: SDL_LockAudioDevice / SDL_UnlockAudioDevice; tests: nothing (they render on the
// calling thread).
class AudioLock {
public:
    virtual ~AudioLock() = default;
    virtual void lock() = 0;
    virtual void unlock() = 0;
};

// Sums voices of 16-bit mono samples into the buffer an audio callback hands out.
//
// A voice is either a copy of a non-looping buffer, which ends after its last sample, or a
// looping buffer that the caller owns and that is read in place for as long as the voice plays;
// its samples change only through overwriteLooped(), which stores while render() loads (both
// relaxed atomics on the very samples, so there is no data race and no lock on the key path).
//
// A looping voice also has a gate (the sidetone's key): closing it fades what the loop plays out
// along a 5 ms raised cosine, opening it fades it in again from wherever the fade stands, both
// from the first sample render() hands out after the call, so a key edge costs no latency and
// never clicks.
//
// Threads:
//  - render() is called from the audio thread, and so are the end and render callbacks;
//  - every other call comes from the UI thread. Calls that change which buffer a voice reads
//    (addVoice, removeVoice, play, playLooped, stop) take the AudioLock; volume, pause, position,
//    playing and overwriteLooped are lock-free.
class Mixer {
public:
    using VoiceId = int;
    // Volume in the left (low) 16 bits: 0xFFFF is unity, 0 silence.
    static constexpr uint32_t kUnityGain = 0xFFFFu;

    explicit Mixer(AudioLock* lock = nullptr);
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // UI thread. Callbacks are set before the audio thread starts rendering.
    // `onVoiceEnd` runs on the audio thread when a non-looping voice hands out its last sample.
    void setOnVoiceEnd(std::function<void(VoiceId)> onVoiceEnd) {
        onVoiceEnd_ = std::move(onVoiceEnd);
    }
    // Runs on the audio thread after every render with the samples just mixed (measurements).
    void setOnRendered(std::function<void(const int16_t*, int)> onRendered) {
        onRendered_ = std::move(onRendered);
    }

    // UI thread, structural (take the lock).
    VoiceId addVoice();
    void removeVoice(VoiceId voice);
    // Plays a copy of `count` samples from the start; replaces what the voice played. Its first
    // sample sounds at stream position `startAt` (see streamPosition()), or at once when that has
    // passed, so starts keep their spacing whatever the phase of the audio callback.
    void play(VoiceId voice, const int16_t* samples, std::size_t count, int64_t startAt = 0);
    // Loops over the caller's `count` samples in place until stopped; the buffer must outlive
    // the play (until stop(), removeVoice() or another play()).
    // The gate starts open (heard at once) or closed (silent until setGate(true)).
    void playLooped(VoiceId voice, int16_t* samples, std::size_t count, bool gateOpen = true);
    // Silences the voice at once; after it returns the voice no longer reads its buffer.
    void stop(VoiceId voice);

    // UI thread, lock-free.
    void setVolume(VoiceId voice, uint32_t volume);
    // Opens or closes a looping voice's gate; the fade starts with the next sample rendered.
    void setGate(VoiceId voice, bool open);
    // A paused voice hands out nothing and keeps its read position.
    void setPaused(VoiceId voice, bool paused);
    bool paused(VoiceId voice) const;
    // True from play() until a non-looping voice's last sample has been handed out or stop().
    bool playing(VoiceId voice) const;
    // The next sample the voice will hand out (exact: advanced by render()).
    std::size_t position(VoiceId voice) const;
    // The stream position at which the voice's current play handed out its first sample; -1
    // until it has.
    int64_t startedAt(VoiceId voice) const;
    // Samples rendered since the mixer was made: the position of the next sample render() mixes.
    int64_t streamPosition() const { return streamPosition_.load(std::memory_order_acquire); }
    int voiceCount() const { return int(voices_.size()); }
    // Stores `count` samples over the start of a looped buffer while render() may read it.
    static void overwriteLooped(int16_t* loop, const int16_t* samples, std::size_t count);

    // Audio thread: mixes `frames` samples of every playing voice into `out`, clamped to 16 bits.
    void render(int16_t* out, int frames);

private:
    struct Voice {
        std::vector<int16_t> copy; // non-looping samples
        int16_t* loop = nullptr;   // looping samples, owned by the caller
        std::size_t loopCount = 0;
        std::atomic<bool> active{false};
        std::atomic<bool> paused{false};
        std::atomic<uint32_t> gain{kUnityGain};
        std::atomic<std::size_t> position{0};
        std::atomic<int64_t> startAt{0};
        std::atomic<int64_t> startedAt{-1};
        std::atomic<bool> gateOpen{true};
        int64_t fadePhase = 0; // audio thread: samples into the fade-in, 0 (silent) .. ramp
    };
    class Locked;

    Voice* find(VoiceId voice) const;
    // Audio thread: adds up to `frames` samples of `voice` to `mix`, whose first sample is stream
    // position `at`; true when it just ended.
    static bool mixVoice(Voice& voice, int32_t* mix, int frames, int64_t at);
    static void mixLoop(Voice& voice, int32_t* mix, int frames);

    AudioLock* lock_;
    std::map<VoiceId, std::unique_ptr<Voice>> voices_;
    VoiceId nextId_ = 1;
    std::function<void(VoiceId)> onVoiceEnd_;
    std::function<void(const int16_t*, int)> onRendered_;
    std::atomic<int64_t> streamPosition_{0};
};

} // namespace tessal
