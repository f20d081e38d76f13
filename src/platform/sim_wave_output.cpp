#include "platform/sim_wave_output.h"

#include <algorithm>

namespace tessal {

Tape::Voice* SimWaveOutput::playingVoice(const Device& device) {
    return device.voice < 0 ? nullptr : tape_.findVoice(std::size_t(device.voice));
}

SimWaveOutput::Device* SimWaveOutput::find(WaveHandle handle) {
    auto it = devices_.find(handle);
    return it == devices_.end() ? nullptr : &it->second;
}

uint32_t SimWaveOutput::volume(WaveHandle handle) const {
    auto it = devices_.find(handle);
    return it == devices_.end() ? 0 : it->second.volume;
}

bool SimWaveOutput::stillPlaying(const Device& device) const {
    if (!device.playing || device.voice < 0)
        return false;
    const Tape::Voice* voice = tape_.findVoice(std::size_t(device.voice));
    return voice && loop_.now() < voice->endUs;
}

void SimWaveOutput::stopVoice(Device& device) {
    if (Tape::Voice* voice = playingVoice(device))
        voice->endUs = std::min(voice->endUs, loop_.now());
    device.playing = nullptr;
    device.voice = -1;
}

WaveResult SimWaveOutput::open(WaveHandle* handle, const WaveFormat& format) {
    if (failOpens_ > 0) {
        --failOpens_;
        return WaveResult::BadDevice;
    }
    if (format.samplesPerSecond != Tape::kSampleRate || format.channels != 1 ||
        format.bitsPerSample != 16)
        return WaveResult::Error;
    *handle = nextHandle_++;
    devices_[*handle] = Device{};
    ++opens_;
    return WaveResult::Ok;
}

WaveResult SimWaveOutput::prepare(WaveHandle handle, WaveHeader* header) {
    if (!find(handle))
        return WaveResult::InvalidHandle;
    if (failPrepares_ > 0) {
        --failPrepares_;
        return WaveResult::Error;
    }
    header->prepared = true;
    return WaveResult::Ok;
}

WaveResult SimWaveOutput::write(WaveHandle handle, WaveHeader* header) {
    Device* device = find(handle);
    if (!device)
        return WaveResult::InvalidHandle;
    if (failWrites_ > 0) {
        --failWrites_;
        return WaveResult::Error;
    }
    if (!header->prepared)
        return WaveResult::Error;
    stopVoice(*device);
    Tape::Voice voice;
    voice.device = handle;
    voice.startUs = loop_.now();
    voice.looping = header->looping();
    voice.volume = device->volume;
    voice.segments.push_back(
        {loop_.now(), std::vector<int16_t>(header->data, header->data + header->sampleCount())});
    if (!voice.looping) {
        voice.endUs = voice.startUs + Tape::usAt(int64_t(header->sampleCount()));
        loop_.atUs(voice.endUs, [] {}); // the voice's end wakes the loop
    }
    device->playing = header;
    device->voice = int(tape_.addVoice(std::move(voice)));
    return WaveResult::Ok;
}

WaveResult SimWaveOutput::unprepare(WaveHandle handle, WaveHeader* header) {
    Device* device = find(handle);
    if (!device)
        return WaveResult::InvalidHandle;
    if (device->playing == header && stillPlaying(*device))
        return WaveResult::StillPlaying;
    if (device->playing == header)
        device->playing = nullptr;
    header->prepared = false;
    return WaveResult::Ok;
}

WaveResult SimWaveOutput::reset(WaveHandle handle) {
    Device* device = find(handle);
    if (!device)
        return WaveResult::InvalidHandle;
    stopVoice(*device);
    return WaveResult::Ok;
}

WaveResult SimWaveOutput::pause(WaveHandle handle) {
    Device* device = find(handle);
    if (!device)
        return WaveResult::InvalidHandle;
    if (Tape::Voice* voice = playingVoice(*device))
        voice->endUs = std::min(voice->endUs, loop_.now());
    return WaveResult::Ok;
}

WaveResult SimWaveOutput::close(WaveHandle handle) {
    Device* device = find(handle);
    if (!device)
        return WaveResult::InvalidHandle;
    if (stillPlaying(*device))
        return WaveResult::StillPlaying;
    devices_.erase(handle);
    return WaveResult::Ok;
}

WaveResult SimWaveOutput::setVolume(WaveHandle handle, uint32_t volume) {
    Device* device = find(handle);
    if (!device)
        return WaveResult::InvalidHandle;
    device->volume = volume;
    if (Tape::Voice* voice = playingVoice(*device))
        voice->volume = volume;
    return WaveResult::Ok;
}

void SimWaveOutput::overwriteLooped(WaveHeader* header, const int16_t* samples, std::size_t count) {
    count = std::min(count, header->sampleCount());
    std::copy(samples, samples + count, header->data);
    for (auto& [handle, device] : devices_) {
        Tape::Voice* voice = device.playing == header ? playingVoice(device) : nullptr;
        if (voice && voice->looping && loop_.now() < voice->endUs)
            voice->segments.push_back(
                {loop_.now(),
                 std::vector<int16_t>(header->data, header->data + header->sampleCount())});
    }
}

} // namespace tessal
