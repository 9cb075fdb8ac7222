#include "Artwork.h"

#include "SPTableCell.h"

#include "Localization.h"

#include <QAction>
#include <QApplication>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <QStyle>
#include <QStyleOption>
#include <QToolBar>
#include <QToolButton>

#include <map>

namespace spinora::artwork {

namespace {

// A pale warm wash: the row of a plant or schedule that needs water now
// stands out without hiding the texts.
void drawReminderBackground(QPainter& painter, const QRectF& rect)
{
    QLinearGradient wash(rect.topLeft(), rect.bottomLeft());
    wash.setColorAt(0.0, QColor(255, 244, 214));
    wash.setColorAt(1.0, QColor(250, 226, 178));
    painter.fillRect(rect, wash);
    // A stronger edge on the left, so the mark is seen at a glance.
    painter.fillRect(QRectF(rect.left(), rect.top(), 4, rect.height()), QColor(232, 150, 40));
}

// A slate band: white bold titles with a dark shadow read well on it.
void drawSectionBackground(QPainter& painter, const QRectF& rect)
{
    QLinearGradient band(rect.topLeft(), rect.bottomLeft());
    band.setColorAt(0.0, QColor(122, 139, 160));
    band.setColorAt(1.0, QColor(84, 101, 124));
    painter.fillRect(rect, band);
    painter.setPen(QPen(QColor(150, 166, 186), 1));
    painter.drawLine(QPointF(rect.left(), rect.top() + 0.5), QPointF(rect.right(), rect.top() + 0.5));
    painter.setPen(QPen(QColor(60, 74, 94), 1));
    painter.drawLine(QPointF(rect.left(), rect.bottom() - 0.5), QPointF(rect.right(), rect.bottom() - 0.5));
}

// A water drop with a soft blue glow.
void drawWateringGlow(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(rect.center(), rect.width() / 2);
    glow.setColorAt(0.0, QColor(120, 190, 255, 160));
    glow.setColorAt(1.0, QColor(120, 190, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(rect);
    const QRectF drop = rect.adjusted(rect.width() * 0.28, rect.height() * 0.15, -rect.width() * 0.28, -rect.height() * 0.15);
    QPainterPath path;
    path.moveTo(drop.center().x(), drop.top());
    path.cubicTo(drop.right(), drop.center().y(), drop.right(), drop.bottom(), drop.center().x(), drop.bottom());
    path.cubicTo(drop.left(), drop.bottom(), drop.left(), drop.center().y(), drop.center().x(), drop.top());
    painter.setBrush(QColor(40, 120, 220));
    painter.drawPath(path);
    painter.restore();
}

// On a dark toolbar the strokes are light and the colours brighter, so each
// picture keeps its contrast with the bar; the white parts take the bar's own
// colour there.
QPixmap drawIcon(const QString& name, int size, const QPalette& palette)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    const bool dark = SPTableCell::isDarkPalette(palette);
    const auto tone = [dark](const QColor& colour) { return dark ? colour.lighter(150) : colour; };
    const QColor ink = dark ? palette.color(QPalette::ButtonText) : QColor(58, 74, 96);
    const QColor paper = dark ? palette.color(QPalette::Button) : QColor(235, 238, 242);
    const QColor white = dark ? palette.color(QPalette::Button) : QColor(Qt::white);
    const QColor green = tone(QColor(54, 140, 70));
    const QColor red = tone(QColor(196, 60, 50));
    const QColor blue = tone(QColor(40, 120, 220));
    const QColor steel = tone(QColor(70, 130, 200));
    p.setPen(Qt::NoPen);
    if (name == QLatin1String("add_button")) {
        p.setBrush(green);
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setBrush(white);
        p.drawRect(QRectF(9, 14.5, 14, 3));
        p.drawRect(QRectF(14.5, 9, 3, 14));
    } else if (name == QLatin1String("delete_button")) {
        p.setBrush(red);
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setBrush(white);
        p.drawRect(QRectF(9, 14.5, 14, 3));
    } else if (name == QLatin1String("print_button")) {
        p.setBrush(paper);
        p.setPen(QPen(ink, 1.5));
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(ink);
        p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
        p.setBrush(white);
        p.drawRect(QRectF(9, 19, 14, 9));
        p.drawLine(QPointF(11.5, 23), QPointF(20.5, 23));
    } else if (name == QLatin1String("stats_button")) {
        p.setBrush(steel);
        p.drawRect(QRectF(5, 17, 5, 11));
        p.setBrush(green);
        p.drawRect(QRectF(13.5, 8, 5, 20));
        p.setBrush(tone(QColor(190, 110, 20)));
        p.drawRect(QRectF(22, 13, 5, 15));
        p.setPen(QPen(ink, 1.5));
        p.drawLine(QPointF(3, 28.5), QPointF(29, 28.5));
    } else if (name == QLatin1String("import_button") || name == QLatin1String("export_button")) {
        // A phone with an arrow into it (import) or out of it (export).
        p.setPen(QPen(ink, 1.6));
        p.setBrush(paper);
        p.drawRoundedRect(QRectF(4, 3, 13, 26), 2.5, 2.5);
        p.setPen(Qt::NoPen);
        p.setBrush(steel);
        QPainterPath arrow;
        if (name == QLatin1String("import_button")) {
            arrow.moveTo(29, 14); arrow.lineTo(21, 14); arrow.lineTo(21, 10); arrow.lineTo(14, 16);
            arrow.lineTo(21, 22); arrow.lineTo(21, 18); arrow.lineTo(29, 18);
        } else {
            arrow.moveTo(12, 14); arrow.lineTo(21, 14); arrow.lineTo(21, 10); arrow.lineTo(29, 16);
            arrow.lineTo(21, 22); arrow.lineTo(21, 18); arrow.lineTo(12, 18);
        }
        arrow.closeSubpath();
        p.drawPath(arrow);
    } else if (name == QLatin1String("water_button")) {
        // A drop with a tick: watering done.
        QPainterPath drop;
        drop.moveTo(14, 3);
        drop.cubicTo(22, 13, 24, 17, 24, 20);
        drop.cubicTo(24, 26, 19.5, 29, 14, 29);
        drop.cubicTo(8.5, 29, 4, 26, 4, 20);
        drop.cubicTo(4, 17, 6, 13, 14, 3);
        p.setBrush(blue);
        p.drawPath(drop);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(green, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(17, 21), QPointF(21.5, 26), QPointF(29, 15)}));
    } else if (name == QLatin1String("search_button")) {
        p.setPen(QPen(ink, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(5, 5, 15, 15));
        p.drawLine(QPointF(18, 18), QPointF(27, 27));
    }
    return pixmap;
}

// Draws its picture each time it is shown, in the palette of that moment:
// the toolbar follows a switch between a light and a dark desktop.
class DrawnIconEngine : public QIconEngine {
public:
    explicit DrawnIconEngine(const QString& name) : name_(name) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device()->devicePixelRatioF();
        QPixmap drawn = pixmap(rect.size() * scale, mode, state);
        drawn.setDevicePixelRatio(scale);
        painter->drawPixmap(rect, drawn);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const QPalette palette = QApplication::palette();
        const QPixmap drawn = drawIcon(name_, std::min(size.width(), size.height()), palette);
        if (mode == QIcon::Normal)
            return drawn;
        QStyleOption option;
        option.palette = palette;
        return QApplication::style()->generatedIconPixmap(mode, drawn, &option);
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(name_); }
    bool isNull() override { return false; }

private:
    QString name_;
};

const std::map<QString, QString>& themeNames()
{
    static const std::map<QString, QString> names = {
        {QStringLiteral("add_button"), QStringLiteral("list-add")},
        {QStringLiteral("delete_button"), QStringLiteral("list-remove")},
        {QStringLiteral("print_button"), QStringLiteral("document-print")},
        {QStringLiteral("stats_button"), QStringLiteral("view-statistics")},
        {QStringLiteral("import_button"), QStringLiteral("document-import")},
        {QStringLiteral("export_button"), QStringLiteral("document-export")},
        {QStringLiteral("search_button"), QStringLiteral("edit-find")},
    };
    return names;
}

} // namespace

