#include "morse/dictionaries.h"

#include "morse/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

namespace tessal {
using namespace Qt::Literals::StringLiterals;
namespace {

TEST(SplitString, TrimsTheLineAndKeepsEmptyMiddleFields) {
    struct Case {
        const char* name;
        QString text;
        QString separator;
        QStringList expected;
    };
    const Case cases[] = {
        {"empty text", "", ",", {}},
        {"all blank and control", " \t\r\n\x01 ", ",", {}},
        {"code and character", "SL,A", ",", {"SL", "A"}},
        {"trailing separator drops the empty last field", "SL,A,", ",", {"SL", "A"}},
        {"empty middle field kept", "SL,,A", ",", {"SL", "", "A"}},
        {"empty first field kept", ",A", ",", {"", "A"}},
        {"separators only", ",,", ",", {"", ""}},
        {"control characters trimmed at both ends", "\t\x02 SL,A \x1F", ",", {"SL", "A"}},
        {"fields are not trimmed", "SL , A", ",", {"SL ", " A"}},
        {"ideographic space is not trimmed", u"\u3000SL,A"_s, ",", {u"\u3000SL"_s, "A"}},
        {"no separator", "SLA", ",", {"SLA"}},
        {"further fields kept", "SL,A,note", ",", {"SL", "A", "note"}},
        {"comma in the symbol file", "LLSSLL\\,", "\\", {"LLSSLL", ","}},
        {"backslash file ignores commas", "SL,A", "\\", {"SL,A"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SplitString(c.text, c.separator), c.expected);
    }
}

// One valid entry per file; the symbol entry is the comma to prove the backslash separator.
const std::map<QString, QByteArray> kOneEntryFiles = {
    {"Morse2Eng.csv", "SL,A\r\n"},
    {"Morse2HHH.csv", "LSLSLLSL,<CQ>\n"},
    {"Morse2Jpn.csv", "LLSLL,\xE3\x81\x82\n"},
    {"Morse2Mark.csv", "LLSSLL\\,\n"},
    {"Morse2Num.csv", "LLLLL,0\n"},
};

void writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

struct PairSizes {
    qsizetype eng, hhh, jpn, mar, num;
    bool operator==(const PairSizes&) const = default;
};

PairSizes baseSizes(const MorseDictionaries& d) {
    return {d.EngBaseStrList.size(), d.HHHBaseStrList.size(), d.JpnBaseStrList.size(),
            d.MarBaseStrList.size(), d.NumBaseStrList.size()};
}

PairSizes codeSizes(const MorseDictionaries& d) {
    return {d.EngMorsStrList.size(), d.HHHMorsStrList.size(), d.JpnMorsStrList.size(),
            d.MarMorsStrList.size(), d.NumMorsStrList.size()};
}

TEST(LoadDictionaryFiles, MissingFileStopsTheLoadThere) {
    struct Case {
        QString missing;
        PairSizes filled;
    };
    const Case cases[] = {
        {"Morse2Eng.csv", {0, 0, 0, 0, 0}}, {"Morse2HHH.csv", {1, 0, 0, 0, 0}},
        {"Morse2Jpn.csv", {1, 1, 0, 0, 0}}, {"Morse2Mark.csv", {1, 1, 1, 0, 0}},
        {"Morse2Num.csv", {1, 1, 1, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.missing.toStdString());
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        for (const auto& [name, bytes] : kOneEntryFiles) {
            if (name != c.missing)
                writeFile(dir, name, bytes);
        }
        MorseDictionaries dictionaries;
        const auto error = loadDictionaryFiles(dir.path() + "/", dictionaries);
        EXPECT_EQ(error, QString("Error: Dictionary File \"%1\" Not Exists").arg(c.missing));
        EXPECT_EQ(baseSizes(dictionaries), c.filled);
        EXPECT_EQ(codeSizes(dictionaries), c.filled);
    }
}

TEST(LoadDictionaryFiles, UnreadableFileStopsTheLoadThere) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& [name, bytes] : kOneEntryFiles)
        writeFile(dir, name, bytes);
    ASSERT_TRUE(QFile::remove(dir.filePath("Morse2Jpn.csv")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("Morse2Jpn.csv"));
    MorseDictionaries d;
    const auto error = loadDictionaryFiles(dir.path(), d);
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains("\"Morse2Jpn.csv\"")) << error->toStdString();
    EXPECT_EQ(baseSizes(d), (PairSizes{1, 1, 0, 0, 0}));
}

TEST(LoadDictionaryFiles, ReadsEveryFileIntoItsOwnPair) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& [name, bytes] : kOneEntryFiles)
        writeFile(dir, name, bytes);
    MorseDictionaries d;
    EXPECT_EQ(loadDictionaryFiles(dir.path(), d), std::nullopt);
    EXPECT_EQ(d.EngBaseStrList, QStringList{"A"});
    EXPECT_EQ(d.EngMorsStrList, QStringList{"SL"});
    EXPECT_EQ(d.HHHBaseStrList, QStringList{"<CQ>"});
    EXPECT_EQ(d.JpnBaseStrList, QStringList{u"\u3042"_s});
    EXPECT_EQ(d.JpnMorsStrList, QStringList{"LLSLL"});
    EXPECT_EQ(d.MarBaseStrList, QStringList{","});
    EXPECT_EQ(d.MarMorsStrList, QStringList{"LLSSLL"});
    EXPECT_EQ(d.NumBaseStrList, QStringList{"0"});
}

