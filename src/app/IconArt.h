#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace spinora {

// The application's icon, a potted cactus in a round badge, drawn on a
// 128 x 128 canvas (scale the painter for other sizes) with the strokes of
// resources/desktop/org.spinora.Spinora.svg. Header-only: the build-time
// tool that draws the report's icon and the desktop's PNG icons uses it
// before any library is built, and the app draws its window icon with it.
inline void paintIconArt(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf5, 0xbd, 0x68));
    p.drawEllipse(QRectF(4, 4, 120, 120));
    p.setBrush(QColor(0xb8, 0x5c, 0x38));
    QPainterPath pot;
    pot.moveTo(40, 84);
    pot.lineTo(88, 84);
    pot.lineTo(82, 112);
    pot.lineTo(46, 112);
    pot.closeSubpath();
    p.drawPath(pot);
    p.setBrush(QColor(0xa0, 0x4e, 0x2e));
    p.drawRoundedRect(QRectF(36, 80, 56, 8), 3, 3);
    p.setBrush(QColor(0x3d, 0x8b, 0x3d));
    p.drawRoundedRect(QRectF(54, 26, 20, 62), 10, 10);
    p.drawRoundedRect(QRectF(34, 48, 14, 26), 7, 7);
    p.drawRoundedRect(QRectF(38, 64, 20, 10), 5, 5);
    p.drawRoundedRect(QRectF(80, 38, 14, 28), 7, 7);
    p.drawRoundedRect(QRectF(70, 56, 18, 10), 5, 5);
    p.setPen(QPen(QColor(0x2c, 0x6a, 0x2c), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(64, 36), QPointF(64, 80));
    p.drawLine(QPointF(41, 54), QPointF(41, 68));
    p.drawLine(QPointF(87, 44), QPointF(87, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe0, 0x4a, 0x8a));
    p.drawEllipse(QPointF(64, 25), 7, 7);
    p.setBrush(QColor(0xf7, 0xd5, 0x4a));
    p.drawEllipse(QPointF(64, 25), 2.5, 2.5);
}

} // namespace spinora
