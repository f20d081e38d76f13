// Any reply gives each parser's failure value or a bounded run of characters from the reply.
#include "fuzz_check.h"
#include "operation/tessal_operation_lib.h"

using namespace tessal;
using tessal::fuzz::check;

namespace {

void checkTaken(const QString& reply, const QString& taken, const QString& failure, qsizetype limit,
                const QString& prefix = QString()) {
    if (taken == failure)
        return;
    bool ok = taken.startsWith(prefix) && taken.size() - prefix.size() <= limit;
    const QString compact = QString(reply).remove(u' ');
    for (const QChar c : QStringView(taken).sliced(prefix.size()))
        ok = ok && compact.contains(c);
    check(ok, "a parser answered what the reply does not hold");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Mostly the letters a user keys, read as Latin-1 so every byte counts.
    const QString reply = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    checkTaken(reply, ParseCallSign(reply), kUnknownItem, 7);
    checkTaken(reply, ParseRSReport(reply), kUnknownReport, 3);
    checkTaken(reply, ParseQTH(reply), kUnknownItem, 6, QStringLiteral("JCC"));
    checkTaken(reply, ParseName(reply), kUnknownItem, 10);
    return 0;
}
