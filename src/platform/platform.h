#pragma once

#include "platform/dialogs.h"
#include "platform/event_loop.h"
#include "platform/serial_port.h"
#include "platform/simple_sounds.h"
#include "platform/speech.h"
#include "platform/wave_output.h"

#include <QString>
#include <functional>

namespace tessal {

// Everything the trainer asks of the operating system. main() builds the production platform,
// tests the simulated one.
class Platform {
public:
    virtual ~Platform() = default;

    virtual EventLoop& loop() = 0;
    virtual WaveOutput& wave() = 0;
    virtual SerialPorts& serial() = 0;
    virtual Speech& speech() = 0;
    virtual SimpleSounds& sounds() = 0;
    virtual Dialogs& dialogs() = 0;

    virtual QString executablePath() = 0;
    virtual QString workingDirectory() = 0;
    // Whether this process may create files in `folder`.
    virtual bool isWritableFolder(const QString& folder);
    // The user's configuration folder ($XDG_CONFIG_HOME or ~/.config); empty without a home.
    virtual QString userConfigFolder();

    // Runs an event handler; an error escaping it is shown in a message box and the program goes
    // on. Every timer tick, click and key handler is dispatched through here.
    void guarded(const std::function<void()>& handler);
    // A timer of loop() whose handler runs guarded.
    std::unique_ptr<IntervalTimer> createTimer();
};

// Whether this process may create files in `folder` (POSIX access(W_OK)).
bool folderIsWritable(const QString& folder);

// The XDG configuration folder: `xdgConfigHome` when it is an absolute path (relative ones are
// ignored, as the XDG rules ask), else `home`/.config; empty without a home.
QString xdgConfigFolder(const QString& xdgConfigHome, const QString& home);

} // namespace tessal
