#include "app/shutdown_signals.h"
#include "app/tessal_form.h"
#include "platform/qt_platform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tessal::QtPlatform platform;
    int status = 0;
    {
        tessal::TTessalForm form(platform);
        // SIGTERM, SIGINT and SIGHUP end the run like closing the window, so settings are saved.
        tessal::ShutdownSignals signals(&app);
        form.show();
        status = app.exec();
    }
    return status;
}
