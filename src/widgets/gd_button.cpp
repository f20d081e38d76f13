#include "widgets/gd_button.h"

#include "widgets/gd_button_geometry.h"

#include <QCursor>
#include <QDialog>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tessal {

namespace {

bool ancestorSetsFont(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (widget->testAttribute(Qt::WA_SetFont))
            return true;
    }
    return false;
}

bool isEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool hasShiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers &
            (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
}

} // namespace

QFont gdButtonDefaultFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK JP")});
    font.setBold(true);
    font.setPixelSize(13);
    return font;
}

void markButton(TgdButton* button, const QColor& color) {
    if (button != nullptr)
        button->setMark(color);
}

TgdButton::TgdButton(QWidget* parent) : QWidget(parent) {
    resize(kDefaultWidth, kDefaultHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    FColor = palette().color(QPalette::Button).toRgb();
    if (!ancestorSetsFont(parent))
        setFont(gdButtonDefaultFont());
    if (parent != nullptr)
        firstParentSet();
}

TgdButton::~TgdButton() {
    if (escapeWindow_ != nullptr)
        escapeWindow_->removeEventFilter(this);
}

void TgdButton::firstParentSet() {
    fgParent = true;
    // A freshly placed button shows its name until it is given a caption.
    FCaptionA.setCaption(objectName());
    if (font() == gdButtonDefaultFont() && ancestorSetsFont(parentWidget()))
        setFont(QFont());
}

void TgdButton::setButtonStyle(TgdButtonStyle style) {
    if (style == FButtonStyle)
        return;
    FButtonStyle = style;
    updateRoundClip();
    refresh();
}

void TgdButton::setCancel(bool on) {
    FCancel = on;
    watchWindowForEscape();
}

void TgdButton::setCaptionLine(int index, const TgdBtnCaption& source) {
    (index == 1 ? FCaptionA : FCaptionB).Assign(source);
}

void TgdButton::setCaptionLineSpace(int pixels) {
    if (pixels == FCaptionLineSpace)
        return;
    FCaptionLineSpace = pixels;
    refresh();
}

void TgdButton::setCaptionTop(int y) {
    FCaptionVertCenter = false;
    FCaptionTop = y;
    refresh();
}

void TgdButton::setCaptionVertCenter(bool on) {
    if (on == FCaptionVertCenter)
        return;
    FCaptionVertCenter = on;
    if (on)
        refresh();
}

void TgdButton::setFlatFrameType(TgdBtnFrameType type) {
    if (type == FFlatFrameType)
        return;
    FFlatFrameType = type;
    refresh();
}

void TgdButton::setGradation(bool on) {
    if (on == FGradation)
        return;
    FGradation = on;
    if (on)
        FParentColor = false;
    refresh();
}

QColor TgdButton::Color() const {
    if (FParentColor && parentWidget() != nullptr)
        return parentWidget()->palette().color(parentWidget()->backgroundRole());
    return FColor;
}

void TgdButton::setColor(const QColor& color) {
    FColor = color.toRgb();
    FParentColor = false;
    refresh();
}

void TgdButton::setParentColor(bool on) {
    if (on == FParentColor)
        return;
    FParentColor = on;
    refresh();
}

void TgdButton::setGradColor(int index, const QColor& color) {
    const QColor rgb = color.toRgb();
    QColor& target = index == 1 ? FGradBeginColor : FGradEndColor;
    if (rgb.rgba() == target.rgba())
        return;
    target = rgb;
    refresh();
}

QColor TgdButton::FontColor() const {
    return palette().color(QPalette::Active, QPalette::ButtonText);
}

void TgdButton::setFontColor(const QColor& color) {
    QPalette colours = palette();
    colours.setColor(QPalette::ButtonText, color);
    setPalette(colours);
}

void TgdButton::setHasFocus(bool on) {
    if (on == FHasFocus)
        return;
    FHasFocus = on;
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
    refresh();
}

void TgdButton::setRoundDiameter(int diameter) {
    if (diameter == FRoundDiameter)
        return;
    FRoundDiameter = diameter;
    updateRoundClip();
    refresh();
}

void TgdButton::click() {
    fgMouseDown = false;
    const QPointer<TgdButton> alive(this);
    emit clicked();
    if (alive == nullptr)
        return;
    if (FModalResult != 0) {
        if (auto* dialog = qobject_cast<QDialog*>(window()))
            dialog->done(FModalResult);
    }
    refresh();
}

void TgdButton::refresh() {
    repaint();
}

bool TgdButton::isRoundStyle() const {
    return FButtonStyle == bsRoundRect || FButtonStyle == bsRoundRectNoFrame;
}

bool TgdButton::isActiveControl() const {
    return window()->focusWidget() == this;
}

void TgdButton::updateRoundClip() {
    if (isRoundStyle())
        setMask(roundedButtonRegion(size(), FRoundDiameter));
    else
        clearMask();
}

// Escape must click a Cancel button wherever the focus is, so the button watches the key events
// that reach its window unhandled.
void TgdButton::watchWindowForEscape() {
    QWidget* target = FCancel ? window() : nullptr;
    if (target == escapeWindow_)
        return;
    if (escapeWindow_ != nullptr)
        escapeWindow_->removeEventFilter(this);
    escapeWindow_ = target;
    if (target != nullptr)
        target->installEventFilter(this);
}

bool TgdButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == escapeWindow_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // A hidden or disabled Cancel button cannot be meant by the user.
        if (key->key() == Qt::Key_Escape && FCancel && FHasFocus &&
            !hasShiftState(key->modifiers()) && isEnabled() && isVisible()) {
            click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TgdButton::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ParentChange:
        if (!fgParent && parentWidget() != nullptr)
            firstParentSet();
        watchWindowForEscape();
        break;
    case QEvent::Show:
        watchWindowForEscape();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void TgdButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateRoundClip();
}

void TgdButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange ||
        (event->type() == QEvent::PaletteChange && FParentColor))
        refresh();
}

void TgdButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (FHasFocus)
            setFocus(Qt::MouseFocusReason);
        fgMouseDown = true;
        clickArmed_ = true;
        mouseInside_ = true;
        refresh();
    }
    emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TgdButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    // The second press of a double click is a press of its own, so quick clicks are not lost.
    mousePressEvent(event);
}

void TgdButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        const bool clickHere = clickArmed_ && rect().contains(pos);
        clickArmed_ = false;
        const QPointer<TgdButton> alive(this);
        if (clickHere)
            click();
        if (alive == nullptr)
            return;
        fgMouseDown = false;
        refresh();
    }
    emit mouseUp(event->button(), event->modifiers(), pos);
}

// While the left button is held the mouse is grabbed, so crossing the edge is tracked here.
void TgdButton::mouseMoveEvent(QMouseEvent* event) {
    if (!clickArmed_)
        return;
    const QPoint pos = event->position().toPoint();
    const bool inside = rect().contains(pos);
    if (inside && !mouseInside_)
        DoMouseEnter(event->modifiers(), pos);
    else if (!inside && mouseInside_)
        DoMouseLeave(event->modifiers(), pos);
}

void TgdButton::enterEvent(QEnterEvent* event) {
    if (!mouseInside_)
        DoMouseEnter(event->modifiers(), event->position().toPoint());
}

void TgdButton::leaveEvent(QEvent* event) {
    Q_UNUSED(event);
    if (mouseInside_)
        DoMouseLeave(QGuiApplication::keyboardModifiers(), mapFromGlobal(QCursor::pos()));
}

void TgdButton::DoMouseEnter(Qt::KeyboardModifiers modifiers, QPoint pos) {
    mouseInside_ = true;
    emit mouseEntered(modifiers, pos);
    if (clickArmed_) {
        // Back over the button with the left button still held: look pressed again.
        fgMouseDown = true;
        refresh();
    }
}

void TgdButton::DoMouseLeave(Qt::KeyboardModifiers modifiers, QPoint pos) {
    mouseInside_ = false;
    emit mouseLeft(modifiers, pos);
    fgMouseDown = false;
    refresh();
}

void TgdButton::keyPressEvent(QKeyEvent* event) {
    if (isEnterKey(event->key())) {
        event->accept();
        click();
        return;
    }
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        event->accept();
        fgMouseDown = true;
        refresh();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TgdButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (isEnterKey(event->key())) {
        fgMouseDown = false;
        refresh();
        return;
    }
    if (event->key() == Qt::Key_Space && fgMouseDown) {
        click();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TgdButton::focusInEvent(QFocusEvent* event) {
    if (!FHasFocus)
        return;
    QWidget::focusInEvent(event);
    refresh();
}

void TgdButton::focusOutEvent(QFocusEvent* event) {
    if (!FHasFocus)
        return;
    // Losing the focus while Space holds the button cancels the press.
    if (!clickArmed_)
        fgMouseDown = false;
    QWidget::focusOutEvent(event);
    refresh();
}

} // namespace tessal
