#include "platform/espeak_speech.h"

#include "platform/event_loop.h"
#include "platform/sdl_wave_output.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cmath>

namespace tessal {
namespace {

constexpr int kOutputHz = 44100;
constexpr int kMsPerCharacter = 450;   // estimate for the silent fallback
constexpr int kVoiceChangeGapMs = 120; // between utterances of the two voices
// The Japanese marks espeak-ng does not read, by their names.
struct MarkName {
    char32_t mark;
    const char* name;
};
constexpr MarkName kMarkNames[] = {
    {U'\u309B', "だくてん"},       {U'\uFF9E', "だくてん"},     {U'\u3099', "だくてん"},
    {U'\u309C', "はんだくてん"},   {U'\uFF9F', "はんだくてん"}, {U'\u309A', "はんだくてん"},
    {U'\u30FC', "ちょうおん"},     {U'\uFF70', "ちょうおん"},   {U'\u3001', "とうてん"},
    {U'\uFF64', "とうてん"},       {U'\u3002', "くてん"},       {U'\uFF61', "くてん"},
    {U'\u300C', "かぎかっこ"},     {U'\uFF62', "かぎかっこ"},   {U'\u300D', "かぎかっことじ"},
    {U'\uFF63', "かぎかっことじ"}, {U'\uFF08', "かっこ"},       {U'\uFF09', "かっことじ"},
    {U'\u30FB', "なかぐろ"},       {U'\uFF65', "なかぐろ"},
};

bool isJapanese(char32_t c) {
    return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF61 && c <= 0xFF9F) || c == 0xFF08 ||
           c == 0xFF09;
}

QString xmlEscaped(const QString& text) {
    return text.toHtmlEscaped().replace(QLatin1Char('\''), QLatin1String("&apos;"));
}

// A Japanese character as the ja voice should get it.
QString japaneseSpelling(char32_t c) {
    for (const MarkName& entry : kMarkNames) {
        if (entry.mark == c)
            return QString::fromUtf8(entry.name);
    }
    // Half-width katakana become full-width.
    return QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KC);
}

// The characters of the text, without the separating commas and blanks.
std::vector<char32_t> spelledCharacters(const QString& text) {
    std::vector<char32_t> characters;
    bool afterSeparator = false;
    for (char32_t c : text.toUcs4()) {
        if (c == U',' && !afterSeparator) {
            afterSeparator = true;
            continue;
        }
        afterSeparator = false;
        if (!QChar::isSpace(c))
            characters.push_back(c);
    }
    return characters;
}

} // namespace

std::vector<SpeechUtterance> speechUtterances(const QString& text) {
    std::vector<SpeechUtterance> utterances;
    for (char32_t c : spelledCharacters(text)) {
        const bool japanese = isJapanese(c);
        if (utterances.empty() || utterances.back().japanese != japanese)
            utterances.push_back({japanese, QString()});
        QString& ssml = utterances.back().ssml;
        if (japanese) {
            if (!ssml.isEmpty())
                ssml += QLatin1String("<break time=\"150ms\"/>");
            ssml += xmlEscaped(japaneseSpelling(c));
        } else {
            ssml += QLatin1String("<say-as interpret-as=\"characters\">") +
                    xmlEscaped(QString::fromUcs4(&c, 1)) + QLatin1String("</say-as>");
        }
    }
    for (SpeechUtterance& utterance : utterances)
        utterance.ssml = QLatin1String("<speak>") + utterance.ssml + QLatin1String("</speak>");
    return utterances;
}

std::vector<int16_t> resampleLinear(const std::vector<int16_t>& samples, int fromHz, int toHz) {
    if (samples.empty() || fromHz <= 0 || toHz <= 0)
        return {};
    if (fromHz == toHz)
        return samples;
    const std::size_t count = std::size_t(int64_t(samples.size()) * toHz / fromHz);
    std::vector<int16_t> out(count);
    const std::size_t last = samples.size() - 1;
    for (std::size_t j = 0; j < count; ++j) {
        const int64_t scaled = int64_t(j) * fromHz; // position j * fromHz / toHz, kept exact
        const std::size_t i = std::size_t(scaled / toHz);
        const double fraction = double(scaled % toHz) / toHz;
        const double a = samples[std::min(i, last)];
        const double b = samples[std::min(i + 1, last)];
        out[j] = int16_t(std::lround(a + (b - a) * fraction));
    }
    return out;
}

int estimatedSpeechMs(const QString& text) {
    return int(spelledCharacters(text).size()) * kMsPerCharacter;
}

EspeakSpeech::~EspeakSpeech() {
    if (state_ == State::Ready)
        espeak_Terminate();
}

namespace {
// The instance whose synthesis runs; the synchronous synth calls back on the calling thread.
thread_local std::vector<int16_t>* collecting = nullptr;

int collect(short* samples, int count, espeak_EVENT*) {
    if (collecting && samples && count > 0)
        collecting->insert(collecting->end(), samples, samples + count);
    return 0; // go on
}
} // namespace

bool EspeakSpeech::initialise() {
    if (state_ == State::Untried) {
        rateHz_ = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
        if (rateHz_ > 0) {
            espeak_SetSynthCallback(&collect);
            state_ = State::Ready;
        } else {
            qWarning("Tessal: espeak-ng could not be initialised; speech is silent.");
            state_ = State::Failed;
        }
    }
    return state_ == State::Ready;
}

std::vector<int16_t> EspeakSpeech::synthesize(const QString& text) {
    std::vector<int16_t> speech;
    if (!initialise())
        return speech;
    for (const SpeechUtterance& utterance : speechUtterances(text)) {
        if (espeak_SetVoiceByName(utterance.japanese ? "ja" : "en") != EE_OK)
            espeak_SetVoiceByName("en");
        pcm_.clear();
        collecting = &pcm_;
        const QByteArray ssml = utterance.ssml.toUtf8();
        espeak_Synth(ssml.constData(), std::size_t(ssml.size()) + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8 | espeakSSML, nullptr, nullptr);
        collecting = nullptr;
        if (!speech.empty())
            speech.resize(speech.size() + std::size_t(kOutputHz * kVoiceChangeGapMs / 1000), 0);
        const std::vector<int16_t> resampled = resampleLinear(pcm_, rateHz_, kOutputHz);
        speech.insert(speech.end(), resampled.begin(), resampled.end());
    }
    pcm_.clear();
    return speech;
}

bool EspeakSpeech::speak(const QString& text) {
    if (!initialise()) {
        loop_.sleep(estimatedSpeechMs(text));
        return false;
    }
    const std::vector<int16_t> speech = synthesize(text);
    if (speech.empty())
        return spelledCharacters(text).empty();
    playToEnd(wave_, loop_, speech);
    return true;
}

} // namespace tessal
