#include "operation/tessal_operation_lib.h"

#include <chrono>

namespace tessal {

namespace {

template <std::size_t N> QString rowOf(const std::array<std::string_view, N>& table, int index) {
    const std::string_view row = table[std::size_t(index)];
    return QString::fromLatin1(row.data(), qsizetype(row.size()));
}

} // namespace

uint64_t QsoDataGenerator::clockTicks() {
    return uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

QsoDataGenerator::QsoDataGenerator(SeedSource seed) : seed_(std::move(seed)) {
    reseed();
}

void QsoDataGenerator::reseed() {
    const uint64_t ticks = seed_();
    std::seed_seq sequence{uint32_t(ticks), uint32_t(ticks >> 32)};
    engine_.seed(sequence);
}

int QsoDataGenerator::Random(int n) {
    if (n <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

QString QsoDataGenerator::MakeCallSign(int kind) {
    reseed();
    QString callSign;
    switch (kind) {
    case kJapaneseCallSign:
        callSign = rowOf(JAPrefixList, Random(int(JAPrefixList.size())));
        break;
    case kUsCallSign:
        callSign = rowOf(USPrefixList, Random(int(USPrefixList.size())));
        break;
    case kOtherCallSign:
        callSign = rowOf(OtherPrefixList, Random(int(OtherPrefixList.size())));
        break;
    default:
        return QString();
    }
    // The district digit is drawn from nine values, so 9 never occurs.
    callSign += QString::number(Random(9));
    for (int letter = 0; letter < 3; ++letter)
        callSign += rowOf(SuffixLetterList, Random(int(SuffixLetterList.size())));
    return callSign;
}

QString QsoDataGenerator::MakeOperatorName() {
    return rowOf(OperatorNameList, Random(int(OperatorNameList.size())));
}

QString MakeGreeting(const QTime& localTime) {
    if (localTime <= QTime(12, 0))
        return QStringLiteral("GM");
    if (localTime <= QTime(18, 0))
        return QStringLiteral("GA");
    return QStringLiteral("GE");
}

} // namespace tessal
