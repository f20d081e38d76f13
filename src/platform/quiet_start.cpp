#include "platform/quiet_start.h"

#include <QDir>
#include <QFile>

#include <alsa/asoundlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessal {
namespace {

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

constexpr mode_t kPrivate = S_IRWXU;

bool isOwnFolder(const QByteArray& path, struct stat* info) {
    return ::lstat(path.constData(), info) == 0 && S_ISDIR(info->st_mode) &&
           info->st_uid == ::geteuid();
}

bool isPrivateFolder(const QByteArray& path) {
    struct stat info {};
    return isOwnFolder(path, &info) && (info.st_mode & 07777) == kPrivate;
}

} // namespace

void silenceAlsaErrors() {
    snd_lib_error_set_handler(&ignoreAlsaError);
}

QString chooseRuntimeFolder(const QString& sessionFolder, const QString& fallbackFolder) {
    if (isPrivateFolder(QFile::encodeName(sessionFolder)))
        return sessionFolder;
    const QByteArray fallback = QFile::encodeName(fallbackFolder);
    ::mkdir(fallback.constData(), kPrivate);
    struct stat info {};
    // Someone else's folder of that name is never used: it could be read or replaced by them.
    if (!isOwnFolder(fallback, &info))
        return {};
    if ((info.st_mode & 07777) != kPrivate && ::chmod(fallback.constData(), kPrivate) != 0)
        return {};
    return fallbackFolder;
}

void ensureRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString uid = QString::number(::geteuid());
    const QString folder = chooseRuntimeFolder(
        QStringLiteral("/run/user/") + uid, QDir::tempPath() + QStringLiteral("/runtime-") + uid);
    if (!folder.isEmpty())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
}

} // namespace tessal
