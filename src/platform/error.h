#pragma once

#include <QString>
#include <stdexcept>

namespace tessal {

// An error raised with a text meant for the user's message box.
class TessalError : public std::runtime_error {
public:
    explicit TessalError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace tessal
