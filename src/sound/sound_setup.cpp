#include "app/tessal_form.h"
#include "sound/tone_table.h"

namespace tessal {

void TTessalForm::SoundCodeApply() {
    Frequency1 = frequencyForSoundCode(SoundCode1);
    Frequency2 = frequencyForSoundCode(SoundCode2);
}

void TTessalForm::VolumeApply() {
    Volume_1 = amplitudeForVolume(Volume1);
    Volume_2 = amplitudeForVolume(Volume2);
}

} // namespace tessal
