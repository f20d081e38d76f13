#include "support/trainer_process.h"

#include <gtest/gtest.h>

#include <QDir>
#include <poll.h>
#include <random>
#include <sys/inotify.h>

using tessal::testing::TrainerProcess;
using namespace std::chrono_literals;

namespace {

// Watches the trainer's folder: the settings file is opened once by the load and once more as
// the save begins (it keeps the file's foreign lines); a rename over it ends the save.
class SaveWatch {
public:
    explicit SaveWatch(const QString& folder) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (fd_ >= 0)
            inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN | IN_MOVED_TO);
    }
    ~SaveWatch() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    SaveWatch(const SaveWatch&) = delete;
    SaveWatch& operator=(const SaveWatch&) = delete;

    enum class Event { SettingsOpened, SettingsReplaced, None };

    // The next event about the settings file, or None once `timeout` has passed without one.
    Event next(std::chrono::milliseconds timeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (pending_.empty()) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd ready{fd_, POLLIN, 0};
            if (::poll(&ready, 1, int(std::max<long long>(0, left.count()))) <= 0)
                return Event::None;
            alignas(inotify_event) char buffer[4096];
            const ssize_t size = ::read(fd_, buffer, sizeof buffer);
            for (ssize_t at = 0; at < size;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                const QString name = QString::fromLocal8Bit(event->len ? event->name : "");
                if (name == QLatin1String("tessal.ini"))
                    pending_.push_back((event->mask & IN_MOVED_TO) ? Event::SettingsReplaced
                                                                   : Event::SettingsOpened);
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        const Event event = pending_.front();
        pending_.erase(pending_.begin());
        return event;
    }

    void skipPending() {
        while (next(std::chrono::milliseconds(0)) != Event::None) {
        }
    }

private:
    int fd_;
    std::vector<Event> pending_;
};

// The old file: a hand-written one missing most keys, so the trainer's save differs from it.
QByteArray oldSettings() {
    const QByteArray text = QByteArray(500'000, 'T') + 'K';
    return "; kept by hand\n[TessalSystem]\nText1=" + text + "\nText2=" + text +
           "\nSpeedWPS = 25\nVolume1 = 70\n";
}

void removeLeftoverTemporaries(const QString& folder) {
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        if (name.startsWith(QLatin1String("tessal.ini.")))
            QFile::remove(QDir(folder).filePath(name));
    }
}

} // namespace

TEST(CrashSafety, AKillAtAnyMomentOfASaveLeavesTheWholeOldOrTheWholeNewFile) {
    TrainerProcess trainer;
    const QByteArray before = oldSettings();
    SaveWatch watch(trainer.folder());

    // One undisturbed run gives the new file and how long its save takes.
    ASSERT_TRUE(trainer.writeSettings(before));
    watch.skipPending();
    ASSERT_TRUE(trainer.start(QStringLiteral(TESSAL_SOURCE_DIR)));
    ASSERT_TRUE(trainer.waitUntilCatchingSigterm(20s));
    trainer.signal(SIGTERM);
    ASSERT_EQ(watch.next(30s), SaveWatch::Event::SettingsOpened);
    ASSERT_EQ(watch.next(30s), SaveWatch::Event::SettingsOpened);
    const auto saveStart = std::chrono::steady_clock::now();
    ASSERT_EQ(watch.next(30s), SaveWatch::Event::SettingsReplaced);
    const auto saveTime = std::chrono::steady_clock::now() - saveStart;
    ASSERT_TRUE(trainer.waitForExit(30s).has_value());
    const QByteArray after = trainer.readSettings();
    ASSERT_NE(after, before);
    ASSERT_TRUE(after.contains("\nTIContiFlag=0"));

    std::mt19937 random(20261209);
    const auto killWindowUs =
        std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count() * 3 / 2 + 1;
    std::uniform_int_distribution<long> delayUs(0, killWindowUs);
    int oldKept = 0, newWritten = 0;
    for (int run = 0; run < 100; ++run) {
        SCOPED_TRACE(run);
        ASSERT_TRUE(trainer.writeSettings(before));
        watch.skipPending();
        ASSERT_TRUE(trainer.start(QStringLiteral(TESSAL_SOURCE_DIR)));
        ASSERT_TRUE(trainer.waitUntilCatchingSigterm(20s));
        trainer.signal(SIGTERM);
        ASSERT_EQ(watch.next(30s), SaveWatch::Event::SettingsOpened);
        ASSERT_EQ(watch.next(30s), SaveWatch::Event::SettingsOpened);
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        trainer.signal(SIGKILL);
        ASSERT_TRUE(trainer.waitForExit(30s).has_value());

        const QByteArray found = trainer.readSettings();
        ASSERT_TRUE(found == before || found == after)
            << "a damaged file of " << found.size() << " bytes";
        ++(found == before ? oldKept : newWritten);
        removeLeftoverTemporaries(trainer.folder());
    }
    // Both outcomes occur, so the kills really fell inside the saves.
    EXPECT_GT(oldKept, 0);
    EXPECT_GT(newWritten, 0);
    std::printf("save %lld us; old file kept %d times, new file written %d times\n",
                static_cast<long long>(killWindowUs), oldKept, newWritten);
}
