#include "keyer/keyboard_key.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace tessal {

namespace {
// X11 and xkb key symbols, and the evdev scan codes X adds 8 to.
constexpr quint32 kSymControlL = 0xffe3;
constexpr quint32 kSymControlR = 0xffe4;
constexpr quint32 kScanControlL = 37;
constexpr quint32 kScanControlR = 105;
} // namespace

KeyContact keyContactOf(const QKeyEvent& event) {
    if (event.key() != Qt::Key_Control)
        return KeyContact::None;
    switch (event.nativeVirtualKey()) {
    case kSymControlL:
        return KeyContact::Dot;
    case kSymControlR:
        return KeyContact::Dash;
    default:
        break;
    }
    switch (event.nativeScanCode()) {
    case kScanControlL:
        return KeyContact::Dot;
    case kScanControlR:
        return KeyContact::Dash;
    default:
        return KeyContact::None;
    }
}

KeyboardKey::KeyboardKey(Edges edges, QObject* parent) : QObject(parent), edges_(std::move(edges)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyboardKey::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // A key event reaches the filter once for each object it is delivered to; the window
        // system sends it to the focus window first, which is where it is taken.
        if (!watched->isWindowType())
            break;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat())
            break;
        const KeyContact contact = keyContactOf(*key);
        if (event->type() == QEvent::KeyPress)
            press(contact);
        else
            release(contact);
        break;
    }
    case QEvent::ApplicationDeactivate:
        release(KeyContact::Dot);
        release(KeyContact::Dash);
        break;
    default:
        break;
    }
    return false;
}

void KeyboardKey::press(KeyContact contact) {
    if (contact == KeyContact::Dot && !dotHeld_) {
        dotHeld_ = true;
        edges_.dotDown();
    } else if (contact == KeyContact::Dash && !dashHeld_) {
        dashHeld_ = true;
        edges_.dashDown();
    }
}

void KeyboardKey::release(KeyContact contact) {
    if (contact == KeyContact::Dot && dotHeld_) {
        dotHeld_ = false;
        edges_.dotUp();
    } else if (contact == KeyContact::Dash && dashHeld_) {
        dashHeld_ = false;
        edges_.dashUp();
    }
}

} // namespace tessal
