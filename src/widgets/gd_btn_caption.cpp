#include "widgets/gd_btn_caption.h"

#include "widgets/gd_button.h"

namespace tessal {

void TgdBtnCaption::setCaption(const QString& caption) {
    if (caption == FCaption)
        return;
    FCaption = caption;
    FgdBtn.refresh();
}

void TgdBtnCaption::setAlignment(TgdBtnAlignment alignment) {
    if (alignment == FAlignment)
        return;
    FAlignment = alignment;
    FgdBtn.refresh();
}

void TgdBtnCaption::setMargin(int index, int pixels) {
    int& margin = index == 1 ? FLeft : FRight;
    if (pixels == margin)
        return;
    margin = pixels;
    FgdBtn.refresh();
}

void TgdBtnCaption::Assign(const TgdBtnCaption& source) {
    FCaption = source.FCaption;
    FAlignment = source.FAlignment;
    FLeft = source.FLeft;
    FRight = source.FRight;
    FgdBtn.refresh();
}

} // namespace tessal
