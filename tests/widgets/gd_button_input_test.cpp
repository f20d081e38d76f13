#include "button_pixels.h"
#include "widgets/gd_button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>

namespace tessal {
namespace {

using testing::inkBounds;
using testing::makePlain;
using testing::near;
using testing::renderButton;

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* watched) { watched->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

struct ColourChangeCase {
    const char* what;
    int index;
    QColor colour;
    int paints;
};

TEST(ButtonMark, RepaintsAtOnceOnlyWhenTheColourReallyChanges) {
    const ColourChangeCase cases[] = {
        {"same begin colour", 1, QColor(0x00, 0x00, 0xFF), 0},
        {"new begin colour", 1, QColor(0x00, 0xFF, 0xFF), 1},
        {"same end colour", 2, QColor(0x00, 0x00, 0x80), 0},
        {"new end colour", 2, QColor(0x00, 0x00, 0x00), 1},
        {"same colour given by name", 1, QColor(Qt::blue), 0},
    };
    for (const ColourChangeCase& c : cases) {
        SCOPED_TRACE(c.what);
        TgdButton button;
        button.setGradBeginColor(QColor(0x00, 0x00, 0xFF));
        button.setGradEndColor(QColor(0x00, 0x00, 0x80));
        button.show();
        QApplication::processEvents();
        PaintCounter counter(&button);
        button.setGradColor(c.index, c.colour);
        EXPECT_EQ(counter.paints, c.paints); // counted before any event processing
        EXPECT_EQ(c.index == 1 ? button.GradBeginColor() : button.GradEndColor(), c.colour);
    }
}

TEST(ButtonMark, MarkIsTheTopColourOfTheFace) {
    TgdButton button;
    button.setButtonStyle(bsFlatNoFrame);
    for (const QColor mark : {QColor(0x00, 0xFF, 0xFF), QColor(0xFF, 0xFF, 0x00),
                              QColor(0x00, 0xFF, 0x00), QColor(0x00, 0x80, 0x00)}) {
        markButton(&button, mark);
        EXPECT_EQ(button.mark(), mark);
        EXPECT_EQ(renderButton(button).pixelColor(37, 0), mark);
    }
    markButton(nullptr, Qt::white);
}

struct ClipCase {
    TgdButtonStyle style;
    bool clipped;
};

TEST(ButtonClip, RoundStylesAreClippedToARoundedOutlineThatFollowsTheSize) {
    const ClipCase cases[] = {{bsRoundRect, true},
                              {bsRoundRectNoFrame, true},
                              {bsNormal, false},
                              {bsFlat, false},
                              {bsFlatNoFrame, false}};
    for (const ClipCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.style));
        QWidget window;
        auto& button = *new TgdButton(&window);
        button.setButtonStyle(c.style);
        window.show();
        for (const QSize size : {QSize(75, 26), QSize(120, 50), QSize(40, 20)}) {
            button.resize(size);
            const QRegion mask = button.mask();
            EXPECT_EQ(mask.isEmpty(), !c.clipped);
            if (!c.clipped)
                continue;
            const int w = size.width(), h = size.height();
            EXPECT_TRUE(mask.contains(QPoint(w / 2, h / 2)));
            EXPECT_TRUE(mask.contains(QPoint(w - 1, h / 2)));
            EXPECT_FALSE(mask.contains(QPoint(0, 0)));
            EXPECT_FALSE(mask.contains(QPoint(w - 1, h - 1)));
            EXPECT_EQ(mask.boundingRect(), QRect(0, 0, w, h));
        }
    }
}

TEST(ButtonClip, LeavingTheRoundStylesRemovesTheClipAndANewDiameterRebuildsIt) {
    TgdButton button;
    button.setButtonStyle(bsRoundRect);
    const QRegion small = button.mask();
    button.setRoundDiameter(20);
    EXPECT_FALSE(button.mask().contains(QPoint(2, 2)));
    EXPECT_TRUE(small.contains(QPoint(2, 2)));
    button.setButtonStyle(bsNormal);
    EXPECT_TRUE(button.mask().isEmpty());
}

// A window with a line edit, a default button and a Cancel button.
struct KeyWindow {
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    TgdButton* ok = new TgdButton(&window);
    TgdButton* cancel = new TgdButton(&window);
    int okClicks = 0, cancelClicks = 0;

    KeyWindow() {
        ok->move(0, 40);
        cancel->move(80, 40);
        QObject::connect(ok, &TgdButton::clicked, &window, [this] { ++okClicks; });
        QObject::connect(cancel, &TgdButton::clicked, &window, [this] { ++cancelClicks; });
        window.show();
        window.activateWindow();
        QApplication::processEvents();
    }
};

void sendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &release);
}

struct KeyCase {
    const char* what;
    bool cancelOn;
    bool cancelEnabled;
    bool focusOnOk;
    int key;
    Qt::KeyboardModifiers modifiers;
    int okClicks, cancelClicks;
};

