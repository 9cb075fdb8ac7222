#include "PageSetup.h"

#include "DatabasePrintView.h"

#include "AppInfo.h"
#include "Localization.h"
#include "SpinoraDatabase.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

namespace spinora {

namespace {

// The application's settings file, one group per collection named by its
// package path (as the window keeps its place).
std::unique_ptr<QSettings> settingsFor(const SpinoraDatabase& document)
{
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QString::fromUtf8(kApplicationName), QString::fromUtf8(kApplicationName));
    settings->beginGroup(QStringLiteral("PageLayouts/") +
                         QString::fromLatin1(QUrl::toPercentEncoding(document.packageFilename())));
    return settings;
}

} // namespace

std::optional<QPageLayout> PageSetup::layoutFor(const SpinoraDatabase& document)
{
    if (document.packageFilename().isEmpty())
        return std::nullopt;
    const auto settings = settingsFor(document);
    if (!settings->contains(QStringLiteral("paper")))
        return std::nullopt;
    auto number = [&settings](const char* key) { return settings->value(QString::fromLatin1(key)).toDouble(); };
    const auto paper = QPageSize::PageSizeId(settings->value(QStringLiteral("paper")).toInt());
    const QPageSize size = paper == QPageSize::Custom
                               ? QPageSize(QSizeF(number("width"), number("height")), QPageSize::Point)
                               : QPageSize(paper);
    const auto orientation = settings->value(QStringLiteral("landscape")).toBool() ? QPageLayout::Landscape
                                                                                      : QPageLayout::Portrait;
    const QMarginsF margins(number("left"), number("top"), number("right"), number("bottom"));
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
    const auto settings = settingsFor(document);
    const QSizeF paper = points.pageSize().size(QPageSize::Point);
    settings->setValue(QStringLiteral("paper"), int(points.pageSize().id()));
    settings->setValue(QStringLiteral("width"), paper.width());
    settings->setValue(QStringLiteral("height"), paper.height());
    settings->setValue(QStringLiteral("landscape"), points.orientation() == QPageLayout::Landscape);
    settings->setValue(QStringLiteral("left"), points.margins().left());
    settings->setValue(QStringLiteral("top"), points.margins().top());
    settings->setValue(QStringLiteral("right"), points.margins().right());
    settings->setValue(QStringLiteral("bottom"), points.margins().bottom());
}

QPageLayout PageSetup::effectiveLayout(const SpinoraDatabase& document, const QPageSize& defaultPaper)
{
    return layoutFor(document).value_or(DatabasePrintView::defaultPageLayout(defaultPaper));
}

bool PageSetup::run(QWidget* parent, const SpinoraDatabase& document)
{
    const QPrinter printer(QPrinter::HighResolution);
    PageSetupDialog dialog(effectiveLayout(document, printer.pageLayout().pageSize()), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    setLayoutFor(document, dialog.pageLayout());
    return true;
}

// --- The dialog

namespace {

const QPageSize::PageSizeId kPaperSizes[] = {QPageSize::A4,     QPageSize::Letter, QPageSize::Legal,
                                             QPageSize::A5,     QPageSize::A3,     QPageSize::B5,
                                             QPageSize::Tabloid, QPageSize::Executive};

QDoubleSpinBox* marginField(const char* name, double millimetres, QWidget* parent)
{
    auto* field = new QDoubleSpinBox(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(0, 100);
    field->setDecimals(1);
    field->setSuffix(localized(" mm"));
    field->setValue(millimetres);
    return field;
}

} // namespace

PageSetupDialog::PageSetupDialog(const QPageLayout& layout, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PageSetupDialog"));
    setWindowTitle(localized("Page Setup"));
    setWindowModality(Qt::WindowModal);
    QPageLayout millimetres(layout);
    millimetres.setUnits(QPageLayout::Millimeter);

    paperSize_ = new QComboBox(this);
    paperSize_->setObjectName(QStringLiteral("paperSize"));
    for (QPageSize::PageSizeId id : kPaperSizes)
        paperSize_->addItem(QPageSize::name(id), QVariant::fromValue(QPageSize(id)));
    int current = paperSize_->findText(layout.pageSize().name());
    if (current < 0) {
        paperSize_->addItem(layout.pageSize().name(), QVariant::fromValue(layout.pageSize()));
        current = paperSize_->count() - 1;
    }
    paperSize_->setCurrentIndex(current);

    portrait_ = new QRadioButton(localized("Portrait"), this);
    portrait_->setObjectName(QStringLiteral("portrait"));
    landscape_ = new QRadioButton(localized("Landscape"), this);
    landscape_->setObjectName(QStringLiteral("landscape"));
    (layout.orientation() == QPageLayout::Landscape ? landscape_ : portrait_)->setChecked(true);
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(portrait_);
    orientation->addWidget(landscape_);
    orientation->addStretch(1);

    const QMarginsF margins = millimetres.margins();
    top_ = marginField("topMargin", margins.top(), this);
    bottom_ = marginField("bottomMargin", margins.bottom(), this);
    left_ = marginField("leftMargin", margins.left(), this);
    right_ = marginField("rightMargin", margins.right(), this);

    auto* form = new QFormLayout;
    form->addRow(localized("Paper Size"), paperSize_);
    form->addRow(localized("Orientation"), orientation);
    form->addRow(localized("Top Margin"), top_);
    form->addRow(localized("Bottom Margin"), bottom_);
    form->addRow(localized("Left Margin"), left_);
    form->addRow(localized("Right Margin"), right_);
    for (auto [field, name] : {std::pair<QWidget*, const char*>{paperSize_, "Paper Size"}, {top_, "Top Margin"},
                               {bottom_, "Bottom Margin"}, {left_, "Left Margin"}, {right_, "Right Margin"}})
        field->setAccessibleName(localized(name));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(localized("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(localized("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addLayout(form);
    layoutBox->addWidget(buttons);
}

QPageLayout PageSetupDialog::pageLayout() const
{
    const QPageSize size = paperSize_->currentData().value<QPageSize>();
    return QPageLayout(size, landscape_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(left_->value(), top_->value(), right_->value(), bottom_->value()),
                       QPageLayout::Millimeter);
}

} // namespace spinora
