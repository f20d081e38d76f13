#pragma once

#include "platform/platform.h"
#include "sound/tone_cache.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace tessal {

// The sound unit: three outputs, each with its own buffer and device.
//  - listening: one character at a time, played to its end while messages are processed;
//  - keyer: a stacked string, started and left playing;
//  - sidetone: one second looped for ever, switched by overwriting its samples.
// All calls come from the UI thread.
class TessalLib {
public:
    // The pause every caller leaves after a listening character has sounded [ms].
    static constexpr int kClosingPauseMs = 75;

    explicit TessalLib(Platform& platform) : platform_(platform) {}
    ~TessalLib();
    TessalLib(const TessalLib&) = delete;
    TessalLib& operator=(const TessalLib&) = delete;

    int64_t MakeListenWave(const QString& tones, int frequencyHz, int amplitude, int dotMs,
                           int dashMs);
    int64_t MakeKeyerWave(const QString& tones, int frequencyHz, int amplitude, int dotMs,
                          int dashMs);
    void PlayListenWave(int closingPauseMs);
    // The characters played from now on are one run, timed against each other to the sample.
    void BeginListenRun();
    void PlayKeyerWave();
    // Throws TessalError with the failing step's text.
    bool InitSidetone(int frequencyHz, int amplitude);
    void SidetoneOn();
    void SidetoneOff();

    // Asks the output for its shortest period (the keyer's sound is on); throws the failed-open
    // error when the output has no device (it would only keep time silently), and the keyer
    // sound is then not ready.
    void CheckKeyerOutput();
    // Queues the loop header on the sidetone device; throws "Failed to write wave data.".
    void StartSidetoneLoop();
    // Pause, stop, unprepare and close the sidetone device; the keyer's sound is off, so the
    // output may go back to its longer period.
    void CloseSidetone();
    // Stop, unprepare and close the keyer device once its sound has ended (the stacking key).
    void CloseKeyerDevice();
    // Stop, unprepare and close all three devices; failures are ignored.
    void CloseAll();
    void SetSidetoneVolume(uint32_t volume);

    // 0 when idle; the step (1 to 7) of PlayListenWave while it runs.
    int ListenWaveState() const { return listenWaveState_; }
    bool sidetoneOpen() const { return sidetoneDevice_ != 0; }
    const std::vector<int16_t>& listenBuffer() const { return listenBuffer_; }
    const std::vector<int16_t>& keyerBuffer() const { return keyerBuffer_; }

private:
    struct Output {
        WaveHandle device = 0;
        WaveHeader header;
    };
    void closeOutput(Output& output);
    void waitSilently(int64_t durationMs);

    Platform& platform_;
    ListenToneCache listenCache_;
    std::vector<int16_t> listenBuffer_;
    std::vector<int16_t> keyerBuffer_;
    std::vector<int16_t> loopBuffer_;
    std::vector<int16_t> toneSecond_;
    std::vector<int16_t> silentSecond_;
    Output listen_;
    Output keyer_;
    WaveHandle sidetoneDevice_ = 0;
    WaveHeader sidetoneHeader_;
    int listenWaveState_ = 0;
    bool listenFailureReported_ = false;
    bool keyerFailureReported_ = false;
    bool silenceReported_ = false;
};

} // namespace tessal
