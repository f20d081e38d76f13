#include "platform/sim_platform.h"
#include "platform/wav_writer.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tessal;

namespace {

std::vector<int16_t> constant(std::size_t n, int16_t value) {
    return std::vector<int16_t>(n, value);
}

} // namespace

TEST(SimWaveOutput, PlainVoiceStillPlaysUntilItsSamplesRunOut) {
    SimPlatform sim;
    auto& wave = sim.wave();
    std::vector<int16_t> samples = constant(4410, 1000); // 100 ms
    WaveHandle h = 0;
    ASSERT_EQ(wave.open(&h, WaveFormat{}), WaveResult::Ok);
    WaveHeader header{samples.data(), uint32_t(samples.size() * 2), 0, 0, false};
    ASSERT_EQ(wave.prepare(h, &header), WaveResult::Ok);
    ASSERT_EQ(wave.write(h, &header), WaveResult::Ok);
    samples.assign(samples.size(), 0); // the written copy is what sounds
    EXPECT_EQ(wave.unprepare(h, &header), WaveResult::StillPlaying);
    EXPECT_EQ(wave.close(h), WaveResult::StillPlaying);
    int turns = 0;
    while (wave.unprepare(h, &header) == WaveResult::StillPlaying) {
        sim.loop().processMessages();
        ++turns;
    }
    EXPECT_EQ(sim.loop().now(), 100000);
    EXPECT_LE(turns, 101);
    EXPECT_EQ(wave.close(h), WaveResult::Ok);
    const auto spans = wave.tape().toneSpans(0, 200000);
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_EQ(spans[0].onUs, 0);
    EXPECT_EQ(spans[0].offUs, 100000);
}

TEST(SimWaveOutput, ResetCutsTheVoiceShort) {
    SimPlatform sim;
    auto& wave = sim.wave();
    std::vector<int16_t> samples = constant(44100, 500);
    WaveHandle h = 0;
    wave.open(&h, WaveFormat{});
    WaveHeader header{samples.data(), uint32_t(samples.size() * 2), 0, 0, false};
    wave.prepare(h, &header);
    wave.write(h, &header);
    sim.loop().runFor(30);
    wave.reset(h);
    EXPECT_EQ(wave.unprepare(h, &header), WaveResult::Ok);
    const auto spans = wave.tape().toneSpans(0, 1'000'000);
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_EQ(spans[0].offUs, 30000);
}

TEST(SimWaveOutput, LoopingVoicePlaysWhatWasOverwrittenFromThatMomentOn) {
    SimPlatform sim;
    auto& wave = sim.wave();
    std::vector<int16_t> loop(44100, 0);
    const std::vector<int16_t> tone = constant(44100, 7000);
    const std::vector<int16_t> silence(44100, 0);
    WaveHandle h = 0;
    wave.open(&h, WaveFormat{});
    WaveHeader header{loop.data(), 88200, kWaveBeginLoop | kWaveEndLoop, kWaveLoopForever, false};
    wave.prepare(h, &header);
    wave.write(h, &header);
    sim.loop().runFor(50);
    wave.overwriteLooped(&header, tone.data(), tone.size());
    sim.loop().runFor(150);
    wave.overwriteLooped(&header, silence.data(), silence.size());
    sim.loop().runFor(1300); // past the loop's seam
    wave.overwriteLooped(&header, tone.data(), tone.size());
    sim.loop().runFor(20);
    EXPECT_EQ(wave.unprepare(h, &header), WaveResult::StillPlaying);
    wave.pause(h);
    wave.reset(h);
    EXPECT_EQ(wave.unprepare(h, &header), WaveResult::Ok);
    EXPECT_EQ(wave.close(h), WaveResult::Ok);
    const auto spans = wave.tape().toneSpans(0, 3'000'000);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_NEAR(spans[0].onUs, 50000, 23);
    EXPECT_NEAR(spans[0].offUs, 200000, 23);
    EXPECT_NEAR(spans[1].onUs, 1500000, 23);
    EXPECT_NEAR(spans[1].offUs, 1520000, 23);
}

