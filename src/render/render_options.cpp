#include "render/render_options.h"

#include "listening/speed_table.h"
#include "render/audio_file.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

namespace tessal {
namespace {

std::optional<int> parseInt(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The rates a file can be written at; each converts from 44100 Hz with a small filter table.
constexpr std::array<int, 9> kFileRates{8000,  11025, 12000, 16000, 22050,
                                        24000, 32000, 44100, 48000};

bool isFileRate(int rate) {
    return std::find(kFileRates.begin(), kFileRates.end(), rate) != kFileRates.end();
}

struct NumberOption {
    const char* name;
    std::optional<int> RenderOptions::*field;
    std::function<bool(int)> valid;
    const char* requirement;
};

const std::vector<NumberOption>& numberOptions() {
    static const std::vector<NumberOption> options = {
        {"--wpm", &RenderOptions::wpm, [](int v) { return speedRowForWpm(v).has_value(); },
         "--wpm must be 10, 15, 20, 25, 30 or 35"},
        {"--tone", &RenderOptions::toneHz,
         [](int v) { return v >= kRenderMinToneHz && v <= kRenderMaxToneHz; },
         "--tone must be a frequency from 100 to 4000 Hz"},
        {"--volume", &RenderOptions::volume, [](int v) { return v >= 10 && v <= 100; },
         "--volume must be from 10 to 100"},
        {"--word-gap", &RenderOptions::wordGap, [](int v) { return v >= 1 && v <= 3; },
         "--word-gap must be 1, 2 or 3"},
        {"--paris", &RenderOptions::parisWpm,
         [](int v) { return v >= kRenderMinParisWpm && v <= kRenderMaxParisWpm; },
         "--paris must be from 5 to 60 WPM"},
        {"--farnsworth", &RenderOptions::farnsworthWpm,
         [](int v) { return v >= kRenderMinParisWpm && v <= kRenderMaxParisWpm; },
         "--farnsworth must be from 5 to 60 WPM"},
        {"--quality", &RenderOptions::quality,
         [](int v) { return v >= kMinQuality && v <= kMaxQuality; },
         "--quality must be from 0 (smallest) to 10 (best)"},
        {"--rate", &RenderOptions::sampleRate, isFileRate,
         "--rate must be 8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100 or 48000"},
    };
    return options;
}

// Options that only make sense together, or not at all together.
QString conflictIn(const RenderOptions& options) {
    if (options.text.has_value() == options.file.has_value())
        return QStringLiteral("give either --text or --file");
    if (options.output.isEmpty())
        return QStringLiteral("give the output file with -o");
    if (options.parisWpm && (options.wpm || options.wordGap))
        return QStringLiteral(
            "--paris sets its own speed and gaps; leave out --wpm and --word-gap");
    if (options.farnsworthWpm && !options.parisWpm)
        return QStringLiteral("--farnsworth needs --paris, the speed of the characters");
    if (options.farnsworthWpm && *options.farnsworthWpm > *options.parisWpm)
        return QStringLiteral("--farnsworth must not be faster than --paris");
    return QString();
}

} // namespace

QString renderUsage() {
    return QStringLiteral(
               "usage: tessal-render [--wpm 10|15|20|25|30|35] [--word-gap 1..3]\n"
               "                     [--paris WPM [--farnsworth WPM]] [--tone HZ] [--volume "
               "10..100]\n"
               "                     [--rate HZ] [--quality 0..10]\n"
               "                     (--text TEXT | --file PATH) -o OUT\n"
               "Writes the Morse the trainer plays for a text, or for each line of a practice "
               "file.\n"
               "The output's extension chooses the format: %1.\n"
               "Options left out take the trainer's settings.\n"
               "\n"
               "  --wpm       one of the trainer's six speeds. These are the trainer's own table\n"
               "              of dot and dash lengths, not PARIS speeds: its 20 WPM has 70 ms\n"
               "              dots and 180 ms dashes, with the trainer's longer gaps.\n"
               "  --word-gap  the pause for a blank, in dash lengths.\n"
               "  --paris     standard timing at 5 to 60 WPM: a dot of 1200/WPM ms, a dash of 3\n"
               "              dots, gaps of 1 dot inside a character, 3 between characters and 7\n"
               "              between words.\n"
               "  --farnsworth  a slower overall speed: the characters keep the --paris speed and\n"
               "              only the gaps between characters and words grow.\n"
               "  --tone      100 to 4000 Hz.  --volume  10 to 100, as the trainer's slider.\n"
               "  --rate      the file's sample rate (the trainer plays 44100 Hz; .opus files\n"
               "              use 48000 Hz unless told 8000, 12000, 16000 or 24000).\n"
               "  --quality   for .ogg, .opus and .mp3: 0 gives the smallest file, 10 the best "
               "sound.\n"
               "\n"
               "The output is written to a temporary file beside it and only then renamed, so a\n"
               "failed render leaves an earlier file as it was.")
        .arg(dottedExtensions());
}

RenderParse parseRenderArguments(const QStringList& arguments) {
    RenderOptions options;
    auto fail = [](const QString& why) { return RenderParse{std::nullopt, why}; };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& name = arguments[i];
        if (i + 1 >= arguments.size())
            return fail(QStringLiteral("%1 needs a value").arg(name));
        const QString value = arguments[++i];
        const auto number = std::find_if(numberOptions().begin(), numberOptions().end(),
                                         [&](const NumberOption& o) { return name == o.name; });
        if (number != numberOptions().end()) {
            const std::optional<int> parsed = parseInt(value);
            if (!parsed || !number->valid(*parsed))
                return fail(QString::fromLatin1(number->requirement));
            options.*(number->field) = parsed;
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
    const QString conflict = conflictIn(options);
    if (!conflict.isEmpty())
        return fail(conflict);
    return {options, QString()};
}

} // namespace tessal
