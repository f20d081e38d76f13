#pragma once

#include "morse/dictionaries.h"

#include <QString>
#include <QStringList>
#include <random>

namespace tessal {

// The question class of the basic course: one dictionary's character list each.
inline constexpr int kGroupClass = 4;
inline constexpr int kClassCount = 5;
inline constexpr int kMaxQuestionLength = 5;
inline constexpr int kMaxRepeatCount = 5;

// The character list a class draws from; nullptr for a value that names no class.
const QStringList* questionPool(const MorseDictionaries& dictionaries, int questionClass);

// The dictionary file behind a class's pool, for telling the user what is missing.
QString questionPoolFileName(int questionClass);

// True when the pool can supply a question: it holds at least one non-empty entry (an empty
// entry adds nothing, so a pool of them alone would never reach the length).
bool canDrawFrom(const QStringList& pool);

// Entries drawn uniformly with replacement until the text holds at least `length` characters
// (clamped to 1..5); a multi-character entry is appended whole. The pool must pass canDrawFrom.
QString drawCharacters(const QStringList& pool, int length, std::mt19937& generator);

// One entry drawn uniformly: the group question.
QString drawEntry(const QStringList& pool, std::mt19937& generator);

// The played text: `repeat` times (clamped to 1..5) a blank followed by the question.
QString repeatedQuestion(const QString& question, int repeat);

// A generator seeded afresh from the high-resolution clock, so each question differs.
std::mt19937 freshlySeededGenerator();

} // namespace tessal