TEST(SimWaveOutput, InjectedFailuresAndVolume) {
    SimPlatform sim;
    auto& wave = sim.wave();
    WaveHandle h = 0;
    wave.failOpens(1);
    EXPECT_EQ(wave.open(&h, WaveFormat{}), WaveResult::BadDevice);
    EXPECT_EQ(wave.open(&h, WaveFormat{}), WaveResult::Ok);
    std::vector<int16_t> samples = constant(441, 10000);
    WaveHeader header{samples.data(), uint32_t(samples.size() * 2), 0, 0, false};
    EXPECT_EQ(wave.write(h, &header), WaveResult::Error) << "unprepared header";
    wave.prepare(h, &header);
    wave.setVolume(h, 0x80008000u);
    wave.write(h, &header);
    const auto mix = wave.tape().render(0, 10000);
    ASSERT_EQ(mix.size(), 441u);
    EXPECT_NEAR(mix[10], 5000, 1);
}

TEST(Tape, WavFileHoldsTheRenderedSamples) {
    SimPlatform sim;
    auto& wave = sim.wave();
    std::vector<int16_t> samples(882);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = int16_t(i * 37 - 16000);
    WaveHandle h = 0;
    wave.open(&h, WaveFormat{});
    WaveHeader header{samples.data(), uint32_t(samples.size() * 2), 0, 0, false};
    wave.prepare(h, &header);
    sim.loop().runFor(10);
    wave.write(h, &header);
    QTemporaryDir dir;
    const QString path = dir.filePath("tape.wav");
    ASSERT_TRUE(wave.tape().writeWav(path, 0, 40000));
    const AudioData wav = readAudioFile(path);
    EXPECT_EQ(wav.samplesPerSecond, 44100);
    ASSERT_EQ(wav.samples.size(), std::size_t(Tape::sampleAt(40000)));
    const int64_t start = Tape::sampleAt(10000);
    EXPECT_EQ(wav.samples[std::size_t(start - 1)], 0);
    for (std::size_t i = 0; i < samples.size(); ++i)
        ASSERT_EQ(wav.samples[std::size_t(start) + i], samples[i]) << i;
    EXPECT_EQ(wav.samples.back(), 0);
}

TEST(Tape, StreamedInPiecesWithFinishedVoicesDroppedEqualsTheWholeRender) {
    SimPlatform sim;
    auto& wave = sim.wave();
    // Overlapping plain voices at two volumes and a loop that is overwritten while it plays.
    std::vector<int16_t> a = constant(3000, 1000);
    std::vector<int16_t> b = constant(5000, -700);
    std::vector<int16_t> loop = constant(441, 300);
    WaveHandle ha = 0, hb = 0, hl = 0;
    wave.open(&ha, WaveFormat{});
    wave.open(&hb, WaveFormat{});
    wave.open(&hl, WaveFormat{});
    wave.setVolume(hb, 0x80008000u);
    WaveHeader headerA{a.data(), uint32_t(a.size() * 2), 0, 0, false};
    WaveHeader headerB{b.data(), uint32_t(b.size() * 2), 0, 0, false};
    WaveHeader headerL{loop.data(), uint32_t(loop.size() * 2), kWaveBeginLoop | kWaveEndLoop,
                       kWaveLoopForever, false};
    for (WaveHandle h : {ha, hb, hl})
        wave.prepare(h, h == ha ? &headerA : h == hb ? &headerB : &headerL);
    wave.write(hl, &headerL);
    for (int i = 0; i < 6; ++i) {
        sim.loop().runFor(37);
        wave.write(i % 2 ? hb : ha, i % 2 ? &headerB : &headerA);
        const std::vector<int16_t> louder = constant(441, int16_t(500 + 100 * i));
        wave.overwriteLooped(&headerL, louder.data(), louder.size());
    }
    sim.loop().runFor(200);
    wave.reset(hl);
    sim.loop().runFor(50);
    const int64_t end = sim.loop().now();

    Tape copy = wave.tape();
    const std::vector<int16_t> whole = copy.render(0, end);
    std::vector<int16_t> pieces;
    std::vector<int32_t> mix;
    std::vector<int16_t> piece;
    for (int64_t from = 0; from < end; from += 11'111) {
        const int64_t to = std::min(end, from + 11'111);
        wave.tape().render(from, to, mix, piece);
        pieces.insert(pieces.end(), piece.begin(), piece.end());
        wave.tape().dropVoicesEndedBy(to);
    }
    EXPECT_TRUE(pieces == whole) << pieces.size() << " vs " << whole.size();
    EXPECT_TRUE(wave.tape().voices().empty()) << "every voice has ended and is dropped";
    // Devices whose voices were dropped still stop and close cleanly.
    EXPECT_EQ(wave.reset(ha), WaveResult::Ok);
    EXPECT_EQ(wave.setVolume(hb, 0xFFFFFFFFu), WaveResult::Ok);
    EXPECT_EQ(wave.close(hb), WaveResult::Ok);
}
