#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace tessal {

void QtDialogs::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kTitle), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

QString QtDialogs::openFileName(const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), folder, filter);
}

QString QtDialogs::saveFileName(const QString& folder, const QString& proposedName,
                                const QString& filter) {
    const QString proposal = folder.isEmpty() ? proposedName : QDir(folder).filePath(proposedName);
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), proposal, filter);
}

} // namespace tessal
