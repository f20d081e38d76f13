#include "morse/dictionaries.h"

#include "morse/ascii_text.h"

#include "morse/text_decoder.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace tessal {
namespace {

struct DictionaryFile {
    const char* name;
    QChar separator;
    QStringList MorseDictionaries::*baseList;
    QStringList MorseDictionaries::*codeList;
};

// Load order matters: a missing file stops the load, so the files after it stay unread.
constexpr std::array<DictionaryFile, 5> kDictionaryFiles{{
    {"Morse2Eng.csv", u',', &MorseDictionaries::EngBaseStrList, &MorseDictionaries::EngMorsStrList},
    {"Morse2HHH.csv", u',', &MorseDictionaries::HHHBaseStrList, &MorseDictionaries::HHHMorsStrList},
    {"Morse2Jpn.csv", u',', &MorseDictionaries::JpnBaseStrList, &MorseDictionaries::JpnMorsStrList},
    // Symbols include the comma, so this file alone separates with a backslash.
    {"Morse2Mark.csv", u'\\', &MorseDictionaries::MarBaseStrList,
     &MorseDictionaries::MarMorsStrList},
    {"Morse2Num.csv", u',', &MorseDictionaries::NumBaseStrList, &MorseDictionaries::NumMorsStrList},
}};

// Blank lines after the last entry are what an editor leaves behind, not a broken entry.
qsizetype countWithoutTrailingBlankLines(const QStringList& lines) {
    qsizetype count = lines.size();
    while (count > 0 && trimBlanksAndControls(lines.at(count - 1)).isEmpty())
        --count;
    return count;
}

std::optional<QString> loadDictionaryFile(const QString& folder, const DictionaryFile& file,
                                          MorseDictionaries& dictionaries) {
    const QString name = QString::fromLatin1(file.name);
    const QString path = QDir(folder).filePath(name);
    if (!QFileInfo::exists(path))
        return QStringLiteral("Error: Dictionary File \"%1\" Not Exists").arg(name);

    QString text;
    const TextFileStatus status = loadTextFile(path, &text);
    if (status == TextFileStatus::TooLarge)
        return QStringLiteral("Error: Dictionary File \"%1\" is larger than %2 MB")
            .arg(name)
            .arg(kMaxTextFileBytes / (1024 * 1024));
    if (status != TextFileStatus::Read)
        return QStringLiteral("Error: Dictionary File \"%1\" cannot be read").arg(name);

    const QStringList lines = splitLines(text);
    const qsizetype lineCount = countWithoutTrailingBlankLines(lines);
    QStringList& bases = dictionaries.*file.baseList;
    QStringList& codes = dictionaries.*file.codeList;
    for (qsizetype i = 0; i < lineCount; ++i) {
        const QStringList fields = SplitString(lines.at(i), QString(file.separator));
        if (fields.size() < 2)
            return QStringLiteral("Error: Dictionary File \"%1\" line %2: a line needs a code and "
                                  "a character")
                .arg(name)
                .arg(i + 1);
        bases.append(fields.at(1));
        codes.append(fields.at(0));
    }
    return std::nullopt;
}

struct SearchStep {
    QStringList MorseDictionaries::*searched;
    QStringList MorseDictionaries::*partner;
};

using D = MorseDictionaries;
constexpr std::array<SearchStep, 5> kCharacterToCode{{
    {&D::EngBaseStrList, &D::EngMorsStrList},
    {&D::JpnBaseStrList, &D::JpnMorsStrList},
    {&D::HHHBaseStrList, &D::HHHMorsStrList},
    {&D::NumBaseStrList, &D::NumMorsStrList},
    {&D::MarBaseStrList, &D::MarMorsStrList},
}};
constexpr std::array<SearchStep, 4> kCodeToLatin{{
    {&D::EngMorsStrList, &D::EngBaseStrList},
    {&D::HHHMorsStrList, &D::HHHBaseStrList},
    {&D::NumMorsStrList, &D::NumBaseStrList},
    {&D::MarMorsStrList, &D::MarBaseStrList},
}};
constexpr std::array<SearchStep, 4> kCodeToKana{{
    {&D::JpnMorsStrList, &D::JpnBaseStrList},
    {&D::HHHMorsStrList, &D::HHHBaseStrList},
    {&D::NumMorsStrList, &D::NumBaseStrList},
    {&D::MarMorsStrList, &D::MarBaseStrList},
}};
constexpr std::array<SearchStep, 3> kCodeToOther{{
    {&D::HHHMorsStrList, &D::HHHBaseStrList},
    {&D::NumMorsStrList, &D::NumBaseStrList},
    {&D::MarMorsStrList, &D::MarBaseStrList},
}};

template <std::size_t N>
QString firstMatch(const MorseDictionaries& dictionaries, const std::array<SearchStep, N>& steps,
                   const QString& text) {
    for (const SearchStep& step : steps) {
        const QStringList& searched = dictionaries.*step.searched;
        const QStringList& partner = dictionaries.*step.partner;
        const qsizetype index = searched.indexOf(text);
        // value() guards a pair filled unevenly by hand rather than by the loader.
        if (index >= 0)
            return partner.value(index);
    }
    return QString();
}

} // namespace

QStringList SplitString(const QString& text, const QString& separator) {
    QStringList fields;
    QString field;
    for (const QChar ch : trimBlanksAndControls(text)) {
        if (QStringView(&ch, 1) == separator) {
            fields.append(field);
            field.clear();
        } else {
            field.append(ch);
        }
    }
    if (!field.isEmpty())
        fields.append(field);
    return fields;
}

std::optional<QString> loadDictionaryFiles(const QString& folder, MorseDictionaries& dictionaries) {
    for (const DictionaryFile& file : kDictionaryFiles) {
        if (auto error = loadDictionaryFile(folder, file, dictionaries))
            return error;
    }
    return std::nullopt;
}

QString convertMorse(const MorseDictionaries& dictionaries, const QString& text, int mode) {
    const QString key = upperCaseAsciiLetters(text);
    switch (mode) {
    case 0:
        return firstMatch(dictionaries, kCodeToLatin, key);
    case 1:
        return firstMatch(dictionaries, kCodeToKana, key);
    case 2:
        return firstMatch(dictionaries, kCharacterToCode, key);
    default:
        return firstMatch(dictionaries, kCodeToOther, key);
    }
}

QStringList dictionaryFileNames() {
    QStringList names;
    for (const DictionaryFile& file : kDictionaryFiles)
        names.append(QString::fromLatin1(file.name));
    return names;
}

} // namespace tessal
