#include "platform/posix_serial_ports.h"
#include "support/pseudo_terminal.h"

#include <QFile>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

namespace tessal {
namespace {

TEST(PosixSerialPorts, DeviceNamesThatCountAsSerialPorts) {
    for (const char* name : {"ttyS0", "ttyS31", "ttyUSB0", "ttyACM12", "ttyAMA0", "rfcomm1"})
        EXPECT_TRUE(isSerialDeviceName(QString::fromLatin1(name))) << name;
    for (const char* name :
         {"tty1", "ttyS", "ttyUSB", "ttySx", "console", "ptmx", "ttyprintk", "xttyS0", "ttyS0x"})
        EXPECT_FALSE(isSerialDeviceName(QString::fromLatin1(name))) << name;
}

TEST(PosixSerialPorts, ComNumbersFollowTheSortedDevicesWithUartsFirst) {
    const QStringList names{
        QStringLiteral("ttyUSB10"), QStringLiteral("ttyS10"),  QStringLiteral("tty1"),
        QStringLiteral("ttyUSB2"),  QStringLiteral("ttyACM0"), QStringLiteral("ttyS1"),
        QStringLiteral("rfcomm0"),  QStringLiteral("ttyUSB0"), QStringLiteral("console"),
        QStringLiteral("ttyAMA0"),  QStringLiteral("ttyS2"),   QStringLiteral("ttyS0")};
    // Only ttyS0 and ttyS10 have a UART behind them; the other ttyS slots are empty.
    const auto present = [](const QString& path) {
        return path == QLatin1String("/dev/ttyS0") || path == QLatin1String("/dev/ttyS10");
    };
    const QList<SerialDevice> devices = serialDevicesFrom(QStringLiteral("/dev"), names, present);
    const QStringList expected{QStringLiteral("/dev/ttyS0"),   QStringLiteral("/dev/ttyS10"),
                               QStringLiteral("/dev/rfcomm0"), QStringLiteral("/dev/ttyACM0"),
                               QStringLiteral("/dev/ttyAMA0"), QStringLiteral("/dev/ttyUSB0"),
                               QStringLiteral("/dev/ttyUSB2"), QStringLiteral("/dev/ttyUSB10")};
    ASSERT_EQ(devices.size(), expected.size());
    for (qsizetype i = 0; i < devices.size(); ++i) {
        EXPECT_EQ(devices[i].comName, QStringLiteral("COM%1").arg(i + 1));
        EXPECT_EQ(devices[i].devicePath, expected[i]);
    }
}

using tessal::testing::PseudoTerminal;

TEST(PosixSerialPorts, OpenIsExclusiveUntilClosed) {
    PseudoTerminal terminal;
    ASSERT_FALSE(terminal.path().isEmpty());
    const auto scan = [&] {
        return QList<SerialDevice>{{QStringLiteral("COM1"), terminal.path()}};
    };
    PosixSerialPorts ports;
    ports.setDeviceScan(scan);
    PosixSerialPorts otherProgram;
    otherProgram.setDeviceScan(scan);

    EXPECT_EQ(ports.devices().size(), 1);
    EXPECT_EQ(ports.open(QStringLiteral("COM2")), kNoSerialPort);
    const SerialHandle handle = ports.open(QStringLiteral("COM1"));
    ASSERT_NE(handle, kNoSerialPort);
    EXPECT_EQ(ports.open(QStringLiteral("COM1")), kNoSerialPort);
    EXPECT_EQ(otherProgram.open(QStringLiteral("COM1")), kNoSerialPort);

    ports.close(handle);
    uint32_t status = 0;
    EXPECT_FALSE(ports.modemStatus(handle, &status));
    const SerialHandle again = otherProgram.open(QStringLiteral("COM1"));
    EXPECT_NE(again, kNoSerialPort);
    otherProgram.close(again);
}

TEST(PosixSerialPorts, PortsLeftOpenAreClosedWithTheObject) {
    PseudoTerminal terminal;
    ASSERT_FALSE(terminal.path().isEmpty());
    {
        PosixSerialPorts ports;
        ASSERT_NE(ports.openPath(terminal.path()), kNoSerialPort);
    }
    PosixSerialPorts ports;
    const SerialHandle handle = ports.openPath(terminal.path());
    EXPECT_NE(handle, kNoSerialPort);
    ports.close(handle);
}

TEST(PosixSerialPorts, AMissingDeviceDoesNotOpen) {
    PosixSerialPorts ports;
    EXPECT_EQ(ports.openPath(QStringLiteral("/dev/ttyUSB-no-such-device")), kNoSerialPort);
    uint32_t status = 0;
    EXPECT_FALSE(ports.modemStatus(kNoSerialPort, &status));
}

TEST(PosixSerialPorts, AHungUpDeviceIsNoLongerPresent) {
    PseudoTerminal terminal;
    ASSERT_FALSE(terminal.path().isEmpty());
    PosixSerialPorts ports;
    const SerialHandle handle = ports.openPath(terminal.path());
    ASSERT_NE(handle, kNoSerialPort);
    // A pseudo-terminal has no modem lines: the read fails, but the device is still there.
    EXPECT_TRUE(ports.present(handle));
    terminal.hangUp();
    EXPECT_FALSE(ports.present(handle));
    ports.close(handle);
    EXPECT_FALSE(ports.present(handle));
}

} // namespace
} // namespace tessal

