#include "PagedPrint.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace spinora {

bool paintPages(QPagedPaintDevice& device, int pageCount, int fromPage, int toPage,
                const std::function<void(QPainter&, int page)>& drawPage)
{
    if (pageCount < 1)
        return false;
    const int first = std::clamp(fromPage, 1, pageCount);
    const int last = toPage <= 0 ? pageCount : std::clamp(toPage, first, pageCount);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int page = first; page <= last; ++page) {
        if (page > first && !device.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
        drawPage(painter, page);
        painter.restore();
    }
    return painter.end();
}

} // namespace spinora
