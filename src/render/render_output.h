#pragma once

#include "render/audio_file.h"
#include "render/resampler.h"

#include <memory>
#include <span>
#include <vector>

namespace tessal {

// The end of the render chain: the trainer's 44100 Hz samples, converted to the file's rate
// when that differs, into the output file.
class RenderOutput {
public:
    RenderOutput(const QString& path, const AudioFileType& type, const AudioFileSettings& settings);

    bool ok() const { return file_.ok(); }
    QString error() const { return file_.error(); }
    bool write(std::span<const int16_t> samples);
    // Writes what the converter still holds and puts the file in place.
    bool commit();
    // Samples of the trainer's rate taken so far.
    int64_t samplesTaken() const { return taken_; }

private:
    AudioFileWriter file_;
    std::unique_ptr<Resampler> resampler_;
    std::vector<int16_t> converted_;
    int64_t taken_ = 0;
};

} // namespace tessal
