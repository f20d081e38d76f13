#include "app/tessal_form.h"
#include "platform/qt_platform.h"
#include "platform/shutdown_signals.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tessal::QtPlatform platform;
    int status = 0;
    {
        tessal::TTessalForm form(platform);
        // Ending the desktop session or Ctrl+C closes the window like the window manager does,
        // so the destruction sequence saves the settings.
        tessal::ShutdownSignals shutdownSignals([&form] {
            form.close();
            QApplication::quit();
        });
        form.show();
        status = app.exec();
    }
    return status;
}
