#include "morse/dictionaries.h"

#include "morse/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>

namespace tessal {
namespace {
using namespace Qt::Literals::StringLiterals;

const QString kFolder = QStringLiteral(TESSAL_SOURCE_DIR "/Dictionary");

class DictionaryFiles : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(loadDictionaryFiles(kFolder, loaded()), std::nullopt);
    }
    static MorseDictionaries& loaded() {
        static MorseDictionaries dictionaries;
        return dictionaries;
    }
    const MorseDictionaries& d = loaded();
};

struct Pair {
    const char* file;
    const QStringList& bases;
    const QStringList& codes;
};

TEST_F(DictionaryFiles, EveryEntryIsAUniqueCodeOverDotsAndDashes) {
    const Pair pairs[] = {
        {"Morse2Eng.csv", d.EngBaseStrList, d.EngMorsStrList},
        {"Morse2HHH.csv", d.HHHBaseStrList, d.HHHMorsStrList},
        {"Morse2Jpn.csv", d.JpnBaseStrList, d.JpnMorsStrList},
        {"Morse2Mark.csv", d.MarBaseStrList, d.MarMorsStrList},
        {"Morse2Num.csv", d.NumBaseStrList, d.NumMorsStrList},
    };
    for (const Pair& pair : pairs) {
        SCOPED_TRACE(pair.file);
        QFile file(kFolder + "/" + pair.file);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.read(3) == "\xEF\xBB\xBF") << "UTF-8 byte-order mark";
        ASSERT_EQ(pair.bases.size(), pair.codes.size());
        EXPECT_FALSE(pair.bases.isEmpty());
        EXPECT_EQ(QSet<QString>(pair.bases.begin(), pair.bases.end()).size(), pair.bases.size());
        EXPECT_EQ(QSet<QString>(pair.codes.begin(), pair.codes.end()).size(), pair.codes.size());
        for (qsizetype i = 0; i < pair.codes.size(); ++i) {
            const QString& code = pair.codes.at(i);
            const bool dotsAndDashes =
                !code.isEmpty() && std::all_of(code.begin(), code.end(),
                                               [](QChar ch) { return ch == u'S' || ch == u'L'; });
            EXPECT_TRUE(dotsAndDashes)
                << pair.bases.at(i).toStdString() << " " << code.toStdString();
            EXPECT_FALSE(pair.bases.at(i).isEmpty()) << code.toStdString();
        }
    }
}

TEST_F(DictionaryFiles, LettersDigitsAndGroupsRoundTrip) {
    struct Class {
        const char* name;
        QStringList characters;
        int decodeMode;
    };
    QStringList letters, digits;
    for (char ch = 'A'; ch <= 'Z'; ++ch)
        letters.append(QString(QChar(ch)));
    for (char ch = '0'; ch <= '9'; ++ch)
        digits.append(QString(QChar(ch)));
    const QStringList groups = {"<AR>", "<SK>",  "<BT>", "<KN>", "<AS>",
                                "<HH>", "<SOS>", "<CQ>", "<BK>", "<VE>"};
    QStringList kana;
    for (
        const QChar ch :
        u"いろはにほへとちりぬるをわかよたれそつねならむうゐのおくやまけふこえてあさきゆめみしゑひもせすん"_s)
        kana.append(QString(ch));
    ASSERT_EQ(kana.size(), 48);
    const Class classes[] = {
        {"letters", letters, 0}, {"digits", digits, 3}, {"groups", groups, 3}, {"kana", kana, 1}};
    for (const Class& c : classes) {
        for (const QString& character : c.characters) {
            SCOPED_TRACE(std::string(c.name) + " " + character.toStdString());
            const QString code = convertMorse(d, character, 2);
            EXPECT_FALSE(code.isEmpty());
            EXPECT_EQ(convertMorse(d, code, c.decodeMode), character);
        }
    }
}

TEST_F(DictionaryFiles, SymbolsAndKanaPunctuationArePresent) {
    for (const QChar mark : u".,?'!/()&:;=+-_\"$@"_s)
        EXPECT_TRUE(d.MarBaseStrList.contains(QString(mark))) << QString(mark).toStdString();
    for (const QChar mark : u"゛゜ー、」（）"_s)
        EXPECT_TRUE(d.JpnBaseStrList.contains(QString(mark))) << QString(mark).toStdString();
}

TEST_F(DictionaryFiles, CodesMatchTheInternationalAndWabunTables) {
    struct Entry {
        QString character;
        QString code;
    };
    const Entry entries[] = {
        {"E", "S"},         {"K", "LSL"},         {"Q", "LLSL"},          {"Y", "LSLL"},
        {"0", "LLLLL"},     {"9", "LLLLS"},       {"<SOS>", "SSSLLLSSS"}, {"<SK>", "SSSLSL"},
        {"<BT>", "LSSSL"},  {"<HH>", "SSSSSSSS"}, {",", "LLSSLL"},        {"@", "SLLSLS"},
        {"(", "LSLLS"},     {")", "LSLLSL"},      {u"ん"_s, "SLSLS"},     {u"い"_s, "SL"},
        {u"ゐ"_s, "SLSSL"}, {u"を"_s, "SLLL"},    {u"゜"_s, "SSLLS"},     {u"、"_s, "SLSLSL"},
    };
    for (const Entry& entry : entries)
        EXPECT_EQ(convertMorse(d, entry.character, 2), entry.code) << entry.character.toStdString();
}

} // namespace
} // namespace tessal
