#include "render/renderer.h"

#include "app/tessal_form.h"
#include "morse/text_decoder.h"
#include "platform/sim_platform.h"

#include <QFile>
#include <QTemporaryDir>

namespace tessal {
namespace {

// The pause the trainer's "Through" run leaves between the end of one line and the next.
constexpr int kLineStepMs = 50;
// No single line plays for longer than this, however long it is; a safety net, not a limit a
// practice text reaches.
constexpr int64_t kLongestLineMs = 6LL * 3600 * 1000;

bool playLine(TTessalForm& form, SimEventLoop& loop, const QString& line) {
    form.RUNFlag = -1;
    form.PlayText(line);
    const int64_t end = loop.nowMs() + kLongestLineMs;
    while (form.RUNFlag != 0 && loop.nowMs() < end)
        loop.runFor(10);
    return form.RUNFlag == 0;
}

} // namespace

RenderResult renderToWav(const RenderOptions& options, const RenderPlaces& places) {
    QStringList lines;
    if (options.text) {
        lines.append(*options.text);
    } else {
        QString content;
        if (!readTextFile(*options.file, &content))
            return {2, QStringLiteral("cannot read %1").arg(*options.file)};
        lines = splitLines(content);
    }

    // The trainer writes its settings when it closes; give it a copy so the user's file stays
    // as it is.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return {1, QStringLiteral("cannot make a temporary folder")};
    const QString copy = scratch.filePath(QStringLiteral("tessal.ini"));
    if (QFile::exists(places.settingsFile))
        QFile::copy(places.settingsFile, copy);

    SimPlatform sim;
    sim.setExecutablePath(scratch.filePath(QStringLiteral("tessal")));
    sim.setWorkingDirectory(places.workingDirectory);
    TTessalForm form(sim);
    if (!sim.dialogs().messages().isEmpty())
        return {2, sim.dialogs().messages().join(u'\n')};

    if (options.wpm)
        form.SpeedWPSApply(*options.wpm);
    if (options.toneHz)
        form.Frequency1 = *options.toneHz;
    if (options.volume) {
        form.Volume1 = *options.volume;
        form.VolumeApply();
    }
    if (options.wordGap)
        form.StrDelay = *options.wordGap;
    // Plain playback: no answer stage or file step follows a line.
    form.QTypeMode = 2;

    SimEventLoop& loop = sim.loop();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            loop.runFor(kLineStepMs);
        if (!playLine(form, loop, lines[i]))
            return {1, QStringLiteral("line %1 did not finish playing").arg(i + 1)};
    }
    if (!sim.dialogs().messages().isEmpty())
        return {1, sim.dialogs().messages().join(u'\n')};
    if (!sim.wave().tape().writeWav(options.output, 0, loop.now()))
        return {1, QStringLiteral("cannot write %1").arg(options.output)};
    return {0, QString(), double(loop.now()) / 1e6};
}

} // namespace tessal
