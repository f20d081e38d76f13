#include "platform/tape.h"

#include "platform/wav_writer.h"

#include <algorithm>

namespace tessal {

std::vector<int16_t> Tape::render(int64_t fromUs, int64_t toUs) const {
    const int64_t first = sampleAt(fromUs);
    const int64_t last = sampleAt(toUs);
    if (last <= first)
        return {};
    std::vector<int32_t> mix(static_cast<std::size_t>(last - first), 0);
    for (const Voice& voice : voices_) {
        const int64_t voiceStart = sampleAt(voice.startUs);
        const int64_t voiceEnd = voice.endUs == kOpenEnd ? last : sampleAt(voice.endUs);
        const double gain = double(voice.volume & 0xFFFFu) / 65535.0;
        for (std::size_t s = 0; s < voice.segments.size(); ++s) {
            const Segment& segment = voice.segments[s];
            if (segment.samples.empty())
                continue;
            const int64_t segStart = std::max(voiceStart, sampleAt(segment.atUs));
            int64_t segEnd =
                s + 1 < voice.segments.size() ? sampleAt(voice.segments[s + 1].atUs) : voiceEnd;
            if (!voice.looping)
                segEnd = std::min<int64_t>(segEnd, voiceStart + int64_t(segment.samples.size()));
            segEnd = std::min(segEnd, voiceEnd);
            const int64_t size = int64_t(segment.samples.size());
            for (int64_t n = std::max(segStart, first); n < std::min(segEnd, last); ++n) {
                const int64_t offset = n - voiceStart;
                const int16_t value =
                    segment.samples[std::size_t(voice.looping ? offset % size : offset)];
                mix[std::size_t(n - first)] += gain == 1.0 ? value : int32_t(value * gain);
            }
        }
    }
    std::vector<int16_t> out(mix.size());
    std::transform(mix.begin(), mix.end(), out.begin(),
                   [](int32_t v) { return int16_t(std::clamp(v, -32768, 32767)); });
    return out;
}

std::vector<Tape::Span> Tape::toneSpans(int64_t fromUs, int64_t toUs, int64_t bridgeUs) const {
    const std::vector<int16_t> samples = render(fromUs, toUs);
    const int64_t first = sampleAt(fromUs);
    const int64_t bridge = std::max<int64_t>(1, bridgeUs * kSampleRate / 1'000'000);
    std::vector<Span> spans;
    int64_t runStart = -1;
    int64_t lastSound = -1;
    for (int64_t i = 0; i < int64_t(samples.size()); ++i) {
        if (samples[std::size_t(i)] == 0)
            continue;
        if (runStart >= 0 && i - lastSound > bridge) {
            spans.push_back({usAt(first + runStart), usAt(first + lastSound + 1)});
            runStart = -1;
        }
        if (runStart < 0)
            runStart = i;
        lastSound = i;
    }
    if (runStart >= 0)
        spans.push_back({usAt(first + runStart), usAt(first + lastSound + 1)});
    return spans;
}

bool Tape::writeWav(const QString& path, int64_t fromUs, int64_t toUs) const {
    WavWriter writer(path, kSampleRate);
    if (!writer.isOpen())
        return false;
    writer.append(render(fromUs, toUs));
    return writer.close();
}

} // namespace tessal
