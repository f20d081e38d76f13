#include "widgets/line_edit_input.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace tessal {

namespace {

class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        for (QChar& c : input)
            c = c.toUpper();
        return Acceptable;
    }
};

class KeyReleaseWatcher : public QObject {
public:
    KeyReleaseWatcher(QObject* watched, std::function<void(int key)> onRelease)
        : QObject(watched), onRelease_(std::move(onRelease)) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat())
                onRelease_(key->key());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(int key)> onRelease_;
};

} // namespace

void upperCaseAsTyped(QLineEdit* edit) {
    edit->setValidator(new UpperCaseValidator(edit));
}

void onKeyRelease(QWidget* watched, std::function<void(int key)> onRelease) {
    new KeyReleaseWatcher(watched, std::move(onRelease));
}

} // namespace tessal
