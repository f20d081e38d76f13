#include "morse/ascii_text.h"
#include "operation/tessal_operation_lib.h"

#include <array>
#include <optional>

namespace tessal {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isReportCharacter(QChar c) {
    return isDigit(c) || c == u'N';
}

bool isJccCharacter(QChar c) {
    return isDigit(c) || (c >= u'A' && c <= u'U');
}

bool isNameCharacter(QChar c) {
    return isDigit(c) || (c >= u'A' && c <= u'Z');
}

bool isAnyCharacter(QChar) {
    return true;
}

struct ItemRule {
    // One or two markers; an empty second one is no marker.
    std::array<QLatin1StringView, 2> markers;
    bool (*accepts)(QChar);
    qsizetype limit;
};

// True when `marker` ends at position `end` of `text`, all of it inside the text.
bool markerEndsAt(const QString& text, qsizetype end, QLatin1StringView marker) {
    const qsizetype start = end - marker.size() + 1;
    return start >= 0 && QStringView(text).sliced(start, marker.size()) == marker;
}

// The characters taken after the first marker; nothing when no marker occurs.
std::optional<QString> takeAfterMarker(const QString& reply, const ItemRule& rule) {
    QString text = reply;
    text.remove(u' ');
    bool markerFound = false;
    QString taken;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!markerFound) {
            for (QLatin1StringView marker : rule.markers) {
                if (!marker.isEmpty() && markerEndsAt(text, i, marker)) {
                    markerFound = true;
                    break;
                }
            }
            continue;
        }
        if (taken.size() < rule.limit && rule.accepts(text[i]))
            taken += text[i];
    }
    if (!markerFound)
        return std::nullopt;
    return trimBlanksAndControls(taken);
}

QString parsed(const QString& reply, const ItemRule& rule, const QString& failure) {
    return takeAfterMarker(reply, rule).value_or(failure);
}

} // namespace

QString ParseCallSign(const QString& reply) {
    return parsed(reply, {{QLatin1StringView("DE"), QLatin1StringView("HR")}, isAnyCharacter, 7},
                  kUnknownItem);
}

QString ParseRSReport(const QString& reply) {
    return parsed(reply, {{QLatin1StringView("UR")}, isReportCharacter, 3}, kUnknownReport);
}

QString ParseQTH(const QString& reply) {
    const std::optional<QString> taken =
        takeAfterMarker(reply, {{QLatin1StringView("JCC")}, isJccCharacter, 6});
    return taken ? QStringLiteral("JCC") + *taken : kUnknownItem;
}

QString ParseName(const QString& reply) {
    return parsed(reply, {{QLatin1StringView("QRA")}, isNameCharacter, 10}, kUnknownItem);
}

} // namespace tessal
