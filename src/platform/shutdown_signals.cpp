#include "platform/shutdown_signals.h"

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tessal {
namespace {

// Set up once per process and never torn down: a signal handler may only write to a
// descriptor, and one may come at any moment until exit. The UI thread reads the other end.
int signalFds[2] = {-1, -1};
volatile std::sig_atomic_t endingSignalCount = 0;

void handleSignal(int signal) {
    const int savedErrno = errno;
    endingSignalCount = 1;
    const unsigned char byte = static_cast<unsigned char>(signal);
    if (signalFds[0] >= 0)
        (void)!::write(signalFds[0], &byte, 1);
    errno = savedErrno;
}

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

} // namespace

void ShutdownSignals::catchEndingSignals() {
    if (signalFds[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalFds) != 0)
        signalFds[0] = signalFds[1] = -1;
    struct sigaction action {};
    action.sa_handler = &handleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : kSignals)
        ::sigaction(sig, &action, nullptr);
}

bool ShutdownSignals::endingSignalReceived() {
    return endingSignalCount != 0;
}

ShutdownSignals::ShutdownSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    catchEndingSignals();
    if (signalFds[1] < 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(signalFds[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &ShutdownSignals::drain);
}

// The handlers stay: signals after this are held in the descriptor and end nothing.
ShutdownSignals::~ShutdownSignals() = default;

void ShutdownSignals::drain() {
    unsigned char buffer[16];
    while (::read(signalFds[1], buffer, sizeof buffer) > 0) {
    }
    if (onSignal_)
        onSignal_();
}

} // namespace tessal
