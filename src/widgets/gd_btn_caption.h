#pragma once

#include "widgets/gd_button_types.h"

#include <QString>

namespace tessal {

class TgdButton;

// One caption line of a TgdButton. Every change repaints the owning button.
class TgdBtnCaption {
public:
    explicit TgdBtnCaption(TgdButton& owner) : FgdBtn(owner) {}
    TgdBtnCaption(const TgdBtnCaption&) = delete;
    TgdBtnCaption& operator=(const TgdBtnCaption&) = delete;

    const QString& Caption() const { return FCaption; }
    void setCaption(const QString& caption);
    TgdBtnAlignment Alignment() const { return FAlignment; }
    void setAlignment(TgdBtnAlignment alignment);
    // Margins in pixels; index 1 = Left, index 2 = Right.
    int Left() const { return FLeft; }
    void setLeft(int pixels) { setMargin(1, pixels); }
    int Right() const { return FRight; }
    void setRight(int pixels) { setMargin(2, pixels); }
    void setMargin(int index, int pixels);

    // Copies text, alignment and margins of another line, then repaints.
    void Assign(const TgdBtnCaption& source);

private:
    TgdButton& FgdBtn;
    QString FCaption;
    TgdBtnAlignment FAlignment = taCenter;
    int FLeft = 0;
    int FRight = 0;
};

} // namespace tessal
