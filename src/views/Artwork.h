#pragma once

#include <QIcon>
#include <QRectF>
#include <QString>

class QPainter;

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

} // namespace artwork

} // namespace spinora
