#include "platform/qt_dialogs.h"

#include "platform/shutdown_signals.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace tessal {

// Once the program is being ended by a signal nobody is there to answer a dialog.
void QtDialogs::showMessage(const QString& text) {
    if (ShutdownSignals::endingSignalReceived())
        return;
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kTitle), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

QString QtDialogs::openFileName(const QString& folder, const QString& filter) {
    if (ShutdownSignals::endingSignalReceived())
        return {};
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), folder, filter);
}

QString QtDialogs::saveFileName(const QString& folder, const QString& proposedName,
                                const QString& filter) {
    if (ShutdownSignals::endingSignalReceived())
        return {};
    const QString proposal = folder.isEmpty() ? proposedName : QDir(folder).filePath(proposedName);
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), proposal, filter);
}

} // namespace tessal
