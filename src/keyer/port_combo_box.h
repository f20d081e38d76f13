#pragma once

#include <QComboBox>
#include <functional>

namespace tessal {

// The port number list; it calls `onOpen` just before its list drops down, so devices plugged
// in or out since are shown afresh.
class PortComboBox : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;
    void setOnOpen(std::function<void()> onOpen) { onOpen_ = std::move(onOpen); }
    void showPopup() override {
        if (onOpen_)
            onOpen_();
        QComboBox::showPopup();
    }

private:
    std::function<void()> onOpen_;
};

} // namespace tessal
