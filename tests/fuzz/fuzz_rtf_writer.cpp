// Any report lines give an RTF document that is pure ASCII, has balanced braces, and whose
// paragraphs read back as the lines' texts, code unit for code unit.
#include "fuzz_check.h"
#include "listening/rtf_writer.h"

#include <vector>

using namespace tessal;
using tessal::fuzz::check;

namespace {

// Reads one escaped body from `at` up to its "\par"; what rtfEscaped writes and nothing more.
QString readBody(const QByteArray& rtf, qsizetype& at) {
    QString text;
    while (at < rtf.size()) {
        const char c = rtf[at];
        if (c != '\\') {
            check(c != '{' && c != '}', "an unescaped brace in a paragraph");
            text += QChar(c);
            ++at;
            continue;
        }
        const QByteArray rest = rtf.mid(at, 8);
        if (rest.startsWith("\\par\n")) {
            at += 5;
            return text;
        }
        if (rest.startsWith("\\tab ")) {
            text += u'\t';
            at += 5;
        } else if (rest.startsWith("\\u")) {
            const qsizetype end = rtf.indexOf('?', at);
            check(end > at, "\\u without its replacement character");
            bool ok = false;
            const int value = rtf.mid(at + 2, end - at - 2).toInt(&ok);
            check(ok && value >= -32768 && value <= 32767, "a bad \\u value");
            text += QChar(char16_t(static_cast<uint16_t>(value)));
            at = end + 1;
        } else {
            check(at + 1 < rtf.size(), "a lone backslash at the end");
            const char escaped = rtf[at + 1];
            check(escaped == '\\' || escaped == '{' || escaped == '}', "an unknown escape");
            text += QChar(escaped);
            at += 2;
        }
    }
    check(false, "a paragraph without its end");
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    RtfFont font;
    font.pixelSize = data[0];
    font.bold = data[1] & 1;
    // The rest is UTF-16 code units, lone surrogates included; U+000A separates lines and the
    // first line names the font.
    const QString all =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(data + 2), qsizetype((size - 2) / 2));
    QStringList texts = all.split(u'\n');
    font.family = texts.takeFirst();
    std::vector<ColouredLine> lines;
    for (const QString& text : texts)
        lines.push_back({text, QColor::fromRgb(qHash(text) & 0xFFFFFF)});

    const QByteArray rtf = rtfDocument(lines, font);
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(rtf[i]);
        check(c < 0x80, "a byte outside ASCII");
        if (c == '\\') {
            ++i; // an escaped character or the first letter of a control word
            continue;
        }
        depth += c == '{' ? 1 : c == '}' ? -1 : 0;
        check(depth >= 0, "a closing brace without its opening one");
    }
    check(depth == 0, "unbalanced braces");

    qsizetype at = rtf.indexOf("\\b\n") >= 0 ? rtf.indexOf("\\b\n") + 3 : 0;
    if (!font.bold)
        at = rtf.indexOf('\n', rtf.indexOf("\\pard")) + 1;
    for (const ColouredLine& line : lines) {
        at = rtf.indexOf(' ', rtf.indexOf("\\cf", at)) + 1;
        check(at > 0, "a paragraph without its colour");
        check(readBody(rtf, at) == line.text, "a paragraph reads back different");
    }
    return 0;
}
