#include "app/install_layout.h"
#include "platform/platform.h"
#include "platform/quiet_start.h"
#include "render/render_progress.h"
#include "render/renderer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace {

// Shows a progress line on stderr, rewritten in place a few times a second, when stderr is a
// terminal; a log file or a pipe gets nothing.
class ProgressLine {
public:
    ProgressLine() : shown_(::isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() { clear(); }

    void report(const tessal::RenderProgress& progress) {
        if (!shown_)
            return;
        const auto now = Clock::now();
        if (now - lastShown_ < std::chrono::milliseconds(200))
            return;
        lastShown_ = now;
        const double elapsed = std::chrono::duration<double>(now - start_).count();
        const QString line =
            tessal::renderProgressLine(progress.done, progress.audioSeconds, elapsed);
        std::fprintf(stderr, "\r%-60s", qPrintable(line));
        std::fflush(stderr);
        dirty_ = true;
    }
    void clear() {
        if (dirty_)
            std::fprintf(stderr, "\r%60s\r", "");
        dirty_ = false;
    }

private:
    using Clock = std::chrono::steady_clock;
    bool shown_;
    bool dirty_ = false;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastShown_{};
};

} // namespace

// tessal-render: the trainer's Morse for a text or a practice file, as an audio file.
int main(int argc, char** argv) {
    // The trainer's window is built but never shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    tessal::ensureRuntimeFolder();
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        std::printf("%s\n", qPrintable(tessal::renderUsage()));
        return 0;
    }
    const tessal::RenderParse parsed = tessal::parseRenderArguments(arguments);
    if (!parsed.options) {
        std::fprintf(stderr, "tessal-render: %s\n(tessal-render --help tells more)\n",
                     qPrintable(parsed.error));
        return 2;
    }

    // The settings are the trainer's, found as the trainer finds them; so are the dictionaries.
    const QString binDir = QCoreApplication::applicationDirPath();
    const QString settings = tessal::chooseSettingsPath(
        binDir + QStringLiteral("/tessal"), tessal::folderIsWritable(binDir),
        tessal::xdgConfigFolder(qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath()));
    const tessal::RenderPlaces places{
        settings,
        tessal::dictionaryBaseFolder(QDir::currentPath(), QCoreApplication::applicationFilePath())};

    ProgressLine progress;
    const tessal::RenderResult result =
        tessal::renderToFile(*parsed.options, places,
                             [&progress](const tessal::RenderProgress& p) { progress.report(p); });
    progress.clear();
    for (const QString& note : result.notes)
        std::fprintf(stderr, "tessal-render: %s\n", qPrintable(note));
    if (result.exitStatus != 0) {
        std::fprintf(stderr, "tessal-render: %s\n", qPrintable(result.message));
        return result.exitStatus;
    }
    std::printf("wrote %s (%s)\n", qPrintable(parsed.options->output),
                qPrintable(tessal::clockText(result.seconds)));
    return 0;
}
