#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <span>

namespace tessal {

// One line of a report: its text and the one colour it is shown in.
struct ColouredLine {
    QString text;
    QColor colour;
};

struct RtfFont {
    QString family;
    int pixelSize = 19;
    bool bold = true;
};

// Text escaped for an RTF body: backslash and braces escaped, tabs as \tab, everything outside
// printable ASCII as \uN? with N the signed 16-bit value of each UTF-16 code unit.
QByteArray rtfEscaped(const QString& text);

// A Rich Text Format document holding one paragraph per line, each in its own colour.
QByteArray rtfDocument(std::span<const ColouredLine> lines, const RtfFont& font);

} // namespace tessal
