#include "platform/platform.h"

#include "platform/error.h"

#include <QDir>
#include <QFile>
#include <exception>
#include <unistd.h>

namespace tessal {

void Platform::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const TessalError& error) {
        dialogs().showMessage(error.message());
    } catch (const std::exception& error) {
        dialogs().showMessage(QString::fromUtf8(error.what()));
    } catch (...) {
        dialogs().showMessage(QStringLiteral("Unknown error."));
    }
}

std::unique_ptr<IntervalTimer> Platform::createTimer() {
    auto timer = loop().createTimer();
    timer->setGuard([this](const std::function<void()>& handler) { guarded(handler); });
    return timer;
}

bool Platform::isWritableFolder(const QString& folder) {
    return folderIsWritable(folder);
}

QString Platform::userConfigFolder() {
    return xdgConfigFolder(qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath());
}

bool folderIsWritable(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

QString xdgConfigFolder(const QString& xdgConfigHome, const QString& home) {
    if (QDir::isAbsolutePath(xdgConfigHome))
        return QDir::cleanPath(xdgConfigHome);
    if (home.isEmpty())
        return {};
    return QDir::cleanPath(home + QStringLiteral("/.config"));
}

} // namespace tessal
