#pragma once

#include "platform/mixer.h"
#include "platform/wave_output.h"

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tessal {

// The production wave output: one SDL2 audio device (44100 Hz, signed 16-bit, mono, a callback of
// `callbackFrames` samples) opened at the first open(), and a Mixer behind it; each open handle
// is one voice. It behaves as SimWaveOutput does: a non-looping buffer is copied when written, a
// looping one is read in place; reset and pause silence it at once; close refuses while it still
// plays.
//
// Time is kept by the clock, not by the audio thread's blocks: a written buffer starts sounding
// one callback period after write() (a constant latency, placed to the sample from the time of
// the last callback), and unprepare answers StillPlaying until the buffer's duration has passed
// since write(). So a character's start and end keep their spacing to the sample whatever the
// callback's phase, as on the simulated output. The buffers played this way end in silence
// longer than the latency, which is what reset() cuts.
//
// A loop's samples are switched by overwriteLooped() as on the classic output, but softly: sound
// written over a silent loop fades in, and silence written over a sounding one fades it out,
// each along a 5 ms raised cosine that starts with the next sample the device takes, so the
// sidetone keeps its latency and never clicks. (For the fade-out the loop keeps its sound behind
// the mixer's closed gate instead of taking the zeros.)
//
// Without any usable audio device every open succeeds on a silent backend whose voices end after
// their duration by the clock, so blocking plays still take their time; silent() tells it, so
// the sound unit can say so instead of claiming a ready sound.
//
// Threads: every member is called from the UI thread. The SDL callback runs the mixer on the
// audio thread; `onVoiceEnd` is called there.
class SdlWaveOutput : public WaveOutput {
public:
    struct Options {
        // SDL audio driver to use ("dummy", "pulseaudio", ...); empty: SDL's choice
        // (SDL_AUDIODRIVER or the first that works).
        std::string driver;
        // Samples per callback [frames]; 256 at 44100 Hz is 5.8 ms.
        int callbackFrames = 256;
    };

    SdlWaveOutput();
    explicit SdlWaveOutput(Options options);
    ~SdlWaveOutput() override;
    SdlWaveOutput(const SdlWaveOutput&) = delete;
    SdlWaveOutput& operator=(const SdlWaveOutput&) = delete;

    WaveResult open(WaveHandle* handle, const WaveFormat& format) override;
    WaveResult prepare(WaveHandle handle, WaveHeader* header) override;
    WaveResult write(WaveHandle handle, WaveHeader* header) override;
    WaveResult unprepare(WaveHandle handle, WaveHeader* header) override;
    WaveResult reset(WaveHandle handle) override;
    WaveResult pause(WaveHandle handle) override;
    WaveResult close(WaveHandle handle) override;
    WaveResult setVolume(WaveHandle handle, uint32_t volume) override;
    void overwriteLooped(WaveHeader* header, const int16_t* samples, std::size_t count) override;

    // Opens the device on first use; true when there is none and the output is silent.
    bool silent() override;

    // Set before the first open(): called on the audio thread when a voice ends (wakes the loop).
    void setOnVoiceEnd(std::function<void()> onVoiceEnd) { onVoiceEnd_ = std::move(onVoiceEnd); }
    // Set before the first open(): the clock plays are timed by [us] (the loop's logical clock;
    // the steady clock by default), and what to call when a wait has seen a play's end.
    void setClock(std::function<int64_t()> nowUs, std::function<void(int64_t)> settleAt) {
        clockUs_ = std::move(nowUs);
        settleAt_ = std::move(settleAt);
    }
    // Set before the first open(): asks the UI thread's loop to wake at a time of that clock [us],
    // the end of a written buffer, so a wait for it ends on time.
    void setScheduleWake(std::function<void(int64_t atUs)> scheduleWake) {
        scheduleWake_ = std::move(scheduleWake);
    }

    bool fellBackToSilence() const { return silent_; }
    // Samples per callback granted by the device; 0 before the first open or when silent.
    int callbackFrames() const { return obtainedFrames_; }
    // For measurements: the mixer that feeds the device.
    Mixer& mixer() { return mixer_; }

private:
    struct Device {
        Mixer::VoiceId voice = 0;
        WaveHeader* playing = nullptr;
        uint32_t volume = 0xFFFFFFFFu;
        bool looping = false;
        bool stopped = false;   // reset, paused or unprepared: heard no more
        bool gateOpen = true;   // a loop's gate (see overwriteLooped)
        int64_t startUs = 0;    // monotonic start of the play
        int64_t durationUs = 0; // of a non-looping play
    };
    class DeviceLock;

    // Opens the SDL device once; false when there is none (the output is then silent).
    bool ensureDevice();
    Device* find(WaveHandle handle);
    // The device looping over `header`, if one does.
    Device* loopingWith(const WaveHeader* header);
    bool stillPlaying(const Device& device) const;
    // The stream position where a buffer written at `writeUs` starts: one callback period after
    // the position that moment corresponds to.
    int64_t scheduledStart(int64_t writeUs) const;
    void stopVoice(Device& device);
    static void audioCallback(void* self, uint8_t* stream, int bytes);

    Options options_;
    std::unique_ptr<DeviceLock> lock_;
    Mixer mixer_;
    std::function<void()> onVoiceEnd_;
    std::function<void(int64_t)> scheduleWake_;
    std::function<int64_t()> clockUs_;
    std::function<void(int64_t)> settleAt_;
    // Written by the audio callback as it starts: when, and at which stream position.
    std::atomic<uint64_t> callbackSequence_{0};
    std::atomic<int64_t> callbackUs_{0};
    std::atomic<int64_t> callbackStream_{0};
    std::map<WaveHandle, Device> devices_;
    WaveHandle nextHandle_ = 1;
    uint32_t sdlDevice_ = 0;
    int obtainedFrames_ = 0;
    bool tried_ = false;
    bool silent_ = false;
};

class EventLoop;

// Plays `samples` (44100 Hz mono) on a voice of its own and returns when they have sounded. The
// window is frozen meanwhile: the waits are plain sleeps of `loop`. Without a device it sleeps
// the samples' duration. For the platform's own blocking sounds (Beep, speech).
void playToEnd(SdlWaveOutput& wave, EventLoop& loop, const std::vector<int16_t>& samples);

} // namespace tessal
