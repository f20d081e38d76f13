#include "platform/sdl_wave_output.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

// Real-time tests on SDL's dummy driver: they wait for completion (bounded), never for a time.

namespace tessal {
namespace {

SdlWaveOutput::Options dummyDriver() {
    return {"dummy", 256};
}

// Polls until `done` holds; false after two seconds.
template <typename Done> bool eventually(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

struct Play {
    std::vector<int16_t> samples;
    WaveHeader header;
    explicit Play(std::size_t count, uint32_t flags = 0, uint32_t loops = 0)
        : samples(count, 1000) {
        header.data = samples.data();
        header.bufferBytes = uint32_t(count * sizeof(int16_t));
        header.flags = flags;
        header.loops = loops;
    }
};

TEST(SdlWaveOutput, ShortVoiceEndsAndUnprepareStopsAnsweringStillPlaying) {
    SdlWaveOutput wave(dummyDriver());
    WaveHandle handle = 0;
    ASSERT_EQ(wave.open(&handle, WaveFormat{}), WaveResult::Ok);
    ASSERT_FALSE(wave.fellBackToSilence());
    EXPECT_GT(wave.callbackFrames(), 0);
    Play play(44100 * 30 / 1000); // 30 ms
    ASSERT_EQ(wave.prepare(handle, &play.header), WaveResult::Ok);
    ASSERT_EQ(wave.write(handle, &play.header), WaveResult::Ok);
    EXPECT_EQ(wave.unprepare(handle, &play.header), WaveResult::StillPlaying);
    EXPECT_TRUE(eventually([&] { return wave.unprepare(handle, &play.header) == WaveResult::Ok; }));
    EXPECT_FALSE(play.header.prepared);
    // Over by the clock, the play may still hand out its last period; once it has, close frees
    // the voice at once.
    EXPECT_TRUE(eventually([&] { return !wave.sounding(handle); }));
    EXPECT_EQ(wave.close(handle), WaveResult::Ok);
    EXPECT_EQ(wave.mixer().voiceCount(), 0);
}

TEST(SdlWaveOutput, VoiceEndIsReportedFromTheAudioThread) {
    SdlWaveOutput wave(dummyDriver());
    std::atomic<int> ends{0};
    wave.setOnVoiceEnd([&] { ++ends; });
    WaveHandle handle = 0;
    ASSERT_EQ(wave.open(&handle, WaveFormat{}), WaveResult::Ok);
    Play play(441);
    wave.prepare(handle, &play.header);
    wave.write(handle, &play.header);
    EXPECT_TRUE(eventually([&] { return ends.load() == 1; }));
    wave.close(handle);
}

TEST(SdlWaveOutput, LoopPlaysUntilResetAndRefusesToCloseMeanwhile) {
    SdlWaveOutput wave(dummyDriver());
    WaveHandle handle = 0;
    ASSERT_EQ(wave.open(&handle, WaveFormat{}), WaveResult::Ok);
    Play loop(441, kWaveBeginLoop | kWaveEndLoop, kWaveLoopForever);
    wave.prepare(handle, &loop.header);
    ASSERT_EQ(wave.write(handle, &loop.header), WaveResult::Ok);
    // Several passes over the 10 ms loop and still playing.
    EXPECT_TRUE(eventually([&] { return wave.mixer().position(1) != 0; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_EQ(wave.unprepare(handle, &loop.header), WaveResult::StillPlaying);
    EXPECT_EQ(wave.close(handle), WaveResult::StillPlaying);
    EXPECT_EQ(wave.reset(handle), WaveResult::Ok);
    EXPECT_EQ(wave.unprepare(handle, &loop.header), WaveResult::Ok);
    EXPECT_EQ(wave.close(handle), WaveResult::Ok);
}

TEST(SdlWaveOutput, PausedLoopMayBeUnpreparedAndClosed) {
    SdlWaveOutput wave(dummyDriver());
    WaveHandle handle = 0;
    ASSERT_EQ(wave.open(&handle, WaveFormat{}), WaveResult::Ok);
    Play loop(441, kWaveBeginLoop | kWaveEndLoop, kWaveLoopForever);
    wave.prepare(handle, &loop.header);
    wave.write(handle, &loop.header);
    EXPECT_EQ(wave.pause(handle), WaveResult::Ok);
    EXPECT_EQ(wave.reset(handle), WaveResult::Ok);
    EXPECT_EQ(wave.unprepare(handle, &loop.header), WaveResult::Ok);
    EXPECT_EQ(wave.close(handle), WaveResult::Ok);
}

TEST(SdlWaveOutput, RefusesWhatTheClassicOutputRefuses) {
    SdlWaveOutput wave(dummyDriver());
    WaveHandle handle = 0;
    WaveFormat other;
    other.samplesPerSecond = 22050;
    EXPECT_EQ(wave.open(&handle, other), WaveResult::Error);
    ASSERT_EQ(wave.open(&handle, WaveFormat{}), WaveResult::Ok);
    Play play(441);
    EXPECT_EQ(wave.write(handle, &play.header), WaveResult::Error); // not prepared
    EXPECT_EQ(wave.prepare(handle + 100, &play.header), WaveResult::InvalidHandle);
    EXPECT_EQ(wave.setVolume(handle + 100, 0), WaveResult::InvalidHandle);
    EXPECT_EQ(wave.close(handle), WaveResult::Ok);
    EXPECT_EQ(wave.close(handle), WaveResult::InvalidHandle);
}

TEST(SdlWaveOutput, OverwriteLoopedChangesTheSamplesInPlace) {
    SdlWaveOutput wave(dummyDriver());
    Play loop(4, kWaveBeginLoop | kWaveEndLoop, kWaveLoopForever);
    const std::vector<int16_t> tone{1, 2, 3, 4, 5, 6};
    wave.overwriteLooped(&loop.header, tone.data(), tone.size());
    EXPECT_EQ(loop.samples, (std::vector<int16_t>{1, 2, 3, 4}));
}

TEST(SdlWaveOutput, SidetoneLoopSwitchesThroughTheGateSoTheKeyUpFadesInsteadOfCutting) {
    SdlWaveOutput wave(dummyDriver());
    std::atomic<int64_t> loud{0}, faint{0}, silentBlocks{0};
    wave.mixer().setOnRendered([&](const int16_t* out, int frames) {
        int nonZero = 0;
        for (int i = 0; i < frames; ++i) {
            loud += out[i] == 1000;
            faint += out[i] != 0 && out[i] != 1000;
            nonZero += out[i] != 0;
        }
        silentBlocks += nonZero == 0;
    });
    WaveHandle handle = 0;
    ASSERT_EQ(wave.open(&handle, WaveFormat{}), WaveResult::Ok);
    Play loop(4410, kWaveBeginLoop | kWaveEndLoop, kWaveLoopForever);
    std::fill(loop.samples.begin(), loop.samples.end(), int16_t(0));
    wave.prepare(handle, &loop.header);
    ASSERT_EQ(wave.write(handle, &loop.header), WaveResult::Ok);
    const std::vector<int16_t> tone(4410, 1000), silence(4410, 0);

    wave.overwriteLooped(&loop.header, tone.data(), tone.size()); // key down
    EXPECT_EQ(loop.samples, tone);
    EXPECT_TRUE(eventually([&] { return loud.load() > 2000; }));
    EXPECT_GT(faint.load(), 100) << "the tone faded in";
    const int64_t faintAfterRise = faint.load();

    wave.overwriteLooped(&loop.header, silence.data(), silence.size()); // key up
    EXPECT_EQ(loop.samples, tone) << "the loop keeps its sound for the fade-out";
    const int64_t silentBefore = silentBlocks.load();
    EXPECT_TRUE(eventually([&] { return silentBlocks.load() > silentBefore + 3; }));
    EXPECT_GT(faint.load(), faintAfterRise + 100) << "the tone faded out";
    wave.reset(handle);
    wave.unprepare(handle, &loop.header);
    wave.close(handle);
}

TEST(SdlWaveOutput, WithoutADeviceOpensSucceedSilentlyAndTimeGoesOn) {
    SdlWaveOutput wave({"no-such-driver", 256});
    EXPECT_TRUE(wave.silent());
    WaveHandle handle = 0;
    ASSERT_EQ(wave.open(&handle, WaveFormat{}), WaveResult::Ok);
    EXPECT_TRUE(wave.fellBackToSilence());

    Play play(44100 * 20 / 1000);
    wave.prepare(handle, &play.header);
    ASSERT_EQ(wave.write(handle, &play.header), WaveResult::Ok);
    EXPECT_EQ(wave.unprepare(handle, &play.header), WaveResult::StillPlaying);
    EXPECT_TRUE(eventually([&] { return wave.unprepare(handle, &play.header) == WaveResult::Ok; }));

    Play loop(441, kWaveBeginLoop | kWaveEndLoop, kWaveLoopForever);
    wave.prepare(handle, &loop.header);
    wave.write(handle, &loop.header);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(wave.close(handle), WaveResult::StillPlaying);
    wave.reset(handle);
    EXPECT_EQ(wave.close(handle), WaveResult::Ok);
}

TEST(SdlWaveOutput, AWorkingDeviceIsNotSilent) {
    SdlWaveOutput wave(dummyDriver());
    EXPECT_FALSE(wave.silent());
}

TEST(SdlWaveOutput, ListeningHasTheLongPeriodAndTheKeyerTheShortOneLeadingByWholePeriods) {
    // The dummy driver grants any size.
    const int listening = SdlWaveOutput::Options{}.listeningFrames;
    for (const int keyerFrames : {128, 256}) {
        SdlWaveOutput::Options options = dummyDriver();
        options.callbackFrames = keyerFrames;
        SdlWaveOutput wave(options);
        ASSERT_FALSE(wave.silent());
        EXPECT_EQ(wave.callbackFrames(), listening);
        wave.setLowLatency(true); // reopens the device at once
        for (const int frames : {keyerFrames, listening}) {
            EXPECT_EQ(wave.callbackFrames(), frames);
            EXPECT_EQ(wave.sampleClock().period(), frames);
            EXPECT_EQ(wave.sampleClock().lead() % frames, 0);
            // The least whole number of periods, two at least, of at least 40 ms.
            const int64_t lead = wave.sampleClock().lead();
            EXPECT_GE(lead, 2 * frames);
            EXPECT_GE(lead, 44100 * 40 / 1000);
            EXPECT_TRUE(lead == 2 * frames || lead - frames < 44100 * 40 / 1000) << lead;
            wave.setLowLatency(false);
            WaveHandle handle = 0;
            ASSERT_EQ(wave.open(&handle, WaveFormat{}), WaveResult::Ok);
            std::vector<int16_t> click(64, 1000);
            WaveHeader header{click.data(), uint32_t(click.size() * 2), 0, 0, false};
            wave.prepare(handle, &header);
            wave.beginTimeline();
            ASSERT_EQ(wave.writeTimed(handle, &header), WaveResult::Ok);
            wave.reset(handle);
            wave.unprepare(handle, &header);
            wave.close(handle);
        }
        EXPECT_EQ(wave.lateCallbacks(), 0);
    }
    // Asked for before the first open, the keyer's period is the first the device opens with.
    SdlWaveOutput wave(dummyDriver());
    wave.setLowLatency(true);
    ASSERT_FALSE(wave.silent());
    EXPECT_EQ(wave.callbackFrames(), dummyDriver().callbackFrames);
}

} // namespace
} // namespace tessal
