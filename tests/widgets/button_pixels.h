#pragma once

#include "widgets/gd_button.h"

#include <QImage>
#include <QRect>
#include <functional>
#include <vector>

namespace tessal::testing {

using PixelTest = std::function<bool(QColor)>;

inline QImage renderButton(TgdButton& button) {
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Caption ink is anti-aliased; a pixel counts when it is close to the wanted colour.
inline PixelTest near(QColor wanted, int tolerance = 60) {
    return [wanted, tolerance](QColor c) {
        return std::abs(c.red() - wanted.red()) + std::abs(c.green() - wanted.green()) +
                   std::abs(c.blue() - wanted.blue()) <=
               tolerance;
    };
}

inline QRect inkBounds(const QImage& image, const PixelTest& isInk) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isInk(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// Runs of consecutive rows that hold ink, as [first, last] pairs.
inline std::vector<std::pair<int, int>> inkRowRuns(const QImage& image, const PixelTest& isInk) {
    std::vector<std::pair<int, int>> runs;
    for (int y = 0; y < image.height(); ++y) {
        bool any = false;
        for (int x = 0; x < image.width() && !any; ++x)
            any = isInk(image.pixelColor(x, y));
        if (!any)
            continue;
        if (!runs.empty() && runs.back().second == y - 1)
            runs.back().second = y;
        else
            runs.emplace_back(y, y);
    }
    return runs;
}

// A plain face in one colour so only the caption or picture shows.
inline void makePlain(TgdButton& button, QColor face, QColor text) {
    button.setButtonStyle(bsFlatNoFrame);
    button.setGradBeginColor(face);
    button.setGradEndColor(face);
    button.setFontColor(text);
}

} // namespace tessal::testing
