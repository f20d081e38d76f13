#pragma once

#include <QByteArray>
#include <QString>

namespace tessal {

// Decodes a text file's bytes: a byte-order mark selects UTF-8, UTF-16 LE or UTF-16 BE; without
// one the bytes are UTF-8 when they are valid UTF-8, else CP932 (Shift-JIS), the encoding of
// files written on Japanese Windows systems.
QString decodeText(const QByteArray& bytes);

// Reads a whole file through decodeText; false when it cannot be read.
bool readTextFile(const QString& path, QString* text);

// Splits decoded text into lines at CR LF, LF or CR; a final line break adds no empty line.
QStringList splitLines(const QString& text);

} // namespace tessal
