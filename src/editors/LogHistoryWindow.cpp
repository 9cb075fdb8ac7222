#include "LogHistoryWindow.h"

#include "RecordEditors.h"

#include "Cactus.h"
#include "Localization.h"
#include "Log.h"
#include "SpinoraDatabase.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace spinora {

LogHistoryWindow::LogHistoryWindow(SpinoraDatabase& document, Cactus* cactus, QWidget* parent)
    : QDialog(parent), document_(document), cactus_(cactus)
{
    setObjectName(QStringLiteral("LogHistoryWindow"));
    setWindowTitle(localized("Log History"));
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("logHistoryList"));
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { openRow(list_->row(item)); });
    layout->addWidget(list_, 1);
    auto* add = new QPushButton(QStringLiteral("+"), this);
    add->setObjectName(QStringLiteral("addButton"));
    auto* remove = new QPushButton(QStringLiteral("−"), this);
    remove->setObjectName(QStringLiteral("deleteButton"));
    auto* close = new QPushButton(localized("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    for (QPushButton* button : {add, remove, close})
        button->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &LogHistoryWindow::handleAddButton);
    connect(remove, &QPushButton::clicked, this, &LogHistoryWindow::handleDeleteButton);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(add);
    row->addWidget(remove);
    row->addStretch(1);
    row->addWidget(close);
    layout->addLayout(row);
    resize(420, 360);
    refreshData();
}

void LogHistoryWindow::refreshData()
{
    list_->clear();
    if (!cactus_)
        return;
    const QLocale locale;
    for (Log* log : cactus_->logs()) {
        const QDateTime date = toDateTime(log->logDate());
        const QString when = date.isValid() ? locale.toString(date.date(), QLocale::ShortFormat) : QString();
        QString text = QStringLiteral("%1  %2").arg(when, log->eventName());
        if (!log->noteSummary().isEmpty())
            text += QStringLiteral("\n") + log->noteSummary();
        new QListWidgetItem(text, list_);
    }
}

void LogHistoryWindow::openRow(int row)
{
    if (row < 0 || size_t(row) >= cactus_->logs().size())
        return;
    editLog(this, document_, cactus_->logs()[size_t(row)], cactus_);
    refreshData();
}

void LogHistoryWindow::handleAddButton()
{
    editLog(this, document_, nullptr, cactus_);
    refreshData();
}

void LogHistoryWindow::handleDeleteButton()
{
    const int row = list_->currentRow();
    if (row < 0 || size_t(row) >= cactus_->logs().size())
        return;
    document_.removeLog(cactus_->logs()[size_t(row)]);
    document_.refreshData();
    refreshData();
}

} // namespace spinora
