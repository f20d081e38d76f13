#include "listening/talking_text.h"

namespace tessal {

QString talkingText(const QString& question, int length) {
    QString text;
    for (qsizetype k = 1; k <= length && k < question.size(); ++k)
        text += u',' + question.at(k);
    return text;
}

} // namespace tessal
