#include "app/tessal_form.h"
#include "sound/tone_table.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <array>

namespace tessal {

namespace {

constexpr int kMinVolume = 10;
constexpr int kMaxVolume = 100;
// 0xB332 (70 %) for the left and the right channel.
constexpr uint32_t kResetVolume = 0xB332B332u;
constexpr std::array<int, 8> kTestScaleHz{262, 294, 330, 349, 392, 440, 494, 523};
constexpr int kTestNoteMs = 300;

void chooseWithoutNotice(QComboBox* box, int code) {
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(code >= 0 && code < box->count() ? code : -1);
}

void placeWithoutNotice(QSlider* slider, int position) {
    const QSignalBlocker quiet(slider);
    slider->setValue(position);
}

} // namespace

void TTessalForm::SoundSelectCBoxChange() {
    SoundCode1 = SoundSelectCBox1->currentIndex();
    SoundCode2 = SoundSelectCBox2->currentIndex();
    SoundCodeApply();
}

void TTessalForm::SoundCodeApply() {
    Frequency1 = frequencyForSoundCode(SoundCode1);
    Frequency2 = frequencyForSoundCode(SoundCode2);
}

void TTessalForm::SoundSelectApply(int code1, int code2) {
    chooseWithoutNotice(SoundSelectCBox1, code1);
    chooseWithoutNotice(SoundSelectCBox2, code2);
}

void TTessalForm::VolumeApply() {
    // A hand-edited settings file may hold any number; past 100 the samples would overflow.
    Volume1 = std::clamp(Volume1, kMinVolume, kMaxVolume);
    Volume2 = std::clamp(Volume2, kMinVolume, kMaxVolume);
    Volume_1 = amplitudeForVolume(Volume1);
    Volume_2 = amplitudeForVolume(Volume2);
    placeWithoutNotice(ListeningVolTBar, Volume1);
    placeWithoutNotice(KeyVolTBar, Volume2);
}

void TTessalForm::ListeningVolTBarChange() {
    Volume1 = ListeningVolTBar->value();
    Volume_1 = amplitudeForVolume(Volume1);
}

void TTessalForm::KeyVolTBarChange() {
    Volume2 = KeyVolTBar->value();
    Volume_2 = amplitudeForVolume(Volume2);
}

void TTessalForm::SoundResetBtnON() {
    sound().SetSidetoneVolume(kResetVolume);
}

void TTessalForm::BeepTestBtnClick() {
    for (const int hz : kTestScaleHz)
        platform().sounds().beep(hz, kTestNoteMs);
}

} // namespace tessal
