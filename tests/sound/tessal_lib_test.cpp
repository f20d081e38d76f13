#include "platform/error.h"
#include "platform/sim_platform.h"
#include "sound/tessal_lib.h"
#include "sound/tone_synthesis.h"

#include <gtest/gtest.h>

using namespace tessal;

namespace {

struct Rig {
    SimPlatform sim;
    TessalLib lib{sim};
    SimEventLoop& loop() { return sim.loop(); }
    Tape& tape() { return sim.wave().tape(); }
};

const QString kOpenMessage = QStringLiteral(
    "An error occurred WaveHeader1: \r\nFailed to open wave output device.\r\n Please Retry");

} // namespace

TEST(TessalLib, ListenPlayBlocksUntilTheSoundEndsThenPauses) {
    Rig rig;
    rig.loop().sleep(5);
    const int64_t duration = rig.lib.MakeListenWave("SL", 1000, 15000, 120, 360);
    EXPECT_EQ(duration, 840);
    std::vector<int> statesSeen;
    rig.loop().at(300, [&] { statesSeen.push_back(rig.lib.ListenWaveState()); });
    rig.lib.PlayListenWave(75);
    // 120 + 120 + 360 + 120 ms of samples, then the 75 ms closing pause.
    EXPECT_EQ(rig.loop().now(), 5000 + Tape::usAt(samplesForMs(720)) + 75000);
    EXPECT_EQ(statesSeen, std::vector<int>{6}) << "messages are processed while it waits";
    EXPECT_EQ(rig.lib.ListenWaveState(), 0);
    EXPECT_TRUE(rig.lib.listenBuffer().empty());
    EXPECT_EQ(rig.sim.wave().openDevices(), 0);
    // Spans run from the first to the last non-zero sample: a few samples of each edge ramp
    // round to zero.
    const auto spans = rig.tape().toneSpans(0, 2'000'000);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_NEAR(spans[0].onUs, 5000, 60);
    EXPECT_NEAR(spans[0].lengthUs(), 120000, 120);
    EXPECT_NEAR(spans[1].onUs, 5000 + 240000, 60);
    EXPECT_NEAR(spans[1].lengthUs(), 360000, 120);
    EXPECT_TRUE(rig.sim.dialogs().messages().isEmpty());
}

TEST(TessalLib, FailedListenPlaysAreToldOnceAndKeepTheirTime) {
    struct Case {
        const char* name;
        void (SimWaveOutput::*inject)(int);
        QString message;
    };
    const std::vector<Case> cases = {
        {"open", &SimWaveOutput::failOpens, kOpenMessage},
        {"prepare", &SimWaveOutput::failPrepares,
         "An error occurred WaveHeader1: \r\nFailed to prepare wave header.\r\n Please Retry"},
        {"write", &SimWaveOutput::failWrites,
         "An error occurred WaveHeader1: \r\nFailed to write WaveHeader1\r\n Please Retry"},
    };
    for (const Case& c : cases) {
        Rig rig;
        (rig.sim.wave().*c.inject)(2);
        for (int play = 0; play < 3; ++play) {
            const int64_t start = rig.loop().now();
            rig.lib.MakeListenWave("S", 1000, 15000, 100, 300);
            rig.lib.PlayListenWave(75);
            EXPECT_EQ(rig.loop().now() - start, 200000 + 75000) << c.name << " play " << play;
            EXPECT_EQ(rig.lib.ListenWaveState(), 0) << c.name;
            EXPECT_EQ(rig.sim.wave().openDevices(), 0) << c.name;
        }
        EXPECT_EQ(rig.sim.dialogs().messages(), QStringList{c.message}) << c.name;
        // The third play found the device working again and sounded.
        EXPECT_EQ(rig.tape().toneSpans(0, rig.loop().now()).size(), 1u) << c.name;
    }
}

TEST(TessalLib, WithoutAnAudioDeviceListeningSaysSoOnceAndKeepsItsTime) {
    Rig rig;
    rig.sim.wave().setSilent(true);
    for (int play = 0; play < 3; ++play) {
        const int64_t start = rig.loop().now();
        rig.lib.MakeListenWave("S", 1000, 15000, 100, 300);
        rig.lib.PlayListenWave(75);
        EXPECT_EQ(rig.loop().now() - start, Tape::usAt(samplesForMs(200)) + 75000) << play;
        EXPECT_EQ(rig.lib.ListenWaveState(), 0);
    }
    EXPECT_EQ(rig.sim.dialogs().messages(),
              QStringList{"No audio output device was found.\r\nExercises go on silently."});
}

