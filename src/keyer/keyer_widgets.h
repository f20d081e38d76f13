#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

class QLabel;
class QWidget;

namespace tessal {

class TgdButton;

// Pages a key picture or indicator is drawn on.
inline constexpr int kKeyerCategoryPage = 1;
inline constexpr int kSetupCategoryPage = 3;

// A row of selection buttons named `prefix`1, `prefix`2, ..., captioned in order and tagged
// from `firstTag` up, placed left to right from `topLeft`.
std::vector<TgdButton*> makeButtonRow(QWidget* parent, const char* prefix,
                                      const QStringList& captions, int firstTag, QPoint topLeft,
                                      int buttonWidth = 56);

// A selection group's apply step: every member plain, the one tagged `index` highlighted, and
// `value` taken from `values` (indexed from `firstTag`); an index outside the row leaves
// `value` as it was.
void applyRow(std::span<TgdButton* const> row, int index, int firstTag, std::span<const int> values,
              int& value);

// The two pictures of one paddle contact at one place, the closed one hidden.
void makeContactPair(QWidget* page, const char* outName, const char* inName, bool dash,
                     QRect geometry, QLabel*& out, QLabel*& in);

// A toggle: lit (yellow) while on, plain while off.
void markToggle(TgdButton* button, int flag);

// A small square indicator with a centred caption, grey until its line or contact goes on.
QLabel* makeIndicator(QWidget* parent, const char* name, const QString& caption, QRect geometry);
void setIndicator(QLabel* indicator, bool on);

} // namespace tessal
