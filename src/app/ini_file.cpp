#include "app/ini_file.h"

#include "morse/text_decoder.h"

#include <QSaveFile>
#include <utility>

namespace tessal {

namespace {

constexpr QChar kQuote = u'"';

bool isComment(const QString& trimmedLine) {
    return trimmedLine.startsWith(u';') || trimmedLine.startsWith(u'#');
}

std::optional<QString> sectionNameOf(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.size() < 2 || !trimmed.startsWith(u'[') || !trimmed.endsWith(u']'))
        return std::nullopt;
    return trimmed.mid(1, trimmed.size() - 2).trimmed();
}

struct KeyAndValue {
    QString key;
    QString rawValue;
};

std::optional<KeyAndValue> keyAndValueOf(const QString& line) {
    if (isComment(line.trimmed()))
        return std::nullopt;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return KeyAndValue{line.left(equals).trimmed(), line.mid(equals + 1)};
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isQuoted(const QString& value) {
    return value.size() >= 2 && value.startsWith(kQuote) && value.endsWith(kQuote);
}

QString decodeValue(const QString& rawValue) {
    const QString value = rawValue.trimmed();
    return isQuoted(value) ? value.mid(1, value.size() - 2) : value;
}

// Reading trims blanks and strips one pair of quotes, so a text that would lose something that
// way is quoted; a line break would split the line and could even forge a section header.
QString encodeValue(const QString& text) {
    QString value = text;
    value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    if (value.trimmed() != value || isQuoted(value))
        return kQuote + value + kQuote;
    return value;
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {
    QString text;
    readStatus_ = loadTextFile(path_, &text);
    if (readStatus_ == TextFileStatus::Read)
        lines_ = splitLines(text);
}

IniFile::IniFile(QString path, const QByteArray& contents)
    : path_(std::move(path)), readStatus_(TextFileStatus::Read),
      lines_(splitLines(decodeText(contents))) {}

std::optional<IniFile::KeyLine> IniFile::findKey(const QString& section, const QString& key) const {
    bool inSection = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (const auto name = sectionNameOf(lines_[i])) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (const auto entry = keyAndValueOf(lines_[i]); entry && sameName(entry->key, key))
            return KeyLine{i, decodeValue(entry->rawValue)};
    }
    return std::nullopt;
}

// The index just past the last non-blank line of the first section named `section`.
std::optional<qsizetype> IniFile::findSectionEnd(const QString& section) const {
    std::optional<qsizetype> end;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (const auto name = sectionNameOf(lines_[i])) {
            if (end)
                break;
            if (sameName(*name, section))
                end = i + 1;
            continue;
        }
        if (end && !lines_[i].trimmed().isEmpty())
            end = i + 1;
    }
    return end;
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    const auto found = findKey(section, key);
    return found ? found->value : defaultValue;
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const {
    const auto found = findKey(section, key);
    if (!found)
        return defaultValue;
    bool ok = false;
    const int value = found->value.trimmed().toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool IniFile::readBool(const QString& section, const QString& key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    const QString line = key + u'=' + encodeValue(value);
    if (const auto found = findKey(section, key)) {
        lines_[found->index] = line;
        return;
    }
    if (const auto end = findSectionEnd(section)) {
        lines_.insert(*end, line);
        return;
    }
    if (!lines_.isEmpty() && !lines_.last().trimmed().isEmpty())
        lines_.append(QString());
    lines_.append(u'[' + section + u']');
    lines_.append(line);
}

void IniFile::writeInteger(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value) {
    writeInteger(section, key, value ? 1 : 0);
}

bool IniFile::save() const {
    QSaveFile file(path_);
    // Unbuffered, so a short write (disk full) shows in write()'s count; a buffered flush would
    // drop the rest silently and commit a truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = toBytes();
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

QByteArray IniFile::toBytes() const {
    QByteArray bytes;
    // Reading takes a leading U+FEFF for a byte-order mark and drops it, so a text that really
    // starts with one is written behind a mark of its own.
    if (!lines_.isEmpty() && lines_.first().startsWith(QChar(0xFEFF)))
        bytes.append("\xEF\xBB\xBF");
    bytes.append(lines_.join(u'\n').toUtf8());
    if (!lines_.isEmpty())
        bytes.append('\n');
    return bytes;
}

} // namespace tessal
