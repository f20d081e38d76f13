#include "app/tessal_form.h"
#include "platform/qt_platform.h"
#include "platform/quiet_start.h"
#include "platform/shutdown_signals.h"

#include <QApplication>
#include <QDialog>

namespace {

// A message box open at start-up (a missing dictionary) would otherwise keep the program from
// ever reaching its save.
void dismissModalDialogs() {
    constexpr int kMostNested = 8; // bounded, in case a dialog refuses to go
    for (int i = 0; i < kMostNested; ++i) {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->reject();
    }
}

} // namespace

int main(int argc, char** argv) {
    // Before anything else: an ending signal from here on is held until the settings are saved.
    tessal::ShutdownSignals::catchEndingSignals();
    tessal::ensureRuntimeFolder();
    tessal::silenceAlsaErrors();
    QApplication app(argc, argv);
    tessal::QtPlatform platform;
    tessal::TTessalForm* window = nullptr;
    // Ending the desktop session or Ctrl+C closes the window like the window manager does, so
    // the destruction sequence saves the settings.
    tessal::ShutdownSignals shutdownSignals([&window] {
        dismissModalDialogs();
        if (window)
            window->close();
        QApplication::quit();
    });
    int status = 0;
    {
        tessal::TTessalForm form(platform);
        window = &form;
        if (!tessal::ShutdownSignals::endingSignalReceived()) {
            form.show();
            status = app.exec();
        }
        window = nullptr;
    }
    return status;
}
