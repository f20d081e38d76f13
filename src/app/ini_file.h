#pragma once

#include "morse/text_decoder.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tessal {

// An INI file kept line by line, so that sections, keys and comments this program does not know
// survive a rewrite. Section and key names compare case-insensitively.
class IniFile {
public:
    // Reads `path`; a file that cannot be read (missing, not a regular file, too large) gives an
    // empty store, and readStatus() says why.
    explicit IniFile(QString path);

    // A store as if `contents` had been read from `path` (tests and fuzzing).
    IniFile(QString path, const QByteArray& contents);

    TextFileStatus readStatus() const { return readStatus_; }

    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // A value that is not a decimal 32-bit integer (blanks around it allowed) gives the default.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // True when the integer value is not 0.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;

    // Replaces the value in place, or appends the key at the end of its section; a missing
    // section is added at the end of the file. Line breaks in a text become blanks, and a text
    // with blanks at either end is quoted, so that every text reads back as one line.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);

    // Writes UTF-8 through a temporary file renamed over the old one; false when that fails, and
    // then the old file is left as it was.
    bool save() const;
    // The bytes save() writes.
    QByteArray toBytes() const;

private:
    struct KeyLine {
        qsizetype index;
        QString value;
    };

    std::optional<KeyLine> findKey(const QString& section, const QString& key) const;
    std::optional<qsizetype> findSectionEnd(const QString& section) const;

    QString path_;
    TextFileStatus readStatus_ = TextFileStatus::Missing;
    QStringList lines_;
};

} // namespace tessal
