#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tessal {

// The five dictionary pairs: index-aligned character ("Base") and code ("Mors") lists.
struct MorseDictionaries {
    QStringList EngBaseStrList, EngMorsStrList;
    QStringList JpnBaseStrList, JpnMorsStrList;
    QStringList MarBaseStrList, MarMorsStrList;
    QStringList HHHBaseStrList, HHHMorsStrList;
    QStringList NumBaseStrList, NumMorsStrList;
};

// Trims `text` of characters <= U+0020 at both ends, then splits it at every `separator`
// (one character). Empty fields between separators are kept; an empty last field is dropped.
QStringList SplitString(const QString& text, const QString& separator);

// Appends the entries of the five files in `folder` to `dictionaries`, in the fixed order
// Morse2Eng, Morse2HHH, Morse2Jpn, Morse2Mark, Morse2Num. Stops at the first missing file or bad
// line and returns the message box text for it; nullopt when everything was read.
std::optional<QString> loadDictionaryFiles(const QString& folder, MorseDictionaries& dictionaries);

// The five file names, in load order.
QStringList dictionaryFileNames();

// Mode 0: code to Latin character (then groups, digits, symbols); 1: code to kana (then groups,
// digits, symbols); 2: character or group to code; any other value: code to group, digit, symbol.
// ASCII letters of `text` are upper-cased first; the first exact match wins; "" when none.
QString convertMorse(const MorseDictionaries& dictionaries, const QString& text, int mode);

} // namespace tessal
