#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace tessal {

// Turns SIGTERM, SIGINT and SIGHUP into a call on the UI thread, so ending the desktop session or
// pressing Ctrl+C closes the window the normal way and the settings are saved.
//
// catchEndingSignals() is meant to be the first thing main() does: from then on no ending signal
// kills the process; each is held until a ShutdownSignals object delivers it, and the handlers
// stay until the process exits, so a signal during the final save cannot cut it short.
class ShutdownSignals : public QObject {
public:
    static void catchEndingSignals();
    // True once an ending signal has arrived (also before any ShutdownSignals exists).
    static bool endingSignalReceived();

    // `onSignal` runs on the UI thread for each batch of ending signals, the ones held from
    // before it existed included; it must be safe to call more than once.
    explicit ShutdownSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~ShutdownSignals() override;
    ShutdownSignals(const ShutdownSignals&) = delete;
    ShutdownSignals& operator=(const ShutdownSignals&) = delete;

private:
    void drain();

    std::function<void()> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace tessal
