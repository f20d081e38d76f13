#pragma once

#include <QString>

class QLabel;
class QLineEdit;

namespace tessal {

class TgdButton;

// The mode, last code and controls of the conversion test panel; the form inherits them so its
// handlers in src/morse/ read them by name.
struct ConversionState {
    int ConvMode = 0;
    QString TestMorseCode;
    QLabel* Label9 = nullptr;
    TgdButton* Mode0Btn = nullptr;
    TgdButton* Mode1Btn = nullptr;
    TgdButton* Mode2Btn = nullptr;
    QLineEdit* ConvEdit = nullptr;
    TgdButton* CnvCLSBtn = nullptr;
    TgdButton* ConvBtn = nullptr;
    TgdButton* SoundPlayBtn = nullptr;
    QLabel* ConvResultLabel = nullptr;
};

} // namespace tessal
