#include "platform/sdl_wave_output.h"

#include "platform/event_loop.h"

#include <QtGlobal>
#include <SDL.h>
#include <algorithm>
#include <chrono>

namespace tessal {
namespace {

constexpr int kSampleRate = 44100; // [Hz]

int64_t monotonicUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

bool allSilent(const int16_t* samples, std::size_t count) {
    return std::all_of(samples, samples + count, [](int16_t s) { return s == 0; });
}

int64_t durationUs(std::size_t samples) {
    return (int64_t(samples) * 1'000'000 + kSampleRate - 1) / kSampleRate;
}

} // namespace

// SDL_LockAudioDevice around the mixer's structural changes.
class SdlWaveOutput::DeviceLock : public AudioLock {
public:
    void lock() override {
        if (device)
            SDL_LockAudioDevice(device);
    }
    void unlock() override {
        if (device)
            SDL_UnlockAudioDevice(device);
    }
    SDL_AudioDeviceID device = 0;
};

SdlWaveOutput::SdlWaveOutput() : SdlWaveOutput(Options{}) {}

SdlWaveOutput::SdlWaveOutput(Options options)
    : options_(std::move(options)), lock_(std::make_unique<DeviceLock>()), mixer_(lock_.get()),
      clockUs_(&monotonicUs), settleAt_([](int64_t) {}), clock_(kSampleRate) {
    mixer_.setOnVoiceEnd([this](Mixer::VoiceId) {
        if (onVoiceEnd_)
            onVoiceEnd_();
    });
}

SdlWaveOutput::~SdlWaveOutput() {
    if (sdlDevice_) {
        SDL_CloseAudioDevice(sdlDevice_); // waits for a running callback
        lock_->device = 0;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

int64_t SdlWaveOutput::steadyNow() const {
    return options_.steadyUs ? options_.steadyUs() : monotonicUs();
}

void SdlWaveOutput::audioCallback(void* self, uint8_t* stream, int bytes) {
    static_cast<SdlWaveOutput*>(self)->renderBlock(reinterpret_cast<int16_t*>(stream), bytes / 2);
}

void SdlWaveOutput::renderBlock(int16_t* out, int frames) {
    const int64_t stream = mixer_.streamPosition();
    const int64_t now = steadyNow();
    clock_.stamp(stream, now);
    // A callback behind the stream's own pace by more than two periods has let the device run
    // dry; the pace then restarts from it.
    if (paceStream_ >= 0) {
        const int64_t dueUs = paceUs_ + (stream - paceStream_) * 1'000'000 / kSampleRate;
        if (now - dueUs > 2 * int64_t(frames) * 1'000'000 / kSampleRate) {
            lateCallbacks_.fetch_add(1, std::memory_order_relaxed);
            paceStream_ = -1;
        } else if (now < dueUs) {
            paceStream_ = stream; // early: the device had room, keep the tighter pace
            paceUs_ = now;
        }
    }
    if (paceStream_ < 0) {
        paceStream_ = stream;
        paceUs_ = now;
    }
    mixer_.render(out, frames);
}

uint32_t SdlWaveOutput::openSdlDevice(int frames, bool allowOtherSize) {
    SDL_AudioSpec want{};
    want.freq = kSampleRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = Uint16(frames);
    want.callback = &SdlWaveOutput::audioCallback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // Only the size may change: SDL converts for the hardware, the callback sees our format.
    const uint32_t device = SDL_OpenAudioDevice(
        nullptr, 0, &want, &have, allowOtherSize ? SDL_AUDIO_ALLOW_SAMPLES_CHANGE : 0);
    if (device)
        obtainedFrames_ = have.samples;
    return device;
}

int SdlWaveOutput::wantedFrames() const {
    if (!lowLatency_)
        return options_.listeningFrames;
    return shortPeriodRefused_ ? options_.fallbackFrames : options_.callbackFrames;
}

uint32_t SdlWaveOutput::openForPeriod(int frames) {
    if (frames == options_.callbackFrames) {
        // Asked with the size free to change, so the callback runs at the backend's true period;
        // a backend that does not grant the short one gets the fallback, rebuffered.
        const uint32_t device = openSdlDevice(frames, true);
        if (device && obtainedFrames_ == frames)
            return device;
        if (device)
            SDL_CloseAudioDevice(device);
        shortPeriodRefused_ = true;
        frames = options_.fallbackFrames;
    }
    return openSdlDevice(frames, false);
}

void SdlWaveOutput::runAtPeriod(int frames) {
    paceStream_ = -1;
    if (options_.manualDevice) {
        obtainedFrames_ = frames;
    } else {
        // Closing waits for a running callback; the mixer keeps its voices and stream position.
        if (sdlDevice_) {
            SDL_CloseAudioDevice(sdlDevice_);
            lock_->device = 0;
        }
        sdlDevice_ = openForPeriod(frames);
        if (!sdlDevice_) {
            obtainedFrames_ = 0;
            return; // voices stay in the mixer, unheard; the clock keeps the time
        }
        lock_->device = sdlDevice_;
    }
    if (obtainedFrames_ == options_.callbackFrames)
        lateAtShortPeriod_ = lateCallbacks();
    clock_.setPeriod(obtainedFrames_);
    if (sdlDevice_)
        SDL_PauseAudioDevice(sdlDevice_, 0);
}

bool SdlWaveOutput::ensureDevice() {
    if (tried_)
        return !silent_;
    tried_ = true;
    if (options_.manualDevice) {
        runAtPeriod(wantedFrames());
        return true;
    }
    if (!options_.driver.empty())
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, options_.driver.c_str(), SDL_HINT_OVERRIDE);
    // SDL's audio brings up its event subsystem, which would take SIGINT and SIGTERM from the
    // program's own shutdown handling.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    const bool initialised = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!options_.driver.empty())
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (initialised) {
        runAtPeriod(wantedFrames());
        if (sdlDevice_)
            return true;
    }
    qWarning("Tessal: no audio output (%s); sound goes on silently.", SDL_GetError());
    if (initialised)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    silent_ = true;
    return false;
}

void SdlWaveOutput::followWantedPeriod() {
    // Three dry-outs: this machine cannot keep the short period.
    if (obtainedFrames_ == options_.callbackFrames && lateCallbacks() - lateAtShortPeriod_ >= 3)
        shortPeriodRefused_ = true;
    const bool running = sdlDevice_ || (options_.manualDevice && tried_);
    if (!running || obtainedFrames_ == wantedFrames())
        return;
    runAtPeriod(wantedFrames());
    if (!sdlDevice_ && !options_.manualDevice)
        qWarning("Tessal: audio output lost (%s); sound goes on silently.", SDL_GetError());
}

void SdlWaveOutput::setLowLatency(bool wanted) {
    lowLatency_ = wanted;
    // The keyer's first element must not wait for a reopen; the longer period waits for the
    // next start of a run instead, so nothing sounding is stalled by it.
    if (wanted)
        followWantedPeriod();
}

SdlWaveOutput::Device* SdlWaveOutput::find(WaveHandle handle) {
    auto it = devices_.find(handle);
    return it == devices_.end() ? nullptr : &it->second;
}

bool SdlWaveOutput::silent() {
    return !ensureDevice();
}

WaveResult SdlWaveOutput::open(WaveHandle* handle, const WaveFormat& format) {
    if (format.samplesPerSecond != kSampleRate || format.channels != 1 ||
        format.bitsPerSample != 16)
        return WaveResult::Error;
    ensureDevice();
    *handle = nextHandle_++;
    Device device;
    if (!silent_)
        device.voice = mixer_.addVoice();
    devices_[*handle] = device;
    return WaveResult::Ok;
}

WaveResult SdlWaveOutput::prepare(WaveHandle handle, WaveHeader* header) {
    if (!find(handle))
        return WaveResult::InvalidHandle;
    header->prepared = true;
    return WaveResult::Ok;
}

bool SdlWaveOutput::stillPlaying(const Device& device) const {
    if (!device.playing || device.stopped)
        return false;
    if (device.looping)
        return true;
    return clockUs_() < device.startUs + device.durationUs;
}

void SdlWaveOutput::stopVoice(Device& device, bool cut) {
    if (!device.playing && !cut)
        return; // released already; a tail still sounding plays out
    // A play whose time is over sounds on only because its start lay ahead on the stream: its
    // tail plays out.
    const bool playsOut = !cut && !device.looping && !device.stopped;
    if (!silent_ && !playsOut)
        mixer_.stop(device.voice);
    device.playing = nullptr;
    device.stopped = true;
}

void SdlWaveOutput::reapDrained() {
    std::erase_if(draining_, [this](Mixer::VoiceId voice) {
        if (mixer_.playing(voice))
            return false;
        mixer_.removeVoice(voice);
        return true;
    });
}

WaveResult SdlWaveOutput::write(WaveHandle handle, WaveHeader* header) {
    return start(handle, header, false);
}

WaveResult SdlWaveOutput::writeTimed(WaveHandle handle, WaveHeader* header) {
    return start(handle, header, true);
}

WaveResult SdlWaveOutput::start(WaveHandle handle, WaveHeader* header, bool timed) {
    Device* device = find(handle);
    if (!device)
        return WaveResult::InvalidHandle;
    if (!header->prepared)
        return WaveResult::Error;
    stopVoice(*device, true);
    device->startUs = clockUs_();
    device->durationUs = durationUs(header->sampleCount());
    // Reopening stalls the device; never in the middle of a run of listening characters.
    if (!timed || clock_.beginsRun())
        followWantedPeriod();
    reapDrained();
    device->looping = header->looping();
    device->stopped = false;
    if (!silent_) {
        mixer_.setVolume(device->voice, device->volume);
        if (device->looping) {
            // A loop that starts silent (the sidetone before its first key-down) waits behind a
            // closed gate, so the first tone written over it fades in.
            device->gateOpen = !allSilent(header->data, header->sampleCount());
            mixer_.playLooped(device->voice, header->data, header->sampleCount(), device->gateOpen);
        } else {
            const int64_t steady = steadyNow();
            const int64_t at =
                timed ? clock_.forLogical(device->startUs, steady) : clock_.soonest(steady);
            mixer_.play(device->voice, header->data, header->sampleCount(), at);
        }
    }
    device->playing = header;
    if (!device->looping && scheduleWake_)
        scheduleWake_(device->startUs + device->durationUs);
    return WaveResult::Ok;
}

WaveResult SdlWaveOutput::unprepare(WaveHandle handle, WaveHeader* header) {
    Device* device = find(handle);
    if (!device)
        return WaveResult::InvalidHandle;
    if (device->playing == header) {
        if (stillPlaying(*device))
            return WaveResult::StillPlaying;
        if (!device->stopped && !device->looping)
            settleAt_(device->startUs + device->durationUs);
        stopVoice(*device, false); // releases a paused loop's buffer
    }
    header->prepared = false;
    return WaveResult::Ok;
}

WaveResult SdlWaveOutput::reset(WaveHandle handle) {
    Device* device = find(handle);
    if (!device)
        return WaveResult::InvalidHandle;
    stopVoice(*device, stillPlaying(*device));
    return WaveResult::Ok;
}

WaveResult SdlWaveOutput::pause(WaveHandle handle) {
    Device* device = find(handle);
    if (!device)
        return WaveResult::InvalidHandle;
    // As on the simulated output, a paused play is over: it is silent and may be unprepared.
    if (!silent_)
        mixer_.setPaused(device->voice, true);
    device->stopped = true;
    return WaveResult::Ok;
}

WaveResult SdlWaveOutput::close(WaveHandle handle) {
    Device* device = find(handle);
    if (!device)
        return WaveResult::InvalidHandle;
    if (stillPlaying(*device))
        return WaveResult::StillPlaying;
    if (!silent_) {
        if (mixer_.playing(device->voice) && !mixer_.paused(device->voice))
            draining_.push_back(device->voice);
        else
            mixer_.removeVoice(device->voice);
    }
    devices_.erase(handle);
    reapDrained();
    return WaveResult::Ok;
}

bool SdlWaveOutput::sounding(WaveHandle handle) {
    const Device* device = find(handle);
    return device && !silent_ && mixer_.playing(device->voice) && !mixer_.paused(device->voice);
}

WaveResult SdlWaveOutput::setVolume(WaveHandle handle, uint32_t volume) {
    Device* device = find(handle);
    if (!device)
        return WaveResult::InvalidHandle;
    device->volume = volume;
    if (!silent_)
        mixer_.setVolume(device->voice, volume);
    return WaveResult::Ok;
}

SdlWaveOutput::Device* SdlWaveOutput::loopingWith(const WaveHeader* header) {
    for (auto& [handle, device] : devices_)
        if (device.playing == header && device.looping && !device.stopped)
            return &device;
    return nullptr;
}

void SdlWaveOutput::overwriteLooped(WaveHeader* header, const int16_t* samples, std::size_t count) {
    count = std::min(count, header->sampleCount());
    Device* device = silent_ ? nullptr : loopingWith(header);
    if (device && count == header->sampleCount() && allSilent(samples, count)) {
        // Silence over the whole loop closes the gate instead: the loop keeps its sound for the
        // 5 ms fade-out (zeros written now would cut it off with a click).
        device->gateOpen = false;
        mixer_.setGate(device->voice, false);
        return;
    }
    Mixer::overwriteLooped(header->data, samples, count);
    if (device && !device->gateOpen) {
        device->gateOpen = true;
        mixer_.setGate(device->voice, true);
    }
}

void playToEnd(SdlWaveOutput& wave, EventLoop& loop, const std::vector<int16_t>& samples) {
    const int durationMs = int(int64_t(samples.size()) * 1000 / kSampleRate);
    WaveHandle handle = 0;
    if (samples.empty() || wave.open(&handle, WaveFormat{}) != WaveResult::Ok) {
        loop.sleep(durationMs);
        return;
    }
    WaveHeader header;
    header.data = const_cast<int16_t*>(samples.data()); // a non-looping buffer is only copied
    header.bufferBytes = uint32_t(samples.size() * sizeof(int16_t));
    wave.prepare(handle, &header);
    if (wave.write(handle, &header) == WaveResult::Ok) {
        loop.sleep(durationMs - 2);
        while (wave.unprepare(handle, &header) == WaveResult::StillPlaying)
            loop.sleep(1);
        // The last period is still on its way to the device; a stalled one is not waited for.
        for (int ms = 0; ms < 100 && wave.sounding(handle); ++ms)
            loop.sleep(1);
    }
    wave.reset(handle);
    wave.unprepare(handle, &header);
    wave.close(handle);
}

} // namespace tessal
