#include "render/render_output.h"

#include "platform/tape.h"

namespace tessal {

RenderOutput::RenderOutput(const QString& path, const AudioFileType& type,
                           const AudioFileSettings& settings)
    : file_(path, type, settings) {
    if (settings.sampleRate != Tape::kSampleRate)
        resampler_ = std::make_unique<Resampler>(Tape::kSampleRate, settings.sampleRate);
}

bool RenderOutput::write(std::span<const int16_t> samples) {
    taken_ += int64_t(samples.size());
    if (!resampler_)
        return file_.write(samples);
    converted_.clear();
    resampler_->push(samples, converted_);
    return file_.write(converted_);
}

bool RenderOutput::commit() {
    if (resampler_) {
        converted_.clear();
        resampler_->finish(converted_);
        if (!file_.write(converted_))
            return false;
    }
    return file_.commit();
}

} // namespace tessal
