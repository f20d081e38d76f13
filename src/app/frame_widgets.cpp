#include "app/frame_widgets.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

namespace tessal {

QFont formFont(int pixelSize) {
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

QFrame* makePanel(QWidget* parent, const PanelSpec& spec) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(spec.name));
    panel->setFrameShape(QFrame::NoFrame);
    panel->setGeometry(spec.geometry);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, spec.colour);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    return panel;
}

QLabel* makeLabel(QWidget* parent, const LabelSpec& spec) {
    auto* label = new QLabel(spec.text, parent);
    label->setObjectName(QString::fromLatin1(spec.name));
    label->setGeometry(spec.geometry);
    label->setFont(formFont(spec.pixelSize));
    label->setAlignment(spec.alignment);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, spec.colour);
    label->setPalette(palette);
    if (!spec.hint.isEmpty())
        label->setToolTip(spec.hint);
    return label;
}

QLineEdit* makeLineEdit(QWidget* parent, const EditSpec& spec) {
    auto* edit = new QLineEdit(spec.text, parent);
    edit->setObjectName(QString::fromLatin1(spec.name));
    edit->setGeometry(spec.geometry);
    edit->setFont(formFont(spec.pixelSize));
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, kNavy);
    palette.setColor(QPalette::Text, spec.textColour);
    edit->setPalette(palette);
    return edit;
}

QStackedWidget* makePageControl(QWidget* parent, const char* name, QRect geometry,
                                std::initializer_list<const char*> pageNames,
                                std::vector<QWidget*>& pages) {
    auto* control = new QStackedWidget(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    pages.clear();
    for (const char* pageName : pageNames) {
        auto* page = new QWidget(control);
        page->setObjectName(QString::fromLatin1(pageName));
        control->addWidget(page);
        pages.push_back(page);
    }
    return control;
}

} // namespace tessal
