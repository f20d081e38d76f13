#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tessal::testing {

// The real trainer, run as a separate process from a fresh folder of its own (its settings file
// lies beside it), under the offscreen platform and without sound.
class TrainerProcess {
public:
    TrainerProcess() : dir_(QStringLiteral(TESSAL_BINARY_DIR "/trainer-XXXXXX")) {
        const QString source = QStringLiteral(TESSAL_BINARY_DIR "/tessal");
        // A hard link keeps the executable's own path in the folder and costs no copy.
        if (::link(QFile::encodeName(source).constData(),
                   QFile::encodeName(executable()).constData()) != 0)
            QFile::copy(source, executable());
    }
    ~TrainerProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    TrainerProcess(const TrainerProcess&) = delete;
    TrainerProcess& operator=(const TrainerProcess&) = delete;

    QString folder() const { return dir_.path(); }
    QString executable() const { return dir_.filePath(QStringLiteral("tessal")); }
    QString settingsPath() const { return dir_.filePath(QStringLiteral("tessal.ini")); }

    bool writeSettings(const QByteArray& bytes) const {
        QFile file(settingsPath());
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    QByteArray readSettings() const {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Starts the trainer with `workingDirectory` (where it looks for Dictionary/).
    bool start(const QString& workingDirectory) {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string entry(*e);
            if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 &&
                entry.rfind("SDL_AUDIODRIVER=", 0) != 0 && entry.rfind("XDG_CONFIG_HOME=", 0) != 0)
                env.push_back(entry);
        }
        env.push_back("QT_QPA_PLATFORM=offscreen");
        env.push_back("SDL_AUDIODRIVER=dummy");
        env.push_back("XDG_CONFIG_HOME=" + folder().toStdString());
        std::vector<char*> envp;
        for (std::string& entry : env)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        std::string program = executable().toStdString();
        char* argv[] = {program.data(), nullptr};

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const std::string dirPath = workingDirectory.toStdString();
        posix_spawn_file_actions_addchdir_np(&actions, dirPath.c_str());
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        const int failed =
            posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (failed != 0)
            pid_ = -1;
        return pid_ > 0;
    }

    pid_t pid() const { return pid_; }
    void signal(int sig) const {
        if (pid_ > 0)
            ::kill(pid_, sig);
    }

    // True once the trainer catches SIGTERM (its handlers are in place); false if it ended or
    // `timeout` passed first.
    bool waitUntilCatchingSigterm(std::chrono::milliseconds timeout) const {
        return waitFor(timeout, [this] { return catchesSigterm(); });
    }

    // True once the trainer has sat idle (sleeping, no CPU time used) for `quiet`: it is up,
    // or waiting for an answer in a message box.
    bool waitUntilIdle(std::chrono::milliseconds quiet, std::chrono::milliseconds timeout) const {
        auto idleSince = std::chrono::steady_clock::now();
        long lastTicks = -1;
        return waitFor(timeout, [&] {
            const auto ticks = cpuTicksIfSleeping();
            const auto now = std::chrono::steady_clock::now();
            if (!ticks || *ticks != lastTicks) {
                lastTicks = ticks.value_or(-1);
                idleSince = now;
                return false;
            }
            return now - idleSince >= quiet;
        });
    }

    // The wait status once it ended, or nothing after `timeout` (then it is killed).
    std::optional<int> waitForExit(std::chrono::milliseconds timeout, int resendSignal = 0) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return status;
            }
            if (resendSignal != 0)
                ::kill(pid_, resendSignal);
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        return std::nullopt;
    }

private:
    template <class Condition>
    bool waitFor(std::chrono::milliseconds timeout, Condition condition) const {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < deadline) {
            if (!alive())
                return false;
            if (condition())
                return true;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return false;
    }

    bool alive() const {
        const QByteArray stat = procFile("stat");
        const qsizetype close = stat.lastIndexOf(')');
        return close > 0 && stat.mid(close + 2, 1) != "Z";
    }

    QByteArray procFile(const QByteArray& name) const {
        QFile file(QStringLiteral("/proc/%1/%2").arg(pid_).arg(QString::fromLatin1(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool catchesSigterm() const {
        for (const QByteArray& line : procFile("status").split('\n')) {
            if (line.startsWith("SigCgt:"))
                return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
        }
        return false;
    }

    // utime + stime of the UI thread while it sleeps; nothing while it runs.
    std::optional<long> cpuTicksIfSleeping() const {
        const QByteArray stat = procFile(QStringLiteral("task/%1/stat").arg(pid_).toLatin1());
        const qsizetype close = stat.lastIndexOf(')');
        if (close < 0)
            return std::nullopt;
        const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
        if (fields.size() < 13 || fields[0] != "S")
            return std::nullopt;
        return fields[11].toLong() + fields[12].toLong();
    }

    QTemporaryDir dir_;
    pid_t pid_ = -1;
};

} // namespace tessal::testing
