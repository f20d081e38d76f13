// Any bytes decode without a fault; valid UTF-8 without a byte-order mark decodes as UTF-8, and
// the lines split from the text hold no line break.
#include "morse/text_decoder.h"

#include <QStringList>
#include <cstdio>
#include <cstdlib>

using namespace tessal;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = decodeText(bytes);
    if (bytes.isValidUtf8() && !bytes.startsWith("\xEF\xBB\xBF") && !bytes.startsWith("\xFF\xFE") &&
        !bytes.startsWith("\xFE\xFF") && text != QString::fromUtf8(bytes)) {
        std::fprintf(stderr, "valid UTF-8 not decoded as UTF-8\n");
        std::abort();
    }
    for (const QString& line : splitLines(text)) {
        if (line.contains(u'\r') || line.contains(u'\n')) {
            std::fprintf(stderr, "a line holds a line break\n");
            std::abort();
        }
    }
    return 0;
}
