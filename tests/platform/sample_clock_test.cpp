#include "platform/qt_event_loop.h"
#include "platform/sdl_wave_output.h"

#include <gtest/gtest.h>
#include <vector>

// The production output, on a device the test renders block by block with a steady clock of its
// own, and the production loop's logical clock: characters due on the logical timeline, handed
// over by ticks that come late.

namespace tessal {
namespace {

constexpr int kRate = 44100;
constexpr int64_t kT0 = 1'000'000'000; // [us] where both clocks of the rig start

int64_t samplesIn(int64_t us) {
    return (us * kRate + 500'000) / 1'000'000;
}

// A character: 20 ms of tone behind 10 ms of silence, ending in 40 ms of silence.
std::vector<int16_t> character() {
    std::vector<int16_t> samples(size_t(samplesIn(70'000)), 0);
    std::fill(samples.begin() + samplesIn(10'000), samples.begin() + samplesIn(30'000),
              int16_t(8000));
    return samples;
}

struct Rig {
    int64_t steadyUs = kT0;
    int64_t stalledUs = 0; // the device took no blocks for this long, and then went on at its pace
    QtEventLoop loop;
    SdlWaveOutput wave;
    std::vector<int16_t> stream; // everything the device took
    const std::vector<int16_t> tone = character();
    std::vector<WaveHeader> headers = std::vector<WaveHeader>(16);
    std::vector<WaveHandle> handles;

    // One period for everything; or the trainer's own periods for listening and keying.
    explicit Rig(int frames) : Rig(frames, frames) {}
    Rig(int listeningFrames, int keyerFrames) : wave(options(listeningFrames, keyerFrames)) {
        wave.setClock([this] { return loop.logicalUs(); }, [this](int64_t t) { loop.settleAt(t); });
        EXPECT_FALSE(wave.silent()); // brings the device up, as the first open would
    }
    SdlWaveOutput::Options options(int listeningFrames, int keyerFrames) {
        SdlWaveOutput::Options options;
        options.listeningFrames = listeningFrames;
        options.callbackFrames = keyerFrames;
        options.manualDevice = true;
        options.steadyUs = [this] { return steadyUs; };
        return options;
    }
    int frames() const { return wave.callbackFrames(); }
    // The device takes blocks, each when its time on the steady clock has come, up to `us`.
    void runDeviceUntil(int64_t us) {
        while (kT0 + stalledUs + int64_t(stream.size()) * 1'000'000 / kRate <= us) {
            steadyUs = kT0 + stalledUs + int64_t(stream.size()) * 1'000'000 / kRate;
            std::vector<int16_t> block(static_cast<size_t>(frames()));
            wave.renderBlock(block.data(), frames());
            stream.insert(stream.end(), block.begin(), block.end());
        }
        steadyUs = us;
    }
    // The tick for a character due at `dueUs` runs `lateUs` after it.
    void playCharacter(int64_t dueUs, int64_t lateUs, bool timed = true) {
        runDeviceUntil(dueUs + lateUs);
        loop.dispatchTimed(dueUs, [&] {
            WaveHandle handle = 0;
            ASSERT_EQ(wave.open(&handle, WaveFormat{}), WaveResult::Ok);
            WaveHeader& header = headers[handles.size()];
            header = WaveHeader{const_cast<int16_t*>(tone.data()),
                                uint32_t(tone.size() * sizeof(int16_t)), 0, 0, false};
            wave.prepare(handle, &header);
            ASSERT_EQ(timed ? wave.writeTimed(handle, &header) : wave.write(handle, &header),
                      WaveResult::Ok);
            handles.push_back(handle);
        });
    }
    // Stream positions where a tone starts after silence.
    std::vector<int64_t> onsets() const {
        std::vector<int64_t> found;
        for (size_t i = 0; i < stream.size(); ++i)
            if (stream[i] != 0 && (i == 0 || stream[i - 1] == 0))
                found.push_back(int64_t(i));
        return found;
    }
};

TEST(SampleClockScheduling, LateTicksLessLateThanTheLeadChangeNoOnset) {
    // Characters every 100 ms of logical time; the ticks that hand them over come late by these.
    const std::vector<int64_t> punctual{0, 0, 0, 0, 0, 0};
    const std::vector<int64_t> late{0, 12'000, 1'500, 30'000, 0, 9'000};
    const std::vector<int64_t> lateFirst{14'000, 0, 3'000, 0, 15'000, 0};
    for (const int frames : {128, 256}) {
        std::vector<int64_t> reference;
        for (const auto* lateness : {&punctual, &late, &lateFirst}) {
            Rig rig(frames);
            rig.runDeviceUntil(kT0 + 50'000);
            for (size_t k = 0; k < lateness->size(); ++k)
                rig.playCharacter(kT0 + 100'000 + int64_t(k) * 100'000, (*lateness)[k]);
            rig.runDeviceUntil(kT0 + 900'000);
            const auto onsets = rig.onsets();
            ASSERT_EQ(onsets.size(), lateness->size()) << frames;
            for (size_t k = 0; k < onsets.size(); ++k)
                EXPECT_EQ(onsets[k] - onsets[0], samplesIn(int64_t(k) * 100'000))
                    << frames << " frames, character " << k;
            EXPECT_EQ(rig.wave.sampleClock().anchors(), 1) << frames;
            // The first character sounds the lead after the moment it was due (its tone lies
            // 10 ms into the buffer).
            const int64_t dueAt = samplesIn(100'000 + 10'000);
            EXPECT_EQ(onsets[0] - dueAt, rig.wave.sampleClock().lead()) << frames;
            if (reference.empty())
                reference = onsets;
            EXPECT_EQ(onsets, reference) << frames << " frames: a late tick moved a character";
        }
    }
}

TEST(SampleClockScheduling, ADeviceThatStallsKeepsTheSpacingOfWhatItPlaysAfterwards) {
    // The device stops taking blocks for a while (a busy sound server, a reopened device) after
    // the second character; what it plays afterwards sounds later, but on the same timeline.
    for (const int64_t stall : {0, 10'000, 45'000, 90'000, 150'000, 400'000}) {
        Rig rig(128);
        rig.runDeviceUntil(kT0 + 50'000);
        for (int k = 0; k < 5; ++k) {
            if (k == 2)
                rig.stalledUs = stall;
            rig.playCharacter(kT0 + 100'000 + k * 100'000, 0);
        }
        rig.runDeviceUntil(kT0 + 1'500'000);
        auto onsets = rig.onsets();
        ASSERT_EQ(onsets.size(), 5u) << stall;
        for (size_t k = 0; k < onsets.size(); ++k)
            EXPECT_EQ(onsets[k] - onsets[0], samplesIn(int64_t(k) * 100'000))
                << "stall " << stall << " us, character " << k;
        EXPECT_EQ(rig.wave.sampleClock().anchors(), 1) << stall;

        // A pause within the run keeps the timeline; the next run takes a new anchor, so the
        // stall's delay is not kept.
        rig.playCharacter(kT0 + 3'000'000, 0);
        EXPECT_EQ(rig.wave.sampleClock().anchors(), 1) << stall;
        const int64_t nextRun = kT0 + 5'000'000;
        rig.wave.beginTimeline();
        rig.playCharacter(nextRun, 0);
        rig.runDeviceUntil(nextRun + 200'000);
        onsets = rig.onsets();
        ASSERT_EQ(onsets.size(), 7u) << stall;
        EXPECT_EQ(onsets[5] - onsets[0], samplesIn(2'900'000)) << stall;
        const int64_t streamAtDue = samplesIn(nextRun - kT0 - rig.stalledUs);
        EXPECT_EQ(onsets[6] - samplesIn(10'000) - streamAtDue, rig.wave.sampleClock().lead())
            << stall;
        EXPECT_EQ(rig.wave.sampleClock().anchors(), 2) << stall;
    }
}

TEST(SampleClockScheduling, CallbacksMoreThanTwoPeriodsBehindThePaceCountAsLate) {
    // Gaps between callbacks of 128 samples (2902 us), in us.
    struct Case {
        std::vector<int64_t> gaps;
        int late;
    };
    const std::vector<Case> cases{
        {{2902, 2902, 2902, 2902}, 0},
        {{0, 0, 8000, 2902}, 0}, // a burst, then the pace catches up: the device had room
        {{2902, 2902 * 3 + 1000, 2902}, 1},  // one too late: it ran dry
        {{9000, 2902, 9500, 2902, 9000}, 3}, // a machine that cannot keep the short period
        {{2902, 2902 * 2 + 500, 2902}, 0},   // late, but within two periods
    };
    for (const Case& c : cases) {
        Rig rig(128);
        std::vector<int16_t> block(128);
        rig.wave.renderBlock(block.data(), 128);
        for (const int64_t gap : c.gaps) {
            rig.steadyUs += gap;
            rig.wave.renderBlock(block.data(), 128);
        }
        EXPECT_EQ(rig.wave.lateCallbacks(), c.late) << c.gaps.size() << " gaps";
    }
}

TEST(SampleClockScheduling, TheKeyersSoundHasTheShortPeriodAndListeningTheLongOneFromItsNextRun) {
    const SdlWaveOutput::Options trainer;
    Rig rig(trainer.listeningFrames, trainer.callbackFrames);
    const int listening = trainer.listeningFrames;
    ASSERT_EQ(rig.frames(), listening);
    EXPECT_EQ(rig.wave.sampleClock().lead() % listening, 0);
    EXPECT_GE(rig.wave.sampleClock().lead(), samplesIn(40'000));
    rig.runDeviceUntil(kT0 + 50'000);
    rig.wave.beginTimeline();
    rig.playCharacter(kT0 + 100'000, 0);
    rig.wave.setLowLatency(true); // at once, even within a run
    EXPECT_EQ(rig.frames(), 128);
    rig.playCharacter(kT0 + 200'000, 3'000);
    rig.wave.setLowLatency(false);
    rig.playCharacter(kT0 + 300'000, 0);
    EXPECT_EQ(rig.frames(), 128) << "no reopen within a run";
    rig.runDeviceUntil(kT0 + 500'000);
    auto onsets = rig.onsets();
    ASSERT_EQ(onsets.size(), 3u);
    EXPECT_EQ(onsets[1] - onsets[0], samplesIn(100'000)) << "the switch moved a character";
    EXPECT_EQ(onsets[2] - onsets[1], samplesIn(100'000));
    rig.wave.beginTimeline();
    rig.playCharacter(kT0 + 600'000, 0);
    EXPECT_EQ(rig.frames(), listening);

    // Three callbacks late at the short period: the keyer gets the fallback from then on.
    rig.wave.setLowLatency(true);
    ASSERT_EQ(rig.frames(), 128);
    rig.runDeviceUntil(kT0 + 650'000);
    for (int64_t stall = 1; stall <= 3; ++stall) {
        rig.stalledUs += 10'000;
        rig.runDeviceUntil(kT0 + 700'000 + stall * 100'000);
    }
    EXPECT_EQ(rig.frames(), 128) << "not while the keyer may be sounding";
    rig.playCharacter(kT0 + 1'100'000, 0, false); // the keyer's next string
    EXPECT_EQ(rig.frames(), 256);
    rig.wave.setLowLatency(false);
    rig.playCharacter(kT0 + 1'200'000, 0, false); // an untimed play, such as a beep
    EXPECT_EQ(rig.frames(), listening);
    rig.wave.setLowLatency(true);
    EXPECT_EQ(rig.frames(), 256);
}

TEST(SampleClockScheduling, AChangeOfPeriodKeepsTheTimeline) {
    // As when the output falls back to the longer period between two characters.
    SampleClock clock;
    clock.setPeriod(128);
    clock.stamp(0, kT0);
    const int64_t first = clock.forLogical(kT0 + 1'000, kT0 + 1'000);
    clock.setPeriod(256);
    clock.stamp(samplesIn(100'000), kT0 + 100'000);
    const int64_t second = clock.forLogical(kT0 + 101'000, kT0 + 103'000);
    EXPECT_EQ(second - first, samplesIn(100'000));
    EXPECT_EQ(clock.anchors(), 1);
    EXPECT_EQ(clock.lead() % 256, 0);
    EXPECT_GE(clock.lead(), samplesIn(40'000));
}

TEST(SampleClockScheduling, ATickLaterThanTheLeadSoundsAtOnceAndTheNextIsBackOnTime) {
    Rig rig(128);
    rig.runDeviceUntil(kT0 + 50'000);
    const int64_t lead = rig.wave.sampleClock().lead();
    const int64_t tooLate = lead * 1'000'000 / kRate + 30'000;
    rig.playCharacter(kT0 + 100'000, 0);
    rig.playCharacter(kT0 + 200'000, tooLate);
    rig.playCharacter(kT0 + 300'000, 0);
    rig.runDeviceUntil(kT0 + 600'000);
    const auto onsets = rig.onsets();
    ASSERT_EQ(onsets.size(), 3u);
    // Not before the tick came, but no more than a period after it.
    const int64_t handedOver = samplesIn(200'000 + tooLate);
    const int64_t second = onsets[1] - samplesIn(10'000);
    EXPECT_GE(second, handedOver);
    EXPECT_LE(second, handedOver + 2 * rig.frames());
    EXPECT_EQ(onsets[2] - onsets[0], samplesIn(200'000)) << "back on the timeline";
    EXPECT_EQ(rig.wave.sampleClock().anchors(), 2);
}

TEST(SampleClockScheduling, UntimedWritesKeepTheShortLatency) {
    for (const int frames : {128, 256}) {
        Rig rig(frames);
        rig.runDeviceUntil(kT0 + 50'000);
        rig.playCharacter(kT0 + 100'000, 4'000, false);
        rig.runDeviceUntil(kT0 + 300'000);
        const auto onsets = rig.onsets();
        ASSERT_EQ(onsets.size(), 1u);
        // One period after the write, counted from the block the device took last.
        const int64_t written = samplesIn(104'000);
        EXPECT_GE(onsets[0] - samplesIn(10'000), written + frames - 1) << frames;
        EXPECT_LE(onsets[0] - samplesIn(10'000), written + frames + 1) << frames;
    }
}

TEST(SampleClockScheduling, APlayOverByTheClockPlaysOutItsTailUnlessResetBeforeItsEnd) {
    Rig rig(128);
    rig.runDeviceUntil(kT0 + 50'000);
    rig.playCharacter(kT0 + 100'000, 0);
    // The UI sees the end at the logical end and releases the character, as the listening
    // playback does; the sound, a lead later, still has its tone.
    const int64_t endUs = kT0 + 100'000 + 70'000;
    rig.runDeviceUntil(endUs);
    rig.loop.dispatchTimed(endUs, [&] {
        EXPECT_EQ(rig.wave.unprepare(rig.handles[0], &rig.headers[0]), WaveResult::Ok);
        rig.wave.reset(rig.handles[0]);
        EXPECT_EQ(rig.wave.close(rig.handles[0]), WaveResult::Ok);
    });
    // A second character is stopped halfway through its tone.
    rig.playCharacter(kT0 + 300'000, 0);
    const int64_t leadUs = rig.wave.sampleClock().lead() * 1'000'000 / kRate;
    const int64_t stopUs = kT0 + 300'000 + leadUs + 10'000 + 10'000;
    rig.runDeviceUntil(stopUs);
    rig.loop.dispatchTimed(stopUs, [&] { rig.wave.reset(rig.handles[1]); });
    rig.runDeviceUntil(kT0 + 600'000);
    const auto onsets = rig.onsets();
    ASSERT_EQ(onsets.size(), 2u);
    auto toneLength = [&](int64_t from) {
        int64_t n = 0;
        while (size_t(from + n) < rig.stream.size() && rig.stream[size_t(from + n)] != 0)
            ++n;
        return n;
    };
    EXPECT_EQ(toneLength(onsets[0]), samplesIn(20'000)) << "the whole tone was heard";
    EXPECT_LT(toneLength(onsets[1]), samplesIn(20'000)) << "reset cut the tone";
    EXPECT_GT(toneLength(onsets[1]), 0);
    EXPECT_EQ(rig.wave.mixer().voiceCount(), 1) << "the played-out voice was freed";
}

} // namespace
} // namespace tessal
