#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace tessal {

// Turns SIGTERM, SIGINT and SIGHUP into a call on the UI thread, so ending the desktop session or
// pressing Ctrl+C closes the window the normal way and the settings are saved.
class ShutdownSignals : public QObject {
public:
    explicit ShutdownSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~ShutdownSignals() override;
    ShutdownSignals(const ShutdownSignals&) = delete;
    ShutdownSignals& operator=(const ShutdownSignals&) = delete;

private:
    void drain();

    std::function<void()> onSignal_;
    int fds_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace tessal
