// spinora-mkicon OUT.jpg: draws the application's icon (a potted cactus
// in a round badge) for the HTML report, so that no binary image is kept
// in the repository.
#include "IconArt.h"

#include <QImage>
#include <QPainter>

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
    spinora::paintIconArt(p);
    p.end();
    return icon.save(QString::fromLocal8Bit(argv[1]), "JPG", 90) ? 0 : 1;
}
