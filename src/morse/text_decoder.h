#pragma once

#include <QByteArray>
#include <QString>

namespace tessal {

// Decodes a text file's bytes: a byte-order mark selects UTF-8, UTF-16 LE or UTF-16 BE; without
// one the bytes are UTF-8 when they are valid UTF-8 or when stray bad bytes are no more than its
// multi-byte characters (each bad byte then becomes U+FFFD), else CP932 (Shift-JIS), the encoding
// of files written on Japanese Windows systems.
QString decodeText(const QByteArray& bytes);

// Settings, dictionary and practice files larger than this are refused: a text file of that
// size is a mistake, and reading it whole would exhaust memory.
inline constexpr qint64 kMaxTextFileBytes = 8 * 1024 * 1024;

enum class TextFileStatus {
    Read,
    Missing,
    NotRegularFile, // a folder, FIFO, socket or device (also through a link)
    TooLarge,
    Unreadable,
};

// Reads a whole regular file of at most kMaxTextFileBytes through decodeText without ever
// blocking; `text` is left alone unless the file was read.
TextFileStatus loadTextFile(const QString& path, QString* text);

// Reads a whole file through loadTextFile; false when it was not read.
bool readTextFile(const QString& path, QString* text);

// Splits decoded text into lines at CR LF, LF or CR; a final line break adds no empty line.
QStringList splitLines(const QString& text);

} // namespace tessal
