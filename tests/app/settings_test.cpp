#include "app/tessal_form.h"
#include "platform/sim_platform.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace tessal {
namespace {

// What a first run writes: every key in its place, with its first-run value.
const QStringList kFirstRunLines{
    "[TessalSystem]",
    "Text1=CQ CQ DE QX0ZZZ",
    "Text2=HELLOW Tessal",
    "DefaultFolder=",
    "EnableNo=0",
    "Top=100",
    "Left=100",
    "RandomLength=1",
    "RandomBaseMode=0",
    "SpeedWPS=10",
    "Frequency1=1000",
    "Duration1=1000",
    "StrDelay=2",
    "SoundCode1=3",
    "SoundCode2=3",
    "ConvMode=0",
    "QTypeMode=1",
    "Volume1=50",
    "Volume2=50",
    "RepeCount=3",
    "ComPortNo=0",
    "DotAssCode=0",
    "DashAssCode=1",
    "KeyType=0",
    "BugDotTime=0",
    "BugDashTime=1",
    "STDotTime=0",
    "STDashTime=1",
    "FilePlayMode=0",
    "ComDelayTime=2",
    "StIntervalTime=500",
    "BKIntervalTime=1",
    "VKIntervalTime=1",
    "KeyDicMode=0",
    "BKCRTiming=1",
    "VKCRTiming=1",
    "STCRTiming=1",
    "VKDotTime=1",
    "QSOResTime=1",
    "QSOLevel=1",
    "TalkingIT=1",
    "TalkingRepCount=1",
    "DotRev=0",
    "DashRev=0",
    "guideFlag=0",
    "StringFlag=1",
    "CodeFlag=1",
    "FreeEdit1Enable=0",
    "AddSymFlag=0",
    "AddNumFlag=0",
    "BUGFull=0",
    "BKRepeat=0",
    "TalkingMode=0",
    "TIContiFlag=0",
};

class SettingsTest : public ::testing::Test {
protected:
    SettingsTest() {
        platform_.setExecutablePath(dir_.filePath(QStringLiteral("tessal")));
        platform_.setWorkingDirectory(dir_.path());
        form_ = std::make_unique<TTessalForm>(platform_);
        form_->INI_FILE = settingsPath();
    }

    QString settingsPath() const { return dir_.filePath(QStringLiteral("settings.ini")); }

