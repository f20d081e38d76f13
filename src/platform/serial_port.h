#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace tessal {

// Modem-status bits, valued as the classic serial API values them.
inline constexpr uint32_t MS_CTS_ON = 0x0010;
inline constexpr uint32_t MS_DSR_ON = 0x0020;
inline constexpr uint32_t MS_RING_ON = 0x0040;
inline constexpr uint32_t MS_RLSD_ON = 0x0080;

using SerialHandle = int; // -1 means "no port"
inline constexpr SerialHandle kNoSerialPort = -1;

struct SerialDevice {
    QString comName;    // "COM1", "COM2", ...
    QString devicePath; // "/dev/ttyUSB0", ...
};

// The serial port as the key input uses it: open "COMn" exclusively, read the modem lines, close.
// Called from the UI thread.
class SerialPorts {
public:
    virtual ~SerialPorts() = default;

    // The serial devices present, sorted; COMn is the n-th of them.
    virtual QList<SerialDevice> devices() = 0;
    // kNoSerialPort when the port does not exist or is in use.
    virtual SerialHandle open(const QString& comName) = 0;
    // Fills `status` with MS_* bits; false when the handle is not open or the read failed.
    virtual bool modemStatus(SerialHandle handle, uint32_t* status) = 0;
    virtual void close(SerialHandle handle) = 0;
    // After a failed read: false when the device behind the open handle is gone for good
    // (unplugged), so polling it can never succeed again.
    virtual bool present(SerialHandle handle) { return handle != kNoSerialPort; }
};

} // namespace tessal
