#include "support/form_rig.h"
#include "widgets/gd_button.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QSlider>
#include <cmath>
#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::FormRig;

namespace {

const QColor kBlue{0x00, 0x00, 0xFF};
const QColor kYellow{0xFF, 0xFF, 0x00};
const QColor kGreen{0x00, 0x80, 0x00};
const QString kNotReady = QStringLiteral("Soound NOT Ready");
const QString kReady = QStringLiteral("SOUND Ready");
const QString kOff = QStringLiteral("SOUND OFF");

void sendMouse(QWidget* widget, QEvent::Type type) {
    const QPointF inside(5, 5);
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, inside, widget->mapToGlobal(inside), Qt::LeftButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Holds TEST for `heldMs` of virtual time; returns the mark it showed while held.
QColor holdTest(FormRig& rig, int64_t heldMs) {
    sendMouse(rig->SoundTestBtn, QEvent::MouseButtonPress);
    const QColor whileHeld = rig->SoundTestBtn->mark();
    rig.loop().runFor(heldMs);
    sendMouse(rig->SoundTestBtn, QEvent::MouseButtonRelease);
    return whileHeld;
}

// The pitch of a stretch of tape: whole cycles between its first and last rising zero crossing.
int measuredHz(const std::vector<int16_t>& samples) {
    std::vector<std::size_t> rising;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (samples[i - 1] < 0 && samples[i] >= 0)
            rising.push_back(i);
    }
    if (rising.size() < 2)
        return 0;
    const double cycles = double(rising.size() - 1);
    return int(std::lround(cycles * Tape::kSampleRate / double(rising.back() - rising.front())));
}

// Holds TEST for 200 ms and measures the pitch of the middle of the sidetone heard.
int pitchOfTestTone(FormRig& rig) {
    const int64_t from = rig.loop().now();
    holdTest(rig, 200);
    return measuredHz(rig.tape().render(from + 50'000, from + 150'000));
}

} // namespace

TEST(SoundSetup, VolumesReachSlidersAndAmplitudesWithinTheirRange) {
    struct Case {
        QString settings;
        int position1, position2;
    };
    const std::vector<Case> cases = {
        {"Volume1=10\nVolume2=100\n", 10, 100},
        // A hand-edited file must not push the samples past 16 bits.
        {"Volume1=500\nVolume2=-3\n", 100, 10},
    };
    for (const Case& c : cases) {
        FormRig rig(QStringLiteral("[TessalSystem]\n") + c.settings);
        EXPECT_EQ(rig->ListeningVolTBar->value(), c.position1) << c.settings.toStdString();
        EXPECT_EQ(rig->KeyVolTBar->value(), c.position2) << c.settings.toStdString();
        EXPECT_EQ(rig->Volume_1, c.position1 * 300) << c.settings.toStdString();
        EXPECT_EQ(rig->Volume_2, c.position2 * 300) << c.settings.toStdString();
    }
    // Dragging the sliders: 10 gives amplitude 3000, 100 gives 30000.
    FormRig rig;
    rig->ListeningVolTBar->setValue(10);
    rig->KeyVolTBar->setValue(100);
    EXPECT_EQ(rig->Volume1, 10);
    EXPECT_EQ(rig->Volume_1, 3000);
    EXPECT_EQ(rig->Volume2, 100);
    EXPECT_EQ(rig->Volume_2, 30000);
}

TEST(SoundSetup, StoredSoundCodesChooseFrequencyAndItem) {
    struct Case {
        int code1, code2;
        int hz1, hz2;
        QString shown1, shown2; // "" when no item is chosen
    };
    const std::vector<Case> cases = {
        {3, 3, 1000, 1000, "1kHz", "1kHz"},
        {0, 8, 700, 1500, "700Hz", "1.5kHz"},
        {12, 5, 1000, 1200, "", "1.2kHz"},
        {-1, 9, 1000, 1000, "", ""},
    };
    for (const Case& c : cases) {
        FormRig rig(QStringLiteral("[TessalSystem]\nSoundCode1=%1\nSoundCode2=%2\n")
                        .arg(c.code1)
                        .arg(c.code2));
        const std::string name = std::to_string(c.code1) + "/" + std::to_string(c.code2);
        EXPECT_EQ(rig->Frequency1, c.hz1) << name;
        EXPECT_EQ(rig->Frequency2, c.hz2) << name;
        EXPECT_EQ(rig->SoundSelectCBox1->currentText(), c.shown1) << name;
        EXPECT_EQ(rig->SoundSelectCBox2->currentText(), c.shown2) << name;
        // Showing the stored codes must not overwrite them with what the boxes hold.
        EXPECT_EQ(rig->SoundCode1, c.code1) << name;
        EXPECT_EQ(rig->SoundCode2, c.code2) << name;
    }
}

