// Any bytes decode without a fault; valid UTF-8 without a byte-order mark decodes as UTF-8, and
// the lines split from the text hold no line break.
#include "fuzz_check.h"
#include "morse/text_decoder.h"

#include <QStringList>

using namespace tessal;
using tessal::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = decodeText(bytes);
    const bool marked = bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") ||
                        bytes.startsWith("\xFE\xFF");
    check(!bytes.isValidUtf8() || marked || text == QString::fromUtf8(bytes),
          "valid UTF-8 not decoded as UTF-8");
    for (const QString& line : splitLines(text))
        check(!line.contains(u'\r') && !line.contains(u'\n'), "a line holds a line break");
    return 0;
}