    void load(const QByteArray& bytes) {
        QFile file(settingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        form_->LoadSettings();
    }

    QStringList saveAndReadLines() {
        form_->SaveSettings();
        QFile file(settingsPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QString text = QString::fromUtf8(file.readAll());
        if (text.endsWith(u'\n'))
            text.chop(1);
        return text.split(u'\n');
    }

    QTemporaryDir dir_;
    SimPlatform platform_;
    std::unique_ptr<TTessalForm> form_;
};

TEST_F(SettingsTest, FirstRunWithoutAFileStartsFromTheDefaults) {
    TTessalForm& form = *form_;
    form.QTypeMode = 0;
    form.SpeedWPS = 25;
    form.SoundCode1 = 0;
    form.SoundCode2 = 8;
    form.Volume1 = 10;
    form.Volume2 = 100;
    form.ConvMode = 2;
    form.KeyType = 2;
    form.ComPortNo = 5;
    form.StringFlag = 0;
    form.move(300, 400);
    form.FreeEdit1->setText(QStringLiteral("old"));

    form.LoadSettings();

    EXPECT_EQ(form.QTypeMode, 1);
    EXPECT_EQ(form.SpeedWPS, 10);
    EXPECT_EQ(form.Frequency1, 1000);
    EXPECT_EQ(form.Frequency2, 1000);
    EXPECT_EQ(form.Volume_1, 15000);
    EXPECT_EQ(form.Volume_2, 15000);
    EXPECT_EQ(form.ConvMode, 0);
    EXPECT_EQ(form.KeyType, 0);
    EXPECT_EQ(form.ComPortNo, 0);
    EXPECT_EQ(form.StringFlag, -1);
    EXPECT_EQ(form.pos(), QPoint(100, 100));
    EXPECT_EQ(form.FreeEdit1->text(), QStringLiteral("CQ CQ DE QX0ZZZ"));
    EXPECT_EQ(form.FreeEdit2->text(), QStringLiteral("HELLOW Tessal"));

    EXPECT_EQ(saveAndReadLines(), kFirstRunLines);
}

TEST_F(SettingsTest, ListeningToneFollowsTheSoundCodeNotTheStoredFrequency) {
    load("[TessalSystem]\nFrequency1=700\nSoundCode1=3\n");
    EXPECT_EQ(form_->Frequency1, 1000);
    EXPECT_TRUE(saveAndReadLines().contains(QStringLiteral("Frequency1=1000")));
}

struct FlagCase {
    const char* stored;
    const char* key;
    int TTessalForm::*flag;
    int expected;
    const char* written;
};

TEST_F(SettingsTest, BooleansBecomeFlagsAndAreWrittenAsOneOrZero) {
    const FlagCase cases[] = {
        {"2", "DotRev", &TTessalForm::DotRev, -1, "DotRev=1"},
        {"-1", "DotRev", &TTessalForm::DotRev, -1, "DotRev=1"},
        {"0", "DotRev", &TTessalForm::DotRev, 0, "DotRev=0"},
        {"on", "DotRev", &TTessalForm::DotRev, 0, "DotRev=0"},
        {"0", "StringFlag", &TTessalForm::StringFlag, 0, "StringFlag=0"},
        {"on", "StringFlag", &TTessalForm::StringFlag, -1, "StringFlag=1"},
        {"7", "BUGFull", &TTessalForm::BugFull, -1, "BUGFull=1"},
        {" 1 ", "TIContiFlag", &TTessalForm::TIContiFlag, -1, "TIContiFlag=1"},
    };
    for (const FlagCase& c : cases) {
        load(QByteArray("[TessalSystem]\n") + c.key + "=" + c.stored + "\n");
        EXPECT_EQ((*form_).*c.flag, c.expected) << c.key << "=" << c.stored;
        EXPECT_TRUE(saveAndReadLines().contains(QString::fromLatin1(c.written)))
            << c.key << "=" << c.stored;
    }
}

TEST_F(SettingsTest, AForeignSectionNameGivesDefaultsAndGainsTheRealSection) {
    load("[TesalSystem]\nSpeedWPS=20\nQTypeMode=0\n");
    EXPECT_EQ(form_->SpeedWPS, 10);
    EXPECT_EQ(form_->QTypeMode, 1);

    QStringList expected{"[TesalSystem]", "SpeedWPS=20", "QTypeMode=0", ""};
    expected += kFirstRunLines;
    EXPECT_EQ(saveAndReadLines(), expected);
}

// Every key with a value other than its default but within its range, in another order and among
// foreign lines: a load followed by a save must give back the very same file.
const QStringList kHandEditedLines{
    "; kept by hand",
    "[Other]",
    "SpeedWPS=99",
    "",
    "[TessalSystem]",
    "TIContiFlag=1",
    "TalkingMode=1",
    "BKRepeat=1",
    "BUGFull=1",
    "AddNumFlag=1",
    "AddSymFlag=1",
    "FreeEdit1Enable=1",
    "CodeFlag=0",
    "StringFlag=0",
    "guideFlag=1",
    "DashRev=1",
    "DotRev=1",
    "UnknownKey=left alone",
    "TalkingRepCount=5",
    "TalkingIT=4",
    "QSOLevel=6",
    "QSOResTime=3",
    "VKDotTime=2",
    "STCRTiming=0",
    "VKCRTiming=3",
    "BKCRTiming=2",
    "KeyDicMode=1",
    "VKIntervalTime=3",
    "BKIntervalTime=2",
    "StIntervalTime=750",
    "ComDelayTime=3",
    "FilePlayMode=1",
    "STDashTime=2",
    "STDotTime=3",
    "BugDashTime=2",
    "BugDotTime=1",
    "KeyType=2",
    "DashAssCode=0",
    "DotAssCode=2",
    "ComPortNo=15",
    "RepeCount=2",
    "Volume2=90",
    "Volume1=20",
    "QTypeMode=2",
    "ConvMode=2",
    "SoundCode2=7",
    "SoundCode1=5",
    "StrDelay=3",
    "Duration1=1234",
    "Frequency1=1200",
    "SpeedWPS=25",
    "RandomBaseMode=4",
    "RandomLength=4",
    "Left=230",
    "Top=140",
    "EnableNo=1",
    "DefaultFolder=/home/op/練習",
    "Text2=\"  HELLO = WORLD  \"",
    "Text1=カナ テスト",
    "; end of settings",
};

TEST_F(SettingsTest, EveryValueSurvivesALoadAndASaveInPlace) {
    load(kHandEditedLines.join(u'\n').toUtf8() + '\n');
    EXPECT_EQ(form_->pos(), QPoint(230, 140));
    EXPECT_EQ(form_->FreeEdit2->text(), QStringLiteral("  HELLO = WORLD  "));
    EXPECT_EQ(form_->Volume_1, 6000);

    EXPECT_EQ(saveAndReadLines(), kHandEditedLines);
}

} // namespace
} // namespace tessal
