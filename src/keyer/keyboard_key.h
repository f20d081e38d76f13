#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;

namespace tessal {

// Which paddle contact a key stands for: Left Ctrl the dot, Right Ctrl the dash, as the USB
// paddle adapters that present themselves as keyboards send them.
enum class KeyContact { None, Dot, Dash };
KeyContact keyContactOf(const QKeyEvent& event);

// Watches every key event of the application, whatever page or control has the focus, and
// turns presses and releases of the two Ctrl keys into contact edges. Auto-repeated presses are
// ignored. A contact still held when the application loses the keyboard is released, so a key
// never sticks down. Events are passed on untouched. UI thread only.
class KeyboardKey : public QObject {
    Q_OBJECT

public:
    struct Edges {
        std::function<void()> dotDown, dotUp, dashDown, dashUp;
    };
    KeyboardKey(Edges edges, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(KeyContact contact);
    void release(KeyContact contact);

    Edges edges_;
    bool dotHeld_ = false;
    bool dashHeld_ = false;
};

} // namespace tessal
