#pragma once

#include "widgets/gd_button.h"

#include <QRect>
#include <QString>
#include <span>
#include <vector>

namespace tessal {

// One row of a table of buttons built in code.
struct ButtonSpec {
    const char* name;
    QString caption;
    int tag = 0;
    QRect geometry = {};
    QString hint = {};
    QString captionB = {};
};

// The window's colours: blue idle mark over navy, white caption text.
inline const QColor kButtonIdleMark{0x00, 0x00, 0xFF};
inline const QColor kButtonGradientEnd{0x00, 0x00, 0x80};
inline const QColor kButtonCaptionColor{0xFF, 0xFF, 0xFF};

// A bsRoundRect button with the window's colours and font, named, captioned, tagged, placed and
// hinted as its row says.
TgdButton* makeButton(QWidget* parent, const ButtonSpec& spec);

// A button whose clicks go to a handler of the receiver.
template <class Receiver>
TgdButton* makeButton(QWidget* parent, const ButtonSpec& spec, Receiver* receiver,
                      void (Receiver::*onClick)()) {
    TgdButton* button = makeButton(parent, spec);
    QObject::connect(button, &TgdButton::clicked, receiver, onClick);
    return button;
}

// A family of buttons fed to one handler, which reads the value from the sender's Tag().
template <class Receiver>
std::vector<TgdButton*> makeButtonFamily(QWidget* parent, std::span<const ButtonSpec> specs,
                                         Receiver* receiver,
                                         void (Receiver::*onClick)(TgdButton* sender)) {
    std::vector<TgdButton*> family;
    family.reserve(specs.size());
    for (const ButtonSpec& spec : specs) {
        TgdButton* button = makeButton(parent, spec);
        QObject::connect(button, &TgdButton::clicked, receiver,
                         [receiver, onClick, button] { (receiver->*onClick)(button); });
        family.push_back(button);
    }
    return family;
}

} // namespace tessal
