#pragma once

#include <QIcon>
#include <QRectF>
#include <QString>

class QAction;
class QObject;
class QPainter;
class QToolBar;

namespace spinora {

// The application's own pictures, drawn in code: row backgrounds, the
// section band, the watering marker and the toolbar icons the desktop's
// theme does not have. Names are the image names the lists ask for.
namespace artwork {

inline constexpr const char* kReminderCellBackground = "reminder_cell_background";
inline constexpr const char* kSectionBackground = "section_background";
inline constexpr const char* kWateringGlowIcon = "watering_glow_icon";

// Draws a named picture stretched over the rectangle; unknown names draw nothing.
void draw(QPainter& painter, const QString& name, const QRectF& rect);

// A toolbar image ("add_button", "delete_button", "print_button",
// "stats_button", "import_button", "export_button"): the icon theme's
// matching icon, else our drawn one.
QIcon toolbarIcon(const QString& name);
// The drawn version alone (also what an empty theme falls back to).
QIcon drawnToolbarIcon(const QString& name);

// A toolbar item: its identifier (object name), label, tool tip and image.
QAction* toolbarItem(QObject* parent, const char* identifier, const char* label, const char* toolTip,
                     const char* image);
// A fixed (8 points) or flexible space between toolbar items.
void addToolbarSpace(QToolBar* toolbar, bool flexible);
// Names the button a toolbar shows for the items it has no room for: it has
// only a picture, and a screen reader would find it nameless.
void nameOverflowButton(QToolBar* toolbar);

} // namespace artwork

} // namespace spinora
