#pragma once

#include "platform/mixer.h"
#include "platform/sample_clock.h"
#include "platform/wave_output.h"

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tessal {

// The production wave output: one SDL2 audio device (44100 Hz, signed 16-bit, mono, a callback of
// `listeningFrames` samples, or of `callbackFrames` while the keyer's sound is on) opened at the
// first open(), and a Mixer behind it; each open handle
// is one voice. It behaves as SimWaveOutput does: a non-looping buffer is copied when written, a
// looping one is read in place; reset and pause silence it at once; close refuses while it still
// plays.
//
// Time is kept by the clock, not by the audio thread's blocks (see SampleClock): a buffer given
// to write() starts sounding one callback period after the moment of the call (placed to the
// sample from the time of the last callback), one given to writeTimed() at the stream position
// its logical time maps to, a fixed lead ahead, so a late hand-over changes nothing audible.
// unprepare answers StillPlaying until the buffer's duration has passed by the clock since the
// write; a buffer then still sounding (its start lay ahead) plays out its tail even when it is
// unprepared, reset or closed afterwards. Only a reset before its end cuts it.
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
        // Samples per callback [frames] while the keyer's sound is on (setLowLatency); 128 at
        // 44100 Hz is 2.9 ms. A backend that grants another size gets `fallbackFrames` (SDL then
        // rebuffers if need be), and so does one whose callbacks come late at the shorter period.
        int callbackFrames = 128;
        int fallbackFrames = 256;
        // ... and otherwise (46 ms). Listening plays are timed a lead ahead, so a long period
        // costs them nothing, while a sound server's buffer of a period or two runs dry whenever
        // a loaded or virtual machine wakes the audio thread late; such wake-ups of 6 to 16 ms
        // were seen even at real-time priority.
        int listeningFrames = 2048;
        // Tests: no SDL device; the caller renders each block with renderBlock(), and the steady
        // clock of the callbacks and of the writes is this one (monotonic if empty).
        bool manualDevice = false;
        std::function<int64_t()> steadyUs{};
    };

    SdlWaveOutput();
    explicit SdlWaveOutput(Options options);
    ~SdlWaveOutput() override;
    SdlWaveOutput(const SdlWaveOutput&) = delete;
    SdlWaveOutput& operator=(const SdlWaveOutput&) = delete;

    WaveResult open(WaveHandle* handle, const WaveFormat& format) override;
    WaveResult prepare(WaveHandle handle, WaveHeader* header) override;
    WaveResult write(WaveHandle handle, WaveHeader* header) override;
    WaveResult writeTimed(WaveHandle handle, WaveHeader* header) override;
    void beginTimeline() override { clock_.beginRun(); }
    // Opens the short period at once; the listening period returns at the next start of a run
    // or the next untimed write.
    void setLowLatency(bool wanted) override;
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

    // The handle's voice still hands out samples (a play over by the clock may, for its lead).
    bool sounding(WaveHandle handle);
    bool fellBackToSilence() const { return silent_; }
    // Samples per callback granted by the device; 0 before the first open or when silent.
    int callbackFrames() const { return obtainedFrames_; }
    // For measurements: the mixer that feeds the device.
    Mixer& mixer() { return mixer_; }
    const SampleClock& sampleClock() const { return clock_; }
    // Callbacks more than two periods later than the stream's pace (the device ran dry), since
    // the output was made; counted on the audio thread.
    int lateCallbacks() const { return lateCallbacks_.load(std::memory_order_relaxed); }
    // The audio callback's work: stamps the block and mixes `frames` samples into `out`. Called
    // by SDL's audio thread, or by a test with a manual device.
    void renderBlock(int16_t* out, int frames);

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
    // Opens SDL's device with a callback of `frames` samples; 0 when it fails.
    uint32_t openSdlDevice(int frames, bool allowOtherSize);
    // The short period only where the backend grants it exactly, else the fallback.
    uint32_t openForPeriod(int frames);
    // (Re)opens the device at that period; the mixer keeps its voices and stream position.
    void runAtPeriod(int frames);
    // The period for what is wanted now: the listening one, the short one or its fallback.
    int wantedFrames() const;
    // Reopens at wantedFrames() if the device runs at another period; called only where a
    // stall harms nothing (never within a run of listening characters).
    void followWantedPeriod();
    bool stillPlaying(const Device& device) const;
    WaveResult start(WaveHandle handle, WaveHeader* header, bool timed);
    // Silences the device's play; one whose time is over but that still sounds plays out.
    void stopVoice(Device& device, bool cut);
    // Frees the voices of closed devices that have played out.
    void reapDrained();
    int64_t steadyNow() const;
    static void audioCallback(void* self, uint8_t* stream, int bytes);

    Options options_;
    std::unique_ptr<DeviceLock> lock_;
    Mixer mixer_;
    std::function<void()> onVoiceEnd_;
    std::function<void(int64_t)> scheduleWake_;
    std::function<int64_t()> clockUs_;
    std::function<void(int64_t)> settleAt_;
    SampleClock clock_;
    // Audio thread: the pace the stream keeps, to tell late callbacks.
    int64_t paceStream_ = -1;
    int64_t paceUs_ = 0;
    std::atomic<int> lateCallbacks_{0}; // all of them, for the record
    int lateAtShortPeriod_ = 0;         // those before the short period was opened
    std::map<WaveHandle, Device> devices_;
    std::vector<Mixer::VoiceId> draining_; // of closed devices, still sounding
    WaveHandle nextHandle_ = 1;
    uint32_t sdlDevice_ = 0;
    int obtainedFrames_ = 0;
    bool lowLatency_ = false;
    bool shortPeriodRefused_ = false; // not granted, or callbacks came late at it
    bool tried_ = false;
    bool silent_ = false;
};

class EventLoop;

// Plays `samples` (44100 Hz mono) on a voice of its own and returns when they have sounded. The
// window is frozen meanwhile: the waits are plain sleeps of `loop`. Without a device it sleeps
// the samples' duration. For the platform's own blocking sounds (Beep, speech).
void playToEnd(SdlWaveOutput& wave, EventLoop& loop, const std::vector<int16_t>& samples);

} // namespace tessal
