#include "platform/posix_serial_ports.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <linux/serial.h>
#include <mutex>
#include <poll.h>
#include <pthread.h>
#include <string>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tessal {
namespace {

const QRegularExpression& serialNamePattern() {
    static const QRegularExpression pattern(
        QStringLiteral("^(ttyS|ttyUSB|ttyACM|ttyAMA|rfcomm)(\\d+)$"));
    return pattern;
}

struct SortKey {
    int group; // 0: ttyS, 1: the others
    std::string prefix;
    qulonglong number;
    auto operator<=>(const SortKey&) const = default;
};

SortKey sortKey(const QString& name) {
    const auto match = serialNamePattern().match(name);
    const QString prefix = match.captured(1);
    return {prefix == QLatin1String("ttyS") ? 0 : 1, prefix.toStdString(),
            match.captured(2).toULongLong()};
}

uint32_t toModemStatus(int lines) {
    uint32_t status = 0;
    if (lines & TIOCM_CTS)
        status |= MS_CTS_ON;
    if (lines & TIOCM_DSR)
        status |= MS_DSR_ON;
    if (lines & TIOCM_RNG)
        status |= MS_RING_ON;
    if (lines & TIOCM_CAR)
        status |= MS_RLSD_ON;
    return status;
}

// The signal that interrupts a helper thread blocked in TIOCMIWAIT. SIGURG is ignored by default,
// so a stray one harms nothing; a handler without SA_RESTART makes the ioctl return EINTR.
constexpr int kInterruptSignal = SIGURG;

void installInterruptHandler() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction current {};
        sigaction(kInterruptSignal, nullptr, &current);
        if (current.sa_handler != SIG_DFL && current.sa_handler != SIG_IGN)
            return; // someone else's handler interrupts as well
        struct sigaction action {};
        action.sa_handler = [](int) {};
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        sigaction(kInterruptSignal, &action, nullptr);
    });
}

} // namespace

bool isSerialDeviceName(const QString& name) {
    return serialNamePattern().match(name).hasMatch();
}

QList<SerialDevice> serialDevicesFrom(const QString& dir, const QStringList& names,
                                      const std::function<bool(const QString& path)>& uartPresent) {
    QStringList found;
    for (const QString& name : names) {
        if (!isSerialDeviceName(name))
            continue;
        const QString path = dir + QLatin1Char('/') + name;
        if (sortKey(name).group == 0 && !uartPresent(path))
            continue;
        found.append(name);
    }
    std::sort(found.begin(), found.end(),
              [](const QString& a, const QString& b) { return sortKey(a) < sortKey(b); });
    QList<SerialDevice> devices;
    for (const QString& name : found)
        devices.append(
            {QStringLiteral("COM%1").arg(devices.size() + 1), dir + QLatin1Char('/') + name});
    return devices;
}

bool uartPresent(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QFile sysfsType(QStringLiteral("/sys/class/tty/%1/type").arg(name));
    if (sysfsType.open(QIODevice::ReadOnly))
        return sysfsType.readAll().trimmed().toInt() != PORT_UNKNOWN;
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    serial_struct info{};
    const bool present = ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type != PORT_UNKNOWN;
    ::close(fd);
    return present;
}

// Waits for line changes of one open port on a helper thread and reports each one.
class PosixSerialPorts::LineWatcher {
public:
    LineWatcher(int fd, std::function<void()> onChange, LineWait wait)
        : state_(std::make_shared<State>()) {
        state_->fd = fd;
        state_->onChange = std::move(onChange);
        state_->wait = std::move(wait);
        state_->wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        installInterruptHandler();
        thread_ = std::thread([state = state_] { run(*state); });
    }

