#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "widgets/button_factory.h"

#include <QFrame>
#include <QLabel>
#include <QStackedWidget>
#include <array>

namespace tessal {

namespace {

constexpr int kPageWidth = TTessalForm::kClientWidth;

// Controls of the answer stage, the talking mode and the text file share one band; only the one
// that fits the question source shows.
constexpr QRect kAnswerBand{0, 0, 600, 95};

} // namespace

void TTessalForm::buildListeningPage() {
    ListeningModePanel = makePanel(TabSheet1, {"ListeningModePanel", {0, 0, kPageWidth, 55}});
    static const std::array<ButtonSpec, 3> sources{{
        {"RandomBtn",
         QStringLiteral("Basic Course"),
         0,
         {20, 15, 130, 26},
         QStringLiteral("聞き込みの演習画面に移行します。")},
        {"TFileBtn",
         QStringLiteral("Text File"),
         1,
         {165, 15, 130, 26},
         QStringLiteral("テキストファイルを読み込んで聞き取りの演習を行う画面に移行します。")},
        {"FStringBtn",
         QStringLiteral("Free String"),
         2,
         {310, 15, 130, 26},
         QStringLiteral("自由に文字列を打ち込んでモールスに変換する画面に移行します。")},
    }};
    std::array<TgdButton*, 3> buttons{};
    for (std::size_t i = 0; i < sources.size(); ++i) {
        TgdButton* button = makeButton(ListeningModePanel, sources[i]);
        onSignal(button, &TgdButton::clicked, [this, button] { QTypeModeChengeBtnOn(button); });
        buttons[i] = button;
    }
    RandomBtn = buttons[0];
    TFileBtn = buttons[1];
    FStringBtn = buttons[2];

    std::vector<QWidget*> pages;
    PageControl2 = makePageControl(TabSheet1, "PageControl2", {0, 55, 600, 190},
                                   {"TabSheet5", "TabSheet6", "TabSheet4"}, pages);
    TabSheet5 = pages[0];
    TabSheet6 = pages[1];
    TabSheet4 = pages[2];

    PlayPanel = makePanel(TabSheet1, {"PlayPanel", {0, 245, 600, 75}});
    MemoPanel = makePanel(TabSheet1, {"MemoPanel", {0, 320, 600, 240}});
    AnsPanel = makePanel(MemoPanel, {"AnsPanel", kAnswerBand});
    AnsPanel2 = makePanel(MemoPanel, {"AnsPanel2", kAnswerBand});
    TakingPanel = makePanel(MemoPanel, {"TakingPanel", kAnswerBand});
    FileOpePanel = makePanel(MemoPanel, {"FileOpePanel", kAnswerBand});
    for (QWidget* band : {AnsPanel, AnsPanel2, TakingPanel, FileOpePanel})
        band->hide();
    REdit1OperationPanel = makePanel(MemoPanel, {"REdit1OperationPanel", {0, 95, 90, 145}});

    SidePanel = makePanel(TabSheet1, {"SidePanel", {600, 55, 214, 505}});
    CWTestPanel = makePanel(SidePanel, {"CWTestPanel", {4, 300, 206, 201}});
    CWTestPanel->setToolTip(QStringLiteral("簡易モールスコード翻訳機能です。"));

    UnderPanel = makePanel(TabSheet1, {"UnderPanel", {0, 560, kPageWidth, 25}});
    makeLabel(UnderPanel, {"FooterLabel1",
                           QStringLiteral("Morse Code Training System"),
                           {424, 2, 240, 21},
                           kLime,
                           13,
                           QString(),
                           Qt::AlignRight | Qt::AlignVCenter});
    makeLabel(UnderPanel, {"FooterLabel2",
                           QStringLiteral("Tessal 73!"),
                           {674, 2, 130, 21},
                           kLime,
                           13,
                           QString(),
                           Qt::AlignRight | Qt::AlignVCenter});
}

void TTessalForm::buildKeyerPage() {
    Panel17 = makePanel(TabSheet2, {"Panel17", {0, 0, kPageWidth, 60}});
    std::vector<QWidget*> pages;
    PageControl3 = makePageControl(TabSheet2, "PageControl3", {0, 60, kPageWidth, 210},
                                   {"VerticalTelegraphKey", "BUGKeypage", "StackkeyPage"}, pages);
    VerticalTelegraphKey = pages[0];
    BUGKeypage = pages[1];
    StackkeyPage = pages[2];
    const QRect sheet{0, 0, kPageWidth, 210};
    VerticalKeyPanel = makePanel(VerticalTelegraphKey, {"VerticalKeyPanel", sheet});
    Panel23 = makePanel(BUGKeypage, {"Panel23", sheet});
    StackKeyPanel = makePanel(StackkeyPage, {"StackKeyPanel", sheet});
    Panel47 = makePanel(TabSheet2, {"Panel47", {0, 380, kPageWidth, 34}});
}

void TTessalForm::buildOperationPage() {
    QSOTopPanel = makePanel(TabSheet3, {"QSOTopPanel", {0, 0, kPageWidth, 46}});
    ProgressBarBasePanel =
        makePanel(QSOTopPanel, {"ProgressBarBasePanel", {414, 5, 392, 36}, kBlue});
    TherdPaanel = makePanel(TabSheet3, {"TherdPaanel", {0, 46, kPageWidth, 130}});
    Panel41 = makePanel(TabSheet3, {"Panel41", {0, 176, kPageWidth, 70}});
    Panel45 = makePanel(TabSheet3, {"Panel45", {0, 246, kPageWidth, 60}});
    PuddleKeyPanel = makePanel(TabSheet3, {"PuddleKeyPanel", {0, 306, kPageWidth, 60}});
    Panel48 = makePanel(TabSheet3, {"Panel48", {0, 366, kPageWidth, 34}});
}

void TTessalForm::buildSetupPage() {
    ListeningPanel = makePanel(TabSheet7, {"ListeningPanel", {0, 0, kPageWidth, 120}});
    KeyerPanel = makePanel(TabSheet7, {"KeyerPanel", {0, 120, kPageWidth, 250}});
    Panel8 = makePanel(TabSheet7, {"Panel8", {0, 370, kPageWidth, 215}});

    const LabelSpec listening[] = {
        {"ListeningSectionLabel",
         QStringLiteral("Listening Section"),
         {12, 6, 300, 28},
         kYellow,
         21},
        {"ListeningFrequencyLabel",
         QStringLiteral("Sound Frequency"),
         {30, 44, 200, 20},
         kLime,
         13,
         QStringLiteral("聞き取りのモールス音周波数を設定します。")},
        {"ListeningVolumeLabel",
         QStringLiteral("Volume"),
         {270, 44, 200, 20},
         kLime,
         13,
         QStringLiteral("モールス聞き取りの音量調整です。")},
        {"DelayLabel",
         QStringLiteral("Delay between strings"),
         {530, 44, 250, 20},
         kLime,
         13,
         QStringLiteral("聞き取りのモールス信号文字間時間を設定します。")},
    };
    for (const LabelSpec& spec : listening)
        makeLabel(ListeningPanel, spec);

    const LabelSpec keyer[] = {
        {"KeyerSectionLabel", QStringLiteral("Keyer Section"), {12, 6, 300, 28}, kYellow, 21},
        {"KeyerFrequencyLabel",
         QStringLiteral("Sound Frequency"),
         {30, 44, 200, 20},
         kLime,
         13,
         QStringLiteral("キーヤーのモールス音の周波数を設定します。")},
        {"KeyerVolumeLabel", QStringLiteral("Volume"), {270, 44, 200, 20}, kLime, 13},
    };
    for (const LabelSpec& spec : keyer)
        makeLabel(KeyerPanel, spec);
}

} // namespace tessal
