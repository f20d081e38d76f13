#include "app/install_layout.h"
#include "app/tessal_form.h"
#include "platform/sim_platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace tessal {
namespace {

TEST(SettingsPlace, BesideAWritableExecutableElseInTheUserConfigFolder) {
    struct Case {
        const char* executable;
        bool writable;
        const char* configFolder;
        const char* expected;
    };
    const Case cases[] = {
        {"/home/ann/tessal/build/tessal", true, "/home/ann/.config",
         "/home/ann/tessal/build/tessal.ini"},
        {"/usr/bin/tessal", false, "/home/ann/.config", "/home/ann/.config/tessal/tessal.ini"},
        {"/usr/bin/tessal", false, "/cfg/", "/cfg/tessal/tessal.ini"},
        // A renamed program keeps its own settings, wherever they lie.
        {"/opt/bin/morse.bin", false, "/home/ann/.config", "/home/ann/.config/tessal/morse.ini"},
        {"/opt/bin/morse.bin", true, "/home/ann/.config", "/opt/bin/morse.ini"},
        // Without a home there is nowhere else to go.
        {"/usr/bin/tessal", false, "", "/usr/bin/tessal.ini"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chooseSettingsPath(QString::fromUtf8(c.executable), c.writable,
                                     QString::fromUtf8(c.configFolder)),
                  QString::fromUtf8(c.expected))
            << c.executable << " writable=" << c.writable;
}

TEST(SettingsPlace, XdgConfigHomeWhenAbsoluteElseDotConfig) {
    struct Case {
        const char* xdgConfigHome;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"/srv/cfg", "/home/ann", "/srv/cfg"},
        {"", "/home/ann", "/home/ann/.config"},
        {"relative/cfg", "/home/ann", "/home/ann/.config"},
        {"", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(xdgConfigFolder(QString::fromUtf8(c.xdgConfigHome), QString::fromUtf8(c.home)),
                  QString::fromUtf8(c.expected))
            << '"' << c.xdgConfigHome << "\" home=" << c.home;
}

// An installed layout: <prefix>/bin/tessal, <prefix>/share/tessal, and a working directory of
// the user's elsewhere.
class InstalledLayout : public ::testing::Test {
protected:
    InstalledLayout() {
        QDir(root_.path()).mkpath(QStringLiteral("prefix/bin"));
        QDir(root_.path()).mkpath(QStringLiteral("prefix/share/tessal"));
        QDir(root_.path()).mkpath(QStringLiteral("home/work"));
        QDir(root_.path()).mkpath(QStringLiteral("home/.config"));
        sim_.setExecutablePath(bin() + QStringLiteral("/tessal"));
        sim_.setWorkingDirectory(work());
        sim_.setUserConfigFolder(path(QStringLiteral("home/.config")));
    }

    QString path(const QString& relative) const { return root_.filePath(relative); }
    QString bin() const { return path(QStringLiteral("prefix/bin")); }
    QString share() const { return path(QStringLiteral("prefix/share/tessal")); }
    QString work() const { return path(QStringLiteral("home/work")); }

    // Five one-entry dictionaries whose "S" decodes to `letter`, so a test sees which set loaded.
    static void writeDictionaries(const QString& base, const QString& letter,
                                  const QStringList& names = dictionaryFileNames()) {
        const QString folder = base + QStringLiteral("/Dictionary/");
        QDir().mkpath(folder);
        for (const QString& name : names) {
            QFile file(folder + name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            if (name == u"Morse2Eng.csv")
                file.write("S," + letter.toUtf8() + "\n");
            else if (name == u"Morse2Mark.csv")
                file.write("SLSLSL\\.\n");
            else
                file.write("LLLLL,0\n");
        }
    }

    std::unique_ptr<TTessalForm> start() { return std::make_unique<TTessalForm>(sim_); }

    QTemporaryDir root_;
    SimPlatform sim_;
};

TEST_F(InstalledLayout, DictionariesComeFromTheWorkingDirectoryThenShareThenBesideTheProgram) {
    struct Case {
        const char* name;
        bool inWork, inShare, besideProgram;
        const char* decoded; // what "S" reads as; empty when nothing loaded
    };
    const Case cases[] = {
        {"all three", true, true, true, "W"},
        {"share and program folder", false, true, true, "I"},
        {"program folder only", false, false, true, "X"},
        {"none", false, false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& base : {work(), share(), bin()})
            QDir(base + QStringLiteral("/Dictionary")).removeRecursively();
        if (c.inWork)
            writeDictionaries(work(), QStringLiteral("W"));
        if (c.inShare)
            writeDictionaries(share(), QStringLiteral("I"));
        if (c.besideProgram)
            writeDictionaries(bin(), QStringLiteral("X"));
        sim_.dialogs().clearMessages();
        auto form = start();
        EXPECT_EQ(form->ConvertMorse(QStringLiteral("S"), 0), QString::fromUtf8(c.decoded));
        const QStringList expectedMessages =
            *c.decoded ? QStringList{}
                       : QStringList{
                             QStringLiteral("Error: Dictionary File \"Morse2Eng.csv\" Not Exists")};
        EXPECT_EQ(sim_.dialogs().messages(), expectedMessages);
    }
}

TEST_F(InstalledLayout, AFolderNamedDictionaryCountsOnlyWithOurFilesInIt) {
    // An unrelated ~/Dictionary does not hide the installed tables...
    QDir().mkpath(work() + QStringLiteral("/Dictionary/en_GB"));
    writeDictionaries(share(), QStringLiteral("I"));
    EXPECT_EQ(start()->ConvertMorse(QStringLiteral("S"), 0), QStringLiteral("I"));

    // ...but a set of the user's own, even an incomplete one, is the one used and reported.
    writeDictionaries(work(), QStringLiteral("W"), {QStringLiteral("Morse2Eng.csv")});
    sim_.dialogs().clearMessages();
    EXPECT_EQ(start()->ConvertMorse(QStringLiteral("S"), 0), QStringLiteral("W"));
    EXPECT_EQ(sim_.dialogs().messages(),
              QStringList{QStringLiteral("Error: Dictionary File \"Morse2HHH.csv\" Not Exists")});
}

TEST_F(InstalledLayout, PracticeTextsComeFromTheWorkingDirectoryThenShare) {
    struct Case {
        bool inWork, inShare;
        QString expected;
    };
    const Case cases[] = {
        {true, true, work() + QStringLiteral("/Practice/")},
        {false, true, share() + QStringLiteral("/Practice/")},
        {false, false, QString()},
    };
    for (const Case& c : cases) {
        for (const QString& base : {work(), share()})
            QDir(base + QStringLiteral("/Practice")).removeRecursively();
        if (c.inWork)
            QDir().mkpath(work() + QStringLiteral("/Practice"));
        if (c.inShare)
            QDir().mkpath(share() + QStringLiteral("/Practice"));
        EXPECT_EQ(findPracticeFolder(work(), bin() + QStringLiteral("/tessal")), c.expected)
            << "in work " << c.inWork << ", in share " << c.inShare;
    }
}

TEST_F(InstalledLayout, AReadOnlyProgramFolderKeepsTheSettingsInTheConfigFolder) {
    writeDictionaries(share(), QStringLiteral("I"));
    sim_.setReadOnlyFolder(bin());
    const QString expected = path(QStringLiteral("home/.config/tessal/tessal.ini"));
    {
        auto form = start();
        EXPECT_EQ(form->INI_FILE, expected);
        form->SpeedWPS = 25;
        form->CloseBtnMouseUp();
    }
    EXPECT_TRUE(QFile::exists(expected)) << "the first save makes the tessal folder";
    EXPECT_FALSE(QFile::exists(bin() + QStringLiteral("/tessal.ini")));
    EXPECT_EQ(start()->SpeedWPS, 25) << "the next start reads them back";
}

TEST_F(InstalledLayout, AWritableProgramFolderKeepsTheSettingsBesideTheProgram) {
    writeDictionaries(share(), QStringLiteral("I"));
    start()->CloseBtnMouseUp();
    EXPECT_TRUE(QFile::exists(bin() + QStringLiteral("/tessal.ini")));
    EXPECT_FALSE(QDir(path(QStringLiteral("home/.config/tessal"))).exists());
}

} // namespace
} // namespace tessal
