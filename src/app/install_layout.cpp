#include "app/install_layout.h"

#include "morse/dictionaries.h"

#include <QDir>
#include <QFileInfo>

namespace tessal {

QString chooseSettingsPath(const QString& executablePath, bool executableFolderWritable,
                           const QString& configFolder) {
    const QFileInfo executable(executablePath);
    const QString name = executable.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString fileName = (dot > 0 ? name.left(dot) : name) + QStringLiteral(".ini");
    if (executableFolderWritable || configFolder.isEmpty())
        return executable.path() + u'/' + fileName;
    return QDir::cleanPath(configFolder + QStringLiteral("/tessal/") + fileName);
}

QStringList dataFolders(const QString& workingDirectory, const QString& executablePath) {
    const QString executableFolder = QFileInfo(executablePath).path();
    return {workingDirectory,
            QDir::cleanPath(executableFolder + QStringLiteral("/../share/tessal")),
            executableFolder};
}

QString firstFolderHolding(const QStringList& folders, const QStringList& entries) {
    for (const QString& folder : folders)
        for (const QString& entry : entries)
            if (QFileInfo::exists(folder + u'/' + entry))
                return folder;
    return folders.value(0);
}

QString dictionaryBaseFolder(const QString& workingDirectory, const QString& executablePath) {
    // A folder counts only when its Dictionary/ holds one of our files: an unrelated
    // ~/Dictionary must not hide the installed tables from a trainer started from the menu.
    QStringList entries;
    for (const QString& name : dictionaryFileNames())
        entries.append(QStringLiteral("Dictionary/") + name);
    return firstFolderHolding(dataFolders(workingDirectory, executablePath), entries);
}

QString findPracticeFolder(const QString& workingDirectory, const QString& executablePath) {
    const QString base = firstFolderHolding(dataFolders(workingDirectory, executablePath),
                                            {QStringLiteral("Practice")});
    const QString practice = base + QStringLiteral("/Practice/");
    return QFileInfo(practice).isDir() ? practice : QString();
}

} // namespace tessal
