#pragma once

#include <QString>
#include <QTime>
#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string_view>

namespace tessal {

// The host station's identity tables. Their rows are fixed: names listed twice are meant to be
// drawn twice as often, and "AIAHARA" is a row of its own beside "AIHARA".
inline constexpr std::array<std::string_view, 22> JAPrefixList{
    "JA", "JR", "JH", "JE", "JF", "JG", "JI", "JJ", "JK", "JL", "JM",
    "JN", "JO", "JP", "JQ", "JS", "7J", "7K", "7L", "7M", "7N", "8J"};
inline constexpr std::array<std::string_view, 14> USPrefixList{
    "K", "W", "N", "AA", "AB", "AC", "AD", "AE", "AF", "AG", "AH", "AI", "AJ", "AK"};
inline constexpr std::array<std::string_view, 38> OtherPrefixList{
    "A",  "B",  "C",  "D",  "E",  "F",  "G",  "H",  "I",  "J",  "AA", "AB", "AC",
    "AD", "AE", "AF", "BA", "BB", "BC", "BD", "BE", "BF", "CA", "CB", "CC", "CD",
    "DA", "DB", "DC", "DD", "EA", "EB", "EC", "ED", "EE", "EF", "FA", "FB"};
inline constexpr std::array<std::string_view, 26> SuffixLetterList{
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
    "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
inline constexpr std::array<std::string_view, 78> OperatorNameList{
    "MATSUMURA", "SUZUKI",    "SUGIMOTO", "SONODA",    "HONDA",     "ITO",       "HORIMOTO",
    "KINPARA",   "SAKURAI",   "SAEKI",    "YOSHIMOTO", "KOIKE",     "HORIZAKI",  "KAGA",
    "MORI",      "KATOU",     "MURASAKI", "ANDOU",     "WAKAYAMA",  "MATSUNAGA", "HOSHI",
    "ISHIDA",    "MIYACHI",   "YOKOYAMA", "MAKI",      "UEHARA",    "MOCHIZUKI", "ICHIKAWA",
    "TERAOKA",   "YAMADA",    "KATANO",   "YOSHIOKA",  "YOKOTA",    "AKAHORI",   "UEDA",
    "IWATA",     "YAMAMOTO",  "AIHARA",   "WATANABE",  "ISHIYAMA",  "AIAHARA",   "HAYASHI",
    "KANEKO",    "HIRANO",    "ISHIYAMA", "HIRANO",    "ADACHI",    "MORIMOTO",  "TAKAHASHI",
    "MIZUNO",    "ONO",       "MIYATA",   "NAITOU",    "HORIKOSHI", "TANAKA",    "NISHIZAKI",
    "NISHIO",    "MORISHITA", "HAYAKAWA", "MATSUMOTO", "MAEDA",     "MIWA",      "WAKASUGI",
    "ARANAMI",   "SHIBUYA",   "HARA",     "MORIYA",    "HORIGUCHI", "SAKAMOTO",  "IWAHORI",
    "NAKANO",    "SANO",      "YASUDA",   "ISHII",     "NISHIKAWA", "YAMAZAKI",  "YAZAWA",
    "HOSHI"};

// Call-sign prefix tables chosen by MakeCallSign's kind.
inline constexpr int kJapaneseCallSign = 0;
inline constexpr int kUsCallSign = 1;
inline constexpr int kOtherCallSign = 2;

// The host station's random identity. One generator serves every draw of a contact; MakeCallSign
// seeds it afresh from the clock each time, MakeOperatorName draws on from there.
class QsoDataGenerator {
public:
    using SeedSource = std::function<uint64_t()>;

    // The high-resolution clock's ticks.
    static uint64_t clockTicks();

    explicit QsoDataGenerator(SeedSource seed = clockTicks);

    // Prefix of the kind's table, a digit 0..8 and three letters; empty for a kind other than
    // 0, 1 or 2.
    QString MakeCallSign(int kind);
    QString MakeOperatorName();
    // A uniform integer 0..n-1.
    int Random(int n);

private:
    void reseed();

    SeedSource seed_;
    std::mt19937 engine_;
};

// "GM" up to noon inclusive, "GA" up to 18:00:00.000 inclusive, "GE" after; the date is ignored.
QString MakeGreeting(const QTime& localTime);

// What the host copied from a reply. Each looks for its marker in the reply with the blanks
// removed and takes a bounded run of accepted characters after it; the failure values below
// mean no marker was found.
inline const QString kUnknownItem = QStringLiteral("<unknown>");
inline const QString kUnknownReport = QStringLiteral("<\?\?\?>");

QString ParseCallSign(const QString& reply);
QString ParseRSReport(const QString& reply);
QString ParseQTH(const QString& reply);
QString ParseName(const QString& reply);

} // namespace tessal
