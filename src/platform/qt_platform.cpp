#include "platform/qt_platform.h"

#include <QCoreApplication>
#include <QDir>

namespace tessal {

QtPlatform::QtPlatform() : QtPlatform(SdlWaveOutput::Options{}) {}

QtPlatform::QtPlatform(SdlWaveOutput::Options audio)
    : wave_(std::move(audio)), serial_([this] { loop_.wakeUp(); }), speech_(wave_, loop_),
      sounds_(wave_, loop_) {
    wave_.setOnVoiceEnd([this] { loop_.wakeUp(); });
    wave_.setScheduleWake([this](int64_t atUs) { loop_.wakeAt(atUs); });
    wave_.setClock([this] { return loop_.logicalUs(); },
                   [this](int64_t atUs) { loop_.settleAt(atUs); });
}

QtPlatform::~QtPlatform() = default;

QString QtPlatform::executablePath() {
    return QCoreApplication::applicationFilePath();
}

QString QtPlatform::workingDirectory() {
    return QDir::currentPath();
}

} // namespace tessal
