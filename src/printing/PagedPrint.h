#pragma once

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace spinora {

// Paints pages `fromPage` to `toPage` (from 1; 0 for the last) of a document
// of `pageCount` pages on a paged device (a printer or a PDF file), calling
// `drawPage` for each with its number and a painter that measures in points
// from the paper's corner. False when the device cannot be painted.
bool paintPages(QPagedPaintDevice& device, int pageCount, int fromPage, int toPage,
                const std::function<void(QPainter&, int page)>& drawPage);

} // namespace spinora
