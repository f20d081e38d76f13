#pragma once

#include <cstddef>
#include <cstdint>

namespace tessal {

// Results of the wave operations, numbered as the classic multimedia API numbers them so that
// messages and tests speak of the same codes.
enum class WaveResult : int {
    Ok = 0,
    Error = 1,     // unspecified failure
    BadDevice = 2, // no device could be opened
    InvalidHandle = 5,
    StillPlaying = 33 // unprepare while the device still reads the header
};

struct WaveFormat {
    int samplesPerSecond = 44100;
    int channels = 1;
    int bitsPerSample = 16;
};

// Header flags, valued as in the classic API (begin-loop | end-loop == 12).
inline constexpr uint32_t kWaveBeginLoop = 0x04;
inline constexpr uint32_t kWaveEndLoop = 0x08;
inline constexpr uint32_t kWaveLoopForever = 0xFFFFFFFFu;

// One buffer handed to a device. The caller owns `data`; it must outlive the play.
struct WaveHeader {
    int16_t* data = nullptr;
    uint32_t bufferBytes = 0;
    uint32_t flags = 0;
    uint32_t loops = 0;
    bool prepared = false;

    std::size_t sampleCount() const { return bufferBytes / sizeof(int16_t); }
    bool looping() const { return (flags & (kWaveBeginLoop | kWaveEndLoop)) != 0 && loops > 1; }
};

using WaveHandle = int; // 0 means "no device"

// The waveOut-like output the sound unit plays through. Each open handle is one voice.
// A non-looping buffer is copied when written, so the caller may refill it afterwards without
// touching what is still sounding. A looping buffer is read in place for as long as it plays;
// change its samples only through overwriteLooped().
// All calls come from the UI thread.
class WaveOutput {
public:
    virtual ~WaveOutput() = default;

    virtual WaveResult open(WaveHandle* handle, const WaveFormat& format) = 0;
    virtual WaveResult prepare(WaveHandle handle, WaveHeader* header) = 0;
    virtual WaveResult write(WaveHandle handle, WaveHeader* header) = 0;
    // As write(), for a buffer due at the present logical time: an output with a sample clock of
    // its own starts it where that time falls on the clock, whenever the call comes.
    virtual WaveResult writeTimed(WaveHandle handle, WaveHeader* header) {
        return write(handle, header);
    }
    // The next writeTimed() begins a run of characters: an output with a sample clock takes its
    // timeline anew there (and may change its period, which it never does within a run).
    virtual void beginTimeline() {}
    // The keyer's sound is on (or off again): an output that trades latency for safety against
    // underruns keeps its shortest period meanwhile.
    virtual void setLowLatency(bool wanted) { (void)wanted; }
    // StillPlaying while the device has not finished the header.
    virtual WaveResult unprepare(WaveHandle handle, WaveHeader* header) = 0;
    // Stops output at once and releases every queued header.
    virtual WaveResult reset(WaveHandle handle) = 0;
    virtual WaveResult pause(WaveHandle handle) = 0;
    virtual WaveResult close(WaveHandle handle) = 0;
    // Low 16 bits left, high 16 bits right, 0xFFFF full scale; a mono voice uses the left half.
    virtual WaveResult setVolume(WaveHandle handle, uint32_t volume) = 0;
    // Copies `count` samples over the start of a header's buffer while a device may loop over it.
    virtual void overwriteLooped(WaveHeader* header, const int16_t* samples, std::size_t count) = 0;
    // True when there is no audio device: opens and plays succeed and keep their time, but
    // nothing is heard. (May try the device once to find out.)
    virtual bool silent() { return false; }
};

} // namespace tessal
