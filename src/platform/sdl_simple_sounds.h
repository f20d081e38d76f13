#pragma once

#include "platform/simple_sounds.h"
#include "platform/wave_output.h"

#include <cstdint>
#include <list>
#include <vector>

namespace tessal {

class EventLoop;
class SdlWaveOutput;

// The samples (44100 Hz mono) of a plain sine tone with 3 ms fades against clicks.
std::vector<int16_t> beepSamples(int frequencyHz, int durationMs);
// The two notification sounds: a short rising two-tone chime (Ok, Asterisk, Question) and a
// lower, rougher buzz (Hand, Exclamation).
std::vector<int16_t> notificationSamples(MessageSound sound);

// Beep and MessageBeep through the wave layer. beep() blocks, as the classic Beep did (the
// window is frozen); messageBeep() starts its sound and returns. UI thread only.
class SdlSimpleSounds : public SimpleSounds {
public:
    SdlSimpleSounds(SdlWaveOutput& wave, EventLoop& loop) : wave_(wave), loop_(loop) {}
    ~SdlSimpleSounds() override;
    SdlSimpleSounds(const SdlSimpleSounds&) = delete;
    SdlSimpleSounds& operator=(const SdlSimpleSounds&) = delete;

    void beep(int frequencyHz, int durationMs) override;
    void messageBeep(MessageSound sound) override;

    // Notification sounds still open (a finished one is closed at the next call).
    int openNotifications() const { return int(notifications_.size()); }

private:
    struct Notification {
        WaveHandle handle = 0;
        WaveHeader header;
    };
    // Closes the notifications that have ended (all of them with `stop`).
    void closeNotifications(bool stop);

    SdlWaveOutput& wave_;
    EventLoop& loop_;
    std::list<Notification> notifications_; // headers stay put while their device plays
};

} // namespace tessal
