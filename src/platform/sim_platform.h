#pragma once

#include "platform/platform.h"
#include "platform/sim_devices.h"
#include "platform/sim_event_loop.h"
#include "platform/sim_wave_output.h"

#include <QStringList>

namespace tessal {

// The platform tests build: a virtual clock, a tape, scripted serial lines, recorded dialogs.
class SimPlatform : public Platform {
public:
    SimPlatform();

    SimEventLoop& loop() override { return loop_; }
    SimWaveOutput& wave() override { return wave_; }
    SimSerialPorts& serial() override { return serial_; }
    SimSpeech& speech() override { return speech_; }
    SimSimpleSounds& sounds() override { return sounds_; }
    SimDialogs& dialogs() override { return dialogs_; }

    QString executablePath() override { return executablePath_; }
    QString workingDirectory() override { return workingDirectory_; }
    void setExecutablePath(const QString& path) { executablePath_ = path; }
    void setWorkingDirectory(const QString& path) { workingDirectory_ = path; }

    // Tests run as any user, root included, so a read-only folder is declared rather than made.
    bool isWritableFolder(const QString& folder) override;
    QString userConfigFolder() override { return userConfigFolder_; }
    void setReadOnlyFolder(const QString& folder) { readOnlyFolders_.append(folder); }
    void setUserConfigFolder(const QString& folder) { userConfigFolder_ = folder; }

private:
    SimEventLoop loop_;
    SimWaveOutput wave_{loop_};
    SimSerialPorts serial_{loop_};
    SimSpeech speech_{loop_};
    SimSimpleSounds sounds_{loop_};
    SimDialogs dialogs_;
    QString executablePath_;
    QString workingDirectory_;
    QStringList readOnlyFolders_;
    QString userConfigFolder_;
};

} // namespace tessal