    // Stops the thread before the port's descriptor is closed, however long that takes: the
    // eventfd wakes the polling loop, the signal interrupts TIOCMIWAIT. The signal is repeated
    // because one can arrive just before the thread enters the ioctl.
    ~LineWatcher() {
        state_->stop.store(true);
        const uint64_t one = 1;
        if (state_->wakeFd >= 0)
            (void)!::write(state_->wakeFd, &one, sizeof one);
        while (!state_->done.load()) {
            pthread_kill(thread_.native_handle(), kInterruptSignal);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        thread_.join();
    }

    LineWatcher(const LineWatcher&) = delete;
    LineWatcher& operator=(const LineWatcher&) = delete;

private:
    struct State {
        int fd = -1;
        int wakeFd = -1;
        std::function<void()> onChange;
        LineWait wait;
        std::atomic<bool> stop{false};
        std::atomic<bool> done{false};
        ~State() {
            if (wakeFd >= 0)
                ::close(wakeFd);
        }
    };

    static constexpr int kWatchedLines = TIOCM_CTS | TIOCM_DSR | TIOCM_CD | TIOCM_RNG;
    static constexpr int kPollMs = 1; // where the driver has no TIOCMIWAIT

    static void run(State& state) {
        while (!state.stop.load()) {
            const int waited =
                state.wait ? state.wait(state.fd) : ioctl(state.fd, TIOCMIWAIT, kWatchedLines);
            if (waited == 0) {
                if (!state.stop.load() && state.onChange)
                    state.onChange();
                continue;
            }
            if (errno == EINTR)
                continue;
            pollLines(state); // TIOCMIWAIT unsupported here
            break;
        }
        state.done.store(true);
    }

    // Reads the lines every millisecond until stopped; waits only for the stop when the lines
    // cannot be read at all.
    static void pollLines(State& state) {
        int last = 0;
        const bool readable = ioctl(state.fd, TIOCMGET, &last) == 0;
        pollfd stopFd{state.wakeFd, POLLIN, 0};
        while (!state.stop.load()) {
            ::poll(&stopFd, stopFd.fd >= 0 ? 1 : 0, readable ? kPollMs : 100);
            int lines = 0;
            if (readable && ioctl(state.fd, TIOCMGET, &lines) == 0 &&
                (lines & kWatchedLines) != (last & kWatchedLines)) {
                last = lines;
                if (state.onChange)
                    state.onChange();
            }
        }
    }

    std::shared_ptr<State> state_;
    std::thread thread_;
};

PosixSerialPorts::PosixSerialPorts(std::function<void()> onLineChange)
    : onLineChange_(std::move(onLineChange)) {
    scan_ = [] {
        QStringList names;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator("/dev", error))
            names.append(QString::fromStdString(entry.path().filename().string()));
        return serialDevicesFrom(QStringLiteral("/dev"), names, &uartPresent);
    };
}

PosixSerialPorts::~PosixSerialPorts() {
    while (!ports_.empty())
        close(ports_.begin()->first);
}

QList<SerialDevice> PosixSerialPorts::devices() {
    return scan_();
}

SerialHandle PosixSerialPorts::open(const QString& comName) {
    for (const SerialDevice& device : devices()) {
        if (device.comName.compare(comName, Qt::CaseInsensitive) == 0)
            return openPath(device.devicePath);
    }
    return kNoSerialPort;
}

SerialHandle PosixSerialPorts::openPath(const QString& path) {
    for (const auto& [handle, port] : ports_) {
        if (port.path == path)
            return kNoSerialPort; // in use by us
    }
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return kNoSerialPort;
    // Exclusive against other programs: flock refuses anyone who locks as well (other
    // instances, minicom, ModemManager-aware tools), TIOCEXCL refuses further opens (except
    // root's). The lock comes first: TIOCEXCL belongs to the terminal, not to this descriptor,
    // so setting it on a port someone else holds would lock that program out of its own port.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return kNoSerialPort;
    }
    if (ioctl(fd, TIOCEXCL) != 0) {
        ::close(fd); // closing drops the lock as well
        return kNoSerialPort;
    }
    Port port;
    port.path = path;
    port.watcher = std::make_unique<LineWatcher>(fd, onLineChange_, lineWait_);
    ports_.emplace(fd, std::move(port));
    return fd;
}

bool PosixSerialPorts::modemStatus(SerialHandle handle, uint32_t* status) {
    if (ports_.count(handle) == 0)
        return false;
    int lines = 0;
    if (ioctl(handle, TIOCMGET, &lines) != 0)
        return false;
    *status = toModemStatus(lines);
    return true;
}

bool PosixSerialPorts::present(SerialHandle handle) {
    auto it = ports_.find(handle);
    if (it == ports_.end())
        return false;
    int lines = 0;
    if (ioctl(handle, TIOCMGET, &lines) != 0 && (errno == EIO || errno == ENXIO || errno == ENODEV))
        return false; // hung up by the driver: the adapter was unplugged
    struct stat opened {};
    struct stat named {};
    if (fstat(handle, &opened) != 0 ||
        ::stat(QFile::encodeName(it->second.path).constData(), &named) != 0)
        return false;
    return opened.st_rdev == named.st_rdev;
}

void PosixSerialPorts::close(SerialHandle handle) {
    auto it = ports_.find(handle);
    if (it == ports_.end())
        return;
    it->second.watcher.reset(); // the thread leaves before its descriptor goes
    ioctl(handle, TIOCNXCL);
    ::close(handle);
    ports_.erase(it);
}

} // namespace tessal
