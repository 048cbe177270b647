#include "app/main_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pemrix::app {

namespace {

const QColor navy(0x00, 0x00, 0x80);
const QColor outline(0x3b, 0x4a, 0x66);

void drawModule(QPainter& p, const QRectF& box) {
    QLinearGradient body(box.topLeft(), box.bottomRight());
    body.setColorAt(0, QColor(0xf4, 0xf7, 0xfb));
    body.setColorAt(1, QColor(0xb4, 0xc3, 0xda));
    p.setPen(QPen(outline, 1.2));
    p.setBrush(body);
    p.drawRoundedRect(box, 5, 5);

    // Name plate.
    const QRectF plate(box.left() + 6, box.top() + 6, box.width() - 12, box.height() * 0.24);
    p.setPen(Qt::NoPen);
    p.setBrush(navy);
    p.drawRoundedRect(plate, 2, 2);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(qMax(7, int(plate.height() * 0.62)));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(plate, Qt::AlignCenter, QStringLiteral("ORVEL"));

    // Indicators.
    const QColor leds[] = {QColor(0x2e, 0xb8, 0x4a), QColor(0xf2, 0xb1, 0x1c),
                           QColor(0xd9, 0x3a, 0x2b)};
    const qreal ledY = plate.bottom() + box.height() * 0.16;
    const qreal step = box.width() / 4;
    for (int i = 0; i < 3; ++i) {
        const QPointF centre(box.left() + step * (i + 1), ledY);
        p.setPen(QPen(outline, 0.8));
        p.setBrush(leds[i]);
        p.drawEllipse(centre, 3.2, 3.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(centre + QPointF(-1, -1), 1.1, 1.1);
    }

    // Terminal strip with its screws.
    const QRectF strip(box.left() + 5, box.bottom() - box.height() * 0.26, box.width() - 10,
                       box.height() * 0.18);
    p.setPen(QPen(outline, 0.8));
    p.setBrush(QColor(0x55, 0x60, 0x70));
    p.drawRect(strip);
    const int screws = 5;
    for (int i = 0; i < screws; ++i) {
        const QPointF centre(strip.left() + strip.width() * (i + 0.5) / screws, strip.center().y());
        p.setBrush(QColor(0xd8, 0xdc, 0xe2));
        p.drawEllipse(centre, 2.2, 2.2);
        p.drawLine(centre - QPointF(1.4, 0), centre + QPointF(1.4, 0));
    }
}

void drawCable(QPainter& p, const QRectF& box, const QRectF& plug) {
    QPainterPath cable(QPointF(box.center().x(), box.bottom()));
    cable.cubicTo(QPointF(box.center().x(), box.bottom() + 18),
                  QPointF(plug.center().x() + 22, plug.top() - 22),
                  QPointF(plug.center().x(), plug.top()));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x2a, 0x2f, 0x38), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);

    // A nine-pin plug, its shell narrowing towards the pins.
    QPainterPath shell;
    shell.moveTo(plug.topLeft());
    shell.lineTo(plug.topRight());
    shell.lineTo(plug.right() - 3, plug.bottom());
    shell.lineTo(plug.left() + 3, plug.bottom());
    shell.closeSubpath();
    QLinearGradient metal(plug.topLeft(), plug.bottomLeft());
    metal.setColorAt(0, QColor(0xc9, 0xd0, 0xda));
    metal.setColorAt(1, QColor(0x7d, 0x88, 0x98));
    p.setPen(QPen(outline, 1));
    p.setBrush(metal);
    p.drawPath(shell);
    p.setPen(Qt::NoPen);
    p.setBrush(outline);
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(plug.left() + 5 + i * (plug.width() - 10) / 4, plug.center().y() - 2),
                      0.9, 0.9);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(plug.left() + 7 + i * (plug.width() - 14) / 3, plug.center().y() + 2),
                      0.9, 0.9);
}

} // namespace

QPixmap mainPicture(QSize size, qreal devicePixelRatio) {
    QPixmap picture(size * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    const qreal w = size.width();
    const qreal h = size.height();
    const QRectF box(w * 0.12, 2, w * 0.76, h * 0.58);
    const QRectF plug(w * 0.18, h - 14, 30, 12);
    drawCable(p, box, plug);
    drawModule(p, box);
    return picture;
}

} // namespace pemrix::app
