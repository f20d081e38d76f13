#include "morse/ascii_text.h"

namespace tessal {

QString upperCaseAsciiLetters(const QString& text) {
    QString result = text;
    for (QChar& ch : result) {
        if (ch >= u'a' && ch <= u'z')
            ch = QChar(ch.unicode() - u'a' + u'A');
    }
    return result;
}

QString trimBlanksAndControls(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace tessal
