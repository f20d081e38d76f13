#include "app/frame_emblem.h"
#include "app/frame_gradient.h"
#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "widgets/button_factory.h"

#include <QLabel>
#include <QStackedWidget>
#include <array>

namespace tessal {

namespace {

constexpr int kTopBarHeight = 41;
constexpr int kCategoryBarHeight = 55;
constexpr int kPagesHeight = 585;
constexpr int kStatusBarHeight = 30;
constexpr std::array<int, 3> kStatusPanelWidths{200, 200, 100};

QString statusPanelName(int panel) {
    return QStringLiteral("StatusPanel%1").arg(panel);
}

} // namespace

void TTessalForm::buildControls() {
    setFont(formFont(13));
    buildTopBars();
    std::vector<QWidget*> pages;
    PageControl1 = makePageControl(
        this, "PageControl1", {0, kTopBarHeight + kCategoryBarHeight, kClientWidth, kPagesHeight},
        {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet7"}, pages);
    TabSheet1 = pages[0];
    TabSheet2 = pages[1];
    TabSheet3 = pages[2];
    TabSheet7 = pages[3];
    buildListeningPage();
    buildKeyerPage();
    buildOperationPage();
    buildSetupPage();
    buildStatusBar();
    buildReportPanes();
    placeGradientPictures(*this);
}

void TTessalForm::PaintGradientImages() {
    paintGradientPictures(*this);
}

void TTessalForm::buildTopBars() {
    Panel1 = makePanel(this, {"Panel1", {0, 0, kClientWidth, kTopBarHeight}});
    Image22 = new QLabel(Panel1);
    Image22->setObjectName(QStringLiteral("Image22"));
    Image22->setGeometry(3, 3, 35, 35);
    Image22->setPixmap(drawEmblem(35));
    TopLabel = makeLabel(Panel1, {"TopLabel", QString(), {50, 7, 400, 27}, kAqua, 19});
    SetUpBtn =
        makeButton(Panel1, {"SetUpBtn",
                            QStringLiteral("Setup"),
                            3,
                            {596, 8, 100, 26},
                            QStringLiteral("音質や音量、COMポートの設定画面に移行します。")});
    onSignal(SetUpBtn, &TgdButton::clicked, [this] { CategoriesChange(SetUpBtn); });
    CloseBtn = makeButton(Panel1, {"CloseBtn",
                                   QStringLiteral("Close"),
                                   0,
                                   {704, 8, 100, 26},
                                   QStringLiteral("プログラムを終了します。")});
    CloseBtn->setGradEndColor(Qt::black);
    onSignal(CloseBtn, &TgdButton::mouseDown, [this] { CloseBtnMouseDown(); });
    onSignal(CloseBtn, &TgdButton::mouseUp, [this] { CloseBtnMouseUp(); });

    Panel2 = makePanel(this, {"Panel2", {0, kTopBarHeight, kClientWidth, kCategoryBarHeight}});
    Label26 = makeLabel(
        Panel2, {"Label26", QStringLiteral("Categories Menu"), {14, 3, 200, 27}, kWhite, 19});
    static const std::array<PanelSpec, 8> decorations{{
        {"Panel6", {14, 31, 196, 2}, kAqua},
        {"Panel10", {14, 38, 10, 10}, kAqua},
        {"Panel11", {30, 38, 10, 10}, kAqua},
        {"Panel13", {46, 38, 10, 10}, kAqua},
        {"Panel28", {232, 20, 4, 26}, kAqua},
        {"Panel29", {352, 20, 4, 26}, kAqua},
        {"Panel30", {472, 20, 4, 26}, kAqua},
        {"Panel31", {592, 14, 2, 36}, kAqua},
    }};
    for (const PanelSpec& decoration : decorations)
        makePanel(Panel2, decoration);
    static const std::array<ButtonSpec, 3> categories{{
        {"ListeningBtn",
         QStringLiteral("Listening"),
         0,
         {240, 20, 100, 26},
         QStringLiteral("聞き込み学習モードに移行します。")},
        {"KeyerBtn",
         QStringLiteral("Keyer"),
         1,
         {360, 20, 100, 26},
         QStringLiteral("パドルキーの打ち込み演習に移行します。")},
        {"OperationBtn",
         QStringLiteral("Operation"),
         2,
         {480, 20, 100, 26},
         QStringLiteral("簡易ラバースタンプの交信演習に移行します。")},
    }};
    std::array<TgdButton*, 3> buttons{};
    for (std::size_t i = 0; i < categories.size(); ++i) {
        TgdButton* button = makeButton(Panel2, categories[i]);
        onSignal(button, &TgdButton::clicked, [this, button] { CategoriesChange(button); });
        buttons[i] = button;
    }
    ListeningBtn = buttons[0];
    KeyerBtn = buttons[1];
    OperationBtn = buttons[2];
    markButton(ListeningBtn, kAqua);
}

void TTessalForm::buildStatusBar() {
    StatusBar1 =
        makePanel(this, {"StatusBar1",
                         {0, kClientHeight - kStatusBarHeight, kClientWidth, kStatusBarHeight},
                         QColor(0xD4, 0xD0, 0xC8)});
    static const std::array<QString, 3> initialTexts{
        QString(), QStringLiteral("COM Port NOT Ready"), QStringLiteral("Soound NOT Ready")};
    int left = 0;
    for (int panel = 0; panel < int(kStatusPanelWidths.size()); ++panel) {
        auto* text = new QLabel(initialTexts[panel], StatusBar1);
        text->setObjectName(statusPanelName(panel));
        text->setGeometry(left, 0, kStatusPanelWidths[panel], kStatusBarHeight);
        text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        text->setIndent(1);
        // The status bar keeps the desktop's small plain face, as status bars do.
        QFont plain = formFont(11);
        plain.setBold(false);
        text->setFont(plain);
        QPalette palette = text->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        text->setPalette(palette);
        left += kStatusPanelWidths[panel];
    }
}

void TTessalForm::setStatusText(int panel, const QString& text) {
    if (auto* label = StatusBar1->findChild<QLabel*>(statusPanelName(panel)))
        label->setText(text);
}

QString TTessalForm::statusText(int panel) const {
    const auto* label = StatusBar1->findChild<QLabel*>(statusPanelName(panel));
    return label != nullptr ? label->text() : QString();
}

} // namespace tessal
