#include "app/ini_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace tessal {
namespace {

const QString kSection = QStringLiteral("TessalSystem");

class IniFileTest : public ::testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("tessal.ini")) const {
        return dir_.filePath(name);
    }

    void writeFile(const QByteArray& bytes, const QString& name = QStringLiteral("tessal.ini")) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray readFile(const QString& name = QStringLiteral("tessal.ini")) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
};

struct IntegerCase {
    const char* what;
    const char* file;
    const char* key;
    int defaultValue;
    int expected;
};

TEST_F(IniFileTest, ReadsIntegersOnlyFromTheNamedSectionAndFallsBackOnBadValues) {
    const IntegerCase cases[] = {
        {"plain value", "[TessalSystem]\nSpeedWPS=20\n", "SpeedWPS", 10, 20},
        {"blanks around key and value", "[TessalSystem]\n  SpeedWPS = 20  \n", "SpeedWPS", 10, 20},
        {"negative", "[TessalSystem]\nComPortNo=-3\n", "ComPortNo", 0, -3},
        {"names in another case", "[tessalsystem]\nspeedwps=20\n", "SpeedWPS", 10, 20},
        {"CR LF line ends", "[TessalSystem]\r\nSpeedWPS=20\r\n", "SpeedWPS", 10, 20},
        {"missing key", "[TessalSystem]\nQTypeMode=2\n", "SpeedWPS", 10, 10},
        {"key in another section", "[Other]\nSpeedWPS=20\n[TessalSystem]\n", "SpeedWPS", 10, 10},
        {"key before any section", "SpeedWPS=20\n[TessalSystem]\n", "SpeedWPS", 10, 10},
        {"commented out", "[TessalSystem]\n;SpeedWPS=20\n#SpeedWPS=21\n", "SpeedWPS", 10, 10},
        {"first of two", "[TessalSystem]\nSpeedWPS=20\nSpeedWPS=30\n", "SpeedWPS", 10, 20},
        {"trailing letters", "[TessalSystem]\nSpeedWPS=20abc\n", "SpeedWPS", 10, 10},
        {"hexadecimal", "[TessalSystem]\nSpeedWPS=0x14\n", "SpeedWPS", 10, 10},
        {"fraction", "[TessalSystem]\nSpeedWPS=2.5\n", "SpeedWPS", 10, 10},
        {"empty value", "[TessalSystem]\nSpeedWPS=\n", "SpeedWPS", 10, 10},
        {"beyond 32 bits", "[TessalSystem]\nSpeedWPS=4294967316\n", "SpeedWPS", 10, 10},
    };
    for (const IntegerCase& c : cases) {
        writeFile(c.file);
        const IniFile ini(path());
        EXPECT_EQ(ini.readInteger(kSection, QString::fromLatin1(c.key), c.defaultValue), c.expected)
            << c.what;
    }
}

struct EncodingCase {
    const char* name;
    QByteArray bytes;
};

QByteArray utf16WithBom(const QString& text, bool littleEndian) {
    QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
    for (const QChar ch : text) {
        const char high = char(ch.unicode() >> 8);
        const char low = char(ch.unicode() & 0xFF);
        bytes.append(littleEndian ? low : high);
        bytes.append(littleEndian ? high : low);
    }
    return bytes;
}

