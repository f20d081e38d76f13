#pragma once

#include "render/render_options.h"
#include "render/render_trainer.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace tessal {

struct RenderResult {
    int exitStatus = 0; // 0 written, 2 bad input or unreadable file, 1 rendering or writing failed
    QString message;    // why it failed
    QStringList notes;  // stored settings replaced by usable values
    double seconds = 0.0;
};

struct RenderProgress {
    double done = 0.0;         // share of the text's characters played, 0..1
    double audioSeconds = 0.0; // audio written so far
};
using ProgressReport = std::function<void(const RenderProgress&)>;

// Plays the text, or each line of the file, through the trainer's own sequencer and
// synthesizer on the simulated clock (or with standard timing for --paris) and streams the
// sound into the output file as it is made, so memory stays flat however long the text is.
RenderResult renderToFile(const RenderOptions& options, const RenderPlaces& places,
                          const ProgressReport& progress = {});

} // namespace tessal
