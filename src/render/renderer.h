#pragma once

#include "render/render_options.h"

#include <QString>

namespace tessal {

struct RenderPlaces {
    QString settingsFile;     // the trainer's settings; read only, never written
    QString workingDirectory; // where Dictionary/ lies
};

struct RenderResult {
    int exitStatus = 0; // 0 written, 2 bad input or unreadable file, 1 writing failed
    QString message;
    double seconds = 0.0;
};

// Plays the text, or each line of the file, through the trainer's own sequencer and
// synthesizer on the simulated clock and writes the tape to a WAV file.
RenderResult renderToWav(const RenderOptions& options, const RenderPlaces& places);

} // namespace tessal
