#include "keyer/key_rig.h"

#include <QStackedWidget>
#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::FormRig;

namespace {
const QColor kAqua{0x00, 0xFF, 0xFF};
const QColor kBlue{0x00, 0x00, 0xFF};
const QColor kYellow{0xFF, 0xFF, 0x00};
} // namespace

TEST(KeyerPage, KeyTypeChoosesPageButtonEngineAndTestButtonTable) {
    struct Case {
        int keyType;
        int page;
        int vk, bk, sk;
        bool testVisible;
        QString top;
    };
    const std::vector<Case> cases = {
        {0, 0, -1, 0, 0, true, "Vertical Key Mode"},
        {1, 1, 0, -1, 0, true, "BUG Key Mode"},
        {2, 2, 0, 0, -1, false, "Stacking Key Mode"},
    };
    for (const Case& c : cases) {
        FormRig rig;
        rig->KeyerBtn->click();
        TgdButton* const keys[] = {rig->VKeyBtn, rig->BKeyBtn, rig->SKeyBtn};
        keys[c.keyType]->click();
        EXPECT_EQ(rig->KeyType, c.keyType);
        EXPECT_EQ(rig->PageControl3->currentIndex(), c.page);
        EXPECT_EQ(rig->VkeyMode, c.vk);
        EXPECT_EQ(rig->BkeyMode, c.bk);
        EXPECT_EQ(rig->SKeyMode, c.sk);
        EXPECT_EQ(rig->SoundTestBtn->isVisibleTo(rig->TabSheet2), c.testVisible);
        EXPECT_EQ(rig->TopLabel->text(), c.top);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(keys[i]->mark(), i == c.keyType ? kAqua : kBlue);
    }
}

TEST(KeyerPage, StackingKeyClosesTheSidetoneButKeepsTheSoundOn) {
    FormRig rig;
    rig->KeyerBtn->click();
    rig->SoundSetUpBtn->click();
    EXPECT_EQ(rig.sim.wave().openDevices(), 1);
    rig->SKeyBtn->click();
    EXPECT_EQ(rig.sim.wave().openDevices(), 0);
    EXPECT_EQ(rig->WaveReady, -1);
    EXPECT_EQ(rig->SoundSetUpBtn->mark(), kYellow);
    // The vertical key brings the sidetone back.
    rig->VKeyBtn->click();
    EXPECT_EQ(rig.sim.wave().openDevices(), 1);
    const int64_t from = rig.loop().nowMs();
    rig->DotKeyDown();
    rig.loop().runFor(80);
    rig->DotKeyUp();
    EXPECT_EQ(rig.tape().toneSpans(from * 1000, rig.loop().now()).size(), 1u);
}

TEST(KeyerPage, KeyTypeWithTheSoundOffLeavesItOff) {
    FormRig rig;
    rig->KeyerBtn->click();
    rig->BKeyBtn->click();
    rig->VKeyBtn->click();
    EXPECT_EQ(rig->WaveReady, 0);
    EXPECT_EQ(rig.sim.wave().opensSoFar(), 0);
}

TEST(KeyerPage, StoredKeyTypeOutsideTheRangeLeavesNoEngineUntilTheKeyerPageShows) {
    FormRig rig(QStringLiteral("[TessalSystem]\nKeyType=5\n"));
    EXPECT_EQ(rig->VkeyMode, 0);
    EXPECT_EQ(rig->BkeyMode, 0);
    EXPECT_EQ(rig->SKeyMode, 0);
    for (TgdButton* key : {rig->VKeyBtn, rig->BKeyBtn, rig->SKeyBtn})
        EXPECT_EQ(key->mark(), kBlue);
    // The page shown picks its engine.
    rig->KeyerBtn->click();
    EXPECT_EQ(rig->VkeyMode, -1);
}

TEST(KeyerPage, StoredKeyTypeKeysOnTheListeningPageAndSetupSwitchesEnginesOff) {
    FormRig rig(QStringLiteral("[TessalSystem]\nKeyType=1\n"));
    EXPECT_EQ(rig->BkeyMode, -1);
    rig->SetUpBtn->click();
    EXPECT_EQ(rig->BkeyMode, 0);
    rig->KeyerBtn->click();
    EXPECT_EQ(rig->BkeyMode, -1);
}

TEST(KeyerPage, KeyerSettingsSurviveARestart) {
    QString saved;
    {
        FormRig rig;
        rig->KeyerBtn->click();
        rig->SKeyBtn->click();
        rig->KeyHiraBtn->click();
        rig->VKDotTimeBtns[2]->click();
        rig->BKeyCRTBtns[4]->click();
        rig->RepeatBtn->click();
        rig->SkCRTBtns[1]->click();
        rig.form.reset();
        QFile file(rig.iniPath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        saved = QString::fromUtf8(file.readAll());
    }
    FormRig rig(saved);
    EXPECT_EQ(rig->KeyType, 2);
    EXPECT_EQ(rig->KeyDicMode, 1);
    EXPECT_EQ(rig->VKDotTimeValue, 50);
    EXPECT_EQ(rig->BKCRTimingValue, 3000);
    EXPECT_EQ(rig->BKRepeat, -1);
    EXPECT_EQ(rig->STCRTimingValue, 1500);
}
