#include "operation/tessal_operation_lib.h"

#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace tessal;

namespace {

QString fromView(std::string_view row) {
    return QString::fromLatin1(row.data(), qsizetype(row.size()));
}

template <std::size_t N>
bool inTable(const std::array<std::string_view, N>& table, const QString& value) {
    for (std::string_view row : table) {
        if (fromView(row) == value)
            return true;
    }
    return false;
}

} // namespace

TEST(OperationLib, ReplyParserCaseTable) {
    using Parser = QString (*)(const QString&);
    struct Case {
        const char* parser;
        Parser parse;
        QString reply;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"call", ParseCallSign, "DE QX0ZZZ", "QX0ZZZ"},
        {"call", ParseCallSign, "CQ CQ DE QX0ZZZ PSE K", "QX0ZZZP"},
        {"call", ParseCallSign, "DE QX0ZZZ K", "QX0ZZZK"},
        {"call", ParseCallSign, "HR QX0ZZZ", "QX0ZZZ"},
        {"call", ParseCallSign, "D E QX0ZZZ", "QX0ZZZ"},
        {"call", ParseCallSign, "QX0ZZZ", "<unknown>"},
        {"call", ParseCallSign, "DE", ""},
        {"call", ParseCallSign, "", "<unknown>"},
        {"call", ParseCallSign, "   ", "<unknown>"},
        {"call", ParseCallSign, "de qx0zzz", "<unknown>"},
        // A word ending in D before a word starting with E reads as the marker.
        {"call", ParseCallSign, "GOOD EVENING", "VENING"},
        // Only the first marker counts, even when the second would fit better.
        {"call", ParseCallSign, "HR DE QX0ZZZ", "DEQX0ZZ"},
        {"rs", ParseRSReport, "BK GE UR 599 BK", "599"},
        {"rs", ParseRSReport, "UR 5NN", "5NN"},
        {"rs", ParseRSReport, "UR RST 579", "579"},
        {"rs", ParseRSReport, "UR 59", "59"},
        {"rs", ParseRSReport, "599", "<\?\?\?>"},
        {"rs", ParseRSReport, "UR", ""},
        {"rs", ParseRSReport, "", "<\?\?\?>"},
        {"rs", ParseRSReport, "ur 599", "<\?\?\?>"},
        {"qth", ParseQTH, "HR JCC 100101", "JCC100101"},
        {"qth", ParseQTH, "HR JCC 1001 BK", "JCC1001BK"},
        {"qth", ParseQTH, "JCC 12W34", "JCC1234"},
        {"qth", ParseQTH, "JCC", "JCC"},
        {"qth", ParseQTH, "HR 1001", "<unknown>"},
        {"qth", ParseQTH, "", "<unknown>"},
        {"name", ParseName, "BK HR QRA SUZUKI BK", "SUZUKIBK"},
        {"name", ParseName, "QRA HORIGUCHI BK", "HORIGUCHIB"},
        {"name", ParseName, "QSL QX0QRA HR QRA SUZUKI", "HRQRASUZUK"},
        {"name", ParseName, "qra suzuki", "<unknown>"},
        {"name", ParseName, "QRA", ""},
        // Controls that survive the blank removal are trimmed at the ends of the result only.
        {"call", ParseCallSign, "DE\tQX0ZZZ\t", "QX0ZZZ"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.parse(c.reply), c.expected) << c.parser << ": " << c.reply.toStdString();
}

TEST(OperationLib, CallSignShapesByKind) {
    QsoDataGenerator generator;
    const QRegularExpression shape(QStringLiteral("^([0-9A-Z]{1,2})([0-8])([A-Z]{3})$"));
    std::set<int> usLengths;
    for (int i = 0; i < 2000; ++i) {
        const QString ja = generator.MakeCallSign(kJapaneseCallSign);
        const auto match = shape.match(ja);
        ASSERT_TRUE(match.hasMatch()) << ja.toStdString();
        EXPECT_EQ(ja.size(), 6);
        EXPECT_TRUE(inTable(JAPrefixList, match.captured(1))) << ja.toStdString();

        const QString us = generator.MakeCallSign(kUsCallSign);
        const auto usMatch = shape.match(us);
        ASSERT_TRUE(usMatch.hasMatch()) << us.toStdString();
        EXPECT_TRUE(inTable(USPrefixList, usMatch.captured(1))) << us.toStdString();
        usLengths.insert(int(us.size()));

        const QString other = generator.MakeCallSign(kOtherCallSign);
        const auto otherMatch = shape.match(other);
        ASSERT_TRUE(otherMatch.hasMatch()) << other.toStdString();
        EXPECT_TRUE(inTable(OtherPrefixList, otherMatch.captured(1))) << other.toStdString();
    }
    EXPECT_EQ(usLengths, (std::set<int>{5, 6}));
    EXPECT_EQ(generator.MakeCallSign(3), QString());
    EXPECT_EQ(generator.MakeCallSign(-1), QString());
}

