#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "sound/tone_table.h"
#include "widgets/button_factory.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolTip>

namespace tessal {

namespace {

constexpr int kSliderMin = 10;
constexpr int kSliderMax = 100;

QComboBox* makeToneBox(QWidget* parent, const char* name, QRect geometry) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    box->setFont(formFont());
    for (const ToneChoice& choice : kToneChoices)
        box->addItem(QString::fromLatin1(choice.label));
    box->setPlaceholderText(QStringLiteral("Select Sound "));
    box->setCurrentIndex(-1);
    return box;
}

// While the handle is dragged its position floats above it, as the volume sliders show it.
void showPositionAboveHandle(QSlider* slider) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    const QRect handle = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                         QStyle::SC_SliderHandle, slider);
    const QPoint above = slider->mapToGlobal(QPoint(handle.center().x(), handle.top() - 28));
    QToolTip::showText(above, QString::number(slider->sliderPosition()), slider);
}

QSlider* makeVolumeSlider(QWidget* parent, const char* name, QRect geometry) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setGeometry(geometry);
    slider->setRange(kSliderMin, kSliderMax);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(10);
    QObject::connect(slider, &QSlider::sliderMoved, slider,
                     [slider] { showPositionAboveHandle(slider); });
    return slider;
}

} // namespace

void TTessalForm::buildSoundSetupControls() {
    SoundSelectCBox1 = makeToneBox(ListeningPanel, "SoundSelectCBox1", {30, 68, 200, 26});
    SoundSelectCBox1->setToolTip(QStringLiteral("聞き取りのモールス音周波数を設定します。"));
    SoundSelectCBox2 = makeToneBox(KeyerPanel, "SoundSelectCBox2", {30, 68, 200, 26});
    SoundSelectCBox2->setToolTip(QStringLiteral("キーヤーのモールス音の周波数を設定します。"));
    for (QComboBox* box : {SoundSelectCBox1, SoundSelectCBox2})
        onSignal(box, &QComboBox::currentIndexChanged, [this] { SoundSelectCBoxChange(); });

    ListeningVolTBar = makeVolumeSlider(ListeningPanel, "ListeningVolTBar", {270, 66, 200, 32});
    ListeningVolTBar->setToolTip(QStringLiteral("モールス聞き取りの音量調整です。"));
    KeyVolTBar = makeVolumeSlider(KeyerPanel, "KeyVolTBar", {270, 66, 200, 32});
    onSignal(ListeningVolTBar, &QSlider::valueChanged, [this] { ListeningVolTBarChange(); });
    onSignal(KeyVolTBar, &QSlider::valueChanged, [this] { KeyVolTBarChange(); });

    SoundSetUpBtn = makeButton(Panel17, {"SoundSetUpBtn",
                                         QStringLiteral("Sound"),
                                         0,
                                         {730, 14, 72, 32},
                                         QStringLiteral("キー音（モールス音）を有効にします。")});
    SoundTestBtn = makeButton(Panel17, {"SoundTestBtn",
                                        QStringLiteral("TEST"),
                                        0,
                                        {650, 14, 72, 32},
                                        QStringLiteral("パドルなしで音を鳴らすテストボタン")});
    onSignal(SoundSetUpBtn, &TgdButton::clicked, [this] { SoundSetUpBtnClick(); });
    onSignal(SoundTestBtn, &TgdButton::mouseDown, [this] { ConvertBtnMouseDown(); });
    onSignal(SoundTestBtn, &TgdButton::mouseUp, [this] { ConvertBtnMouseUp(); });

    SoundPMenu = new QMenu(this);
    SoundPMenu->setObjectName(QStringLiteral("SoundPMenu"));
    SoundPMenu1 = SoundPMenu->addAction(QStringLiteral("Sound Volume Reset"));
    SoundPMenu1->setObjectName(QStringLiteral("SoundPMenu1"));
    SoundTest1 = SoundPMenu->addAction(QStringLiteral("Sound Test"));
    SoundTest1->setObjectName(QStringLiteral("SoundTest1"));
    onSignal(SoundPMenu1, &QAction::triggered, [this] { SoundResetBtnON(); });
    onSignal(SoundTest1, &QAction::triggered, [this] { BeepTestBtnClick(); });
    SoundSetUpBtn->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(SoundSetUpBtn, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { SoundPMenu->popup(SoundSetUpBtn->mapToGlobal(at)); });
}

} // namespace tessal
