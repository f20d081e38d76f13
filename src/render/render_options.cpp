#include "render/render_options.h"

#include "listening/speed_table.h"

namespace tessal {
namespace {

std::optional<int> parseInt(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

QString renderUsage() {
    return QStringLiteral(
        "usage: tessal-render [--wpm 10|15|20|25|30|35] [--tone HZ] [--volume 10..100]\n"
        "                     [--word-gap 1..3] (--text TEXT | --file PATH) -o OUT.wav\n"
        "Writes the Morse the trainer plays for a text, or for each line of a practice file,\n"
        "to a WAV file. Options left out take the trainer's settings.");
}

RenderParse parseRenderArguments(const QStringList& arguments) {
    RenderOptions options;
    auto fail = [](const QString& why) { return RenderParse{std::nullopt, why}; };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& name = arguments[i];
        if (i + 1 >= arguments.size())
            return fail(QStringLiteral("%1 needs a value").arg(name));
        const QString value = arguments[++i];
        const std::optional<int> number = parseInt(value);
        if (name == u"--wpm") {
            if (!number || !speedRowForWpm(*number))
                return fail(QStringLiteral("--wpm must be 10, 15, 20, 25, 30 or 35"));
            options.wpm = number;
        } else if (name == u"--tone") {
            if (!number || *number < kRenderMinToneHz || *number > kRenderMaxToneHz)
                return fail(QStringLiteral("--tone must be a frequency from %1 to %2 Hz")
                                .arg(kRenderMinToneHz)
                                .arg(kRenderMaxToneHz));
            options.toneHz = number;
        } else if (name == u"--volume") {
            if (!number || *number < 10 || *number > 100)
                return fail(QStringLiteral("--volume must be from 10 to 100"));
            options.volume = number;
        } else if (name == u"--word-gap") {
            if (!number || *number < 1 || *number > 3)
                return fail(QStringLiteral("--word-gap must be 1, 2 or 3"));
            options.wordGap = number;
        } else if (name == u"--text") {
            options.text = value;
        } else if (name == u"--file") {
            options.file = value;
        } else if (name == u"-o" || name == u"--output") {
            options.output = value;
        } else {
            return fail(QStringLiteral("unknown option %1").arg(name));
        }
    }
    if (options.text.has_value() == options.file.has_value())
        return fail(QStringLiteral("give either --text or --file"));
    if (options.output.isEmpty())
        return fail(QStringLiteral("give the output file with -o"));
    return {options, QString()};
}

} // namespace tessal
