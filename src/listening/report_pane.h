#pragma once

#include "listening/rtf_writer.h"

#include <QTextEdit>
#include <vector>

namespace tessal {

// A read-only log pane: one coloured line per event, navy background, white bold text.
class ReportPane : public QTextEdit {
public:
    static constexpr int kFontPixelSize = 19;

    explicit ReportPane(const char* name, QWidget* parent);

    // Appends text as new last lines in the colour; lines already there keep theirs. Line breaks
    // inside the text start further lines of the same colour.
    void appendLine(const QString& text, const QColor& colour);
    void clearLines();
    std::vector<ColouredLine> lines() const;

private:
    void appendOneLine(const QString& text, const QColor& colour);

    // An empty document still holds one empty block; this tells it apart from one empty line.
    bool hasLines_ = false;
};

} // namespace tessal
