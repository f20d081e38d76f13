#include "platform/wav_writer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace tessal;

namespace {

const QString kProgram = QStringLiteral(TESSAL_BINARY_DIR "/tessal-render");

struct RenderRun {
    int status = -1;
    QString errors;
};

RenderRun runRender(const QStringList& arguments, const std::function<void()>& inChild = {}) {
    QProcess process;
    process.setWorkingDirectory(QStringLiteral(TESSAL_SOURCE_DIR));
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.start(kProgram, arguments);
    if (!process.waitForFinished(120'000))
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(RenderCommand, ExitStatusTable) {
    QTemporaryDir dir;
    struct Case {
        QStringList arguments;
        int status;
    };
    const std::vector<Case> cases = {
        {{"--text", "CQ", "-o", dir.filePath("ok.wav")}, 0},
        {{"--paris", "25", "--text", "CQ", "-o", dir.filePath("paris.flac")}, 0},
        {{"--wpm", "11", "--text", "CQ", "-o", dir.filePath("bad.wav")}, 2},
        {{"--file", dir.filePath("missing.txt"), "-o", dir.filePath("missing.wav")}, 2},
        {{"--text", "CQ", "-o", dir.filePath("no/such/folder/x.wav")}, 1},
    };
    for (const Case& c : cases) {
        const RenderRun run = runRender(c.arguments);
        EXPECT_EQ(run.status, c.status)
            << c.arguments.join(' ').toStdString() << run.errors.toStdString();
        // Not a terminal: no progress line.
        EXPECT_FALSE(run.errors.contains(QStringLiteral("of audio")));
    }
    EXPECT_FALSE(readAudioFile(dir.filePath("ok.wav")).samples.empty());
    EXPECT_FALSE(readAudioFile(dir.filePath("paris.flac")).samples.empty());
    EXPECT_FALSE(QFile::exists(dir.filePath("bad.wav")));
}

TEST(RenderCommand, FailedWriteLeavesTheEarlierFileAndSaysWhy) {
    QTemporaryDir dir;
    const QString text = dir.filePath("text.txt");
    writeFile(text, QByteArray("CQ CQ CQ DE QX0ZZZ QX0ZZZ K\n").repeated(20));
    for (const char* name : {"out.wav", "out.ogg"}) {
        const QString output = dir.filePath(QString::fromLatin1(name));
        writeFile(output, "the earlier render");
        // The file may grow to 64 KB only, as on a disk that is full.
        const RenderRun run = runRender({"--file", text, "-o", output}, [] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{64 * 1024, 64 * 1024};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_TRUE(run.errors.contains(QStringLiteral("File too large")))
            << run.errors.toStdString();
        EXPECT_EQ(readFile(output), QByteArray("the earlier render")) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3)
        << "no temporary file is left";
}

// tessal-render with its stderr on a terminal; reads what it shows there.
class OnTerminal {
public:
    OnTerminal(const QStringList& arguments) {
        EXPECT_EQ(::openpty(&master_, &slave_, nullptr, nullptr, nullptr), 0);
        process_.setWorkingDirectory(QStringLiteral(TESSAL_SOURCE_DIR));
        const int slave = slave_;
        process_.setChildProcessModifier([slave] { ::dup2(slave, STDERR_FILENO); });
        process_.start(kProgram, arguments);
        ::fcntl(master_, F_SETFL, O_NONBLOCK);
    }
    ~OnTerminal() {
        ::close(slave_);
        ::close(master_);
    }
    // Reads until `text` shows or the program ends; true when it showed.
    bool waitFor(const QByteArray& text) {
        for (int i = 0; i < 1200 && !shown_.contains(text); ++i) {
            const bool finished = process_.waitForFinished(100);
            char buffer[4096];
            for (ssize_t n; (n = ::read(master_, buffer, sizeof buffer)) > 0;)
                shown_.append(buffer, n);
            if (finished)
                break;
        }
        return shown_.contains(text);
    }
    QProcess& process() { return process_; }
    const QByteArray& shown() const { return shown_; }

private:
    int master_ = -1;
    int slave_ = -1;
    QProcess process_;
    QByteArray shown_;
};

TEST(RenderCommand, ProgressOnlyOnATerminal) {
    QTemporaryDir dir;
    OnTerminal render({"--text", "PARIS PARIS", "-o", dir.filePath("p.wav")});
    EXPECT_TRUE(render.waitFor("of audio")) << render.shown().toStdString();
    EXPECT_TRUE(render.shown().contains("% ")) << render.shown().toStdString();
    render.process().waitForFinished(60'000);
    ASSERT_EQ(render.process().state(), QProcess::NotRunning);
    EXPECT_EQ(render.process().exitCode(), 0);
}

TEST(RenderCommand, AKilledRenderLeavesNothingButTheEarlierFile) {
    QTemporaryDir dir;
    const QString text = dir.filePath("text.txt");
    writeFile(text, QByteArray("CQ CQ CQ DE QX0ZZZ QX0ZZZ K\n").repeated(400));
    const QString output = dir.filePath("out.ogg");
    writeFile(output, "the earlier render");
    OnTerminal render({"--file", text, "-o", output});
    // Killed while it writes, as by the out-of-memory killer or a power cut of the session.
    ASSERT_TRUE(render.waitFor("of audio"));
    render.process().kill();
    ASSERT_TRUE(render.process().waitForFinished(60'000));
    EXPECT_EQ(render.process().exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(readFile(output), QByteArray("the earlier render"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"out.ogg", "text.txt"}));
}
