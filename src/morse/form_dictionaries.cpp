#include "app/tessal_form.h"

namespace tessal {

void TTessalForm::LoadDictionaries() {
    const QString folder = CurrentDir + QStringLiteral("/Dictionary/");
    if (const auto error = loadDictionaryFiles(folder, Dictionaries))
        platform_.dialogs().showMessage(*error);
}

QString TTessalForm::ConvertMorse(const QString& text, int mode) const {
    return convertMorse(Dictionaries, text, mode);
}

} // namespace tessal
