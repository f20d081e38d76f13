#include "app/ini_file.h"
#include "support/form_rig.h"
#include "widgets/gd_button.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::FormRig;

namespace {

int storedSpeed(const QString& path) {
    IniFile ini(path);
    return ini.readInteger(QStringLiteral("TessalSystem"), QStringLiteral("SpeedWPS"), -1);
}

} // namespace

TEST(Shutdown, EveryWayOutSavesTheSettings) {
    enum class Way { CloseButton, WindowManager, Destruction };
    for (Way way : {Way::CloseButton, Way::WindowManager, Way::Destruction}) {
        FormRig rig;
        rig->SpeedSelect(4);
        ASSERT_EQ(storedSpeed(rig.iniPath()), -1);
        if (way == Way::CloseButton) {
            rig->show();
            const QPoint centre = rig->CloseBtn->rect().center();
            QMouseEvent press(QEvent::MouseButtonPress, centre, rig->CloseBtn->mapToGlobal(centre),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, centre,
                                rig->CloseBtn->mapToGlobal(centre), Qt::LeftButton, Qt::NoButton,
                                Qt::NoModifier);
            QCoreApplication::sendEvent(rig->CloseBtn, &press);
            QCoreApplication::sendEvent(rig->CloseBtn, &release);
            // The close sequence saves before the window goes.
            EXPECT_EQ(storedSpeed(rig.iniPath()), 25);
            EXPECT_FALSE(rig->isVisible());
        } else if (way == Way::WindowManager) {
            rig->show();
            rig->ComEnable = -1;
            rig->close();
            EXPECT_EQ(rig->ComEnable, 0) << "a serial poll loop would end";
        }
        rig.form.reset();
        EXPECT_EQ(storedSpeed(rig.iniPath()), 25);
    }
}

TEST(Shutdown, APortNobodyClosesIsClosedAfterABoundedWaitAndTheSettingsAreSaved) {
    FormRig rig;
    rig.sim.serial().addDevice(QStringLiteral("COM1"), QStringLiteral("/dev/ttyUSB0"));
    // Open, but no poll loop runs to close it when ComEnable goes off.
    rig->hComm = rig.sim.serial().open(QStringLiteral("COM1"));
    ASSERT_NE(rig->hComm, kNoSerialPort);
    rig->SpeedSelect(4);
    const int64_t start = rig.loop().nowMs();
    rig.form.reset();
    EXPECT_LE(rig.loop().nowMs() - start, TTessalForm::kPortCloseWaitMs + 10);
    EXPECT_FALSE(rig.sim.serial().isOpen(QStringLiteral("COM1")));
    EXPECT_EQ(storedSpeed(rig.iniPath()), 25);
}
