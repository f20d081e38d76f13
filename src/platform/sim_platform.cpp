#include "platform/sim_platform.h"

namespace tessal {

SimPlatform::SimPlatform() {
    loop_.setGuard([this](const std::function<void()>& action) { guarded(action); });
}

} // namespace tessal