TEST(SoundSetup, SoundButtonSwitchesStatusMarkAndDevice) {
    FormRig rig;
    EXPECT_EQ(rig->statusText(2), kNotReady);
    struct Step {
        QString status;
        QColor mark;
        int waveReady;
        int devices;
        bool lowLatency; // the output keeps its shortest period for the keyer
    };
    const Step steps[] = {
        {kReady, kYellow, -1, 1, true}, {kOff, kBlue, 0, 0, false}, {kReady, kYellow, -1, 1, true}};
    for (const Step& step : steps) {
        rig->SoundSetUpBtn->click();
        EXPECT_EQ(rig->statusText(2), step.status);
        EXPECT_EQ(rig->SoundSetUpBtn->mark(), step.mark);
        EXPECT_EQ(rig->WaveReady, step.waveReady);
        EXPECT_EQ(rig.sim.wave().openDevices(), step.devices);
        EXPECT_EQ(rig.sim.wave().lowLatency(), step.lowLatency);
    }
}

TEST(SoundSetup, StackingKeyGetsReadyWithoutASidetoneDevice) {
    FormRig rig;
    rig->SKeyMode = -1;
    rig->SoundSetUpBtn->click();
    EXPECT_EQ(rig->statusText(2), kReady);
    EXPECT_EQ(rig->WaveReady, -1);
    EXPECT_EQ(rig.sim.wave().opensSoFar(), 0);
    // Its strings are keyed too: the output keeps the short period until the sound goes off.
    EXPECT_TRUE(rig.sim.wave().lowLatency());
    rig->SoundSetUpBtn->click();
    EXPECT_FALSE(rig.sim.wave().lowLatency());
}

TEST(SoundSetup, TestButtonWithSoundOffDoesNothing) {
    FormRig rig;
    const QColor whileHeld = holdTest(rig, 300);
    EXPECT_EQ(whileHeld, kBlue);
    EXPECT_EQ(rig->SoundTestBtn->mark(), kBlue);
    EXPECT_TRUE(rig.tape().toneSpans(0, rig.loop().now()).empty());
}

