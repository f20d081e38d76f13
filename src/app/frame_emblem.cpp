#include "app/frame_emblem.h"

#include "app/frame_widgets.h"

#include <QPainter>
#include <QPainterPath>

namespace tessal {

void paintEmblem(QPainter& painter, qreal side) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = side / 35.0;
    painter.scale(unit, unit);

    painter.setPen(QPen(kAqua, 1.5));
    painter.setBrush(kNavy);
    painter.drawRoundedRect(QRectF(1, 1, 33, 33), 6, 6);

    // Base plate, lever on its pivot, knob at the operator's end.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
    painter.drawRect(QRectF(5, 20, 25, 3));
    painter.setBrush(kAqua);
    QPainterPath lever;
    lever.moveTo(7, 17);
    lever.lineTo(27, 12);
    lever.lineTo(27, 14.5);
    lever.lineTo(7, 19.5);
    lever.closeSubpath();
    painter.drawPath(lever);
    painter.drawEllipse(QPointF(17, 19.5), 2, 2);
    painter.setBrush(kYellow);
    painter.drawEllipse(QPointF(27, 11), 3.5, 3.5);

    // T is a single dash.
    painter.setBrush(kLime);
    painter.drawRoundedRect(QRectF(9, 27, 17, 3), 1.5, 1.5);
    painter.restore();
}

QPixmap drawEmblem(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintEmblem(painter, side);
    return pixmap;
}

} // namespace tessal