TEST_F(IniFileTest, ReadsWindowsEncodingsAndRewritesAsUtf8) {
    const QString kana = QStringLiteral(u"カナ テスト");
    const QString text =
        QStringLiteral("[TessalSystem]\r\nText1=") + kana + QStringLiteral("\r\nSpeedWPS=20\r\n");
    const EncodingCase cases[] = {
        {"UTF-8", text.toUtf8()},
        {"UTF-8 with BOM", QByteArray("\xEF\xBB\xBF") + text.toUtf8()},
        {"UTF-16 LE with BOM", utf16WithBom(text, true)},
        {"UTF-16 BE with BOM", utf16WithBom(text, false)},
        {"CP932", QByteArray("[TessalSystem]\r\nText1=\x83\x4A\x83\x69 \x83\x65\x83\x58\x83\x67\r\n"
                             "SpeedWPS=20\r\n")},
    };
    for (const EncodingCase& c : cases) {
        writeFile(c.bytes);
        IniFile ini(path());
        EXPECT_EQ(ini.readString(kSection, QStringLiteral("Text1"), QString()), kana) << c.name;
        EXPECT_EQ(ini.readInteger(kSection, QStringLiteral("SpeedWPS"), 10), 20) << c.name;

        ini.writeInteger(kSection, QStringLiteral("SpeedWPS"), 25);
        ASSERT_TRUE(ini.save()) << c.name;
        EXPECT_EQ(readFile(), (QStringLiteral("[TessalSystem]\nText1=") + kana +
                               QStringLiteral("\nSpeedWPS=25\n"))
                                  .toUtf8())
            << c.name;
    }
}

TEST_F(IniFileTest, AFileThatStartsWithAZeroWidthNoBreakSpaceKeepsItThroughSaves) {
    const QString feff(QChar(0xFEFF));
    const QString kept =
        feff + QStringLiteral("[\n[TessalSystem]\nText1=") + feff + QStringLiteral("CQ\n");
    const EncodingCase cases[] = {
        {"UTF-16 LE mark, then the character", utf16WithBom(feff + QStringLiteral("["), true)},
        {"UTF-8 mark, then the character", QByteArray("\xEF\xBB\xBF") + kept.toUtf8()},
        {"UTF-16 BE mark, then the character", utf16WithBom(kept, false)},
        {"two of them behind a mark", QByteArray("\xEF\xBB\xBF") + (feff + kept).toUtf8()},
        {"no such character", QByteArray("[TessalSystem]\nText1=") + (feff + "CQ\n").toUtf8()},
    };
    for (const EncodingCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(c.bytes);
        IniFile ini(path());
        ini.writeString(kSection, QStringLiteral("Text2"), feff + QStringLiteral("DE"));
        ASSERT_TRUE(ini.save());
        const QByteArray firstSave = readFile();
        const QString written = decodeText(firstSave);
        EXPECT_TRUE(written.startsWith(decodeText(c.bytes).section(u'\n', 0, 0)));

        IniFile reread(path());
        EXPECT_EQ(reread.readString(kSection, QStringLiteral("Text2"), QString()),
                  feff + QStringLiteral("DE"));
        ASSERT_TRUE(reread.save());
        EXPECT_EQ(readFile(), firstSave);
    }
}

struct WriteCase {
    const char* what;
    const char* before;
    const char* key;
    const char* after;
};

TEST_F(IniFileTest, WritingChangesOnlyTheKeyAndKeepsEverythingElse) {
    const WriteCase cases[] = {
        {"replaced in place among foreign lines",
         "; written by hand\n[Other]\nSpeedWPS=5\n\n[TessalSystem]\nUnknown=x\nSpeedWPS=10\n"
         "; tail\nQTypeMode=2\n",
         "SpeedWPS",
         "; written by hand\n[Other]\nSpeedWPS=5\n\n[TessalSystem]\nUnknown=x\nSpeedWPS=42\n"
         "; tail\nQTypeMode=2\n"},
        {"names in another case", "[tessalsystem]\nspeedwps=10\n", "SpeedWPS",
         "[tessalsystem]\nSpeedWPS=42\n"},
        {"appended at the end of its section", "[TessalSystem]\nA=1\n\n[Other]\nB=2\n", "C",
         "[TessalSystem]\nA=1\nC=42\n\n[Other]\nB=2\n"},
        {"appended to an empty section", "[TessalSystem]\n[Other]\n", "C",
         "[TessalSystem]\nC=42\n[Other]\n"},
        {"section added at the end", "[Other]\nB=2", "C", "[Other]\nB=2\n\n[TessalSystem]\nC=42\n"},
        {"section added after a blank line", "[Other]\nB=2\n\n", "C",
         "[Other]\nB=2\n\n[TessalSystem]\nC=42\n"},
        {"CR LF lines rewritten with LF", "[TessalSystem]\r\nC=1\r\n", "C",
         "[TessalSystem]\nC=42\n"},
    };
    for (const WriteCase& c : cases) {
        writeFile(c.before);
        IniFile ini(path());
        ini.writeInteger(kSection, QString::fromLatin1(c.key), 42);
        ASSERT_TRUE(ini.save()) << c.what;
        EXPECT_EQ(readFile(), QByteArray(c.after)) << c.what;
    }
}

