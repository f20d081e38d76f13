#pragma once

#include "platform/speech.h"

#include <cstdint>
#include <vector>

namespace tessal {

class EventLoop;
class SdlWaveOutput;

// One call of the synthesizer: a run of characters in one voice, as SSML.
struct SpeechUtterance {
    bool japanese = false; // voice "ja" (kana), else "en" (letter names)
    QString ssml;
};

// Splits a text to be spelled into utterances. Commas separate the characters (the talking mode
// says ",K,A,B"); a comma right after a separating comma is itself a character, so ",K,,,A"
// spells K, comma, A. Blanks are skipped. Kana and Japanese marks go to the Japanese voice (marks
// it cannot read are given by name, "だくてん"); everything else is read by the English voice as
// character names ("A" is "ay", "?" is "question mark"). Consecutive characters of one voice make
// one utterance.
std::vector<SpeechUtterance> speechUtterances(const QString& text);

// Linear-interpolation resampling of 16-bit mono samples.
std::vector<int16_t> resampleLinear(const std::vector<int16_t>& samples, int fromHz, int toHz);

// The time a text takes to spell, for waiting silently when there is no synthesizer [ms].
int estimatedSpeechMs(const QString& text);

// Speech with espeak-ng (AUDIO_OUTPUT_SYNCHRONOUS): its 22050 Hz PCM is collected by the synth
// callback, resampled to 44100 Hz and played to its end through the wave layer, and speak()
// returns then; the window is frozen meanwhile. espeak-ng is initialised at the first speak();
// without it speak() waits the text's estimated length silently and answers false. espeak-ng is one
// per process: build one of these. UI thread only.
class EspeakSpeech : public Speech {
public:
    EspeakSpeech(SdlWaveOutput& wave, EventLoop& loop) : wave_(wave), loop_(loop) {}
    ~EspeakSpeech() override;
    EspeakSpeech(const EspeakSpeech&) = delete;
    EspeakSpeech& operator=(const EspeakSpeech&) = delete;

    bool speak(const QString& text) override;

    // The spoken text at 44100 Hz, without playing it; empty when espeak-ng is not available.
    std::vector<int16_t> synthesize(const QString& text);
    bool available() { return initialise(); }

private:
    enum class State { Untried, Ready, Failed };
    bool initialise();

    SdlWaveOutput& wave_;
    EventLoop& loop_;
    State state_ = State::Untried;
    int rateHz_ = 0;
    std::vector<int16_t> pcm_; // what the synth callback has delivered
};

} // namespace tessal
