#pragma once

#include "app/tessal_form.h"
#include "platform/sim_platform.h"

#include <QTemporaryDir>
#include <memory>

namespace tessal {

// A form on the simulated platform, started in a fresh folder without a settings file.
class FrameForm {
public:
    FrameForm() {
        sim.setExecutablePath(dir.filePath(QStringLiteral("tessal")));
        sim.setWorkingDirectory(dir.path());
        form = std::make_unique<TTessalForm>(sim);
    }

    QTemporaryDir dir;
    SimPlatform sim;
    std::unique_ptr<TTessalForm> form;
};

} // namespace tessal
