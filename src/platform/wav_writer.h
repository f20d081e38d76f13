#pragma once

#include <QString>
#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

namespace tessal {

// Writes 16-bit mono PCM to a WAV file; the header's sizes are patched when it is closed.
class WavWriter {
public:
    WavWriter(const QString& path, int samplesPerSecond);
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    void append(std::span<const int16_t> samples);
    // Finishes the header; false when anything could not be written.
    bool close();

private:
    std::FILE* file_ = nullptr;
    int samplesPerSecond_;
    uint32_t dataBytes_ = 0;
    bool failed_ = false;
};

// Reads a 16-bit mono PCM WAV file written by WavWriter; empty on any error.
struct WavData {
    int samplesPerSecond = 0;
    std::vector<int16_t> samples;
};
WavData readWav(const QString& path);

} // namespace tessal
