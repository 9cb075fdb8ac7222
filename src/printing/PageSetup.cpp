#include "PageSetup.h"

#include "DatabasePrintView.h"

#include "Localization.h"
#include "SpinoraDatabase.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>
#include <QUrl>

namespace spinora {

namespace {

// One group per collection, named by its package path (as the window keeps
// its place).
QString groupFor(const SpinoraDatabase& document)
{
    return QStringLiteral("PageLayouts/") + QString::fromLatin1(QUrl::toPercentEncoding(document.packageFilename()));
}

} // namespace

std::optional<QPageLayout> PageSetup::layoutFor(const SpinoraDatabase& document)
{
    if (document.packageFilename().isEmpty())
        return std::nullopt;
    QSettings settings;
    settings.beginGroup(groupFor(document));
    if (!settings.contains(QStringLiteral("paper")))
        return std::nullopt;
    const auto paper = QPageSize::PageSizeId(settings.value(QStringLiteral("paper")).toInt());
    const QSizeF points(settings.value(QStringLiteral("width")).toDouble(), settings.value(QStringLiteral("height")).toDouble());
    const QPageSize size = paper == QPageSize::Custom ? QPageSize(points, QPageSize::Point) : QPageSize(paper);
    const auto orientation = settings.value(QStringLiteral("landscape")).toBool() ? QPageLayout::Landscape
                                                                                     : QPageLayout::Portrait;
    const QMarginsF margins(settings.value(QStringLiteral("left")).toDouble(), settings.value(QStringLiteral("top")).toDouble(),
                            settings.value(QStringLiteral("right")).toDouble(),
                            settings.value(QStringLiteral("bottom")).toDouble());
    const QPageLayout layout(size, orientation, margins, QPageLayout::Point);
    if (!size.isValid() || !layout.isValid())
        return std::nullopt;
    return layout;
}

void PageSetup::setLayoutFor(const SpinoraDatabase& document, const QPageLayout& layout)
{
    if (document.packageFilename().isEmpty() || !layout.isValid())
        return;
    QPageLayout points(layout);
    points.setUnits(QPageLayout::Point);
    QSettings settings;
    settings.beginGroup(groupFor(document));
    settings.setValue(QStringLiteral("paper"), int(points.pageSize().id()));
    settings.setValue(QStringLiteral("width"), points.pageSize().size(QPageSize::Point).width());
    settings.setValue(QStringLiteral("height"), points.pageSize().size(QPageSize::Point).height());
    settings.setValue(QStringLiteral("landscape"), points.orientation() == QPageLayout::Landscape);
    settings.setValue(QStringLiteral("left"), points.margins().left());
    settings.setValue(QStringLiteral("top"), points.margins().top());
    settings.setValue(QStringLiteral("right"), points.margins().right());
    settings.setValue(QStringLiteral("bottom"), points.margins().bottom());
}

QPageLayout PageSetup::effectiveLayout(const SpinoraDatabase& document, const QPageSize& defaultPaper)
{
    return layoutFor(document).value_or(DatabasePrintView::defaultPageLayout(defaultPaper));
}

bool PageSetup::run(QWidget* parent, const SpinoraDatabase& document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(effectiveLayout(document, printer.pageLayout().pageSize()));
    QPageSetupDialog dialog(&printer, parent);
    dialog.setWindowTitle(localized("Page Setup"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    setLayoutFor(document, printer.pageLayout());
    return true;
}

} // namespace spinora
