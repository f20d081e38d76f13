#include "app/tessal_form.h"
#include "keyer/keyer_pages.h"

namespace tessal {

void buildKeyerTimers(TTessalForm& form) {
    struct Binding {
        std::unique_ptr<IntervalTimer> TTessalForm::*timer;
        void (TTessalForm::*handler)();
    };
    static constexpr Binding kTimers[] = {
        {&TTessalForm::VKIntervalTimer, &TTessalForm::VKIntervalTimerTimeup},
        {&TTessalForm::VKCRTimer, &TTessalForm::VKCRTimerTimeup},
        {&TTessalForm::BKeyClock, &TTessalForm::BkeyClockON},
        {&TTessalForm::BKBlankTimer, &TTessalForm::BkBlankTimerTimeup},
        {&TTessalForm::STSoundTimer, &TTessalForm::STSoundTimerTimeUp},
        {&TTessalForm::STBlankTimer, &TTessalForm::StBlankTimerTimeup},
        {&TTessalForm::KeyCRTimer, &TTessalForm::KeyCRTimerTimeUp},
    };
    for (const Binding& binding : kTimers) {
        auto& timer = form.*binding.timer;
        timer = form.platform().createTimer();
        timer->setOnTimer([&form, handler = binding.handler] { (form.*handler)(); });
    }
    // The vertical key's line end starts armed at start-up with its default second.
    form.VKCRTimer->setEnabled(true);
}

} // namespace tessal
