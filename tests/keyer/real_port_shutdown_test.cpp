#include "app/tessal_form.h"
#include "platform/qt_platform.h"
#include "platform/shutdown_signals.h"
#include "support/pseudo_terminal.h"
#include "widgets/gd_button.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::PseudoTerminal;

namespace {

// The trainer on the production platform with a pseudo-terminal as COM1.
struct RealPortRig {
    QTemporaryDir dir;
    PseudoTerminal terminal;
    QtPlatform platform;
    std::unique_ptr<TTessalForm> form;

    RealPortRig() {
        // The production platform finds the dictionaries under the working directory; a missing
        // one would stop the start in a modal message box.
        QDir::setCurrent(QStringLiteral(TESSAL_SOURCE_DIR));
        platform.serial().setDeviceScan([this] {
            return QList<SerialDevice>{{QStringLiteral("COM1"), terminal.path()}};
        });
        form = std::make_unique<TTessalForm>(platform);
    }
    // True when another program could now take the device.
    bool portReleased() {
        PosixSerialPorts other;
        const SerialHandle handle = other.openPath(terminal.path());
        other.close(handle);
        return handle != kNoSerialPort;
    }
};

} // namespace

TEST(RealPortShutdown, EveryWayOutWhilePollingClosesThePortAndSaves) {
    enum Way { WindowManager, CloseButton, Terminate, Unplugged };
    for (Way way : {WindowManager, CloseButton, Terminate, Unplugged}) {
        RealPortRig rig;
        ASSERT_FALSE(rig.terminal.path().isEmpty());
        TTessalForm& form = *rig.form;
        const QString ini = form.settingsPathForExecutable();
        QFile::remove(ini);
        ShutdownSignals endingSignals([&form] { form.close(); });
        bool wasOpen = false;
        // Runs at the poll loop's first pass of message processing.
        QTimer::singleShot(0, &form, [&] {
            wasOpen = !rig.portReleased() && form.ComEnable != 0;
            switch (way) {
            case WindowManager:
                form.close();
                break;
            case CloseButton:
                emit form.CloseBtn->mouseDown(Qt::LeftButton, {}, {});
                emit form.CloseBtn->mouseUp(Qt::LeftButton, {}, {});
                break;
            case Terminate:
                std::raise(SIGTERM);
                break;
            case Unplugged:
                rig.terminal.hangUp();
                break;
            }
        });
        form.ComOpenBtn->click(); // returns once the poll loop has closed the port
        EXPECT_TRUE(wasOpen) << way;
        EXPECT_EQ(form.hComm, kNoSerialPort) << way;
        EXPECT_EQ(form.statusText(1), "COM1 Closed") << way;
        if (way == Unplugged) {
            EXPECT_EQ(form.statusText(0), "COM1: device removed, port closed");
        } else {
            EXPECT_TRUE(rig.portReleased()) << way;
        }
        rig.form.reset();
        EXPECT_TRUE(QFile::exists(ini)) << way;
        QFile::remove(ini);
    }
}
