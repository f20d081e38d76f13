#pragma once

#include <QString>

namespace tessal {

// Modal message boxes and file dialogs. An empty string from a file dialog means "cancelled".
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void showMessage(const QString& text) = 0;
    virtual QString openFileName(const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(const QString& folder, const QString& proposedName,
                                 const QString& filter) = 0;
};

} // namespace tessal
