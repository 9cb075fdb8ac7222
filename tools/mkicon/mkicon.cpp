// spinora-mkicon OUT.jpg: draws the application's icon (a potted cactus
// in a round badge) for the HTML report, so that no binary image is kept
// in the repository.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: spinora-mkicon OUT.jpg\n");
        return 2;
    }
    const int size = 128;
    QImage icon(size, size, QImage::Format_RGB32);
    icon.fill(Qt::white);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf5, 0xbd, 0x68));
    p.drawEllipse(QRectF(4, 4, size - 8, size - 8));
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
    p.end();
    return icon.save(QString::fromLocal8Bit(argv[1]), "JPG", 90) ? 0 : 1;
}