void draw(QPainter& painter, const QString& name, const QRectF& rect)
{
    if (name == QLatin1String(kReminderCellBackground))
        drawReminderBackground(painter, rect);
    else if (name == QLatin1String(kSectionBackground))
        drawSectionBackground(painter, rect);
    else if (name == QLatin1String(kWateringGlowIcon))
        drawWateringGlow(painter, rect);
}

QIcon drawnToolbarIcon(const QString& name)
{
    return QIcon(new DrawnIconEngine(name));
}

QIcon toolbarIcon(const QString& name)
{
    const auto theme = themeNames().find(name);
    const QIcon fallback = drawnToolbarIcon(name);
    return theme == themeNames().end() ? fallback : QIcon::fromTheme(theme->second, fallback);
}

QAction* toolbarItem(QObject* parent, const char* identifier, const char* label, const char* toolTip,
                     const char* image)
{
    auto* action = new QAction(toolbarIcon(QString::fromLatin1(image)), localized(label), parent);
    action->setObjectName(QString::fromLatin1(identifier));
    action->setToolTip(localized(toolTip));
    return action;
}

void addToolbarSpace(QToolBar* toolbar, bool flexible)
{
    auto* space = new QWidget(toolbar);
    if (flexible)
        space->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    else
        space->setFixedWidth(8);
    toolbar->addWidget(space);
}

void nameOverflowButton(QToolBar* toolbar)
{
    if (auto* more = toolbar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(localized("More Toolbar Items"));
}

} // namespace spinora::artwork
