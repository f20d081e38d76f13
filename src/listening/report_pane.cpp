#include "listening/report_pane.h"

#include "app/frame_widgets.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>

namespace tessal {

ReportPane::ReportPane(const char* name, QWidget* parent) : QTextEdit(parent) {
    setObjectName(QString::fromLatin1(name));
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFont(formFont(kFontPixelSize));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, kNavy);
    colours.setColor(QPalette::Text, kWhite);
    setPalette(colours);
}

void ReportPane::appendLine(const QString& text, const QColor& colour) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    for (const QString& line : text.split(lineBreak))
        appendOneLine(line, colour);
}

void ReportPane::appendOneLine(const QString& text, const QColor& colour) {
    QTextCharFormat format;
    format.setForeground(colour);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (hasLines_)
        cursor.insertBlock(QTextBlockFormat(), format);
    else
        cursor.setBlockCharFormat(format);
    cursor.insertText(text, format);
    hasLines_ = true;
}

void ReportPane::clearLines() {
    clear();
    hasLines_ = false;
}

std::vector<ColouredLine> ReportPane::lines() const {
    std::vector<ColouredLine> result;
    if (!hasLines_)
        return result;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const auto fragment = block.begin();
        const QTextCharFormat format =
            fragment.atEnd() ? block.charFormat() : fragment.fragment().charFormat();
        result.push_back({block.text(), format.foreground().color()});
    }
    return result;
}

} // namespace tessal
