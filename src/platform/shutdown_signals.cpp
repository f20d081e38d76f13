#include "platform/shutdown_signals.h"

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tessal {
namespace {

// A signal handler may only write to a descriptor; the UI thread reads the other end.
volatile std::sig_atomic_t signalWriteFd = -1;

void handleSignal(int signal) {
    const unsigned char byte = static_cast<unsigned char>(signal);
    if (signalWriteFd >= 0)
        (void)!::write(signalWriteFd, &byte, 1);
}

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

} // namespace

ShutdownSignals::ShutdownSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, fds_) != 0)
        return;
    signalWriteFd = fds_[0];
    notifier_ = std::make_unique<QSocketNotifier>(fds_[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &ShutdownSignals::drain);
    struct sigaction action {};
    action.sa_handler = &handleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : kSignals)
        ::sigaction(sig, &action, nullptr);
}

ShutdownSignals::~ShutdownSignals() {
    for (int sig : kSignals)
        std::signal(sig, SIG_DFL);
    signalWriteFd = -1;
    notifier_.reset();
    for (int fd : fds_) {
        if (fd >= 0)
            ::close(fd);
    }
}

void ShutdownSignals::drain() {
    unsigned char buffer[16];
    while (::read(fds_[1], buffer, sizeof buffer) > 0) {
    }
    if (onSignal_)
        onSignal_();
}

} // namespace tessal