TEST(TessalLib, ListenFailureIsToldAgainAfterTheDeviceHadRecovered) {
    Rig rig;
    rig.sim.wave().failOpens(1);
    rig.lib.MakeListenWave("S", 1000, 15000, 50, 150);
    rig.lib.PlayListenWave(75);
    rig.lib.MakeListenWave("S", 1000, 15000, 50, 150);
    rig.lib.PlayListenWave(75);
    rig.sim.wave().failOpens(1);
    rig.lib.MakeListenWave("S", 1000, 15000, 50, 150);
    rig.lib.PlayListenWave(75);
    EXPECT_EQ(rig.sim.dialogs().messages(), (QStringList{kOpenMessage, kOpenMessage}));
}

TEST(TessalLib, KeyerPlayReturnsAtOnceAndIsClosedByItsCaller) {
    Rig rig;
    const int64_t duration = rig.lib.MakeKeyerWave("SL", 800, 15000, 60, 180);
    EXPECT_EQ(duration, 60 + 120 + 180 + 120 + 60);
    rig.lib.PlayKeyerWave();
    EXPECT_EQ(rig.loop().now(), 0);
    EXPECT_EQ(rig.sim.wave().openDevices(), 1);
    // Refilling the buffer for the next string must not change what is sounding.
    rig.lib.MakeKeyerWave("LLLL", 800, 15000, 60, 180);
    rig.loop().runFor(duration);
    rig.lib.CloseKeyerDevice();
    EXPECT_EQ(rig.sim.wave().openDevices(), 0);
    const auto spans = rig.tape().toneSpans(0, 2'000'000);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_NEAR(spans[0].lengthUs(), 60000, 120);
    EXPECT_NEAR(spans[1].onUs, 60000 + 120000, 60);
    EXPECT_NEAR(spans[1].lengthUs(), 180000, 120);
}

TEST(TessalLib, KeyerFailureMessage) {
    Rig rig;
    rig.sim.wave().failWrites(1);
    rig.lib.MakeKeyerWave("S", 800, 15000, 60, 180);
    rig.lib.PlayKeyerWave();
    EXPECT_EQ(
        rig.sim.dialogs().messages(),
        QStringList{
            "An error occurred WaveHeader2: \r\nFailed to write wave data.\r\n Please Retry"});
    EXPECT_EQ(rig.sim.wave().openDevices(), 0);
}

TEST(TessalLib, SidetoneLoopsOnOneDeviceAndSwitchesByOverwriting) {
    Rig rig;
    ASSERT_TRUE(rig.lib.InitSidetone(1000, 15000));
    EXPECT_EQ(rig.tape().voices().size(), 0u) << "the loop is not queued until started";
    rig.lib.StartSidetoneLoop();
    const int opens = rig.sim.wave().opensSoFar();
    // Quick key edges: 30 ms on, 20 ms off, ten times.
    for (int i = 0; i < 10; ++i) {
        rig.loop().runFor(20);
        rig.lib.SidetoneOn();
        rig.loop().runFor(30);
        rig.lib.SidetoneOff();
    }
    rig.loop().runFor(1500);
    EXPECT_EQ(rig.sim.wave().opensSoFar(), opens);
    EXPECT_EQ(rig.sim.wave().openDevices(), 1);
    ASSERT_EQ(rig.tape().voices().size(), 1u);
    const auto spans = rig.tape().toneSpans(0, rig.loop().now());
    ASSERT_EQ(spans.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_NEAR(spans[std::size_t(i)].onUs, 20000 + 50000 * i, 30) << i;
        EXPECT_NEAR(spans[std::size_t(i)].lengthUs(), 30000, 60) << i;
    }
}

TEST(TessalLib, SidetoneReopenReleasesTheEarlierDevice) {
    Rig rig;
    rig.lib.InitSidetone(1000, 15000);
    rig.lib.StartSidetoneLoop();
    rig.lib.InitSidetone(700, 15000);
    rig.lib.StartSidetoneLoop();
    EXPECT_EQ(rig.sim.wave().openDevices(), 1);
    rig.lib.CloseAll();
    EXPECT_EQ(rig.sim.wave().openDevices(), 0);
    EXPECT_FALSE(rig.lib.sidetoneOpen());
}

TEST(TessalLib, SidetoneFailuresRaiseTheirTexts) {
    struct Case {
        void (SimWaveOutput::*inject)(int);
        bool onStart;
        QString text;
    };
    const std::vector<Case> cases = {
        {&SimWaveOutput::failOpens, false, "Failed to open wave output device."},
        {&SimWaveOutput::failPrepares, false, "Failed to prepare wave header."},
        {&SimWaveOutput::failWrites, true, "Failed to write wave data."},
    };
    for (const Case& c : cases) {
        Rig rig;
        (rig.sim.wave().*c.inject)(1);
        QString raised;
        try {
            rig.lib.InitSidetone(1000, 15000);
            rig.lib.StartSidetoneLoop();
        } catch (const TessalError& error) {
            raised = error.message();
        }
        EXPECT_EQ(raised, c.text);
        EXPECT_EQ(rig.sim.wave().openDevices(), 0) << c.text.toStdString();
    }
}
