#pragma once

namespace spinora {

// Qt's accessible tables and trees stand for their rows and cells, and have
// no place among their children for the view's own widgets (the viewport,
// the boxes of the scroll bars, the header): a screen reader that asks where
// one stands (it does when one is shown) makes Qt print
// "QAccessibleTable::indexOfChild invalid child" or "Fix my children...".
// Installed once at start, this gives those widgets the view's own parent as
// their parent, where asking finds nothing quietly; the rows and cells are
// still reached through the view.
void installViewportAccessibility();

} // namespace spinora
