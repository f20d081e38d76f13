#pragma once

#include "platform/dialogs.h"

namespace tessal {

// Message boxes and file dialogs of Qt, modal over the active window. UI thread only.
class QtDialogs : public Dialogs {
public:
    static constexpr const char* kTitle = "Tessal Morse Trainer";

    void showMessage(const QString& text) override;
    QString openFileName(const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& folder, const QString& proposedName,
                         const QString& filter) override;
};

} // namespace tessal
