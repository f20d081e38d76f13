#include "listening/rtf_writer.h"

#include <gtest/gtest.h>

using namespace tessal;

TEST(RtfWriter, EscapesWhatRtfWouldReadAsControlsAndEverythingBeyondAscii) {
    struct Case {
        QString text;
        QByteArray rtf;
    };
    const Case cases[] = {
        {QStringLiteral("CQ  DE QX0ZZZ K"), "CQ  DE QX0ZZZ K"},
        {QStringLiteral("a\\b{c}"), "a\\\\b\\{c\\}"},
        {QStringLiteral("x\ty"), "x\\tab y"},
        {QStringLiteral("あ"), "\\u12354?"},                            // U+3042
        {QStringLiteral("～"), "\\u-162?"},                             // U+FF5E is above 32767
        {QString::fromUtf8("\xF0\x9F\x93\xBB"), "\\u-10179?\\u-8965?"}, // U+1F4FB, a surrogate pair
        {QStringLiteral("é"), "\\u233?"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rtfEscaped(c.text), c.rtf) << c.text.toStdString();
}

TEST(RtfWriter, EachColourEntersTheTableOnceAndEachLineNamesItsEntry) {
    const ColouredLine lines[] = {{QStringLiteral("one"), QColor(0, 255, 255)},
                                  {QStringLiteral("two"), QColor(255, 0, 0)},
                                  {QStringLiteral("three"), QColor(0, 255, 255)}};
    const QByteArray rtf = rtfDocument(lines, {QStringLiteral("Noto Sans CJK JP"), 19, true});
    EXPECT_TRUE(rtf.contains("{\\colortbl ;\\red0\\green255\\blue255;\\red255\\green0\\blue0;}"));
    EXPECT_TRUE(rtf.contains("\\cf1 one\\par\n\\cf2 two\\par\n\\cf1 three\\par\n"));
    EXPECT_EQ(rtf.count('{'), rtf.count('}'));
}
