#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "widgets/button_factory.h"

#include <QLabel>
#include <array>

namespace tessal {
namespace {

const QColor kDodgerBlue{0x1E, 0x90, 0xFF};
const QColor kMediumBlue{0x00, 0x00, 0xCD};

// White text on dodger blue, as the file's name and the current line are shown.
QLabel* makeNameplate(QWidget* parent, const LabelSpec& spec) {
    QLabel* label = makeLabel(parent, spec);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kDodgerBlue);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setIndent(6);
    return label;
}

const std::array<ButtonSpec, 3> kPlayModeSpecs{{
    {"StandModeBtn", QStringLiteral("Standard"), 0, {10, 148, 108, 28}},
    {"ThroModeBtn", QStringLiteral("Through"), 1, {126, 148, 108, 28}},
    {"RandModeBtn", QStringLiteral("Random"), 2, {242, 148, 108, 28}},
}};

} // namespace

void TTessalForm::buildTextFileControls() {
    TextFilePanel = makePanel(TabSheet6, {"TextFilePanel", {0, 0, 600, 190}});
    makeLabel(TextFilePanel,
              {"Label40", QStringLiteral("File Status"), {10, 16, 92, 25}, kLime, 15});
    // The 50 segments of the bar are made at start-up between these two caps.
    makePanel(TextFilePanel, {"Panel3", {102, 16, 6, 25}, kMediumBlue});
    makePanel(TextFilePanel, {"Panel5", {511, 16, 6, 25}, kMediumBlue});
    makePanel(TextFilePanel, {"PBarTrack", {110, 16, 400, 25}, kNavy.darker(140)});
    LinesLabel = makeLabel(
        TextFilePanel, {"LinesLabel", QStringLiteral("<Count>"), {110, 46, 300, 24}, kLime, 15});
    FileNameLabel = makeNameplate(
        TextFilePanel,
        {"FileNameLabel", QStringLiteral("<FileName>"), {10, 80, 430, 28}, kWhite, 15});
    FileLoadBtn =
        makeButton(TextFilePanel, {"FileLoadBtn",
                                   QStringLiteral("Load File"),
                                   0,
                                   {452, 80, 130, 28},
                                   QStringLiteral("練習用のテキストファイルを読み込みます。")});
    onSignal(FileLoadBtn, &TgdButton::clicked, [this] { FileLoadBtnClick(); });
    makeLabel(TextFilePanel,
              {"Label18", QStringLiteral("Play Mode Select"), {10, 122, 230, 22}, kLime, 15});
    for (const ButtonSpec& spec : kPlayModeSpecs) {
        TgdButton* button = makeButton(TextFilePanel, spec);
        onSignal(button, &TgdButton::clicked,
                 [this, button] { FilePlayModeSelectBtnClick(button); });
        FilePlayModeBtns.push_back(button);
    }

    // Back and Next share the play panel with NEW, which the text file hides.
    LeftBtn = makeButton(PlayPanel, {"LeftBtn",
                                     QStringLiteral("Back"),
                                     0,
                                     {420, 25, 52, 36},
                                     QStringLiteral("前の行に戻ります。")});
    RightBtn = makeButton(PlayPanel, {"RightBtn",
                                      QStringLiteral("Next"),
                                      0,
                                      {476, 25, 52, 36},
                                      QStringLiteral("次の行に移行します。")});
    LeftBtn->hide();
    RightBtn->hide();
    onSignal(LeftBtn, &TgdButton::clicked, [this] { LeftBtnClick(); });
    onSignal(RightBtn, &TgdButton::clicked, [this] { RightBtnClick(); });

    ShowBtn = makeButton(FileOpePanel, {"ShowBtn",
                                        QStringLiteral("Line"),
                                        0,
                                        {10, 32, 72, 30},
                                        QStringLiteral("発音中の文字列表示")});
    onSignal(ShowBtn, &TgdButton::clicked, [this] { ShowBtnClick(); });
    LineStringLabel = makeNameplate(
        FileOpePanel,
        {"LineStringLabel", QStringLiteral("<Line String>"), {92, 22, 498, 50}, kWhite, 20});
    LineStringLabel->hide();

    FileModeTimer->setInterval(50);
    FileModeTimer->setOnTimer([this] { FileModeTimerTimer(); });
}

} // namespace tessal
