#pragma once

#include "app/tessal_form.h"
#include "platform/sim_platform.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace tessal::testing {

// A trainer window on the simulated platform: the settings file lives in a fresh temporary
// folder, the dictionaries come from the source tree.
struct FormRig {
    QTemporaryDir dir;
    SimPlatform sim;
    std::unique_ptr<TTessalForm> form;

    // `settings` (if any) is written as the settings file before the window starts.
    explicit FormRig(const QString& settings = QString()) {
        sim.setExecutablePath(dir.filePath(QStringLiteral("tessal")));
        sim.setWorkingDirectory(QStringLiteral(TESSAL_SOURCE_DIR));
        if (!settings.isNull()) {
            QFile file(iniPath());
            if (file.open(QIODevice::WriteOnly))
                file.write(settings.toUtf8());
        }
        form = std::make_unique<TTessalForm>(sim);
    }

    QString iniPath() const { return dir.filePath(QStringLiteral("tessal.ini")); }
    SimEventLoop& loop() { return sim.loop(); }
    Tape& tape() { return sim.wave().tape(); }
    TTessalForm& operator*() { return *form; }
    TTessalForm* operator->() { return form.get(); }

    // Calls `probe` every `stepMs` of virtual time for `durationMs`, also while a handler
    // blocks with messages processed (as a playing character does).
    void sampleEvery(int64_t stepMs, int64_t durationMs, const std::function<void()>& probe) {
        const int64_t start = loop().nowMs();
        for (int64_t t = start; t <= start + durationMs; t += stepMs)
            loop().at(t, probe);
    }
};

} // namespace tessal::testing
