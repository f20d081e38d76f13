#pragma once

#include "platform/espeak_speech.h"
#include "platform/platform.h"
#include "platform/posix_serial_ports.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_event_loop.h"
#include "platform/sdl_simple_sounds.h"
#include "platform/sdl_wave_output.h"

namespace tessal {

// The platform main() builds, after the QApplication: Qt's event loop and dialogs, SDL2 sound,
// espeak-ng speech and POSIX serial ports. A finished voice and a serial line change wake the
// event loop. UI thread only.
class QtPlatform : public Platform {
public:
    QtPlatform();
    explicit QtPlatform(SdlWaveOutput::Options audio);
    ~QtPlatform() override;

    QtEventLoop& loop() override { return loop_; }
    SdlWaveOutput& wave() override { return wave_; }
    PosixSerialPorts& serial() override { return serial_; }
    EspeakSpeech& speech() override { return speech_; }
    SdlSimpleSounds& sounds() override { return sounds_; }
    QtDialogs& dialogs() override { return dialogs_; }

    QString executablePath() override;
    QString workingDirectory() override;

    // Any thread: a modem line changed.
    void wakeForLineChange();

private:
    // Declared in the order of construction; the users of the wave output and the threads that
    // wake the loop go before the loop does.
    QtEventLoop loop_;
    // Receives the serial line thread's wake-ups on the UI thread.
    QObject lineWake_;
    SdlWaveOutput wave_;
    PosixSerialPorts serial_;
    EspeakSpeech speech_;
    SdlSimpleSounds sounds_;
    QtDialogs dialogs_;
};

} // namespace tessal
