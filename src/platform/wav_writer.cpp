#include "platform/wav_writer.h"

#include <QFile>
#include <sndfile.h>

namespace tessal {

WavWriter::WavWriter(const QString& path, int samplesPerSecond) {
    SF_INFO info{};
    info.samplerate = samplesPerSecond;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    file_ = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
}

WavWriter::~WavWriter() {
    close();
}

void WavWriter::append(std::span<const int16_t> samples) {
    if (!file_)
        return;
    const sf_count_t count = sf_count_t(samples.size());
    failed_ |= sf_write_short(file_, samples.data(), count) != count;
}

bool WavWriter::close() {
    if (!file_)
        return !failed_;
    failed_ |= sf_close(file_) != 0;
    file_ = nullptr;
    return !failed_;
}

AudioData readAudioFile(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return {};
    AudioData audio;
    audio.samplesPerSecond = info.samplerate;
    audio.channels = info.channels;
    std::vector<int16_t> frames(std::size_t(4096 * info.channels));
    for (;;) {
        const sf_count_t got = sf_readf_short(file, frames.data(), 4096);
        if (got <= 0)
            break;
        for (sf_count_t i = 0; i < got; ++i)
            audio.samples.push_back(frames[std::size_t(i * info.channels)]);
    }
    sf_close(file);
    return audio;
}

} // namespace tessal
