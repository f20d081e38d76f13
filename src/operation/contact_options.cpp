#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "widgets/button_factory.h"

#include <QLabel>
#include <QLineEdit>
#include <array>

namespace tessal {

namespace {

constexpr std::array<int, 5> kWaitSeconds{10, 15, 20, 25, 30};
constexpr int kDefaultWaitIndex = 1;

// Shows or hides `label` and marks its toggle; the new visibility as a flag.
int toggleLabel(QLabel* label, TgdButton* toggle) {
    // Hidden-ness, not on-screen visibility: the page may not be the one shown.
    const bool visible = label->isHidden();
    label->setVisible(visible);
    markButton(toggle, visible ? kYellow : kBlue);
    return visible ? -1 : 0;
}

} // namespace

void TTessalForm::QSOTypeSelectBtnClick(TgdButton* sender) {
    if (QSOBuzy != 0)
        return;
    QSOlevel = sender->Tag();
    ApplyQSOLevel();
}

void TTessalForm::ApplyQSOLevel() {
    markSelection(QSORStampBtns, QSOlevel);
}

void TTessalForm::QSOResTimeBtnClick(TgdButton* sender) {
    QSOResTime = sender->Tag();
    ApplyQSOResTime();
}

void TTessalForm::ApplyQSOResTime() {
    // A damaged settings file must not leave a wait that can never end.
    if (QSOResTime < 0 || QSOResTime >= int(kWaitSeconds.size()))
        QSOResTime = kDefaultWaitIndex;
    QSOResTimeValue = kWaitSeconds[std::size_t(QSOResTime)];
    markSelection(ResWTimeBtns, QSOResTime);
}

void TTessalForm::QSOCallSignShowBtnClick() {
    toggleLabel(QSOHOSTCallSignLabel, QSOCallSignBtn);
}

void TTessalForm::QSOHelpBtnClick() {
    QSOHelpFlag = toggleLabel(QSOHelpLabel, QSOHelpBtn);
}

void TTessalForm::QSOAssBtnClick() {
    QSOAssFlag = toggleLabel(QSOAssistLabel, QSOAssistBtn);
}

void TTessalForm::KeyInModeBtnClick() {
    QSOKeyinModeFlag = QSOKeyinModeFlag != 0 ? 0 : -1;
    ApplyKeyInMode();
}

void TTessalForm::ApplyKeyInMode() {
    if (QSOKeyinModeFlag != 0) {
        markButton(KeyInModeBtn, kYellow);
        PuddleKeyPanel->hide();
        Edit1->clear();
        KeyInPanel->show();
        Edit1->setFocus();
    } else {
        markButton(KeyInModeBtn, kBlue);
        PuddleKeyPanel->show();
        KeyInPanel->hide();
    }
}

void TTessalForm::EditEnter() {
    QSORecString = Edit1->text();
    QSOMorseStringLabel->setText(QSORecString);
    Edit1->clear();
    Edit1->setFocus();
}

void TTessalForm::Edit1KeyUp(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        EditEnter();
}

void TTessalForm::MorseStringClear() {
    QSoKeyInSignalLabel->setText(QStringLiteral("Key In Signal"));
    QSOMorseStringLabel->setText(QStringLiteral("Morse String"));
    QSORecString.clear();
}

} // namespace tessal
