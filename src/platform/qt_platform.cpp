#include "platform/qt_platform.h"

#include <QCoreApplication>
#include <QDir>

namespace tessal {

QtPlatform::QtPlatform() : QtPlatform(SdlWaveOutput::Options{}) {}

QtPlatform::QtPlatform(SdlWaveOutput::Options audio)
    : wave_(std::move(audio)), serial_([this] { wakeForLineChange(); }), speech_(wave_, loop_),
      sounds_(wave_, loop_) {
    wave_.setOnVoiceEnd([this] { loop_.wakeUp(); });
    wave_.setScheduleWake([this](int64_t atUs) { loop_.wakeAt(atUs); });
    wave_.setClock([this] { return loop_.logicalUs(); },
                   [this](int64_t atUs) { loop_.settleAt(atUs); });
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::wakeForLineChange() {
    // The serial poll loop reads the lines, then processes messages, then compares. A change
    // during that wait is read in the next pass, whose wait must then not block: the event
    // posted here posts a second one, which Qt leaves for that next pass.
    QMetaObject::invokeMethod(
        &lineWake_,
        [this] {
            QMetaObject::invokeMethod(
                &lineWake_, [] {}, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

QString QtPlatform::executablePath() {
    return QCoreApplication::applicationFilePath();
}

QString QtPlatform::workingDirectory() {
    return QDir::currentPath();
}

} // namespace tessal
