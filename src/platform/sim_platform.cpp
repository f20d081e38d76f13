#include "platform/sim_platform.h"

#include <QDir>

namespace tessal {

SimPlatform::SimPlatform() {
    loop_.setGuard([this](const std::function<void()>& action) { guarded(action); });
}

bool SimPlatform::isWritableFolder(const QString& folder) {
    for (const QString& readOnly : readOnlyFolders_)
        if (QDir::cleanPath(readOnly) == QDir::cleanPath(folder))
            return false;
    return folderIsWritable(folder);
}

} // namespace tessal
