// The trainer window on the production platform for the keyer benchmarks: Qt's event loop,
// SDL sound (the dummy driver unless SDL_AUDIODRIVER says otherwise), and a stand-in serial
// device whose lines a helper thread sets and signals the way the modem-line thread does.
#pragma once

#include "app/tessal_form.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <vector>

namespace tessal::bench {

inline int64_t steadyNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

inline double percentile(std::vector<double> values, double p) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t index =
        std::min(values.size() - 1, std::size_t(std::ceil(p * double(values.size()))) - 1);
    return values[index];
}

// One always-present port whose modem-status word is set from any thread; each change wakes
// the UI thread's loop the way the production platform wakes it for the TIOCMIWAIT thread.
class StandInSerialPorts : public SerialPorts {
public:
    explicit StandInSerialPorts(std::function<void()> wake) : wake_(std::move(wake)) {}
    QList<SerialDevice> devices() override { return {{"COM1", "/dev/stand-in"}}; }
    SerialHandle open(const QString& comName) override {
        return comName == QLatin1String("COM1") ? 7 : kNoSerialPort;
    }
    bool modemStatus(SerialHandle, uint32_t* status) override {
        reads.fetch_add(1, std::memory_order_relaxed);
        *status = word.load();
        return true;
    }
    void close(SerialHandle) override {}
    // Any thread.
    void setLines(uint32_t lines) {
        word.store(lines);
        wake_();
    }
    std::atomic<uint32_t> word{0};
    std::atomic<int64_t> reads{0};

private:
    std::function<void()> wake_;
};

class BenchPlatform : public Platform {
public:
    explicit BenchPlatform(int callbackFrames)
        : inner_(SdlWaveOutput::Options{"", callbackFrames}),
          serial_([this] { inner_.wakeForLineChange(); }) {}
    QtEventLoop& loop() override { return inner_.loop(); }
    SdlWaveOutput& wave() override { return inner_.wave(); }
    StandInSerialPorts& serial() override { return serial_; }
    Speech& speech() override { return inner_.speech(); }
    SimpleSounds& sounds() override { return inner_.sounds(); }
    Dialogs& dialogs() override { return inner_.dialogs(); }
    QString executablePath() override { return scratch_.filePath(QStringLiteral("tessal")); }
    QString workingDirectory() override { return QStringLiteral(TESSAL_SOURCE_DIR); }

private:
    QTemporaryDir scratch_;
    QtPlatform inner_;
    StandInSerialPorts serial_;
};

} // namespace tessal::bench
