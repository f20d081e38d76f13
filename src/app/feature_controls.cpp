#include "app/tessal_form.h"

namespace tessal {

void TTessalForm::buildFeatureControls() {
    buildSequencerControls();
    buildBasicCourseControls();
    buildAnswerControls();
    buildFreeStringControls();
    buildSoundSetupControls();
    buildConversionPanel();
    buildKeyerControls();
    buildOperationControls();
}

} // namespace tessal
