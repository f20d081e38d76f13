#include "listening/basic_course_generator.h"

#include <algorithm>
#include <array>
#include <chrono>

namespace tessal {

const QStringList* questionPool(const MorseDictionaries& dictionaries, int questionClass) {
    switch (questionClass) {
    case 0:
        return &dictionaries.EngBaseStrList;
    case 1:
        return &dictionaries.JpnBaseStrList;
    case 2:
        return &dictionaries.NumBaseStrList;
    case 3:
        return &dictionaries.MarBaseStrList;
    case kGroupClass:
        return &dictionaries.HHHBaseStrList;
    default:
        return nullptr;
    }
}

QString questionPoolFileName(int questionClass) {
    static const std::array<const char*, kClassCount> files{
        "Morse2Eng.csv", "Morse2Jpn.csv", "Morse2Num.csv", "Morse2Mark.csv", "Morse2HHH.csv"};
    if (questionClass < 0 || questionClass >= kClassCount)
        return {};
    return QString::fromLatin1(files[size_t(questionClass)]);
}

bool canDrawFrom(const QStringList& pool) {
    return std::any_of(pool.begin(), pool.end(),
                       [](const QString& entry) { return !entry.isEmpty(); });
}

QString drawEntry(const QStringList& pool, std::mt19937& generator) {
    std::uniform_int_distribution<qsizetype> index(0, pool.size() - 1);
    return pool.at(index(generator));
}

QString drawCharacters(const QStringList& pool, int length, std::mt19937& generator) {
    const int wanted = std::clamp(length, 1, kMaxQuestionLength);
    QString question;
    while (question.size() < wanted)
        question += drawEntry(pool, generator);
    return question;
}

QString repeatedQuestion(const QString& question, int repeat) {
    QString played;
    for (int i = 0; i < std::clamp(repeat, 1, kMaxRepeatCount); ++i)
        played += u' ' + question;
    return played;
}

std::mt19937 freshlySeededGenerator() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{uint32_t(ticks), uint32_t(uint64_t(ticks) >> 32)};
    return std::mt19937(seed);
}

} // namespace tessal
