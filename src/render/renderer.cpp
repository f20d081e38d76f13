#include "render/renderer.h"

#include "app/tessal_form.h"
#include "morse/text_decoder.h"
#include "platform/sim_platform.h"
#include "render/render_output.h"
#include "render/standard_timing.h"

#include <QFile>
#include <sys/stat.h>

namespace tessal {
namespace {

// The pause the trainer's "Through" run leaves between the end of one line and the next.
constexpr int kLineStepMs = 50;
// No single line plays for longer than this, however long it is; a safety net, not a limit a
// practice text reaches.
constexpr int64_t kLongestLineMs = 24LL * 3600 * 1000;
// The tape is mixed out and its finished voices dropped once this much is waiting.
constexpr int64_t kStreamStepUs = 500'000;

RenderResult failed(int status, const QString& why) {
    return {status, why, {}, 0.0};
}

// The lines to play, or why there are none. A FIFO or a device is refused before it is opened,
// so it can never block the render.
std::optional<QStringList> readLines(const RenderOptions& options, QString* why) {
    if (options.text)
        return QStringList{*options.text};
    struct stat info {};
    const QByteArray path = QFile::encodeName(*options.file);
    if (::stat(path.constData(), &info) != 0) {
        *why = QStringLiteral("cannot read %1").arg(*options.file);
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        *why = QStringLiteral("%1 is not a regular file").arg(*options.file);
        return std::nullopt;
    }
    QString content;
    if (!readTextFile(*options.file, &content)) {
        *why = QStringLiteral("cannot read %1").arg(*options.file);
        return std::nullopt;
    }
    return splitLines(content);
}

int64_t characterCount(const QStringList& lines) {
    int64_t count = 0;
    for (const QString& line : lines)
        count += line.size();
    return count;
}

// The file's sample rate: as asked, or the trainer's own; Opus takes its own family of rates.
std::optional<int> fileRate(const RenderOptions& options, const AudioFileType& type, QString* why) {
    if (!type.only48kFamily)
        return options.sampleRate.value_or(Tape::kSampleRate);
    const int rate = options.sampleRate.value_or(48000);
    if (rate == 8000 || rate == 12000 || rate == 16000 || rate == 24000 || rate == 48000)
        return rate;
    *why = QStringLiteral(".opus files take --rate 8000, 12000, 16000, 24000 or 48000");
    return std::nullopt;
}

// Mixes the tape out as the virtual clock passes and drops what has finished sounding.
class TapeStream {
public:
    TapeStream(Tape& tape, RenderOutput& output) : tape_(tape), output_(output) {}
    bool drainTo(int64_t us) {
        tape_.render(writtenUs_, us, mix_, samples_);
        writtenUs_ = us;
        tape_.dropVoicesEndedBy(us);
        return output_.write(samples_);
    }
    int64_t writtenUs() const { return writtenUs_; }

private:
    Tape& tape_;
    RenderOutput& output_;
    int64_t writtenUs_ = 0;
    std::vector<int32_t> mix_;
    std::vector<int16_t> samples_;
};

QString playThroughTrainer(RenderTrainer& trainer, const QStringList& lines, RenderOutput& output,
                           const ProgressReport& progress) {
    TTessalForm& form = trainer.form();
    SimPlatform& sim = trainer.sim();
    SimEventLoop& loop = sim.loop();
    TapeStream stream(sim.wave().tape(), output);
    const double total = double(std::max<int64_t>(1, characterCount(lines)));
    int64_t linesDone = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            loop.runFor(kLineStepMs);
        form.RUNFlag = -1;
        form.PlayText(lines[i]);
        const int64_t end = loop.nowMs() + kLongestLineMs;
        while (form.RUNFlag != 0 && loop.nowMs() < end && sim.dialogs().messages().isEmpty()) {
            loop.runFor(10);
            if (loop.now() - stream.writtenUs() < kStreamStepUs)
                continue;
            if (!stream.drainTo(loop.now()))
                return output.error();
            if (progress)
                progress({(linesDone + form.MorseStrCount) / total, loop.now() / 1e6});
        }
        if (!sim.dialogs().messages().isEmpty())
            return sim.dialogs().messages().join(u'\n');
        if (form.RUNFlag != 0)
            return QStringLiteral("line %1 did not finish playing").arg(i + 1);
        linesDone += lines[i].size();
    }
    if (!stream.drainTo(loop.now()))
        return output.error();
    return QString();
}

QString playStandard(RenderTrainer& trainer, const RenderOptions& options, const QStringList& lines,
                     RenderOutput& output, const ProgressReport& progress) {
    TTessalForm& form = trainer.form();
    const double total = double(std::max<int64_t>(1, characterCount(lines)));
    const auto lookup = [&form](const QString& text) { return form.ConvertMorse(text, 2); };
    const auto sink = [&output](std::span<const int16_t> samples) { return output.write(samples); };
    const auto done = [&](int64_t characters) {
        if (progress)
            progress({characters / total, output.samplesTaken() / double(Tape::kSampleRate)});
    };
    const bool written =
        playStandardTiming(lines, standardTiming(*options.parisWpm, options.farnsworthWpm),
                           {form.Frequency1, form.Volume_1}, lookup, sink, done);
    return written ? QString() : output.error();
}

} // namespace

RenderResult renderToFile(const RenderOptions& options, const RenderPlaces& places,
                          const ProgressReport& progress) {
    QString why;
    const std::optional<AudioFileType> type = audioFileTypeFor(options.output, &why);
    if (!type)
        return failed(2, why);
    if (options.quality && !type->lossy)
        return failed(2, QStringLiteral("--quality is for .ogg, .opus and .mp3 files only"));
    const std::optional<int> rate = fileRate(options, *type, &why);
    if (!rate)
        return failed(2, why);
    const std::optional<QStringList> lines = readLines(options, &why);
    if (!lines)
        return failed(2, why);

    RenderTrainer trainer(places);
    if (!trainer.startError().isEmpty())
        return failed(2, trainer.startError());
    RenderResult result;
    result.notes = trainer.prepare(options);

    RenderOutput output(options.output, *type, {*rate, options.quality});
    if (!output.ok())
        return {1, output.error(), result.notes, 0.0};
    const QString problem = options.parisWpm
                                ? playStandard(trainer, options, *lines, output, progress)
                                : playThroughTrainer(trainer, *lines, output, progress);
    if (!problem.isEmpty())
        return {1, problem, result.notes, 0.0};
    if (!output.commit())
        return {1, output.error(), result.notes, 0.0};
    result.seconds = output.samplesTaken() / double(Tape::kSampleRate);
    return result;
}

} // namespace tessal
