#include "app/ini_file.h"
#include "app/tessal_form.h"
#include "platform/sim_platform.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <sys/stat.h>

namespace tessal {
namespace {

const QString kSection = QStringLiteral("TessalSystem");

// A trainer on the simulated platform whose settings path is prepared by the test first.
class SettingsFileSafety : public ::testing::Test {
protected:
    SettingsFileSafety() {
        sim_.setExecutablePath(dir_.filePath(QStringLiteral("tessal")));
        sim_.setWorkingDirectory(QStringLiteral(TESSAL_SOURCE_DIR));
    }

    QString iniPath() const { return dir_.filePath(QStringLiteral("tessal.ini")); }

    void writeSettings(const QByteArray& bytes) {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray readSettings() const {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void start() { form_ = std::make_unique<TTessalForm>(sim_); }
    void stop() { form_.reset(); }

    QTemporaryDir dir_;
    SimPlatform sim_;
    std::unique_ptr<TTessalForm> form_;
};

TEST_F(SettingsFileSafety, AnythingButASaneRegularFileGivesDefaultsOneMessageAndIsLeftAlone) {
    enum class Kind { Fifo, LinkToDevZero, Folder, Oversized };
    for (Kind kind : {Kind::Fifo, Kind::LinkToDevZero, Kind::Folder, Kind::Oversized}) {
        SCOPED_TRACE(int(kind));
        QFile::remove(iniPath());
        QByteArray oversized;
        switch (kind) {
        case Kind::Fifo:
            ASSERT_EQ(::mkfifo(QFile::encodeName(iniPath()).constData(), 0600), 0);
            break;
        case Kind::LinkToDevZero:
            ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), iniPath()));
            break;
        case Kind::Folder:
            ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("tessal.ini")));
            break;
        case Kind::Oversized:
            oversized = "[TessalSystem]\nSpeedWPS=25\n;" + QByteArray(kMaxTextFileBytes, 'x');
            writeSettings(oversized);
            break;
        }
        sim_.dialogs().clearMessages();
        start();
        EXPECT_EQ(form_->SpeedWPS, 10);
        EXPECT_FALSE(form_->Dictionaries.EngBaseStrList.isEmpty()) << "start-up went on";
        ASSERT_EQ(sim_.dialogs().messages().size(), 1);
        EXPECT_TRUE(sim_.dialogs().messages().first().contains(QStringLiteral("\"tessal.ini\"")));
        form_->SpeedSelect(4);
        stop();

        const QFileInfo after(iniPath());
        switch (kind) {
        case Kind::Fifo:
            EXPECT_FALSE(after.isFile()) << "the FIFO is still there";
            EXPECT_TRUE(after.exists());
            break;
        case Kind::LinkToDevZero:
            EXPECT_TRUE(after.isSymLink());
            break;
        case Kind::Folder:
            EXPECT_TRUE(after.isDir());
            ASSERT_TRUE(QDir(dir_.path()).rmdir(QStringLiteral("tessal.ini")));
            break;
        case Kind::Oversized:
            EXPECT_EQ(readSettings(), oversized);
            break;
        }
    }
}

TEST_F(SettingsFileSafety, AStrayBadByteLeavesAUtf8FileUtf8) {
    const QByteArray japanese = "\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1\xE3\x81\xAF CQ";
    writeSettings("[TessalSystem]\nText1=" + japanese + "\nText2=HELLO \x81 X\nSpeedWPS=20\n");
    start();
    EXPECT_EQ(form_->FreeEdit1->text(), QString::fromUtf8(japanese));
    EXPECT_EQ(form_->FreeEdit2->text(), QStringLiteral("HELLO \uFFFD X"));
    EXPECT_EQ(form_->SpeedWPS, 20);
    stop();
    EXPECT_TRUE(readSettings().contains("\nText1=" + japanese + "\n"));
}

TEST_F(SettingsFileSafety, AMegabyteOfFreeTextComesBackWhole) {
    QString text;
    while (text.size() < 1'000'000)
        text += QStringLiteral("CQ CQ DE QX0ZZZ ");
    text.truncate(1'000'000 - 1);
    text += u'K'; // a blank at the end would be trimmed as the file is read
    writeSettings("[TessalSystem]\nText1=" + text.toUtf8() + "\nText2=" + text.toUtf8() + "\n");
    start();
    EXPECT_EQ(form_->FreeEdit1->text().size(), text.size());
    stop();
    const IniFile saved(iniPath());
    EXPECT_TRUE(saved.readString(kSection, QStringLiteral("Text1"), QString()) == text);
    EXPECT_TRUE(saved.readString(kSection, QStringLiteral("Text2"), QString()) == text);
}

TEST_F(SettingsFileSafety, AWindowOffEveryScreenOpensOnOneAndKeepsItsStoredPlace) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    struct Case {
        int top, left;
    };
    for (const Case c : {Case{100, 100}, Case{kMax, kMax}, Case{kMin, kMin}, Case{kMax, kMin},
                         Case{-3000, 40}, Case{40, 100000}}) {
        SCOPED_TRACE(testing::Message() << c.top << "," << c.left);
        writeSettings(
            QStringLiteral("[TessalSystem]\nTop=%1\nLeft=%2\n").arg(c.top).arg(c.left).toUtf8());
        start();
        const QRect grip(form_->pos(), QSize(100, 30));
        EXPECT_TRUE(screen.contains(grip)) << form_->x() << "," << form_->y();
        stop();
        const IniFile saved(iniPath());
        EXPECT_EQ(saved.readInteger(kSection, QStringLiteral("Top"), 0), c.top);
        EXPECT_EQ(saved.readInteger(kSection, QStringLiteral("Left"), 0), c.left);
    }

    // Once the user has moved the window, its new place is stored.
    writeSettings("[TessalSystem]\nTop=-3000\nLeft=40\n");
    start();
    form_->move(20, 30);
    stop();
    const IniFile saved(iniPath());
    EXPECT_EQ(saved.readInteger(kSection, QStringLiteral("Top"), 0), 30);
    EXPECT_EQ(saved.readInteger(kSection, QStringLiteral("Left"), 0), 20);
}

} // namespace
} // namespace tessal
