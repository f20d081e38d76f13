#pragma once

#include <QString>
#include <cstdint>
#include <span>
#include <vector>

struct sf_private_tag;

namespace tessal {

// Writes 16-bit mono PCM to a WAV file through libsndfile, which finishes the header on close.
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
    sf_private_tag* file_ = nullptr;
    bool failed_ = false;
};

// An audio file of any type libsndfile reads (WAV, RF64, FLAC, Ogg Vorbis, Opus, MP3), its
// first channel as 16-bit samples; empty on any error.
struct AudioData {
    int samplesPerSecond = 0;
    int channels = 0;
    std::vector<int16_t> samples;
};
AudioData readAudioFile(const QString& path);

} // namespace tessal