TEST(LoadDictionaryFiles, LineEndsAndBadLinesOfTheEnglishFile) {
    struct Case {
        const char* name;
        QByteArray english;
        QStringList letters; // what the English pair holds afterwards
        int badLine;         // 0: the whole load succeeds
    };
    const Case cases[] = {
        {"no final line break", "SL,A\nLSSS,B", {"A", "B"}, 0},
        {"final line break adds no entry", "SL,A\nLSSS,B\n", {"A", "B"}, 0},
        {"final crlf adds no entry", "SL,A\r\nLSSS,B\r\n", {"A", "B"}, 0},
        {"blank lines left at the end by an editor", "SL,A\n\n \r\n\t\n", {"A"}, 0},
        {"blank after the comma is kept", "SL, A\n", {" A"}, 0},
        {"blank line in the middle", "SL,A\n\nLSSS,B\n", {"A"}, 2},
        {"line without separator", "SL,A\nLSSS,B\nLSLS\nLSS,D\n", {"A", "B"}, 3},
        {"separator only on the first line", ",\nSL,A\n", {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        for (const auto& [name, bytes] : kOneEntryFiles)
            writeFile(dir, name, name == "Morse2Eng.csv" ? c.english : bytes);
        MorseDictionaries d;
        const auto error = loadDictionaryFiles(dir.path(), d);
        EXPECT_EQ(d.EngBaseStrList, c.letters);
        EXPECT_EQ(d.EngMorsStrList.size(), c.letters.size());
        if (c.badLine == 0) {
            EXPECT_EQ(error, std::nullopt);
            EXPECT_EQ(d.NumBaseStrList.size(), 1);
            continue;
        }
        ASSERT_TRUE(error.has_value());
        EXPECT_TRUE(error->contains("\"Morse2Eng.csv\"")) << error->toStdString();
        EXPECT_TRUE(error->contains(QString("line %1:").arg(c.badLine))) << error->toStdString();
        EXPECT_TRUE(d.HHHBaseStrList.isEmpty());
    }
}

TEST(LoadDictionaryFiles, BadLineInALaterFileKeepsEarlierPairs) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& [name, bytes] : kOneEntryFiles)
        writeFile(dir, name, name == "Morse2Mark.csv" ? QByteArray("SLSLSL\\.\nLLSSLL,\n") : bytes);
    MorseDictionaries d;
    const auto error = loadDictionaryFiles(dir.path(), d);
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains("\"Morse2Mark.csv\" line 2:")) << error->toStdString();
    EXPECT_EQ(baseSizes(d), (PairSizes{1, 1, 1, 1, 0}));
    EXPECT_EQ(d.MarBaseStrList, QStringList{"."});
}

