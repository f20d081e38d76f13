#pragma once

#include "platform/serial_port.h"

#include <functional>
#include <map>
#include <memory>

namespace tessal {

// True for the names of serial devices the trainer offers: ttyS<n>, ttyUSB<n>, ttyACM<n>,
// ttyAMA<n>, rfcomm<n>.
bool isSerialDeviceName(const QString& name);

// The serial devices among the entries `names` of the folder `dir`, sorted (ttyS by number
// first, then the others by name and number) and named COM1, COM2, ... in that order. A ttyS
// entry counts only when `uartPresent(path)` says a UART stands behind it (most are unused
// slots). Pure, for tests; devices() feeds it the real /dev.
QList<SerialDevice> serialDevicesFrom(const QString& dir, const QStringList& names,
                                      const std::function<bool(const QString& path)>& uartPresent);

// True when a UART is present behind a ttyS device: its sysfs "type" is not PORT_UNKNOWN, or,
// without sysfs, TIOCGSERIAL on the opened device says so.
bool uartPresent(const QString& path);

// The production serial ports (POSIX). open() takes the device exclusively (TIOCEXCL, which
// root bypasses, plus flock) without touching its line settings; modemStatus() is TIOCMGET
// mapped to the MS_* bits. While a port is open, a helper thread blocked in TIOCMIWAIT (or, where
// the driver refuses it, polling TIOCMGET every 1 ms) calls `onLineChange` on every change of
// CTS, DSR, carrier detect or ring, so a loop waiting for events wakes at once.
//
// Threads: every member is called from the UI thread; `onLineChange` runs on a helper thread.
class PosixSerialPorts : public SerialPorts {
public:
    using DeviceScan = std::function<QList<SerialDevice>()>;
    // Blocks until a watched line changes: 0, or -1 with errno (EINTR when a signal came).
    using LineWait = std::function<int(int fd)>;

    explicit PosixSerialPorts(std::function<void()> onLineChange = {});
    ~PosixSerialPorts() override;
    PosixSerialPorts(const PosixSerialPorts&) = delete;
    PosixSerialPorts& operator=(const PosixSerialPorts&) = delete;

    QList<SerialDevice> devices() override;
    SerialHandle open(const QString& comName) override;
    bool modemStatus(SerialHandle handle, uint32_t* status) override;
    void close(SerialHandle handle) override;
    // False once the driver has hung the descriptor up (reads fail with EIO and the like) or
    // the device node is gone or now names another device.
    bool present(SerialHandle handle) override;

    // Replaces the scan of /dev (tests use a pseudo-terminal).
    void setDeviceScan(DeviceScan scan) { scan_ = std::move(scan); }
    // Replaces the driver's TIOCMIWAIT for ports opened from now on (tests: a slow driver).
    void setLineWait(LineWait wait) { lineWait_ = std::move(wait); }
    // Opens a device by its path, as open() does for the path behind a COM name.
    SerialHandle openPath(const QString& path);

private:
    class LineWatcher;
    struct Port {
        QString path;
        std::unique_ptr<LineWatcher> watcher;
    };

    std::function<void()> onLineChange_;
    DeviceScan scan_;
    LineWait lineWait_;
    std::map<SerialHandle, Port> ports_;
};

} // namespace tessal
