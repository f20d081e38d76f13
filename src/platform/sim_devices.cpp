#include "platform/sim_devices.h"

#include <stdexcept>

namespace tessal {

QList<SerialDevice> SimSerialPorts::devices() {
    QList<SerialDevice> list;
    for (const auto& [name, port] : ports_) {
        if (port.plugged)
            list.append({name, port.devicePath});
    }
    return list;
}

SerialHandle SimSerialPorts::open(const QString& comName) {
    auto it = ports_.find(comName);
    if (it == ports_.end() || it->second.handle != kNoSerialPort || !it->second.plugged)
        return kNoSerialPort;
    it->second.handle = nextHandle_++;
    ++opens_;
    return it->second.handle;
}

bool SimSerialPorts::modemStatus(SerialHandle handle, uint32_t* status) {
    ++reads_;
    for (const auto& [name, port] : ports_) {
        if (port.handle == handle && handle != kNoSerialPort) {
            if (!port.plugged || port.failing)
                return false;
            *status = port.status;
            return true;
        }
    }
    return false;
}

void SimSerialPorts::close(SerialHandle handle) {
    for (auto& [name, port] : ports_) {
        if (port.handle == handle)
            port.handle = kNoSerialPort;
    }
}

bool SimSerialPorts::present(SerialHandle handle) {
    for (const auto& [name, port] : ports_) {
        if (port.handle == handle && handle != kNoSerialPort)
            return port.plugged;
    }
    return false;
}

void SimSerialPorts::unplug(const QString& comName) {
    ports_[comName].plugged = false;
}

void SimSerialPorts::failReads(const QString& comName, bool failing) {
    ports_[comName].failing = failing;
}

void SimSerialPorts::addDevice(const QString& comName, const QString& devicePath) {
    ports_[comName].devicePath = devicePath;
    ports_[comName].plugged = true;
}

void SimSerialPorts::setLines(const QString& comName, uint32_t status) {
    ports_[comName].status = status;
}

void SimSerialPorts::setLinesAt(int64_t ms, const QString& comName, uint32_t status) {
    loop_.at(ms, [this, comName, status] { setLines(comName, status); });
}

bool SimSerialPorts::isOpen(const QString& comName) const {
    auto it = ports_.find(comName);
    return it != ports_.end() && it->second.handle != kNoSerialPort;
}

bool SimSpeech::speak(const QString& text) {
    if (failure_ == Failure::Throws)
        throw std::runtime_error("speech engine failed");
    if (failure_ == Failure::Unavailable)
        return false;
    said_.push_back({text, loop_.now()});
    loop_.sleep(int(text.size()) * msPerCharacter_);
    return true;
}

void SimSimpleSounds::beep(int frequencyHz, int durationMs) {
    beeps_.push_back({frequencyHz, durationMs, loop_.now()});
    loop_.sleep(durationMs);
}

void SimSimpleSounds::messageBeep(MessageSound sound) {
    notifications_.push_back({sound, loop_.now()});
}

QString SimDialogs::openFileName(const QString& folder, const QString& filter) {
    openRequests_.push_back({folder, QString(), filter});
    if (openAnswers_.empty())
        return QString();
    QString answer = openAnswers_.front();
    openAnswers_.pop_front();
    return answer;
}

QString SimDialogs::saveFileName(const QString& folder, const QString& proposedName,
                                 const QString& filter) {
    saveRequests_.push_back({folder, proposedName, filter});
    if (saveAnswers_.empty())
        return QString();
    QString answer = saveAnswers_.front();
    saveAnswers_.pop_front();
    return answer;
}

} // namespace tessal
