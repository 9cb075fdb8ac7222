#include "StatisticsViewController.h"

#include "CollectionCharts.h"
#include "Localization.h"
#include "SpinoraDatabase.h"
#include "Statistics.h"
#include "StatisticsCharts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace spinora {

namespace {

const char* const kCaptions[] = {QT_TRID_NOOP("Cacti"),          QT_TRID_NOOP("Watering Schedules"),
                                 QT_TRID_NOOP("Log Entries"),    QT_TRID_NOOP("Photos"),
                                 QT_TRID_NOOP("Unique Species"), QT_TRID_NOOP("Watering Due"),
                                 QT_TRID_NOOP("Reminders Due"),  QT_TRID_NOOP("Total Value")};

} // namespace

StatisticsViewController::StatisticsViewController(SpinoraDatabase& document, QWidget* parent)
    : QDialog(parent), document_(document)
{
    setObjectName(QStringLiteral("Statistics"));
    setWindowTitle(localized("Statistics"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(8);
    QFont amountFont = font();
    amountFont.setBold(true);
    for (int i = 0; i < kFigures; ++i) {
        captions_[i] = new QLabel(localized("%1:").arg(localized(kCaptions[i])), this);
        amounts_[i] = new QLabel(this);
        amounts_[i]->setObjectName(QString::fromLatin1(kCaptions[i]));
        amounts_[i]->setFont(amountFont);
        amounts_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        amounts_[i]->setMinimumWidth(90);
        form->addRow(captions_[i], amounts_[i]);
    }
    auto* figuresAndCharts = new QHBoxLayout;
    figuresAndCharts->setSpacing(24);
    figuresAndCharts->addLayout(form);
    charts_ = new StatisticsCharts(this);
    figuresAndCharts->addWidget(charts_, 1);
    layout->addLayout(figuresAndCharts);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void StatisticsViewController::refreshData()
{
    const CollectionStatistics figures = CollectionStatistics::compute(document_);
    const long counts[] = {figures.cacti,   figures.watering,    figures.logs,         figures.photos,
                           figures.species, figures.wateringDue, figures.remindersDue};
    for (int i = 0; i < kFigures - 1; ++i)
        amounts_[i]->setText(QString::number(counts[i]));
    amounts_[kFigures - 1]->setText(formats_.money(figures.totalValue));
    charts_->showCharts(CollectionCharts::compute(document_.cacti(), now()));
}

void StatisticsViewController::presentStatistics()
{
    refreshData();
    exec();
}

QString StatisticsViewController::amountText(const QString& caption) const
{
    for (int i = 0; i < kFigures; ++i) {
        if (caption == QLatin1String(kCaptions[i]))
            return amounts_[i]->text();
    }
    return QString();
}

} // namespace spinora
