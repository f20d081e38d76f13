#pragma once

// The trainer playing a text once, on the production or the simulated platform, for the benches
// that compare what was heard with the simulated timeline.

#include "app/tessal_form.h"
#include "platform/sim_platform.h"
#include "platform/tape.h"

#include <QString>
#include <QTemporaryDir>
#include <optional>
#include <vector>

namespace tessal::bench {

// Plays `text` as plain playback (nothing follows it) and returns when it has ended.
inline void playText(TTessalForm& form, EventLoop& loop, const QString& text) {
    form.QTypeMode = 2;
    form.RUNFlag = -1;
    form.PlayText(text);
    while (form.RUNFlag != 0)
        loop.processMessages();
}

// The mixed tape (44100 Hz, from time 0) of the simulated trainer playing `text` at a speed of
// the table, at its own tone or at `toneHz`.
inline std::vector<int16_t> simulatedTape(int speedIndex, const QString& text,
                                          std::optional<int> toneHz = std::nullopt) {
    QTemporaryDir dir;
    SimPlatform sim;
    sim.setExecutablePath(dir.filePath(QStringLiteral("tessal")));
    sim.setWorkingDirectory(QStringLiteral(TESSAL_SOURCE_DIR));
    TTessalForm form(sim);
    form.SpeedSelect(speedIndex);
    if (toneHz)
        form.Frequency1 = *toneHz;
    playText(form, sim.loop(), text);
    return sim.wave().tape().render(0, sim.loop().now());
}

} // namespace tessal::bench
