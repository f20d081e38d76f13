#include "platform/tape.h"

#include "platform/wav_writer.h"

#include <algorithm>

namespace tessal {

namespace {

// Adds `count` samples of `from` to `to`, scaled by the voice's volume.
void addScaled(int32_t* to, const int16_t* from, int64_t count, uint32_t volume) {
    const uint32_t level = volume & 0xFFFFu;
    if (level == 0xFFFFu) {
        for (int64_t i = 0; i < count; ++i)
            to[i] += from[i];
        return;
    }
    const double gain = double(level) / 65535.0;
    for (int64_t i = 0; i < count; ++i)
        to[i] += int32_t(from[i] * gain);
}

} // namespace

std::size_t Tape::addVoice(Voice voice) {
    voices_.push_back(std::move(voice));
    return dropped_ + voices_.size() - 1;
}

void Tape::dropVoicesEndedBy(int64_t us) {
    while (!voices_.empty() && voices_.front().endUs <= us) {
        voices_.pop_front();
        ++dropped_;
    }
}

std::vector<int16_t> Tape::render(int64_t fromUs, int64_t toUs) const {
    std::vector<int32_t> mix;
    std::vector<int16_t> out;
    render(fromUs, toUs, mix, out);
    return out;
}

void Tape::render(int64_t fromUs, int64_t toUs, std::vector<int32_t>& mix,
                  std::vector<int16_t>& out) const {
    const int64_t first = sampleAt(fromUs);
    const int64_t last = std::max(first, sampleAt(toUs));
    mix.assign(std::size_t(last - first), 0);
    for (const Voice& voice : voices_) {
        const int64_t voiceStart = sampleAt(voice.startUs);
        const int64_t voiceEnd = voice.endUs == kOpenEnd ? last : sampleAt(voice.endUs);
        if (voiceEnd <= first || voiceStart >= last)
            continue;
        for (std::size_t s = 0; s < voice.segments.size(); ++s) {
            const Segment& segment = voice.segments[s];
            const int64_t size = int64_t(segment.samples.size());
            if (size == 0)
                continue;
            const int64_t segStart = std::max(voiceStart, sampleAt(segment.atUs));
            int64_t segEnd =
                s + 1 < voice.segments.size() ? sampleAt(voice.segments[s + 1].atUs) : voiceEnd;
            if (!voice.looping)
                segEnd = std::min<int64_t>(segEnd, voiceStart + size);
            segEnd = std::min({segEnd, voiceEnd, last});
            // A loop repeats its samples; a plain voice reads them once. Either way in runs that
            // need no index arithmetic per sample.
            for (int64_t n = std::max(segStart, first); n < segEnd;) {
                const int64_t offset = voice.looping ? (n - voiceStart) % size : n - voiceStart;
                const int64_t run = std::min(segEnd - n, size - offset);
                addScaled(mix.data() + (n - first), segment.samples.data() + offset, run,
                          voice.volume);
                n += run;
            }
        }
    }
    out.resize(mix.size());
    std::transform(mix.begin(), mix.end(), out.begin(),
                   [](int32_t v) { return int16_t(std::clamp(v, -32768, 32767)); });
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
