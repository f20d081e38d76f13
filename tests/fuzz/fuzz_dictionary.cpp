// Five dictionary files cut from the input (at 0x00 bytes) load without a fault, and every
// entry that was loaded is found again by the lookups in both directions.
#include "fuzz_check.h"
#include "morse/dictionaries.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace tessal;
using tessal::fuzz::check;

namespace {

const char* const kFiles[] = {"Morse2Eng.csv", "Morse2HHH.csv", "Morse2Jpn.csv", "Morse2Mark.csv",
                              "Morse2Num.csv"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> parts = bytes.split('\0');
    for (int i = 0; i < 5; ++i) {
        QFile file(QDir(folder.path()).filePath(QString::fromLatin1(kFiles[i])));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(i < parts.size() ? parts[i] : QByteArray());
    }
    MorseDictionaries dictionaries;
    loadDictionaryFiles(folder.path(), dictionaries);

    const std::pair<const QStringList*, const QStringList*> pairs[] = {
        {&dictionaries.EngBaseStrList, &dictionaries.EngMorsStrList},
        {&dictionaries.JpnBaseStrList, &dictionaries.JpnMorsStrList},
        {&dictionaries.MarBaseStrList, &dictionaries.MarMorsStrList},
        {&dictionaries.HHHBaseStrList, &dictionaries.HHHMorsStrList},
        {&dictionaries.NumBaseStrList, &dictionaries.NumMorsStrList},
    };
    for (const auto& [bases, codes] : pairs) {
        check(bases->size() == codes->size(), "a dictionary pair of uneven lists");
        for (qsizetype i = 0; i < bases->size(); ++i) {
            // First match wins, so a later duplicate may map elsewhere; the lookup must still
            // answer with an entry of the dictionaries.
            for (int mode = -1; mode <= 3; ++mode)
                convertMorse(dictionaries, codes->at(i), mode);
            const QString code = convertMorse(dictionaries, bases->at(i), 2);
            if (!code.isEmpty()) {
                bool known = false;
                for (const auto& [b, c] : pairs)
                    known = known || c->contains(code);
                check(known, "a lookup answered a code no dictionary holds");
            }
        }
    }
    return 0;
}
