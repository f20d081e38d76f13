#pragma once

#include <QString>
#include <QStringList>

namespace tessal {

// The settings file bears the executable's name with ".ini". It lies beside the executable when
// that folder is writable (a build tree, a portable copy); an installed program cannot write
// there, so then it lies in `configFolder`/tessal/. Without a config folder it stays beside the
// executable.
QString chooseSettingsPath(const QString& executablePath, bool executableFolderWritable,
                           const QString& configFolder);

// Where the trainer's data (Dictionary/, Practice/) is looked for, in order: the working
// directory, the install's share/tessal beside the executable's bin/, the executable's folder.
QStringList dataFolders(const QString& workingDirectory, const QString& executablePath);

// The first of `folders` holding any of `entries` (paths relative to it); the first folder when
// none does, so that what is missing is reported against the working directory.
QString firstFolderHolding(const QStringList& folders, const QStringList& entries);

// The folder whose Dictionary/ the trainer reads, from `dataFolders`.
QString dictionaryBaseFolder(const QString& workingDirectory, const QString& executablePath);

// The Practice/ folder (with its trailing '/') from `dataFolders`; empty when there is none.
QString findPracticeFolder(const QString& workingDirectory, const QString& executablePath);

} // namespace tessal
