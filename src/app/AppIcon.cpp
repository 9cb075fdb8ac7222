#include "AppIcon.h"

#include "AppInfo.h"
#include "IconArt.h"

#include <QPainter>
#include <QPixmap>

namespace spinora {

namespace {

QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.scale(size / 128.0, size / 128.0);
    paintIconArt(p);
    return pixmap;
}

} // namespace

QIcon applicationIcon()
{
    QIcon drawn;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        drawn.addPixmap(drawIcon(size));
    // The installed icon theme's copy when there is one (the package puts it
    // under the application's identifier), else the drawn one.
    return QIcon::fromTheme(QLatin1String(kApplicationIdentifier), drawn);
}

} // namespace spinora
