#pragma once

namespace tessal {

class TTessalForm;

// The controls of each key page and of the keyer's rows, built once the frame exists.
void buildVerticalKeyPage(TTessalForm& form);
void buildBugKeyPage(TTessalForm& form);
void buildStackingKeyPage(TTessalForm& form);
void buildKeyerTimers(TTessalForm& form);

} // namespace tessal
