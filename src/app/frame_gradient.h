#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <span>

class QWidget;

namespace tessal {

enum class GradientDirection { TopToBottom, LeftToRight };

// Colour of step `index` of `count` between start and end, per channel in integers: step 0 is
// exactly start, the last step exactly end.
QColor gradientStepColor(const QColor& start, const QColor& end, int index, int count);

// A two-colour linear gradient filling the whole size.
QImage linearGradientImage(QSize size, const QColor& start, const QColor& end,
                           GradientDirection direction);

// Which part of its panel a gradient picture covers.
enum class PanelPart { Whole, LeftHalf, RightHalf };

struct GradientPicture {
    const char* image;
    const char* panel;
    QColor start;
    QColor end;
    GradientDirection direction;
    PanelPart part = PanelPart::Whole;
};

// The window's gradient pictures and the panels they lie on.
std::span<const GradientPicture> gradientPictures();

// Puts an empty picture holder, named after its image and lowered behind the panel's controls,
// on every panel of the table found under root.
void placeGradientPictures(QWidget& root);

// Fills every picture holder with its gradient over its own client rectangle.
void paintGradientPictures(QWidget& root);

} // namespace tessal
