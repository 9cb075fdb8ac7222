#include "ViewportAccessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace spinora {

namespace {

class ViewportAccessible : public QAccessibleWidget {
public:
    explicit ViewportAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Client) {}

    // Asked each time: the view may still have been under construction (and
    // not yet an item view) when this was made. A header's parts sit in two
    // views (the header and its table): the first widget above all views.
    QAccessibleInterface* parent() const override
    {
        QWidget* above = widget()->parentWidget();
        if (!qobject_cast<QAbstractItemView*>(above))
            return QAccessibleWidget::parent();
        while (qobject_cast<QAbstractItemView*>(above))
            above = above->parentWidget();
        return above ? QAccessible::queryAccessibleInterface(above) : QAccessibleWidget::parent();
    }
};

// Made as the scroll area makes its viewport and scroll bar boxes: at that
// moment they have no name yet and the view is only a scroll area, so every
// plain widget in a scroll area gets this, and parent() decides.
QAccessibleInterface* viewportInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || widget->isWindow())
        return nullptr;
    const bool plainInScrollArea =
        className == QLatin1String("QWidget") && qobject_cast<QAbstractScrollArea*>(widget->parentWidget());
    if (plainInScrollArea || qobject_cast<QAbstractItemView*>(widget->parentWidget()))
        return new ViewportAccessible(widget);
    return nullptr;
}

} // namespace

void installViewportAccessibility()
{
    QAccessible::installFactory(viewportInterface);
}

} // namespace spinora
