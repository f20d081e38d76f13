#pragma once

#include <QString>

namespace tessal {

// ALSA prints every failed device probe to the terminal, and SDL probes several where there is no
// sound card. The wave output tells the user itself, in one line, when sound goes on silently.
void silenceAlsaErrors();

// Qt warns when XDG_RUNTIME_DIR is unset (su, ssh, a bare X session) and then falls back to a
// folder in /tmp all the same. Setting the variable first to a private folder of our own avoids
// the warning. Call before the QApplication is made.
void ensureRuntimeFolder();

// The runtime folder to use: `sessionFolder` when it is a private folder of this user (0700,
// ours), else `fallbackFolder`, made or repaired to 0700 when it is ours; empty when neither can
// be used.
QString chooseRuntimeFolder(const QString& sessionFolder, const QString& fallbackFolder);

} // namespace tessal
