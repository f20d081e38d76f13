#pragma once

#include <QString>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace tessal::testing {

// A pseudo-terminal stands in for a serial device; closing its master end hangs the device up
// as pulling out a USB adapter does.
class PseudoTerminal {
public:
    PseudoTerminal() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0)
            path_ = QString::fromLocal8Bit(ptsname(master_));
    }
    ~PseudoTerminal() { hangUp(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    const QString& path() const { return path_; }
    void hangUp() {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    QString path_;
};

} // namespace tessal::testing