TEST(SoundSetup, TestButtonHeldSoundsTheSidetoneForTheHeldTime) {
    FormRig rig;
    rig->SoundSetUpBtn->click();
    rig.loop().runFor(100);
    const int64_t pressedUs = rig.loop().now();
    const QColor whileHeld = holdTest(rig, 250);
    rig.loop().runFor(100);
    EXPECT_EQ(whileHeld, kGreen);
    EXPECT_EQ(rig->SoundTestBtn->mark(), kBlue);
    const auto spans = rig.tape().toneSpans(0, rig.loop().now());
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_NEAR(double(spans[0].onUs), double(pressedUs), 100.0);
    EXPECT_NEAR(double(spans[0].lengthUs()), 250'000.0, 1000.0);
    EXPECT_EQ(rig.sim.wave().openDevices(), 1); // the device keeps looping between elements
}

TEST(SoundSetup, NewKeyerPitchWaitsForTheSoundToBeSwitchedOnAgain) {
    FormRig rig;
    rig->SoundSetUpBtn->click();
    EXPECT_EQ(pitchOfTestTone(rig), 1000);
    rig->SoundSelectCBox2->setCurrentIndex(8);
    EXPECT_EQ(pitchOfTestTone(rig), 1000);
    rig->SoundSetUpBtn->click();
    rig->SoundSetUpBtn->click();
    EXPECT_EQ(pitchOfTestTone(rig), 1500);
}

TEST(SoundSetup, FailureToStartTheSidetoneIsReportedAndChangesNothing) {
    struct Case {
        const char* failure;
        QString message;
    };
    const std::vector<Case> cases = {
        {"open", QStringLiteral("Failed to open wave output device.")},
        {"prepare", QStringLiteral("Failed to prepare wave header.")},
        {"write", QStringLiteral("Failed to write wave data.")},
    };
    for (const Case& c : cases) {
        FormRig rig;
        const std::string name = c.failure;
        if (name == "open")
            rig.sim.wave().failOpens(1);
        else if (name == "prepare")
            rig.sim.wave().failPrepares(1);
        else
            rig.sim.wave().failWrites(1);
        rig->SoundSetUpBtn->click();
        EXPECT_EQ(rig.sim.dialogs().messages(), QStringList{c.message}) << name;
        EXPECT_EQ(rig->WaveReady, 0) << name;
        EXPECT_EQ(rig->statusText(2), kNotReady) << name;
        EXPECT_EQ(rig->SoundSetUpBtn->mark(), kBlue) << name;
        EXPECT_EQ(rig.sim.wave().openDevices(), 0) << name;
    }
}

TEST(SoundSetup, WithoutAnAudioDeviceSoundOnShowsTheFailedOpenNotReady) {
    for (int stackingKey : {0, -1}) {
        FormRig rig;
        rig.sim.wave().setSilent(true);
        rig->SKeyMode = stackingKey;
        rig->SoundSetUpBtn->click();
        EXPECT_EQ(rig.sim.dialogs().messages(),
                  QStringList{QStringLiteral("Failed to open wave output device.")})
            << stackingKey;
        EXPECT_EQ(rig->WaveReady, 0) << stackingKey;
        EXPECT_EQ(rig->statusText(2), kNotReady) << stackingKey;
        EXPECT_EQ(rig->SoundSetUpBtn->mark(), kBlue) << stackingKey;
        EXPECT_EQ(rig.sim.wave().openDevices(), 0) << stackingKey;
        EXPECT_FALSE(rig.sim.wave().lowLatency()) << stackingKey;
    }
}

TEST(SoundSetup, ReopeningReleasesTheEarlierDeviceAndAFailedReopenShowsTheSoundOff) {
    FormRig rig;
    rig->SoundSetUpBtn->click();
    // The key-type switch re-opens the sound this way.
    rig->WaveReady = 0;
    rig->platform().guarded([&] { rig->OpenKeyerSound(); });
    EXPECT_EQ(rig.sim.wave().openDevices(), 1);
    EXPECT_EQ(rig.sim.wave().opensSoFar(), 2);

    rig->WaveReady = 0;
    rig.sim.wave().failOpens(1);
    rig->platform().guarded([&] { rig->OpenKeyerSound(); });
    EXPECT_EQ(rig.sim.dialogs().messages().size(), 1);
    EXPECT_EQ(rig.sim.wave().openDevices(), 0);
    EXPECT_EQ(rig->statusText(2), kOff);
    EXPECT_EQ(rig->SoundSetUpBtn->mark(), kBlue);
    rig->SoundSetUpBtn->click();
    EXPECT_EQ(rig->statusText(2), kReady);
}

TEST(SoundSetup, VolumeResetSetsSeventyPercentOnTheSidetoneDevice) {
    FormRig rig;
    rig->SoundPMenu1->trigger(); // sound off: no device to reset
    EXPECT_TRUE(rig.sim.dialogs().messages().isEmpty());
    rig->SoundSetUpBtn->click();
    ASSERT_FALSE(rig.tape().voices().empty());
    const WaveHandle sidetone = rig.tape().voices().back().device;
    rig->SoundPMenu1->trigger();
    EXPECT_EQ(rig.sim.wave().volume(sidetone), 0xB332B332u);
}

TEST(SoundSetup, SoundTestPlaysTheScaleEvenWithoutWaveOutput) {
    FormRig rig;
    rig.sim.wave().failOpens(1000);
    const int64_t startUs = rig.loop().now();
    rig->SoundTest1->trigger();
    const int expectedHz[] = {262, 294, 330, 349, 392, 440, 494, 523};
    const auto& beeps = rig.sim.sounds().beeps();
    ASSERT_EQ(beeps.size(), std::size(expectedHz));
    for (std::size_t i = 0; i < beeps.size(); ++i) {
        EXPECT_EQ(beeps[i].frequencyHz, expectedHz[i]);
        EXPECT_EQ(beeps[i].durationMs, 300);
        EXPECT_EQ(beeps[i].atUs, startUs + int64_t(i) * 300'000);
    }
    EXPECT_EQ(rig.loop().now() - startUs, 2'400'000);
}
