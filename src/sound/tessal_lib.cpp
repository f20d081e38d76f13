#include "sound/tessal_lib.h"

#include "platform/error.h"
#include "sound/tone_synthesis.h"

namespace tessal {
namespace {

const QString kOpenFailed = QStringLiteral("Failed to open wave output device.");
const QString kPrepareFailed = QStringLiteral("Failed to prepare wave header.");
const QString kWriteListenFailed = QStringLiteral("Failed to write WaveHeader1");
const QString kWriteKeyerFailed = QStringLiteral("Failed to write wave data.");
const QString kNoAudioDevice =
    QStringLiteral("No audio output device was found.\r\nExercises go on silently.");

QString failureMessage(const QString& prefix, const QString& text) {
    return prefix + QStringLiteral("\r\n") + text + QStringLiteral("\r\n Please Retry");
}

int64_t bufferDurationMs(const std::vector<int16_t>& samples) {
    return (int64_t(samples.size()) * 1000 + kSampleRate - 1) / kSampleRate;
}

} // namespace

TessalLib::~TessalLib() {
    CloseAll();
}

int64_t TessalLib::MakeListenWave(const QString& tones, int frequencyHz, int amplitude, int dotMs,
                                  int dashMs) {
    return listenCache_.synthesize(listenBuffer_, tones, frequencyHz, amplitude, dotMs, dashMs);
}

int64_t TessalLib::MakeKeyerWave(const QString& tones, int frequencyHz, int amplitude, int dotMs,
                                 int dashMs) {
    return synthesizeKeyerTones(keyerBuffer_, tones, frequencyHz, amplitude, dotMs, dashMs);
}

void TessalLib::closeOutput(Output& output) {
    if (output.device == 0)
        return;
    WaveOutput& wave = platform_.wave();
    wave.reset(output.device);
    wave.unprepare(output.device, &output.header);
    wave.close(output.device);
    output.device = 0;
}

void TessalLib::waitSilently(int64_t durationMs) {
    EventLoop& loop = platform_.loop();
    const int64_t end = loop.monotonicMs() + durationMs;
    while (loop.monotonicMs() < end)
        loop.processMessages();
}

void TessalLib::BeginListenRun() {
    platform_.wave().beginTimeline();
}

void TessalLib::PlayListenWave(int closingPauseMs) {
    WaveOutput& wave = platform_.wave();
    EventLoop& loop = platform_.loop();
    QString failure;
    listenWaveState_ = 1;
    const WaveFormat format;
    listenWaveState_ = 2;
    if (wave.open(&listen_.device, format) != WaveResult::Ok) {
        listen_.device = 0;
        failure = kOpenFailed;
    }
    if (failure.isEmpty() && wave.silent() && !silenceReported_) {
        // Told once: the output keeps time without a device, so the exercise goes on.
        silenceReported_ = true;
        platform_.dialogs().showMessage(kNoAudioDevice);
    }
    if (failure.isEmpty()) {
        listenWaveState_ = 3;
        listen_.header = WaveHeader{listenBuffer_.data(),
                                    uint32_t(listenBuffer_.size() * sizeof(int16_t)), 0, 0, false};
        listenWaveState_ = 4;
        if (wave.prepare(listen_.device, &listen_.header) != WaveResult::Ok)
            failure = kPrepareFailed;
    }
    if (failure.isEmpty()) {
        listenWaveState_ = 5;
        if (wave.writeTimed(listen_.device, &listen_.header) != WaveResult::Ok)
            failure = kWriteListenFailed;
    }
    if (failure.isEmpty()) {
        listenWaveState_ = 6;
        while (wave.unprepare(listen_.device, &listen_.header) == WaveResult::StillPlaying)
            loop.processMessages();
        listenWaveState_ = 7;
        wave.reset(listen_.device);
        loop.sleep(closingPauseMs);
        wave.close(listen_.device);
        listen_.device = 0;
        listenFailureReported_ = false;
    } else {
        // Without a working device the exercise goes on silently: the failure is told once,
        // the character still takes its time, and the device is tried again next time.
        closeOutput(listen_);
        if (!listenFailureReported_) {
            listenFailureReported_ = true;
            platform_.dialogs().showMessage(
                failureMessage(QStringLiteral("An error occurred WaveHeader1: "), failure));
        }
        listenWaveState_ = 6;
        waitSilently(bufferDurationMs(listenBuffer_));
        listenWaveState_ = 7;
        loop.sleep(closingPauseMs);
    }
    listenBuffer_.clear();
    listenWaveState_ = 0;
}

void TessalLib::PlayKeyerWave() {
    WaveOutput& wave = platform_.wave();
    // A new stacked string supersedes whatever the previous one still sounds.
    closeOutput(keyer_);
    QString failure;
    const WaveFormat format;
    if (wave.open(&keyer_.device, format) != WaveResult::Ok) {
        keyer_.device = 0;
        failure = kOpenFailed;
    }
    if (failure.isEmpty()) {
        keyer_.header = WaveHeader{keyerBuffer_.data(),
                                   uint32_t(keyerBuffer_.size() * sizeof(int16_t)), 0, 0, false};
        if (wave.prepare(keyer_.device, &keyer_.header) != WaveResult::Ok)
            failure = kPrepareFailed;
    }
    if (failure.isEmpty() && wave.write(keyer_.device, &keyer_.header) != WaveResult::Ok)
        failure = kWriteKeyerFailed;
    if (failure.isEmpty()) {
        wave.unprepare(keyer_.device, &keyer_.header);
        keyerFailureReported_ = false;
        return;
    }
    closeOutput(keyer_);
    if (!keyerFailureReported_) {
        keyerFailureReported_ = true;
        platform_.dialogs().showMessage(
            failureMessage(QStringLiteral("An error occurred WaveHeader2: "), failure));
    }
}

void TessalLib::CloseKeyerDevice() {
    closeOutput(keyer_);
}

void TessalLib::CheckKeyerOutput() {
    // Asked before the device is first tried, so it opens at the keyer's period straight away.
    platform_.wave().setLowLatency(true);
    if (platform_.wave().silent()) {
        platform_.wave().setLowLatency(false);
        throw TessalError(kOpenFailed);
    }
}

bool TessalLib::InitSidetone(int frequencyHz, int amplitude) {
    // Switching the keyer sound on again must not leave the earlier device looping.
    CloseSidetone();
    // A silent output would loop a sidetone nobody hears: that is a failed open.
    CheckKeyerOutput();
    loopBuffer_.assign(kSampleRate, 0);
    toneSecond_.clear();
    appendSine(toneSecond_, kSampleRate, frequencyHz, amplitude);
    silentSecond_.assign(kSampleRate, 0);

    WaveOutput& wave = platform_.wave();
    if (wave.open(&sidetoneDevice_, WaveFormat{}) != WaveResult::Ok) {
        sidetoneDevice_ = 0;
        throw TessalError(kOpenFailed);
    }
    sidetoneHeader_ = WaveHeader{loopBuffer_.data(), uint32_t(kSampleRate * sizeof(int16_t)),
                                 kWaveBeginLoop | kWaveEndLoop, kWaveLoopForever, false};
    if (wave.prepare(sidetoneDevice_, &sidetoneHeader_) != WaveResult::Ok) {
        wave.close(sidetoneDevice_);
        sidetoneDevice_ = 0;
        throw TessalError(kPrepareFailed);
    }
    return true;
}

void TessalLib::StartSidetoneLoop() {
    if (sidetoneDevice_ == 0 ||
        platform_.wave().write(sidetoneDevice_, &sidetoneHeader_) != WaveResult::Ok) {
        CloseSidetone();
        throw TessalError(kWriteKeyerFailed);
    }
}

void TessalLib::SidetoneOn() {
    if (!toneSecond_.empty())
        platform_.wave().overwriteLooped(&sidetoneHeader_, toneSecond_.data(), toneSecond_.size());
}

void TessalLib::SidetoneOff() {
    if (!silentSecond_.empty())
        platform_.wave().overwriteLooped(&sidetoneHeader_, silentSecond_.data(),
                                         silentSecond_.size());
}

void TessalLib::CloseSidetone() {
    WaveOutput& wave = platform_.wave();
    wave.setLowLatency(false); // the stacking key's sound ends here too
    if (sidetoneDevice_ == 0)
        return;
    wave.pause(sidetoneDevice_);
    wave.reset(sidetoneDevice_);
    wave.unprepare(sidetoneDevice_, &sidetoneHeader_);
    wave.close(sidetoneDevice_);
    sidetoneDevice_ = 0;
}

void TessalLib::SetSidetoneVolume(uint32_t volume) {
    if (sidetoneDevice_ != 0)
        platform_.wave().setVolume(sidetoneDevice_, volume);
}

void TessalLib::CloseAll() {
    closeOutput(listen_);
    closeOutput(keyer_);
    CloseSidetone();
}

} // namespace tessal
