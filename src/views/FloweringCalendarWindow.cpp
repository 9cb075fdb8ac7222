#include "FloweringCalendarWindow.h"

#include "Cactus.h"
#include "CactusInfoViewController.h"
#include "FloweringCalendar.h"
#include "Localization.h"
#include "SPTableCell.h"
#include "SpinoraDatabase.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace spinora {

FloweringCalendarWindow::FloweringCalendarWindow(SpinoraDatabase& document, const Cactus* focus, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FloweringCalendar"));
    setWindowTitle(localized("Flowering Calendar"));
    setWindowModality(Qt::WindowModal);
    const int nextMonth = toDateTime(now()).date().addMonths(1).month();
    const FloweringCalendar calendar = FloweringCalendar::compute(document.logs(), nextMonth);
    const QLocale locale;

    auto* explanation = new QLabel(
        calendar.rows.empty()
            ? localized("No log has the event \"Flowered\" yet.")
            : localized("How often each plant flowered in each month, over all years; the plants likely to flower "
                        "in %1 first.")
                  .arg(locale.standaloneMonthName(nextMonth)),
        this);
    explanation->setWordWrap(true);

    table_ = new QTableWidget(int(calendar.rows.size()), 12, this);
    table_->setObjectName(QStringLiteral("floweringTable"));
    table_->setAccessibleName(localized("Flowering Calendar"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A selection would hide the tint: the plant asked for is shown in bold.
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int month = 1; month <= 12; ++month) {
        auto* header = new QTableWidgetItem(locale.standaloneMonthName(month, QLocale::ShortFormat));
        QFont font = table_->font();
        font.setBold(month == nextMonth);
        header->setFont(font);
        table_->setHorizontalHeaderItem(month - 1, header);
    }
    int most = 1;
    for (const FloweringCalendar::Row& row : calendar.rows)
        most = std::max(most, *std::max_element(row.flowerings.begin(), row.flowerings.end()));
    const QColor base = palette().color(QPalette::Base);
    // A flower's pink, mixed into the palette's own background.
    const QColor tint = QColor::fromRgb(0xd0, 0x3f, 0x86);
    for (int r = 0; r < int(calendar.rows.size()); ++r) {
        const FloweringCalendar::Row& row = calendar.rows[size_t(r)];
        auto* name = new QTableWidgetItem(row.plant->name());
        name->setToolTip(row.plant->scientificName());
        table_->setVerticalHeaderItem(r, name);
        for (int month = 0; month < 12; ++month) {
            const int times = row.flowerings[size_t(month)];
            auto* cell = new QTableWidgetItem(times > 0 ? locale.toString(times) : QString());
            cell->setTextAlignment(Qt::AlignCenter);
            if (times > 0) {
                // Once is a light tint, the most flowerings of any cell the full colour.
                const QColor fill = SPTableCell::mixed(tint, base, 0.35 + 0.65 * times / most);
                cell->setBackground(fill);
                cell->setForeground(fill.lightnessF() < 0.5 ? QColor(Qt::white) : QColor(Qt::black));
            }
            table_->setItem(r, month, cell);
        }
        if (row.plant == focus) {
            QFont bold = table_->font();
            bold.setBold(true);
            name->setFont(bold);
            table_->scrollToItem(table_->item(r, 0));
        }
    }

    auto* close = new QPushButton(localized("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(table_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(760, 480);
}

void presentFloweringCalendar(CactusInfoViewController& editor)
{
    FloweringCalendarWindow(editor.document(), editor.cactus(), &editor).exec();
}

} // namespace spinora
