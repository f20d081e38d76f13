#include "render/renderer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

// tessal-render: the trainer's Morse for a text or a practice file, as a WAV file.
int main(int argc, char** argv) {
    // The trainer's window is built but never shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        std::printf("%s\n", qPrintable(tessal::renderUsage()));
        return 0;
    }
    const tessal::RenderParse parsed = tessal::parseRenderArguments(arguments);
    if (!parsed.options) {
        std::fprintf(stderr, "tessal-render: %s\n%s\n", qPrintable(parsed.error),
                     qPrintable(tessal::renderUsage()));
        return 2;
    }

    // The settings are the trainer's, beside the executables; the dictionaries are looked for
    // under the working directory first, as the trainer does, then beside the executables.
    const QString binDir = QCoreApplication::applicationDirPath();
    tessal::RenderPlaces places{binDir + QStringLiteral("/tessal.ini"), QDir::currentPath()};
    if (!QFileInfo::exists(places.workingDirectory + QStringLiteral("/Dictionary")))
        places.workingDirectory = binDir;

    const tessal::RenderResult result = tessal::renderToWav(*parsed.options, places);
    if (result.exitStatus != 0) {
        std::fprintf(stderr, "tessal-render: %s\n", qPrintable(result.message));
        return result.exitStatus;
    }
    std::printf("wrote %s (%.2f s)\n", qPrintable(parsed.options->output), result.seconds);
    return 0;
}
