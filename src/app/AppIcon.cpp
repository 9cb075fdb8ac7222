#include "AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace spinora {

namespace {

QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);
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
    p.setBrush(QColor(0x3d, 0x8b, 0x3d));
    p.drawRoundedRect(QRectF(54, 26, 20, 62), 10, 10);
    p.drawRoundedRect(QRectF(34, 48, 14, 26), 7, 7);
    p.drawRoundedRect(QRectF(38, 64, 20, 10), 5, 5);
    p.drawRoundedRect(QRectF(80, 38, 14, 28), 7, 7);
    p.drawRoundedRect(QRectF(70, 56, 18, 10), 5, 5);
    p.setBrush(QColor(0xe0, 0x4a, 0x8a));
    p.drawEllipse(QPointF(64, 25), 7, 7);
    return pixmap;
}

} // namespace

QIcon applicationIcon()
{
    QIcon drawn;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        drawn.addPixmap(drawIcon(size));
    return QIcon::fromTheme(QStringLiteral("spinora"), drawn);
}

} // namespace spinora
