#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <variant>

namespace tessal {

class TgdButton;

// The optional picture of a TgdButton: a bitmap (QPixmap) or an icon (QIcon), nothing else.
class TgdBtnImage {
public:
    // An icon has no size of its own; this is the size it is drawn at when it offers none.
    static constexpr int kDefaultIconSide = 32;

    explicit TgdBtnImage(TgdButton& owner) : FgdBtn(owner) {}
    TgdBtnImage(const TgdBtnImage&) = delete;
    TgdBtnImage& operator=(const TgdBtnImage&) = delete;

    void setPicture(const QPixmap& bitmap);
    void setPicture(const QIcon& icon);
    void clearPicture();
    bool hasGraphic() const;
    bool isBitmap() const { return std::holds_alternative<QPixmap>(FPicture); }
    const QPixmap* bitmap() const { return std::get_if<QPixmap>(&FPicture); }
    const QIcon* icon() const { return std::get_if<QIcon>(&FPicture); }
    QSize graphicSize() const;

    // Setting Left switches HorzCenter off, setting Top switches VertCenter off.
    int Left() const { return FLeft; }
    void setLeft(int x);
    int Top() const { return FTop; }
    void setTop(int y);
    bool TransParent() const { return FTransParent; }
    void setTransParent(bool on);
    bool Visible() const { return FVisible; }
    void setVisible(bool on);
    bool VertCenter() const { return FVertCenter; }
    void setVertCenter(bool on);
    bool HorzCenter() const { return FHorzCenter; }
    void setHorzCenter(bool on);

    // Paint-time centring stores the computed place without switching centring off.
    void placeCentred(QSize buttonSize);

private:
    void changed();

    TgdButton& FgdBtn;
    std::variant<std::monostate, QPixmap, QIcon> FPicture;
    int FLeft = 10;
    int FTop = 0;
    bool FTransParent = false;
    bool FVisible = true;
    bool FVertCenter = true;
    bool FHorzCenter = false;
};

} // namespace tessal