struct TextCase {
    const char* what;
    QString written;
    QString readBack;
};

TEST_F(IniFileTest, TextValuesNeverBreakTheFileStructure) {
    const TextCase cases[] = {
        {"equals signs", QStringLiteral("a=b=c"), QStringLiteral("a=b=c")},
        {"blanks at both ends", QStringLiteral("  CQ DE  "), QStringLiteral("  CQ DE  ")},
        {"ideographic blank", QStringLiteral(u"\u3000カナ"), QStringLiteral(u"\u3000カナ")},
        {"quoted by the user", QStringLiteral("\"quoted\""), QStringLiteral("\"quoted\"")},
        {"single quote mark", QStringLiteral("\""), QStringLiteral("\"")},
        {"line feed", QStringLiteral("CQ\nDE"), QStringLiteral("CQ DE")},
        {"CR LF", QStringLiteral("CQ\r\nDE"), QStringLiteral("CQ DE")},
        {"lone CR", QStringLiteral("CQ\rDE"), QStringLiteral("CQ DE")},
        {"trailing line break", QStringLiteral("CQ\n"), QStringLiteral("CQ ")},
        {"forged section", QStringLiteral("x\n[TessalSystem]\nSpeedWPS=99"),
         QStringLiteral("x [TessalSystem] SpeedWPS=99")},
        {"comment marker first", QStringLiteral(";not a comment"),
         QStringLiteral(";not a comment")},
        {"empty", QString(), QString()},
    };
    for (const TextCase& c : cases) {
        QFile::remove(path());
        IniFile ini(path());
        ini.writeString(kSection, QStringLiteral("Text1"), c.written);
        ini.writeInteger(kSection, QStringLiteral("SpeedWPS"), 10);
        ASSERT_TRUE(ini.save()) << c.what;

        const IniFile reread(path());
        EXPECT_EQ(reread.readString(kSection, QStringLiteral("Text1"), QStringLiteral("?")),
                  c.readBack)
            << c.what;
        EXPECT_EQ(reread.readInteger(kSection, QStringLiteral("SpeedWPS"), 0), 10) << c.what;
        EXPECT_EQ(readFile().count('\n'), 3) << c.what;
    }
}

// Lets writes fail beyond `bytes`, as on a full disk, for the life of the object.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int);
};

TEST_F(IniFileTest, FailedSaveReportsFalseAndKeepsTheOldFile) {
    const QByteArray old("[TessalSystem]\nSpeedWPS=10\n");
    writeFile(old);
    IniFile ini(path());
    ini.writeString(kSection, QStringLiteral("Text1"), QString(4096, u'E'));
    {
        const FileSizeLimit diskFull(64);
        EXPECT_FALSE(ini.save());
    }
    EXPECT_EQ(readFile(), old);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("tessal.ini")});

    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.ini")));
    const QString unwritable[] = {path(QStringLiteral("missing/tessal.ini")),
                                  path(QStringLiteral("folder.ini"))};
    for (const QString& target : unwritable) {
        IniFile elsewhere(target);
        elsewhere.writeInteger(kSection, QStringLiteral("SpeedWPS"), 20);
        EXPECT_FALSE(elsewhere.save()) << target.toStdString();
    }
}

} // namespace
} // namespace tessal
