#pragma once

#include "platform/dialogs.h"
#include "platform/serial_port.h"
#include "platform/sim_event_loop.h"
#include "platform/simple_sounds.h"
#include "platform/speech.h"

#include <QStringList>
#include <deque>
#include <map>
#include <vector>

namespace tessal {

// Serial ports whose modem lines the test sets, at once or at virtual times.
class SimSerialPorts : public SerialPorts {
public:
    explicit SimSerialPorts(SimEventLoop& loop) : loop_(loop) {}

    QList<SerialDevice> devices() override;
    SerialHandle open(const QString& comName) override;
    bool modemStatus(SerialHandle handle, uint32_t* status) override;
    void close(SerialHandle handle) override;
    bool present(SerialHandle handle) override;

    void addDevice(const QString& comName, const QString& devicePath);
    void setLines(const QString& comName, uint32_t status);
    void setLinesAt(int64_t ms, const QString& comName, uint32_t status);
    bool isOpen(const QString& comName) const;
    int opensSoFar() const { return opens_; }
    int readsSoFar() const { return reads_; }
    // The adapter is pulled out: it leaves the list, and an open handle can no longer be read.
    void unplug(const QString& comName);
    // Reads fail for a while although the device stays (a driver's passing error).
    void failReads(const QString& comName, bool failing);

private:
    struct Port {
        QString devicePath;
        uint32_t status = 0;
        SerialHandle handle = kNoSerialPort;
        bool plugged = true;
        bool failing = false;
    };
    SimEventLoop& loop_;
    std::map<QString, Port> ports_;
    SerialHandle nextHandle_ = 3;
    int opens_ = 0;
    int reads_ = 0;
};

// Records what was said; each text takes a virtual time while the window is frozen.
class SimSpeech : public Speech {
public:
    struct Said {
        QString text;
        int64_t atUs;
    };
    enum class Failure { None, Unavailable, Throws };
    explicit SimSpeech(SimEventLoop& loop) : loop_(loop) {}
    bool speak(const QString& text) override;
    const std::vector<Said>& said() const { return said_; }
    void setMsPerCharacter(int ms) { msPerCharacter_ = ms; }
    // An engine that is missing (answers false, says nothing) or raises an error.
    void setFailure(Failure failure) { failure_ = failure; }

private:
    SimEventLoop& loop_;
    std::vector<Said> said_;
    int msPerCharacter_ = 300;
    Failure failure_ = Failure::None;
};

class SimSimpleSounds : public SimpleSounds {
public:
    struct Beep {
        int frequencyHz;
        int durationMs;
        int64_t atUs;
    };
    struct Notification {
        MessageSound sound;
        int64_t atUs;
    };
    explicit SimSimpleSounds(SimEventLoop& loop) : loop_(loop) {}
    void beep(int frequencyHz, int durationMs) override;
    void messageBeep(MessageSound sound) override;
    const std::vector<Beep>& beeps() const { return beeps_; }
    const std::vector<Notification>& notifications() const { return notifications_; }

private:
    SimEventLoop& loop_;
    std::vector<Beep> beeps_;
    std::vector<Notification> notifications_;
};

// Records every message box; file dialogs take their answers from queues ("" = cancelled).
class SimDialogs : public Dialogs {
public:
    struct FileRequest {
        QString folder;
        QString proposedName;
        QString filter;
    };
    void showMessage(const QString& text) override { messages_.append(text); }
    QString openFileName(const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& folder, const QString& proposedName,
                         const QString& filter) override;

    const QStringList& messages() const { return messages_; }
    void clearMessages() { messages_.clear(); }
    void queueOpenAnswer(const QString& path) { openAnswers_.push_back(path); }
    void queueSaveAnswer(const QString& path) { saveAnswers_.push_back(path); }
    const std::vector<FileRequest>& openRequests() const { return openRequests_; }
    const std::vector<FileRequest>& saveRequests() const { return saveRequests_; }

private:
    QStringList messages_;
    std::deque<QString> openAnswers_;
    std::deque<QString> saveAnswers_;
    std::vector<FileRequest> openRequests_;
    std::vector<FileRequest> saveRequests_;
};

} // namespace tessal
