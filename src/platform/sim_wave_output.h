#pragma once

#include "platform/sim_event_loop.h"
#include "platform/tape.h"
#include "platform/wave_output.h"

#include <map>

namespace tessal {

// The wave output of the simulated platform: each written header becomes a voice on the tape,
// and a plain voice ends on the virtual clock after its samples' duration.
class SimWaveOutput : public WaveOutput {
public:
    explicit SimWaveOutput(SimEventLoop& loop) : loop_(loop) {}

    WaveResult open(WaveHandle* handle, const WaveFormat& format) override;
    WaveResult prepare(WaveHandle handle, WaveHeader* header) override;
    WaveResult write(WaveHandle handle, WaveHeader* header) override;
    WaveResult unprepare(WaveHandle handle, WaveHeader* header) override;
    WaveResult reset(WaveHandle handle) override;
    WaveResult pause(WaveHandle handle) override;
    WaveResult close(WaveHandle handle) override;
    WaveResult setVolume(WaveHandle handle, uint32_t volume) override;
    void overwriteLooped(WaveHeader* header, const int16_t* samples, std::size_t count) override;
    bool silent() override { return silent_; }
    void setLowLatency(bool wanted) override { lowLatency_ = wanted; }

    Tape& tape() { return tape_; }
    int openDevices() const { return int(devices_.size()); }
    int opensSoFar() const { return opens_; }
    bool isOpen(WaveHandle handle) const { return devices_.count(handle) != 0; }
    uint32_t volume(WaveHandle handle) const;
    bool lowLatency() const { return lowLatency_; }

    // Failure injection: the next `count` calls of that kind fail.
    void failOpens(int count) { failOpens_ = count; }
    void failPrepares(int count) { failPrepares_ = count; }
    void failWrites(int count) { failWrites_ = count; }
    // As on a machine without an audio device: everything works, nothing is heard.
    void setSilent(bool silent) { silent_ = silent; }

private:
    struct Device {
        uint32_t volume = 0xFFFFFFFFu;
        WaveHeader* playing = nullptr;
        int voice = -1; // the voice's number on the tape
    };
    Device* find(WaveHandle handle);
    // The device's voice while the tape still holds it.
    Tape::Voice* playingVoice(const Device& device);
    bool stillPlaying(const Device& device) const;
    void stopVoice(Device& device);

    SimEventLoop& loop_;
    Tape tape_;
    std::map<WaveHandle, Device> devices_;
    WaveHandle nextHandle_ = 1;
    int opens_ = 0;
    int failOpens_ = 0;
    int failPrepares_ = 0;
    int failWrites_ = 0;
    bool silent_ = false;
    bool lowLatency_ = false;
};

} // namespace tessal