TEST(ButtonKeys, EnterClicksTheFocusedButtonAndEscapeClicksTheCancelButton) {
    const KeyCase cases[] = {
        {"Escape with Cancel", true, true, false, Qt::Key_Escape, Qt::NoModifier, 0, 1},
        {"Escape without Cancel", false, true, false, Qt::Key_Escape, Qt::NoModifier, 0, 0},
        {"Escape on the focused button", true, true, true, Qt::Key_Escape, Qt::NoModifier, 0, 1},
        {"Shift+Escape", true, true, false, Qt::Key_Escape, Qt::ShiftModifier, 0, 0},
        {"Escape, Cancel disabled", true, false, false, Qt::Key_Escape, Qt::NoModifier, 0, 0},
        {"Enter on the focused button", true, true, true, Qt::Key_Return, Qt::NoModifier, 1, 0},
        {"keypad Enter", false, true, true, Qt::Key_Enter, Qt::KeypadModifier, 1, 0},
        {"Enter in the edit", true, true, false, Qt::Key_Return, Qt::NoModifier, 0, 0},
        {"Space on the focused button", false, true, true, Qt::Key_Space, Qt::NoModifier, 1, 0},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        KeyWindow w;
        w.cancel->setCancel(c.cancelOn);
        w.cancel->setEnabled(c.cancelEnabled);
        QWidget* focus = c.focusOnOk ? static_cast<QWidget*>(w.ok) : w.edit;
        focus->setFocus();
        sendKey(focus, c.key, c.modifiers);
        EXPECT_EQ(w.okClicks, c.okClicks);
        EXPECT_EQ(w.cancelClicks, c.cancelClicks);
    }
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButtons held) {
    QMouseEvent event(type, pos, target->mapToGlobal(pos), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

TEST(ButtonMouse, HoldingTheLeftButtonShiftsCaptionAndPictureUntilTheMouseLeaves) {
    QWidget window;
    auto* button = new TgdButton(&window);
    // Red text: the focus mark the press brings is drawn in white.
    makePlain(*button, Qt::black, Qt::red);
    button->setCaption(QStringLiteral("HH"));
    button->CaptionA().setAlignment(taRight);
    QPixmap picture(6, 6);
    picture.fill(Qt::green);
    button->Image().setPicture(picture);
    window.show();
    QApplication::processEvents();
    int clicks = 0;
    QObject::connect(button, &TgdButton::clicked, &window, [&clicks] { ++clicks; });

    const QRect textUp = inkBounds(renderButton(*button), near(Qt::red, 120));
    const QRect pictureUp = inkBounds(renderButton(*button), near(Qt::green, 30));
    sendMouse(button, QEvent::MouseButtonPress, {30, 10}, Qt::LeftButton);
    EXPECT_TRUE(button->isMouseDown());
    EXPECT_TRUE(button->hasFocus());
    const QImage pressed = renderButton(*button);
    EXPECT_EQ(inkBounds(pressed, near(Qt::red, 120)), textUp.translated(1, 1));
    EXPECT_EQ(inkBounds(pressed, near(Qt::green, 30)), pictureUp.translated(1, 1));

    sendMouse(button, QEvent::MouseMove, {200, 10}, Qt::LeftButton);
    EXPECT_FALSE(button->isMouseDown());
    EXPECT_EQ(inkBounds(renderButton(*button), near(Qt::red, 120)), textUp);
    sendMouse(button, QEvent::MouseButtonRelease, {200, 10}, Qt::NoButton);
    EXPECT_EQ(clicks, 0);

    sendMouse(button, QEvent::MouseButtonPress, {30, 10}, Qt::LeftButton);
    sendMouse(button, QEvent::MouseButtonRelease, {30, 10}, Qt::NoButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->isMouseDown());
}

TEST(ButtonMouse, PressAndReleaseReachTheirHandlersAroundTheClick) {
    QWidget window;
    auto* button = new TgdButton(&window);
    window.show();
    std::vector<std::string> order;
    QObject::connect(
        button, &TgdButton::mouseDown, &window,
        [&order](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) { order.push_back("down"); });
    QObject::connect(button, &TgdButton::clicked, &window, [&order] { order.push_back("click"); });
    QObject::connect(
        button, &TgdButton::mouseUp, &window,
        [&order](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) { order.push_back("up"); });
    sendMouse(button, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    sendMouse(button, QEvent::MouseButtonRelease, {5, 5}, Qt::NoButton);
    EXPECT_EQ(order, (std::vector<std::string>{"down", "click", "up"}));
}

TEST(ButtonParent, FreshButtonShowsItsNameWhenFirstPlaced) {
    TgdButton button;
    button.setObjectName(QStringLiteral("SpeedBtn"));
    QWidget first, second;
    button.setParent(&first);
    EXPECT_EQ(button.caption(), QStringLiteral("SpeedBtn"));
    button.setCaption(QStringLiteral("20 WPM"));
    button.setParent(&second);
    EXPECT_EQ(button.caption(), QStringLiteral("20 WPM"));
    button.setParent(nullptr);
}

} // namespace
} // namespace tessal
