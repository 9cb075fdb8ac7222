// spinora-mkicon OUT.jpg | OUT.png SIZE: draws the application's icon (a
// potted cactus in a round badge): the report's icon as a 128-pixel JPEG on
// white, or the desktop's icon as a transparent PNG of SIZE pixels, so that
// no binary image is kept in the repository.
#include "IconArt.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    const bool png = argc == 3;
    const int size = png ? QString::fromLocal8Bit(argv[2]).toInt() : 128;
    if ((argc != 2 && argc != 3) || size < 16 || size > 1024) {
        std::fprintf(stderr, "usage: spinora-mkicon OUT.jpg | spinora-mkicon OUT.png SIZE (16 to 1024)\n");
        return 2;
    }
    QImage icon(size, size, png ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    icon.fill(png ? Qt::transparent : Qt::white);
    QPainter p(&icon);
    p.scale(size / 128.0, size / 128.0);
    spinora::paintIconArt(p);
    p.end();
    return icon.save(QString::fromLocal8Bit(argv[1]), png ? "PNG" : "JPG", png ? -1 : 90) ? 0 : 1;
}