namespace tessal {
namespace {

bool exclusiveFlag(int fd) {
    int exclusive = -1;
    return ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
}

TEST(PosixSerialPorts, ExclusiveFlagOnlyWhileThePortIsOursAndNeverOnAnotherProgramsPort) {
    PseudoTerminal terminal;
    ASSERT_FALSE(terminal.path().isEmpty());
    const int otherProgram =
        ::open(QFile::encodeName(terminal.path()).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(otherProgram, 0);
    PosixSerialPorts ports;

    ASSERT_EQ(flock(otherProgram, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(ports.openPath(terminal.path()), kNoSerialPort);
    EXPECT_FALSE(exclusiveFlag(otherProgram)) << "a failed open locked the other program out";

    ASSERT_EQ(flock(otherProgram, LOCK_UN), 0);
    const SerialHandle handle = ports.openPath(terminal.path());
    ASSERT_NE(handle, kNoSerialPort);
    EXPECT_TRUE(exclusiveFlag(otherProgram));
    ports.close(handle);
    EXPECT_FALSE(exclusiveFlag(otherProgram)) << "closing gives the port back";
    ::close(otherProgram);
}

TEST(PosixSerialPorts, ClosingWaitsForTheLineWatcherHoweverLongTheDriverTakes) {
    // A driver that sleeps on through the stop signals for 1.3 s before its wait returns: the
    // port's descriptor must not be closed under a thread still inside that wait.
    PseudoTerminal terminal;
    ASSERT_FALSE(terminal.path().isEmpty());
    std::atomic<bool> waiting{false};
    std::atomic<bool> waitReturned{false};
    PosixSerialPorts ports;
    ports.setLineWait([&waiting, &waitReturned](int) {
        waiting = true;
        using Clock = std::chrono::steady_clock;
        std::optional<Clock::time_point> firstSignal;
        while (!firstSignal || Clock::now() - *firstSignal < std::chrono::milliseconds(1300)) {
            ::pause();
            if (!firstSignal)
                firstSignal = Clock::now();
        }
        waitReturned = true;
        errno = EINTR;
        return -1;
    });
    const SerialHandle handle = ports.openPath(terminal.path());
    ASSERT_NE(handle, kNoSerialPort);
    while (!waiting)
        std::this_thread::yield();
    ports.close(handle);
    EXPECT_TRUE(waitReturned) << "the port was closed while its watcher still waited on it";
}

} // namespace
} // namespace tessal
