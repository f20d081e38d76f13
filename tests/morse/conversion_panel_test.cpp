#include "support/form_rig.h"
#include "widgets/gd_button.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::FormRig;

namespace {

const QColor kAqua{0x00, 0xFF, 0xFF};
const QColor kBlue{0x00, 0x00, 0xFF};

void releaseKey(QWidget* widget, int key) {
    QKeyEvent event(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

TgdButton* modeButton(FormRig& rig, int mode) {
    TgdButton* buttons[] = {rig->Mode0Btn, rig->Mode1Btn, rig->Mode2Btn};
    return buttons[mode];
}

void convert(FormRig& rig, int mode, const QString& input) {
    modeButton(rig, mode)->click();
    rig->ConvEdit->setText(input);
    rig->ConvBtn->click();
}

} // namespace

TEST(ConversionPanel, ConvertsTheWholeInputInTheChosenMode) {
    struct Case {
        int mode;
        QString input;
        QString edit;   // what the edit shows afterwards
        QString result; // what the label shows
        QString kept;   // TestMorseCode
    };
    const std::vector<Case> cases = {
        {2, "c", "C", "ｰ・ｰ・", "LSLS"},
        {2, "<ar>", "<AR>", "・ｰ・ｰ・", "SLSLS"},
        {2, "ab", "AB", "", ""},
        {0, "SL", "SL", "A", "A"},
        {1, "SL", "SL", "い", "い"},
        {0, "sl", "SL", "A", "A"},
        {0, "SSSSSSSSSS", "SSSSSSSSSS", "", ""},
    };
    for (const Case& c : cases) {
        FormRig rig;
        convert(rig, c.mode, c.input);
        const std::string name = c.input.toStdString();
        EXPECT_EQ(rig->ConvEdit->text(), c.edit) << name;
        EXPECT_EQ(rig->ConvResultLabel->text(), c.result) << name;
        EXPECT_EQ(rig->TestMorseCode, c.kept) << name;
    }
}

TEST(ConversionPanel, OnlyEnterReleasedInTheEditConverts) {
    struct Case {
        int key;
        QString result;
    };
    const std::vector<Case> cases = {
        {Qt::Key_Return, "ｰ・ｰ・"}, {Qt::Key_Enter, "ｰ・ｰ・"}, {Qt::Key_A, "ー・ー・"}};
    for (const Case& c : cases) {
        FormRig rig;
        rig->Mode2Btn->click();
        releaseKey(rig->ConvEdit, c.key);
        EXPECT_EQ(rig->ConvResultLabel->text(), c.result) << c.key;
    }
}

TEST(ConversionPanel, ModeButtonsMarkTheModeAndShowSoundOnlyForCodes) {
    FormRig rig;
    EXPECT_EQ(rig->ConvResultLabel->text(), QStringLiteral("ー・ー・"));
    EXPECT_TRUE(rig->SoundPlayBtn->isHidden());
    for (int mode : {2, 1, 0, 2}) {
        modeButton(rig, mode)->click();
        EXPECT_EQ(rig->ConvMode, mode);
        EXPECT_EQ(rig->SoundPlayBtn->isHidden(), mode != 2) << mode;
        for (int other = 0; other < 3; ++other)
            EXPECT_EQ(modeButton(rig, other)->mark(), other == mode ? kAqua : kBlue) << mode;
    }
    rig->ConvEdit->setText(QStringLiteral("e"));
    rig->ConvBtn->click();
    rig->Mode0Btn->click();
    EXPECT_TRUE(rig->SoundPlayBtn->isHidden());
    EXPECT_EQ(rig->ConvResultLabel->text(), QStringLiteral("・"));

    rig->ConvModeApply(7);
    EXPECT_EQ(rig->ConvMode, 0);
    for (int other = 0; other < 3; ++other)
        EXPECT_EQ(modeButton(rig, other)->mark(), kBlue);
}

TEST(ConversionPanel, StoredModeIsAppliedAtStart) {
    FormRig rig(QStringLiteral("[TessalSystem]\nConvMode=2\n"));
    EXPECT_EQ(rig->ConvMode, 2);
    EXPECT_FALSE(rig->SoundPlayBtn->isHidden());
    EXPECT_EQ(rig->Mode2Btn->mark(), kAqua);
}

TEST(ConversionPanel, ClearEmptiesOnlyTheInput) {
    FormRig rig;
    convert(rig, 2, QStringLiteral("c"));
    rig->CnvCLSBtn->click();
    EXPECT_TRUE(rig->ConvEdit->text().isEmpty());
    EXPECT_EQ(rig->ConvResultLabel->text(), QStringLiteral("ｰ・ｰ・"));
    EXPECT_EQ(rig->TestMorseCode, QStringLiteral("LSLS"));
}

TEST(ConversionPanel, SoundPlaysTheCodeAfterOneDashOfSilence) {
    FormRig rig;
    convert(rig, 2, QStringLiteral("a"));
    const int64_t clickedUs = rig.loop().now();
    rig->SoundPlayBtn->click();
    const int64_t dotUs = rig->DotTime * 1000;
    const int64_t dashUs = rig->DashTime * 1000;
    const auto spans = rig.tape().toneSpans(clickedUs, rig.loop().now());
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_NEAR(double(spans[0].onUs), double(clickedUs + dashUs), 100.0);
    EXPECT_NEAR(double(spans[0].lengthUs()), double(dotUs), 100.0);
    EXPECT_NEAR(double(spans[1].onUs), double(spans[0].offUs + dotUs), 100.0);
    EXPECT_NEAR(double(spans[1].lengthUs()), double(dashUs), 100.0);
    EXPECT_EQ(rig->sound().ListenWaveState(), 0);
    EXPECT_EQ(rig.sim.wave().openDevices(), 0);
}

TEST(ConversionPanel, SoundIsSilentWhenThereIsNothingToPlayOrTheBufferIsBusy) {
    struct Case {
        const char* name;
        std::function<void(FormRig&)> arrange;
    };
    const std::vector<Case> cases = {
        {"before any conversion", [](FormRig& rig) { rig->Mode2Btn->click(); }},
        {"after a code that matched nothing",
         [](FormRig& rig) { convert(rig, 2, QStringLiteral("ab")); }},
        {"in a decoding mode",
         [](FormRig& rig) {
             convert(rig, 2, QStringLiteral("e"));
             rig->Mode0Btn->click();
         }},
        {"while the sequencer plays",
         [](FormRig& rig) {
             convert(rig, 2, QStringLiteral("e"));
             rig->RUNFlag = -1;
         }},
    };
    for (const Case& c : cases) {
        FormRig rig;
        c.arrange(rig);
        const int64_t before = rig.loop().now();
        rig->SoundPlayBtn->click();
        EXPECT_TRUE(rig.tape().voices().empty()) << c.name;
        EXPECT_EQ(rig.loop().now(), before) << c.name;
    }
}

TEST(ConversionPanel, SoundClickedWhileItsCodePlaysIsRefused) {
    FormRig rig;
    convert(rig, 2, QStringLiteral("t"));
    const int64_t inTheMiddle = rig.loop().nowMs() + rig->DashTime + rig->DashTime / 2;
    rig.loop().at(inTheMiddle, [&] { rig->SoundPlayBtn->click(); });
    rig->SoundPlayBtn->click();
    EXPECT_EQ(rig.tape().voices().size(), 1u);
    EXPECT_EQ(rig->sound().listenBuffer().size(), 0u);
}
