#pragma once

#include "render/render_options.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace tessal {

class SimPlatform;
class TTessalForm;

struct RenderPlaces {
    QString settingsFile;     // the trainer's settings; read only, never written
    QString workingDirectory; // where Dictionary/ lies
};

// The trainer built on the simulated platform from a copy of the user's settings, so the
// user's file is never written, and set up for playing into a file.
class RenderTrainer {
public:
    explicit RenderTrainer(const RenderPlaces& places);
    ~RenderTrainer();

    // What went wrong while the trainer started (a missing dictionary), or empty.
    QString startError() const { return startError_; }

    // Applies the options and replaces stored values a file cannot use: the talking mode is
    // left out, a word gap, speed, tone or volume outside the trainer's choices becomes its
    // default. Returns one line per replaced stored value, for the user.
    QStringList prepare(const RenderOptions& options);

    TTessalForm& form() { return *form_; }
    SimPlatform& sim() { return *sim_; }

private:
    QTemporaryDir scratch_;
    QString settingsCopy_;
    std::unique_ptr<SimPlatform> sim_;
    std::unique_ptr<TTessalForm> form_;
    QString startError_;
};

} // namespace tessal
