#include "keyer/key_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace tessal {

namespace {

const QColor kAqua{0x00, 0xFF, 0xFF};
const QColor kLime{0x00, 0xFF, 0x00};
const QColor kYellow{0xFF, 0xFF, 0x00};
const QColor kGrey{0x80, 0x80, 0x80};
const QColor kSilver{0xC0, 0xC0, 0xC0};

constexpr int kKeyWidth = 150, kKeyHeight = 100;
constexpr int kPaddleSize = 84;

QPixmap clearCanvas(int width, int height) {
    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    return picture;
}

} // namespace

QPixmap straightKeyPicture(bool down) {
    QPixmap picture = clearCanvas(kKeyWidth, kKeyHeight);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // Base plate and the pivot post at the back.
    painter.setPen(QPen(kAqua, 2));
    painter.setBrush(QColor(0x00, 0x00, 0xC0));
    painter.drawRoundedRect(QRectF(8, 78, 134, 14), 4, 4);
    painter.setBrush(kSilver);
    painter.drawRect(QRectF(112, 56, 14, 22));
    // The contact under the knob end.
    const QColor contact = down ? kLime : kGrey;
    painter.setBrush(contact);
    painter.setPen(QPen(contact, 1));
    painter.drawRect(QRectF(34, 68, 14, 10));
    // The lever pivots at the post; pressed, its front end rests on the contact.
    const QPointF pivot(119, 56);
    const QPointF front(28, down ? 62 : 40);
    painter.setPen(QPen(kSilver, 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(pivot, front);
    // The knob.
    painter.setPen(QPen(kAqua, 2));
    painter.setBrush(QColor(0x20, 0x20, 0x20));
    const QPointF knob(front.x() + 4, front.y() - 12);
    painter.drawEllipse(knob, 16, 9);
    if (down) {
        painter.setPen(QPen(kYellow, 2));
        for (int ray = -1; ray <= 1; ++ray)
            painter.drawLine(QPointF(41 + ray * 10, 64), QPointF(41 + ray * 16, 54));
    }
    return picture;
}

QPixmap paddleContactPicture(bool dash, bool closed) {
    QPixmap picture = clearCanvas(kPaddleSize, kPaddleSize);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    if (dash) { // mirror, so the dash paddle sits on the right of its post
        painter.translate(kPaddleSize, 0);
        painter.scale(-1, 1);
    }
    // The contact post.
    painter.setPen(QPen(kAqua, 2));
    painter.setBrush(closed ? kLime : kGrey);
    painter.drawRoundedRect(QRectF(52, 22, 12, 40), 3, 3);
    // The paddle lever: upright when open, leaning onto the post when closed.
    const QPointF foot(24, 76);
    const QPointF top(closed ? 48 : 26, 14);
    painter.setPen(QPen(closed ? kLime : kSilver, 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(foot, top);
    painter.setPen(QPen(kAqua, 2));
    painter.setBrush(QColor(0x00, 0x00, 0xC0));
    painter.drawRect(QRectF(10, 74, 64, 6));
    return picture;
}

} // namespace tessal
