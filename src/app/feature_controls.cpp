#include "app/tessal_form.h"

namespace tessal {

void TTessalForm::buildFeatureControls() {
    buildSequencerControls();
    buildBasicCourseControls();
    buildAnswerControls();
    buildTalkingControls();
    buildTextFileControls();
    buildFreeStringControls();
    buildSoundSetupControls();
    buildConversionPanel();
    buildKeyerControls();
    buildOperationControls();
}

} // namespace tessal
