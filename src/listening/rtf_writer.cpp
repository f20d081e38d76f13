#include "listening/rtf_writer.h"

#include <cstdint>
#include <vector>

namespace tessal {

namespace {

// Index of the colour in the table; entry 0 of an RTF colour table is the default colour, so the
// first real colour is 1.
int colourIndex(std::vector<QRgb>& table, const QColor& colour) {
    const QRgb rgb = colour.rgb();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i] == rgb)
            return int(i) + 1;
    }
    table.push_back(rgb);
    return int(table.size());
}

} // namespace

QByteArray rtfEscaped(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar unit : text) {
        const char16_t code = unit.unicode();
        if (code == u'\\' || code == u'{' || code == u'}') {
            out += '\\';
            out += char(code);
        } else if (code == u'\t') {
            out += "\\tab ";
        } else if (code >= 0x20 && code < 0x7F) {
            out += char(code);
        } else {
            out += "\\u";
            out += QByteArray::number(int(static_cast<std::int16_t>(code)));
            out += '?';
        }
    }
    return out;
}

QByteArray rtfDocument(std::span<const ColouredLine> lines, const RtfFont& font) {
    std::vector<QRgb> colours;
    std::vector<int> lineColours;
    lineColours.reserve(lines.size());
    for (const ColouredLine& line : lines)
        lineColours.push_back(colourIndex(colours, line.colour));

    // RTF sizes are in half points; at 96 dpi a pixel is three quarters of a point.
    const int halfPoints = (font.pixelSize * 3 + 1) / 2;
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil\\fcharset0 ";
    rtf += rtfEscaped(font.family);
    rtf += ";}}\n{\\colortbl ;";
    for (const QRgb rgb : colours) {
        rtf += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
               QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
    }
    rtf += "}\n\\pard\\f0\\fs" + QByteArray::number(halfPoints) + (font.bold ? "\\b" : "") + '\n';
    for (std::size_t i = 0; i < lines.size(); ++i) {
        rtf += "\\cf" + QByteArray::number(lineColours[i]) + ' ';
        rtf += rtfEscaped(lines[i].text);
        rtf += "\\par\n";
    }
    rtf += "}\n";
    return rtf;
}

} // namespace tessal
