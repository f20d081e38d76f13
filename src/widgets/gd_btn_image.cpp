#include "widgets/gd_btn_image.h"

#include "widgets/gd_button.h"

namespace tessal {

void TgdBtnImage::setPicture(const QPixmap& bitmap) {
    if (bitmap.isNull())
        FPicture = std::monostate{};
    else
        FPicture = bitmap;
    changed();
}

void TgdBtnImage::setPicture(const QIcon& icon) {
    if (icon.isNull())
        FPicture = std::monostate{};
    else
        FPicture = icon;
    changed();
}

void TgdBtnImage::clearPicture() {
    FPicture = std::monostate{};
    changed();
}

bool TgdBtnImage::hasGraphic() const {
    return !std::holds_alternative<std::monostate>(FPicture);
}

QSize TgdBtnImage::graphicSize() const {
    if (const QPixmap* pixmap = bitmap())
        return pixmap->deviceIndependentSize().toSize();
    if (const QIcon* picture = icon()) {
        const QList<QSize> sizes = picture->availableSizes();
        return sizes.isEmpty() ? QSize(kDefaultIconSide, kDefaultIconSide) : sizes.first();
    }
    return {};
}

void TgdBtnImage::setLeft(int x) {
    FHorzCenter = false;
    FLeft = x;
    changed();
}

void TgdBtnImage::setTop(int y) {
    FVertCenter = false;
    FTop = y;
    changed();
}

void TgdBtnImage::setTransParent(bool on) {
    if (on == FTransParent)
        return;
    FTransParent = on;
    changed();
}

void TgdBtnImage::setVisible(bool on) {
    if (on == FVisible)
        return;
    FVisible = on;
    changed();
}

void TgdBtnImage::setVertCenter(bool on) {
    if (on == FVertCenter)
        return;
    FVertCenter = on;
    changed();
}

void TgdBtnImage::setHorzCenter(bool on) {
    if (on == FHorzCenter)
        return;
    FHorzCenter = on;
    changed();
}

void TgdBtnImage::placeCentred(QSize buttonSize) {
    const QSize graphic = graphicSize();
    if (FVertCenter)
        FTop = (buttonSize.height() - graphic.height()) / 2;
    if (FHorzCenter)
        FLeft = (buttonSize.width() - graphic.width()) / 2;
}

void TgdBtnImage::changed() {
    FgdBtn.refresh();
}

} // namespace tessal
