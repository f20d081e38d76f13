#include "platform/platform.h"

#include "platform/error.h"

#include <exception>

namespace tessal {

void Platform::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const TessalError& error) {
        dialogs().showMessage(error.message());
    } catch (const std::exception& error) {
        dialogs().showMessage(QString::fromUtf8(error.what()));
    } catch (...) {
        dialogs().showMessage(QStringLiteral("Unknown error."));
    }
}

std::unique_ptr<IntervalTimer> Platform::createTimer() {
    auto timer = loop().createTimer();
    timer->setGuard([this](const std::function<void()>& handler) { guarded(handler); });
    return timer;
}

} // namespace tessal
