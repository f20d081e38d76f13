#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <initializer_list>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QWidget;

namespace tessal {

inline const QColor kNavy{0x00, 0x00, 0x80};
inline const QColor kBlue{0x00, 0x00, 0xFF};
inline const QColor kAqua{0x00, 0xFF, 0xFF};
inline const QColor kYellow{0xFF, 0xFF, 0x00};
inline const QColor kLime{0x00, 0xFF, 0x00};
inline const QColor kWhite{0xFF, 0xFF, 0xFF};

// The window's Japanese gothic face, bold, at the given pixel size.
QFont formFont(int pixelSize = 13);

struct PanelSpec {
    const char* name;
    QRect geometry;
    QColor colour = kNavy;
};

// A borderless panel filled with its own colour.
QFrame* makePanel(QWidget* parent, const PanelSpec& spec);

struct LabelSpec {
    const char* name;
    QString text;
    QRect geometry;
    QColor colour = kWhite;
    int pixelSize = 13;
    QString hint = {};
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// A transparent bold label in the window's face.
QLabel* makeLabel(QWidget* parent, const LabelSpec& spec);

struct EditSpec {
    const char* name;
    QString text;
    QRect geometry;
    QColor textColour;
    int pixelSize = 13;
};

// A one-line edit in the window's face, coloured text on navy.
QLineEdit* makeLineEdit(QWidget* parent, const EditSpec& spec);

// A page control without tabs; its pages are named in order and returned in the same order.
QStackedWidget* makePageControl(QWidget* parent, const char* name, QRect geometry,
                                std::initializer_list<const char*> pageNames,
                                std::vector<QWidget*>& pages);

} // namespace tessal
