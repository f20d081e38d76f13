#pragma once

#include <QString>
#include <vector>

class QLabel;
class QWidget;

namespace tessal {

class TTessalForm;
class TgdButton;

// The controls of each key page and of the keyer's rows, built once the frame exists.
void buildVerticalKeyPage(TTessalForm& form);
void buildBugKeyPage(TTessalForm& form);
void buildStackingKeyPage(TTessalForm& form);
void buildKeyerTimers(TTessalForm& form);

// Every button of a selection row calls `handler` with itself.
void connectRow(TTessalForm& form, const std::vector<TgdButton*>& row,
                void (TTessalForm::*handler)(TgdButton*));

// The BUG and stacking pages share one layout: dot time, dash ratio with the dash length,
// character end and line end rows, the stack count and the two paddle contact pictures.
struct PaddlePageTexts {
    const char* prefix; // of the title labels' names
    const char* dotRow;
    const char* ratioRow;
    const char* intervalRow;
    const char* lineEndRow;
    const char* dashLabel;
    const char* stackLabel;
    const char* pictures[4]; // dot out, dot in, dash out, dash in
    QString dotHint, ratioHint, intervalHint, lineEndHint, dashLabelHint, stackHint;
    QString picturesTitle, picturesHint;
};
struct PaddlePage {
    std::vector<TgdButton*> dotRow, ratioRow, intervalRow, lineEndRow;
    QLabel* dashLabel = nullptr;
    QLabel* stackLabel = nullptr;
    QLabel* dotOut = nullptr;
    QLabel* dotIn = nullptr;
    QLabel* dashOut = nullptr;
    QLabel* dashIn = nullptr;
};
PaddlePage buildPaddlePage(QWidget* page, const PaddlePageTexts& texts);

} // namespace tessal
