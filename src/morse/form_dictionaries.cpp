#include "app/install_layout.h"
#include "app/tessal_form.h"

namespace tessal {

void TTessalForm::LoadDictionaries() {
    const QString folder = dictionaryBaseFolder(CurrentDir, platform_.executablePath()) +
                           QStringLiteral("/Dictionary/");
    if (const auto error = loadDictionaryFiles(folder, Dictionaries))
        platform_.dialogs().showMessage(*error);
}

QString TTessalForm::ConvertMorse(const QString& text, int mode) const {
    return convertMorse(Dictionaries, text, mode);
}

} // namespace tessal