TEST(OperationLib, CallSignReseedsFromTheClockEachCall) {
    uint64_t ticks = 1000;
    QsoDataGenerator generator([&ticks] { return ticks; });
    const QString first = generator.MakeCallSign(kJapaneseCallSign);
    generator.MakeOperatorName();
    // The same clock reading gives the same call sign whatever was drawn in between.
    EXPECT_EQ(generator.MakeCallSign(kJapaneseCallSign), first);
    std::set<QString> seen;
    for (ticks = 0; ticks < 50; ++ticks)
        seen.insert(generator.MakeCallSign(kJapaneseCallSign));
    EXPECT_GT(seen.size(), 40u);
}

TEST(OperationLib, NamesListedTwiceComeTwiceAsOften) {
    uint64_t seed = 42;
    QsoDataGenerator generator([&seed] { return seed; });
    std::map<QString, int> counts;
    constexpr int kDraws = 156000; // 2000 per row
    for (int i = 0; i < kDraws; ++i)
        ++counts[generator.MakeOperatorName()];
    EXPECT_EQ(counts.size(), 75u);
    for (const auto& [name, count] : counts) {
        const bool twice = name == "HOSHI" || name == "ISHIYAMA" || name == "HIRANO";
        const int expected = twice ? 4000 : 2000;
        EXPECT_NEAR(count, expected, expected * 0.12) << name.toStdString();
    }
    EXPECT_EQ(counts.count(QStringLiteral("AIAHARA")), 1u);
    EXPECT_EQ(counts.count(QStringLiteral("AIHARA")), 1u);
}

TEST(OperationLib, GreetingByTimeOfDay) {
    struct Case {
        QTime time;
        const char* greeting;
    };
    const Case cases[] = {
        {QTime(11, 59, 59), "GM"}, {QTime(12, 0, 0, 0), "GM"}, {QTime(12, 0, 0, 1), "GA"},
        {QTime(12, 0, 1), "GA"},   {QTime(18, 0, 0, 0), "GA"}, {QTime(18, 0, 0, 1), "GE"},
        {QTime(18, 0, 1), "GE"},   {QTime(0, 0, 0), "GM"},     {QTime(23, 59, 59, 999), "GE"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MakeGreeting(c.time), c.greeting)
            << c.time.toString("hh:mm:ss.zzz").toStdString();
}

TEST(OperationLib, TableSizesAndRows) {
    // A row left out would be padded with an empty one by the array's size.
    auto noEmptyRow = [](const auto& table) {
        return std::none_of(table.begin(), table.end(),
                            [](std::string_view r) { return r.empty(); });
    };
    EXPECT_TRUE(noEmptyRow(JAPrefixList));
    EXPECT_TRUE(noEmptyRow(USPrefixList));
    EXPECT_TRUE(noEmptyRow(OtherPrefixList));
    EXPECT_TRUE(noEmptyRow(SuffixLetterList));
    EXPECT_TRUE(noEmptyRow(OperatorNameList));
    EXPECT_EQ(fromView(JAPrefixList.front()), "JA");
    EXPECT_EQ(fromView(JAPrefixList.back()), "8J");
    EXPECT_EQ(fromView(OtherPrefixList.back()), "FB");
    EXPECT_EQ(fromView(OperatorNameList[20]), "HOSHI");
    EXPECT_EQ(fromView(OperatorNameList[77]), "HOSHI");
    EXPECT_EQ(fromView(OperatorNameList[39]), "ISHIYAMA");
    EXPECT_EQ(fromView(OperatorNameList[44]), "ISHIYAMA");
    EXPECT_EQ(fromView(OperatorNameList[43]), "HIRANO");
    EXPECT_EQ(fromView(OperatorNameList[45]), "HIRANO");
    EXPECT_EQ(fromView(OperatorNameList[37]), "AIHARA");
    EXPECT_EQ(fromView(OperatorNameList[40]), "AIAHARA");
}
