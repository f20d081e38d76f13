// A practice file as the text-file mode loads and plays it: whatever the bytes, the file reads
// back as its decoded text, its lines hold no line break, the line counter and the progress bar
// stay on their scales and only move forward, and every character or <group> of every line
// either has a code in the shipped dictionaries or none at all.
#include "fuzz_check.h"
#include "listening/line_progress.h"
#include "morse/dictionaries.h"
#include "morse/text_decoder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace tessal;
using tessal::fuzz::check;

namespace {

const MorseDictionaries& shippedDictionaries() {
    static const MorseDictionaries dictionaries = [] {
        MorseDictionaries loaded;
        const auto error =
            loadDictionaryFiles(QStringLiteral(TESSAL_SOURCE_DIR "/Dictionary"), loaded);
        check(!error, "the shipped dictionaries do not load");
        return loaded;
    }();
    return dictionaries;
}

bool isKnownCode(const MorseDictionaries& d, const QString& code) {
    for (const QStringList* codes : {&d.EngMorsStrList, &d.JpnMorsStrList, &d.MarMorsStrList,
                                     &d.HHHMorsStrList, &d.NumMorsStrList}) {
        if (codes->contains(code))
            return true;
    }
    return false;
}

// The units the player sounds one by one: single characters, and <...> groups.
void checkLineUnits(const QString& line) {
    const MorseDictionaries& dictionaries = shippedDictionaries();
    QString group;
    bool inGroup = false;
    for (const QChar c : line) {
        if (c == u'<')
            inGroup = true;
        if (inGroup)
            group += c;
        if (inGroup && c != u'>')
            continue;
        inGroup = false;
        const QString unit = group.isEmpty() ? QString(c) : group;
        group.clear();
        const QString code = convertMorse(dictionaries, unit, 2);
        check(code.isEmpty() || isKnownCode(dictionaries, code), "a unit got an unknown code");
    }
}

void checkProgress(qsizetype lineCount) {
    int lastPercent = 0, lastSegments = 0;
    for (qsizetype index = 0; index < lineCount; ++index) {
        const int percent = linePercent(index, lineCount);
        const int segments = segmentsForPercent(percent);
        check(percent >= lastPercent && percent <= 100, "the line percentage left its scale");
        check(segments >= lastSegments && segments <= kPBarSegments, "the bar left its scale");
        lastPercent = percent;
        lastSegments = segments;
    }
    check(lineCount == 0 || lastPercent == 100, "the last line is not at 100 percent");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("practice.txt"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            return 0;
    }
    QString text;
    check(readTextFile(path, &text), "a small regular file was not read");
    check(text == decodeText(bytes), "the file read differs from its bytes decoded");

    const QStringList lines = splitLines(text);
    check(lines.size() <= text.size(), "more lines than characters");
    for (const QString& line : lines) {
        check(!line.contains(u'\r') && !line.contains(u'\n'), "a line holds a line break");
        checkLineUnits(line);
    }
    checkProgress(lines.size());
    return 0;
}
