#include "morse/text_decoder.h"

#include "morse/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tessal {
namespace {

QByteArray bytesOf(const char* data, qsizetype size) {
    return QByteArray(data, size);
}

TEST(TextDecoder, DecodesEachByteOrderMarkAndFallsBackToCp932) {
    const QString kanaLine = QStringLiteral("SL,\u3042");
    const QString replacement = QStringLiteral("\uFFFD");
    struct Case {
        const char* name;
        QByteArray bytes;
        QString expected;
    };
    const Case cases[] = {
        {"utf-8 with bom", bytesOf("\xEF\xBB\xBFSL,\xE3\x81\x82", 9), kanaLine},
        {"utf-16 le with bom", bytesOf("\xFF\xFES\0L\0,\0\x42\x30", 10), kanaLine},
        {"utf-16 be with bom", bytesOf("\xFE\xFF\0S\0L\0,\x30\x42", 10), kanaLine},
        {"utf-8 without bom", bytesOf("SL,\xE3\x81\x82", 6), kanaLine},
        {"cp932 kana line", bytesOf("SL,\x82\xA0", 5), kanaLine},
        {"cp932 half-width katakana", bytesOf("\xB1", 1), QStringLiteral("\uFF71")},
        // Shift-JIS proper would turn 0x5C into a yen sign and break the symbol file's separator.
        {"cp932 keeps the backslash", bytesOf("\x82\xA0\x5C.", 4), QStringLiteral("\u3042\\.")},
        {"invalid cp932 byte in the middle", bytesOf("\x82\xA0\x80\x82\xA2", 5),
         QStringLiteral("\u3042") + replacement + QStringLiteral("\u3044")},
        {"invalid single byte",
         bytesOf("A\xFF"
                 "B",
                 3),
         QStringLiteral("A") + replacement + "B"},
        {"cp932 lead byte cut off at the end", bytesOf("\x82\xA0\x82", 3),
         QStringLiteral("\u3042") + replacement},
        // Not valid UTF-8 (cut-off sequence, overlong form), so read as CP932.
        {"utf-8 cut off at the end", bytesOf("\xE3\x81\x82\xE3\x81", 5),
         QStringLiteral("\u7E3A\u3085") + replacement},
        {"overlong utf-8", bytesOf("\xC0\xAF", 2), QStringLiteral("\uFF80\uFF6F")},
        {"utf-8 bom only", bytesOf("\xEF\xBB\xBF", 3), QString()},
        {"empty", QByteArray(), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decodeText(c.bytes), c.expected);
    }
}

TEST(TextDecoder, SplitsLinesAtEveryKindOfLineEnd) {
    struct Case {
        const char* name;
        QString text;
        QStringList expected;
    };
    const Case cases[] = {
        {"crlf", "a\r\nb", {"a", "b"}},
        {"lone cr", "a\rb\r", {"a", "b"}},
        {"lf with blank middle line", "a\n\nb\n", {"a", "", "b"}},
        {"final crlf adds nothing", "a\r\n", {"a"}},
        {"cr cr is two breaks", "a\r\rb", {"a", "", "b"}},
        {"lf then cr is two breaks", "a\n\r", {"a", ""}},
        {"only a break", "\n", {""}},
        {"no break", "abc", {"abc"}},
        {"empty", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(splitLines(c.text), c.expected);
    }
}

TEST(TextDecoder, ReadsFilesAndReportsWhatCannotBeRead) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("practice.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x82\xA0\r\n\x82\xA2\r\n");
    file.close();

    QString text = QStringLiteral("untouched");
    ASSERT_TRUE(readTextFile(path, &text));
    EXPECT_EQ(splitLines(text), QStringList({QStringLiteral("\u3042"), QStringLiteral("\u3044")}));

    for (const QString& unreadable : {dir.filePath("missing.txt"), dir.path()}) {
        SCOPED_TRACE(unreadable.toStdString());
        text = QStringLiteral("untouched");
        EXPECT_FALSE(readTextFile(unreadable, &text));
        EXPECT_EQ(text, QStringLiteral("untouched"));
    }
}

} // namespace
} // namespace tessal
