#include "BackupsWindow.h"

#include "Localization.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace spinora {

QString backupReasonText(const Backup& backup)
{
    QString reason;
    if (backup.reason == QLatin1String("daily"))
        reason = localized("Daily");
    else if (backup.reason == QLatin1String("import"))
        reason = localized("Before an import");
    else if (backup.reason == QLatin1String("restore"))
        reason = localized("Before a restore");
    else
        reason = localized("Kept by hand");
    return backup.damaged ? localized("%1, damaged").arg(reason) : reason;
}

BackupsWindow::BackupsWindow(const QString& packagePath, Actions actions, QWidget* parent)
    : QDialog(parent), packagePath_(packagePath), actions_(std::move(actions))
{
    setObjectName(QStringLiteral("backupsWindow"));
    setWindowTitle(localized("Restore “%1” From Backup").arg(QFileInfo(packagePath).completeBaseName()));

    auto* intro = new QLabel(localized("Snapshots are kept every day, before each import and before each restore. "
                                       "Open one to look at it or to import records from it, or restore the whole "
                                       "collection as it was."));
    intro->setWordWrap(true);

    list_ = new QTreeWidget;
    list_->setObjectName(QStringLiteral("backupList"));
    list_->setRootIsDecorated(false);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels(
        localizedList({QT_TRID_NOOP("Taken"), QT_TRID_NOOP("Why"), QT_TRID_NOOP("Plants"), QT_TRID_NOOP("Logs"),
                       QT_TRID_NOOP("Photos"), QT_TRID_NOOP("Size")}));
    list_->setAccessibleName(localized("Snapshots"));
    for (int column = 2; column < 6; ++column)
        list_->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    intro->setBuddy(list_);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &BackupsWindow::updateButtons);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    open_ = buttons->addButton(localized("&Open Backup"), QDialogButtonBox::ActionRole);
    open_->setObjectName(QStringLiteral("openBackup"));
    restore_ = buttons->addButton(localized("&Restore…"), QDialogButtonBox::ActionRole);
    restore_->setObjectName(QStringLiteral("restoreBackup"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(open_, &QPushButton::clicked, this, [this] {
        if (const Backup* backup = selected())
            actions_.open(*backup);
    });
    connect(restore_, &QPushButton::clicked, this, [this] {
        // Copied: the list is read again once it is restored.
        if (const Backup* backup = selected(); backup && actions_.restore(Backup(*backup)))
            reload();
    });
    connect(list_, &QTreeWidget::itemActivated, open_, &QPushButton::click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(640, 360);
    reload();
}

void BackupsWindow::reload()
{
    backups_ = BackupSet(packagePath_).list();
    list_->clear();
    const QLocale locale;
    for (const Backup& backup : backups_) {
        auto* row = new QTreeWidgetItem(list_, QStringList{locale.toString(backup.taken, QLocale::ShortFormat),
                                                           backupReasonText(backup), locale.toString(backup.plants),
                                                           locale.toString(backup.logs), locale.toString(backup.photos),
                                                           locale.formattedDataSize(backup.bytes)});
        row->setData(0, Qt::UserRole, backup.folder);
        for (int column = 2; column < 6; ++column)
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int column = 0; column < list_->columnCount(); ++column)
        list_->resizeColumnToContents(column);
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    updateButtons();
}

const Backup* BackupsWindow::selected() const
{
    const QTreeWidgetItem* row = list_->currentItem();
    if (!row)
        return nullptr;
    const QString folder = row->data(0, Qt::UserRole).toString();
    const auto found = std::find_if(backups_.begin(), backups_.end(), [&](const Backup& b) { return b.folder == folder; });
    return found == backups_.end() ? nullptr : &*found;
}

void BackupsWindow::updateButtons()
{
    // A damaged snapshot may still hold what the user wants back: the list
    // says it is damaged, and the choice is theirs.
    const bool chosen = selected() != nullptr;
    open_->setEnabled(chosen);
    restore_->setEnabled(chosen);
}

} // namespace spinora
