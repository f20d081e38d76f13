#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "widgets/button_factory.h"

#include <QLabel>
#include <array>

namespace tessal {
namespace {

constexpr int kRowButtons = 5;

const std::array<ButtonSpec, kRowButtons> kClassSpecs{{
    {"AlphabetBtn",
     QStringLiteral("Alphabet"),
     0,
     {10, 30, 108, 28},
     QStringLiteral("英文（アルファベット）")},
    {"NihongoBtn",
     QStringLiteral("ヒラガナ"),
     1,
     {126, 30, 108, 28},
     QStringLiteral("日本語（ヒラガナ）")},
    {"NumBtn", QStringLiteral("Number"), 2, {242, 30, 108, 28}, QStringLiteral("数字（0～9）")},
    {"SymbolBtn",
     QStringLiteral("Symbol"),
     3,
     {358, 30, 108, 28},
     QStringLiteral("括弧などの記号")},
    {"QCodeBtn",
     QStringLiteral("<QCODE>"),
     4,
     {474, 30, 108, 28},
     QStringLiteral("CQなど連続で打ち込まれる文字")},
}};

// A row of five buttons captioned "1".."5" and tagged 1..5, named prefix + digit.
std::vector<TgdButton*> makeCountRow(QWidget* parent, const char* prefix, QPoint origin) {
    std::vector<TgdButton*> row;
    for (int value = 1; value <= kRowButtons; ++value) {
        const QByteArray name = prefix + QByteArray::number(value);
        row.push_back(makeButton(parent, {name.constData(),
                                          QString::number(value),
                                          value,
                                          {origin.x() + 44 * (value - 1), origin.y(), 38, 28},
                                          QString()}));
    }
    return row;
}

} // namespace

void TTessalForm::buildBasicCourseControls() {
    QuestionPanel = makePanel(TabSheet5, {"QuestionPanel", {0, 0, 600, 190}});
    Label23 = makeLabel(QuestionPanel, {"Label23",
                                        QStringLiteral("Question Character type"),
                                        {10, 6, 300, 22},
                                        kLime,
                                        15,
                                        QStringLiteral("設問の文字種類を設定します。")});
    for (const ButtonSpec& spec : kClassSpecs) {
        TgdButton* button = makeButton(QuestionPanel, spec);
        onSignal(button, &TgdButton::clicked, [this, button] { RandomBaseChangeBtnON(button); });
        ClassBtns.push_back(button);
    }
    Label8 = makeLabel(QuestionPanel, {"Label8",
                                       QStringLiteral("(One Only)"),
                                       {474, 60, 108, 18},
                                       kWhite,
                                       12,
                                       QString(),
                                       Qt::AlignCenter});

    Label7 = makeLabel(QuestionPanel, {"Label7",
                                       QStringLiteral("Question String Length"),
                                       {10, 76, 230, 22},
                                       kLime,
                                       15,
                                       QStringLiteral("設問の文字数を設定します。")});
    LengthBtns = makeCountRow(QuestionPanel, "Length_", {10, 100});
    for (TgdButton* button : LengthBtns)
        onSignal(button, &TgdButton::clicked, [this, button] { LengthSelectBtnClick(button); });

    Label25 = makeLabel(QuestionPanel, {"Label25",
                                        QStringLiteral("Repeat Counts"),
                                        {260, 76, 230, 22},
                                        kLime,
                                        15,
                                        QStringLiteral("モールス信号発音の回数設定です。")});
    RepeBtns = makeCountRow(QuestionPanel, "RepeBtn", {260, 100});
    for (TgdButton* button : RepeBtns)
        onSignal(button, &TgdButton::clicked, [this, button] { RepeBtnClick(button); });

    RandomStringLabel = makeLabel(QuestionPanel, {"RandomStringLabel",
                                                  QStringLiteral("<Question String>"),
                                                  {10, 140, 330, 40},
                                                  kYellow,
                                                  24});
    RandomStringLabel->hide();
    RandomModeQestionStringBtn = makeButton(QuestionPanel, {"RandomModeQestionStringBtn",
                                                            QStringLiteral("String"),
                                                            0,
                                                            {350, 146, 80, 28},
                                                            QStringLiteral("課題の文字列表示")});
    onSignal(RandomModeQestionStringBtn, &TgdButton::clicked,
             [this] { RandomModeQestionStringBtnClick(); });
    // Clicks toggle the talking mode; TakingBTNClick is wired with the talking controls.
    TakingBTN = makeButton(QuestionPanel, {"TakingBTN",
                                           QStringLiteral("Talking Mode"),
                                           0,
                                           {450, 146, 132, 28},
                                           QStringLiteral("モールスと声による演習モード")});

    NEWBtn = makeButton(PlayPanel, {"NEWBtn",
                                    QStringLiteral("New "),
                                    0,
                                    {420, 25, 72, 44},
                                    QStringLiteral("新しい課題を作ります。"),
                                    QStringLiteral("Question")});
    onSignal(NEWBtn, &TgdButton::clicked, [this] { NEWBtnClick(); });
}

} // namespace tessal
