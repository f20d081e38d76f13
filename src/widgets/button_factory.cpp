#include "widgets/button_factory.h"

namespace tessal {

TgdButton* makeButton(QWidget* parent, const ButtonSpec& spec) {
    auto* button = new TgdButton(parent);
    button->setObjectName(QString::fromLatin1(spec.name));
    button->setButtonStyle(bsRoundRect);
    button->setGradBeginColor(kButtonIdleMark);
    button->setGradEndColor(kButtonGradientEnd);
    button->setFontColor(kButtonCaptionColor);
    button->setFont(gdButtonDefaultFont());
    button->setCaption(spec.caption);
    button->CaptionB().setCaption(spec.captionB);
    button->setTag(spec.tag);
    if (spec.geometry.isValid())
        button->setGeometry(spec.geometry);
    button->setToolTip(spec.hint);
    return button;
}

void markSelection(std::span<TgdButton* const> group, int value) {
    for (TgdButton* button : group)
        button->setMark(button->Tag() == value ? kButtonChosenMark : kButtonIdleMark);
}

} // namespace tessal
