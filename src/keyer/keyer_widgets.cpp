#include "keyer/keyer_widgets.h"

#include "app/frame_widgets.h"
#include "keyer/key_pictures.h"
#include "widgets/button_factory.h"

#include <QLabel>

namespace tessal {

namespace {
const QColor kIndicatorOff{0x80, 0x80, 0x80};
} // namespace

std::vector<TgdButton*> makeButtonRow(QWidget* parent, const char* prefix,
                                      const QStringList& captions, int firstTag, QPoint topLeft,
                                      int buttonWidth) {
    constexpr int kGap = 4;
    constexpr int kHeight = 26;
    std::vector<TgdButton*> row;
    for (int i = 0; i < captions.size(); ++i) {
        const QByteArray name = QByteArray(prefix) + QByteArray::number(i + 1);
        const QRect geometry(topLeft.x() + i * (buttonWidth + kGap), topLeft.y(), buttonWidth,
                             kHeight);
        row.push_back(makeButton(parent, {name.constData(), captions[i], firstTag + i, geometry}));
    }
    return row;
}

void applyRow(std::span<TgdButton* const> row, int index, int firstTag, std::span<const int> values,
              int& value) {
    markSelection(row, index);
    // Stored indexes reach here unchecked; 64 bits keep INT_MIN minus the first tag defined.
    const long long at = static_cast<long long>(index) - firstTag;
    if (at >= 0 && at < static_cast<long long>(values.size()))
        value = values[std::size_t(at)];
}

void makeContactPair(QWidget* page, const char* outName, const char* inName, bool dash,
                     QRect geometry, QLabel*& out, QLabel*& in) {
    out = makeLabel(page, {outName, QString(), geometry});
    out->setPixmap(paddleContactPicture(dash, false));
    in = makeLabel(page, {inName, QString(), geometry});
    in->setPixmap(paddleContactPicture(dash, true));
    in->hide();
}

void markToggle(TgdButton* button, int flag) {
    button->setMark(flag != 0 ? kYellow : kButtonIdleMark);
}

QLabel* makeIndicator(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    QLabel* indicator =
        makeLabel(parent, {name, caption, geometry, Qt::black, 12, QString(), Qt::AlignCenter});
    indicator->setAutoFillBackground(true);
    indicator->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setIndicator(indicator, false);
    return indicator;
}

void setIndicator(QLabel* indicator, bool on) {
    QPalette palette = indicator->palette();
    palette.setColor(QPalette::Window, on ? kAqua : kIndicatorOff);
    indicator->setPalette(palette);
}

} // namespace tessal
