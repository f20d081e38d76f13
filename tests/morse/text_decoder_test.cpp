#include "morse/text_decoder.h"

#include "morse/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

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
        // A few bad bytes among UTF-8 characters are damage, not another encoding.
        {"utf-8 cut off at the end", bytesOf("\xE3\x81\x82\xE3\x81", 5),
         QStringLiteral("\u3042") + replacement + replacement},
        {"stray byte among utf-8 kana", bytesOf("\xE3\x81\x82X\xFFY\xE3\x81\x84", 9),
         QStringLiteral("\u3042X") + replacement + QStringLiteral("Y\u3044")},
        // No UTF-8 character at all beside the bad bytes: CP932.
        {"overlong utf-8", bytesOf("\xC0\xAF", 2), QStringLiteral("\uFF80\uFF6F")},
        {"cp932 with one accidental utf-8 pair", bytesOf("\x82\xA0\xC3\xA9\x82\xA2", 6),
         QStringLiteral("\u3042\uFF83\uFF69\u3044")},
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

TEST(TextDecoder, ReadsOnlyRegularFilesUpToTheSizeLimitWithoutBlocking) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto fileOf = [&](const char* name, qint64 size) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(size, 'A'));
        return file.fileName();
    };
    const QString fifo = dir.filePath("fifo.txt");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zeroLink = dir.filePath("zero.txt");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zeroLink));
    const QString atLimit = fileOf("limit.txt", kMaxTextFileBytes);
    const QString linkToFile = dir.filePath("link.txt");
    ASSERT_TRUE(QFile::link(atLimit, linkToFile));

    struct Case {
        const char* what;
        QString path;
        TextFileStatus expected;
    };
    const Case cases[] = {
        {"fifo", fifo, TextFileStatus::NotRegularFile},
        {"link to /dev/zero", zeroLink, TextFileStatus::NotRegularFile},
        {"folder", dir.path(), TextFileStatus::NotRegularFile},
        {"missing", dir.filePath("missing.txt"), TextFileStatus::Missing},
        {"one byte over the limit", fileOf("big.txt", kMaxTextFileBytes + 1),
         TextFileStatus::TooLarge},
        {"at the limit", atLimit, TextFileStatus::Read},
        {"link to a regular file", linkToFile, TextFileStatus::Read},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QString text = QStringLiteral("untouched");
        EXPECT_EQ(loadTextFile(c.path, &text), c.expected);
        EXPECT_EQ(text.size(), c.expected == TextFileStatus::Read ? kMaxTextFileBytes : 9);
    }
}

} // namespace
} // namespace tessal