void add(QStringList& bases, QStringList& codes, const QString& base, const QString& code) {
    bases.append(base);
    codes.append(code);
}

MorseDictionaries lookupDictionaries() {
    MorseDictionaries d;
    add(d.EngBaseStrList, d.EngMorsStrList, "A", "SL");
    add(d.EngBaseStrList, d.EngMorsStrList, "E", "S");
    add(d.EngBaseStrList, d.EngMorsStrList, " B", "LSSS");
    add(d.EngBaseStrList, d.EngMorsStrList, "A", "LLLLLL");
    add(d.JpnBaseStrList, d.JpnMorsStrList, u"\u3044"_s, "SL");    // い
    add(d.JpnBaseStrList, d.JpnMorsStrList, u"\u3078"_s, "S");     // へ
    add(d.JpnBaseStrList, d.JpnMorsStrList, u"\u3093"_s, "SLSLS"); // ん
    add(d.JpnBaseStrList, d.JpnMorsStrList, "A", "SSLL");
    add(d.HHHBaseStrList, d.HHHMorsStrList, "<AR>", "SLSLS");
    add(d.HHHBaseStrList, d.HHHMorsStrList, "<CQ>", "LSLSLLSL");
    add(d.NumBaseStrList, d.NumMorsStrList, "1", "SLLLL");
    add(d.NumBaseStrList, d.NumMorsStrList, "5", "SSSSS");
    add(d.MarBaseStrList, d.MarMorsStrList, "#", "SSSSS");
    add(d.MarBaseStrList, d.MarMorsStrList, "(", "LSLLS");
    return d;
}

TEST(ConvertMorse, SearchesTheDictionariesOfEachMode) {
    const MorseDictionaries d = lookupDictionaries();
    struct Case {
        const char* name;
        QString text;
        int mode;
        QString expected;
    };
    const Case cases[] = {
        {"empty text, mode 0", "", 0, ""},
        {"empty text, mode 1", "", 1, ""},
        {"empty text, mode 2", "", 2, ""},
        {"empty text, mode 3", "", 3, ""},
        {"lower-case letter to code", "a", 2, "SL"},
        {"lower-case code to letter", "sl", 0, "A"},
        {"mixed-case code", "sL", 0, "A"},
        {"full-width letters stay as they are", u"\uFF53\uFF4C"_s, 0, ""},
        {"shared code is the letter in mode 0", "S", 0, "E"},
        {"shared code is the kana in mode 1", "S", 1, u"\u3078"_s},
        {"kana to code", u"\u3044"_s, 2, "SL"},
        {"character in both gives the Latin code", "A", 2, "SL"},
        {"kana dictionary answers mode 1 first", "SLSLS", 1, u"\u3093"_s},
        {"group before symbols in mode 0", "SLSLS", 0, "<AR>"},
        {"lower-case group to code", "<cq>", 2, "LSLSLLSL"},
        {"mode 0 never reads the kana dictionary", "SSLL", 0, ""},
        {"mode 1 never reads the Latin dictionary", "LSSS", 1, ""},
        {"digit wins over symbol", "SSSSS", 0, "5"},
        {"digit wins over symbol, mode 4", "SSSSS", 4, "5"},
        {"mode 3 skips letters", "SL", 3, ""},
        {"mode 3 skips kana", "SLSLS", 3, "<AR>"},
        {"mode 3 reads symbols", "LSLLS", 3, "("},
        {"negative mode reads digits", "SLLLL", -1, "1"},
        {"leading blank never matches one character", "B", 2, ""},
        {"leading blank is still the decoded character", "LSSS", 0, " B"},
        {"nothing matches", "LLLLLLLLL", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(convertMorse(d, c.text, c.mode), c.expected);
    }
}

} // namespace
} // namespace tessal
