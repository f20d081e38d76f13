#include "platform/espeak_speech.h"
#include "platform/qt_event_loop.h"
#include "platform/sdl_simple_sounds.h"
#include "platform/sdl_wave_output.h"

#include <algorithm>
#include <gtest/gtest.h>

// Beep, MessageBeep and speech on the production platform (SDL's dummy driver).

namespace tessal {
namespace {

int peak(const std::vector<int16_t>& samples) {
    int peak = 0;
    for (int16_t s : samples)
        peak = std::max(peak, std::abs(int(s)));
    return peak;
}

TEST(SdlSimpleSounds, BeepIsASineOfTheAskedLength) {
    const std::vector<int16_t> samples = beepSamples(1000, 100);
    ASSERT_EQ(samples.size(), 4410u);
    EXPECT_EQ(samples.front(), 0);
    EXPECT_GT(peak(samples), 10000);
    EXPECT_LE(peak(samples), 32767);
    EXPECT_TRUE(beepSamples(1000, 0).empty());
}

TEST(SdlSimpleSounds, TheTwoNotificationSoundsDiffer) {
    const std::vector<int16_t> chime = notificationSamples(MessageSound::Asterisk);
    const std::vector<int16_t> buzz = notificationSamples(MessageSound::Hand);
    EXPECT_EQ(notificationSamples(MessageSound::Ok), chime);
    EXPECT_EQ(notificationSamples(MessageSound::Exclamation), buzz);
    EXPECT_NE(chime, buzz);
    for (const auto* sound : {&chime, &buzz}) {
        EXPECT_GT(sound->size(), 44100u / 10);
        EXPECT_LT(sound->size(), 44100u / 2); // short
        EXPECT_GT(peak(*sound), 3000);
    }
}

TEST(SdlSimpleSounds, BeepReturnsWhenItHasSoundedAndNotificationsDoNotBlock) {
    QtEventLoop loop;
    SdlWaveOutput wave({"dummy", 256});
    SdlSimpleSounds sounds(wave, loop);
    sounds.messageBeep(MessageSound::Asterisk);
    EXPECT_EQ(sounds.openNotifications(), 1);
    sounds.beep(880, 30);
    EXPECT_EQ(sounds.openNotifications(), 1); // the chime goes on
    EXPECT_EQ(wave.mixer().voiceCount(), 1);
    for (int i = 0; i < 40 && sounds.openNotifications() > 0; ++i)
        sounds.beep(880, 20); // a finished notification is closed at the next call
    EXPECT_EQ(sounds.openNotifications(), 0);
    EXPECT_EQ(wave.mixer().voiceCount(), 0);
}

TEST(EspeakSpeech, CommasSeparateTheCharactersToSpell) {
    const std::vector<SpeechUtterance> latin = speechUtterances(QStringLiteral(",K,A,?"));
    ASSERT_EQ(latin.size(), 1u);
    EXPECT_FALSE(latin[0].japanese);
    EXPECT_EQ(latin[0].ssml,
              QStringLiteral("<speak><say-as interpret-as=\"characters\">K</say-as>"
                             "<say-as interpret-as=\"characters\">A</say-as>"
                             "<say-as interpret-as=\"characters\">?</say-as></speak>"));
    // A comma after a separating comma is a character; markup characters are escaped.
    const std::vector<SpeechUtterance> symbols = speechUtterances(QStringLiteral(",C,,,<"));
    ASSERT_EQ(symbols.size(), 1u);
    EXPECT_EQ(symbols[0].ssml,
              QStringLiteral("<speak><say-as interpret-as=\"characters\">C</say-as>"
                             "<say-as interpret-as=\"characters\">,</say-as>"
                             "<say-as interpret-as=\"characters\">&lt;</say-as></speak>"));
}

TEST(EspeakSpeech, KanaGoToTheJapaneseVoiceWithMarksByName) {
    const std::vector<SpeechUtterance> utterances =
        speechUtterances(QString::fromUtf8(" ,ア,゛,ｶ,1"));
    ASSERT_EQ(utterances.size(), 2u);
    EXPECT_TRUE(utterances[0].japanese);
    EXPECT_EQ(utterances[0].ssml, QString::fromUtf8("<speak>ア<break time=\"150ms\"/>だくてん"
                                                    "<break time=\"150ms\"/>カ</speak>"));
    EXPECT_FALSE(utterances[1].japanese);
    EXPECT_TRUE(speechUtterances(QStringLiteral(", ,")).empty());
}

TEST(EspeakSpeech, LinearResamplingDoublesTheRate) {
    EXPECT_EQ(resampleLinear({0, 100, 50}, 22050, 44100),
              (std::vector<int16_t>{0, 50, 100, 75, 50, 50}));
    EXPECT_EQ(resampleLinear({1, 2}, 44100, 44100), (std::vector<int16_t>{1, 2}));
    EXPECT_TRUE(resampleLinear({}, 22050, 44100).empty());
}

TEST(EspeakSpeech, SynthesizesLetterNamesAndKana) {
    QtEventLoop loop;
    SdlWaveOutput wave({"dummy", 256});
    EspeakSpeech speech(wave, loop);
    if (!speech.available())
        GTEST_SKIP() << "espeak-ng data not installed";
    const std::vector<int16_t> letter = speech.synthesize(QStringLiteral(",A"));
    const std::vector<int16_t> kana = speech.synthesize(QString::fromUtf8(",ア"));
    // "ay" and "a" each last a tenth of a second or more at 44100 Hz, and are not silence.
    EXPECT_GT(letter.size(), 4410u);
    EXPECT_GT(kana.size(), 4410u);
    EXPECT_GT(peak(letter), 1000);
    EXPECT_GT(peak(kana), 1000);
    EXPECT_EQ(estimatedSpeechMs(QStringLiteral(",K,A,B")),
              3 * estimatedSpeechMs(QStringLiteral(",K")));
}

} // namespace
} // namespace tessal
