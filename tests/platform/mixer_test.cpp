#include "platform/mixer.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace tessal {
namespace {

std::vector<int16_t> rendered(Mixer& mixer, int frames) {
    std::vector<int16_t> out(std::size_t(frames), int16_t(-1));
    mixer.render(out.data(), frames);
    return out;
}

using Samples = std::vector<int16_t>;

TEST(Mixer, SumsVoicesAndClampsTo16Bits) {
    Mixer mixer;
    const Mixer::VoiceId a = mixer.addVoice();
    const Mixer::VoiceId b = mixer.addVoice();
    const Samples first{100, 30000, -30000, 5};
    const Samples second{-40, 10000, -10000};
    mixer.play(a, first.data(), first.size());
    mixer.play(b, second.data(), second.size());
    EXPECT_EQ(rendered(mixer, 5), (Samples{60, 32767, -32768, 5, 0}));
}

TEST(Mixer, NonLoopingVoiceEndsOnceAndNotifies) {
    Mixer mixer;
    std::vector<Mixer::VoiceId> ended;
    mixer.setOnVoiceEnd([&](Mixer::VoiceId voice) { ended.push_back(voice); });
    const Mixer::VoiceId voice = mixer.addVoice();
    Samples samples{1, 2, 3, 4, 5};
    mixer.play(voice, samples.data(), samples.size());
    samples.assign(5, 99); // the voice plays its own copy

    EXPECT_EQ(rendered(mixer, 3), (Samples{1, 2, 3}));
    EXPECT_TRUE(mixer.playing(voice));
    EXPECT_EQ(mixer.position(voice), 3u);
    EXPECT_TRUE(ended.empty());

    EXPECT_EQ(rendered(mixer, 4), (Samples{4, 5, 0, 0}));
    EXPECT_FALSE(mixer.playing(voice));
    EXPECT_EQ(ended, std::vector<Mixer::VoiceId>{voice});

    rendered(mixer, 4);
    EXPECT_EQ(ended.size(), 1u);
}

TEST(Mixer, LoopWrapsAroundAndKeepsItsPosition) {
    Mixer mixer;
    const Mixer::VoiceId voice = mixer.addVoice();
    Samples loop{1, 2, 3};
    mixer.playLooped(voice, loop.data(), loop.size());
    EXPECT_EQ(rendered(mixer, 7), (Samples{1, 2, 3, 1, 2, 3, 1}));
    EXPECT_EQ(mixer.position(voice), 1u);
    EXPECT_TRUE(mixer.playing(voice));
}

TEST(Mixer, OverwriteWhileLoopingIsHeardFromTheReadPosition) {
    Mixer mixer;
    const Mixer::VoiceId voice = mixer.addVoice();
    Samples loop(4, 0);
    mixer.playLooped(voice, loop.data(), loop.size());
    EXPECT_EQ(rendered(mixer, 2), (Samples{0, 0}));
    const Samples tone{10, 20, 30, 40};
    Mixer::overwriteLooped(loop.data(), tone.data(), tone.size());
    EXPECT_EQ(rendered(mixer, 4), (Samples{30, 40, 10, 20}));
    const Samples silence(4, 0);
    Mixer::overwriteLooped(loop.data(), silence.data(), silence.size());
    EXPECT_EQ(rendered(mixer, 3), (Samples{0, 0, 0}));
}

TEST(Mixer, VolumeIsTheLeftHalfWithFullScaleUnity) {
    struct Case {
        uint32_t volume;
        int16_t expected;
    };
    for (const Case& c : {Case{0xFFFFFFFFu, 20000}, Case{0x0000FFFFu, 20000}, Case{0xFFFF0000u, 0},
                          Case{0x00008000u, 10000}, Case{0, 0}}) {
        Mixer mixer;
        const Mixer::VoiceId voice = mixer.addVoice();
        const Samples samples{20000};
        mixer.setVolume(voice, c.volume);
        mixer.play(voice, samples.data(), samples.size());
        EXPECT_EQ(rendered(mixer, 1)[0], c.expected) << std::hex << c.volume;
    }
}

TEST(Mixer, PausedVoiceIsSilentAndKeepsItsPlace) {
    Mixer mixer;
    const Mixer::VoiceId voice = mixer.addVoice();
    const Samples samples{1, 2, 3, 4};
    mixer.play(voice, samples.data(), samples.size());
    rendered(mixer, 1);
    mixer.setPaused(voice, true);
    EXPECT_EQ(rendered(mixer, 2), (Samples{0, 0}));
    EXPECT_EQ(mixer.position(voice), 1u);
    mixer.setPaused(voice, false);
    EXPECT_EQ(rendered(mixer, 2), (Samples{2, 3}));
}

TEST(Mixer, StoppedAndRemovedVoicesAreSilent) {
    Mixer mixer;
    const Mixer::VoiceId looped = mixer.addVoice();
    const Mixer::VoiceId plain = mixer.addVoice();
    Samples loop{7, 7};
    const Samples samples{5, 5, 5};
    mixer.playLooped(looped, loop.data(), loop.size());
    mixer.play(plain, samples.data(), samples.size());
    mixer.stop(looped);
    EXPECT_FALSE(mixer.playing(looped));
    mixer.removeVoice(plain);
    EXPECT_EQ(mixer.voiceCount(), 1);
    EXPECT_EQ(rendered(mixer, 2), (Samples{0, 0}));
}

TEST(Mixer, AnotherPlayReplacesWhatTheVoicePlayed) {
    Mixer mixer;
    const Mixer::VoiceId voice = mixer.addVoice();
    Samples loop{9, 9};
    const Samples samples{1, 2};
    mixer.playLooped(voice, loop.data(), loop.size());
    rendered(mixer, 1);
    mixer.play(voice, samples.data(), samples.size());
    EXPECT_EQ(rendered(mixer, 3), (Samples{1, 2, 0}));
}

TEST(Mixer, LongRenderSpansChunksAndReportsWhatItHandedOut) {
    Mixer mixer;
    const Mixer::VoiceId voice = mixer.addVoice();
    Samples loop(3, 0);
    for (int i = 0; i < 3; ++i)
        loop[std::size_t(i)] = int16_t(i + 1);
    mixer.playLooped(voice, loop.data(), loop.size());
    int reportedFrames = 0;
    int16_t reportedLast = 0;
    mixer.setOnRendered([&](const int16_t* out, int frames) {
        reportedFrames = frames;
        reportedLast = out[frames - 1];
    });
    const Samples out = rendered(mixer, 1500);
    EXPECT_EQ(out[1499], int16_t(1499 % 3 + 1));
    EXPECT_EQ(reportedFrames, 1500);
    EXPECT_EQ(reportedLast, out[1499]);
}

TEST(Mixer, ScheduledStartsKeepTheirSpacingWhateverTheBlockSize) {
    // Two voices written for stream positions 10 and 37 start exactly there, whether the audio
    // thread asks for blocks of 7, 16 or 64 samples; a start already passed sounds at once.
    for (int block : {7, 16, 64}) {
        Mixer mixer;
        const Mixer::VoiceId a = mixer.addVoice();
        const Mixer::VoiceId b = mixer.addVoice();
        const Samples tone{5, 6, 7};
        mixer.play(a, tone.data(), tone.size(), 10);
        mixer.play(b, tone.data(), tone.size(), 37);
        Samples out;
        while (out.size() < 64) {
            const Samples part = rendered(mixer, block);
            out.insert(out.end(), part.begin(), part.end());
        }
        Samples expected(out.size(), 0);
        for (int i = 0; i < 3; ++i) {
            expected[std::size_t(10 + i)] = tone[std::size_t(i)];
            expected[std::size_t(37 + i)] = tone[std::size_t(i)];
        }
        EXPECT_EQ(out, expected) << "blocks of " << block;
        EXPECT_EQ(mixer.startedAt(a), 10) << block;
        EXPECT_EQ(mixer.startedAt(b), 37) << block;
        EXPECT_EQ(mixer.streamPosition(), int64_t(out.size()));

        const Mixer::VoiceId late = mixer.addVoice();
        mixer.play(late, tone.data(), tone.size(), 3);
        const int64_t now = mixer.streamPosition();
        EXPECT_EQ(Samples(rendered(mixer, 4)), (Samples{5, 6, 7, 0})) << block;
        EXPECT_EQ(mixer.startedAt(late), now);
    }
}

// 5 ms raised cosine: the gain `k` samples into a fade-in of 220 samples.
double fadeIn(int k) {
    return k >= 220 ? 1.0 : (1.0 - std::cos(std::numbers::pi * k / 220.0)) / 2;
}

TEST(Mixer, LoopGateFadesInAndOutAlongARaisedCosineFromTheNextSample) {
    // A loop of constant samples shows the gate's gain directly. Each case renders blocks with
    // the gate set before each; the expected gain follows the fade phase sample by sample from
    // the very first sample after the switch (no latency is added).
    struct Step {
        bool open;
        int frames;
    };
    struct Case {
        const char* name;
        bool startsOpen;
        std::vector<Step> steps;
    };
    const std::vector<Case> cases = {
        {"key down from silence", false, {{false, 50}, {true, 300}}},
        {"key up after a full rise", false, {{true, 300}, {false, 300}}},
        {"key up halfway up the rise turns back from there", false, {{true, 100}, {false, 150}}},
        {"key down again while fading out", true, {{false, 60}, {true, 250}}},
        {"a loop written with sound plays at full level", true, {{true, 10}}},
    };
    for (const Case& c : cases) {
        Mixer mixer;
        const Mixer::VoiceId voice = mixer.addVoice();
        Samples loop(441, 20000);
        mixer.playLooped(voice, loop.data(), loop.size(), c.startsOpen);
        int phase = c.startsOpen ? 220 : 0;
        int at = 0;
        for (const Step& step : c.steps) {
            mixer.setGate(voice, step.open);
            const Samples out = rendered(mixer, step.frames);
            for (int i = 0; i < step.frames; ++i) {
                phase = step.open ? std::min(220, phase + 1) : std::max(0, phase - 1);
                ASSERT_EQ(out[std::size_t(i)], int16_t(std::lround(20000 * fadeIn(phase))))
                    << c.name << " at sample " << at + i;
            }
            at += step.frames;
        }
        EXPECT_TRUE(mixer.playing(voice)) << c.name << ": the loop keeps running";
    }
}

} // namespace
} // namespace tessal
