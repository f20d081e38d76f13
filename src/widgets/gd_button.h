#pragma once

#include "widgets/gd_btn_caption.h"
#include "widgets/gd_btn_image.h"
#include "widgets/gd_button_types.h"

#include <QColor>
#include <QPoint>
#include <QPointer>
#include <QWidget>

class QPainter;

namespace tessal {

// The program's self-painted push button: a vertical two-colour gradient, up to two caption
// lines, an optional picture, one of five frame styles, a pressed look and a focus mark.
// Its state mark is the top colour of the gradient (GradBeginColor).
class TgdButton : public QWidget {
    Q_OBJECT

public:
    static constexpr int kDefaultWidth = 75;
    static constexpr int kDefaultHeight = 26;

    explicit TgdButton(QWidget* parent = nullptr);
    ~TgdButton() override;

    TgdButtonStyle ButtonStyle() const { return FButtonStyle; }
    void setButtonStyle(TgdButtonStyle style);
    // Escape reaching the window clicks a Cancel button.
    bool Cancel() const { return FCancel; }
    void setCancel(bool on);

    TgdBtnCaption& CaptionA() { return FCaptionA; }
    const TgdBtnCaption& CaptionA() const { return FCaptionA; }
    TgdBtnCaption& CaptionB() { return FCaptionB; }
    const TgdBtnCaption& CaptionB() const { return FCaptionB; }
    // Index 1 copies into CaptionA, any other index into CaptionB.
    void setCaptionLine(int index, const TgdBtnCaption& source);
    // The text of the first line.
    QString caption() const { return FCaptionA.Caption(); }
    void setCaption(const QString& text) { FCaptionA.setCaption(text); }

    int CaptionLineSpace() const { return FCaptionLineSpace; }
    void setCaptionLineSpace(int pixels);
    // Setting CaptionTop switches CaptionVertCenter off; while centred it holds the last
    // computed top of the caption block.
    int CaptionTop() const { return FCaptionTop; }
    void setCaptionTop(int y);
    bool CaptionVertCenter() const { return FCaptionVertCenter; }
    void setCaptionVertCenter(bool on);

    TgdBtnFrameType FlatFrameType() const { return FFlatFrameType; }
    void setFlatFrameType(TgdBtnFrameType type);

    // Without Gradation the face is a solid Color fill; switching it on switches ParentColor off.
    bool Gradation() const { return FGradation; }
    void setGradation(bool on);
    QColor Color() const;
    void setColor(const QColor& color);
    bool ParentColor() const { return FParentColor; }
    void setParentColor(bool on);

    QColor GradBeginColor() const { return FGradBeginColor; }
    void setGradBeginColor(const QColor& color) { setGradColor(1, color); }
    QColor GradEndColor() const { return FGradEndColor; }
    void setGradEndColor(const QColor& color) { setGradColor(2, color); }
    // Index 1 = GradBeginColor, any other index GradEndColor. Repaints at once, and only when
    // the colour really changes, so re-marking a whole group is cheap.
    void setGradColor(int index, const QColor& color);

    // The selection mark: aqua chosen, blue off, yellow on, lime playing, green held, white
    // warning.
    QColor mark() const { return FGradBeginColor; }
    void setMark(const QColor& color) { setGradColor(1, color); }

    // Colour of the caption text (the palette's ButtonText role).
    QColor FontColor() const;
    void setFontColor(const QColor& color);

    // The button takes the focus and shows the focus mark, the pressed offset and the disabled
    // look.
    bool HasFocus() const { return FHasFocus; }
    void setHasFocus(bool on);

    // Passed to a QDialog window's done() on every click when not 0.
    int ModalResult() const { return FModalResult; }
    void setModalResult(int result) { FModalResult = result; }

    TgdBtnImage& Image() { return FImage; }
    const TgdBtnImage& Image() const { return FImage; }

    // Corner diameter of the two round styles.
    int RoundDiameter() const { return FRoundDiameter; }
    void setRoundDiameter(int diameter);

    // The value a member of a button family stands for.
    int Tag() const { return FTag; }
    void setTag(int tag) { FTag = tag; }

    // True while the left button (or Space) holds the button down.
    bool isMouseDown() const { return fgMouseDown; }

    // Clears the pressed look, hands ModalResult to a dialog window, emits clicked(), repaints.
    void click();

    // Repaints synchronously when the button is on screen.
    void refresh();

signals:
    void clicked();
    void doubleClicked();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseEntered(Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseLeft(Qt::KeyboardModifiers modifiers, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool isRoundStyle() const;
    bool showsPressedOffset() const { return fgMouseDown && FHasFocus; }
    bool isActiveControl() const;
    void updateRoundClip();
    void watchWindowForEscape();
    void firstParentSet();
    void DoMouseEnter(Qt::KeyboardModifiers modifiers, QPoint pos);
    void DoMouseLeave(Qt::KeyboardModifiers modifiers, QPoint pos);

    void paintFace(QPainter& painter);
    void paintGradient(QPainter& painter) const;
    void paintPicture(QPainter& painter);
    void paintCaptions(QPainter& painter);
    void paintCaptionLine(QPainter& painter, const TgdBtnCaption& line, int y) const;
    void paintCaptionText(QPainter& painter, const TgdBtnCaption& line, QPoint at) const;
    void paintFrame(QPainter& painter) const;
    void paintFocusMark(QPainter& painter) const;

    TgdButtonStyle FButtonStyle = bsNormal;
    bool FCancel = false;
    TgdBtnCaption FCaptionA{*this};
    TgdBtnCaption FCaptionB{*this};
    int FCaptionLineSpace = 4;
    int FCaptionTop = 0;
    bool FCaptionVertCenter = true;
    TgdBtnFrameType FFlatFrameType = bffFlat;
    bool FGradation = true;
    QColor FColor;
    bool FParentColor = false;
    QColor FGradBeginColor{0xFF, 0xFF, 0xFF};
    QColor FGradEndColor{0xC0, 0xC0, 0xC0};
    bool FHasFocus = true;
    int FModalResult = 0;
    TgdBtnImage FImage{*this};
    int FRoundDiameter = 7;
    int FTag = 0;
    bool fgMouseDown = false;
    bool fgParent = false;
    bool clickArmed_ = false; // the left button went down here; releasing inside clicks
    bool mouseInside_ = false;
    QPointer<QWidget> escapeWindow_;
};

// Marks a button's state by the top colour of its gradient; a null button is ignored.
void markButton(TgdButton* button, const QColor& color);

// The buttons' own face: the Japanese gothic face, bold, 13 px.
QFont gdButtonDefaultFont();

} // namespace tessal
