#include "LogHistoryWindow.h"

#include "Artwork.h"
#include "LogViewController.h"
#include "ThumbnailCache.h"

#include "CactusInfoViewController.h"

#include "Localization.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace spinora {

LogHistoryWindow::LogHistoryWindow(SpinoraDatabase& document, Cactus* cactus, QWidget* parent)
    : QDialog(parent), thumbnails_(std::make_unique<ThumbnailCache>())
{
    setObjectName(QStringLiteral("LogHistoryWindow"));
    setWindowTitle(localized("Log History"));
    setWindowModality(Qt::WindowModal);

    list_ = new LogViewController(document, *thumbnails_, this, true);
    list_->setAccessibleName(localized("Log History"));
    list_->tableView()->setAccessibleName(localized("Log History"));

    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("History"));
    toolbar_->setAccessibleName(localized("History"));
    toolbar_->setMovable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setIconSize(QSize(32, 32));
    artwork::nameOverflowButton(toolbar_);
    QAction* remove = artwork::toolbarItem(this, "DeleteItem", QT_TRID_NOOP("Delete Item"),
                                           QT_TRID_NOOP("Remove an item from the list"), "delete_button");
    QAction* add = artwork::toolbarItem(this, "AddItem", QT_TRID_NOOP("Add Item"),
                                        QT_TRID_NOOP("Add an item to the list"), "add_button");
    connect(remove, &QAction::triggered, list_, &LogViewController::handleDeleteButton);
    connect(add, &QAction::triggered, list_, &LogViewController::handleAddButton);
    artwork::addToolbarSpace(toolbar_, true);
    toolbar_->addAction(remove);
    artwork::addToolbarSpace(toolbar_, false);
    toolbar_->addAction(add);
    artwork::addToolbarSpace(toolbar_, false);

    auto* close = new QPushButton(localized("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(toolbar_);
    layout->addWidget(list_, 1);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(8, 0, 8, 0);
    row->addStretch(1);
    row->addWidget(close);
    layout->addLayout(row);
    resize(560, 480);

    list_->setCactusForHistory(cactus);
}

LogHistoryWindow::~LogHistoryWindow()
{
    // The list goes before the cache it draws from.
    delete list_;
}

void presentLogHistory(CactusInfoViewController& editor)
{
    LogHistoryWindow history(editor.document(), editor.cactus(), &editor);
    QObject::connect(history.list(), &LogViewController::printRequested, &editor, &CactusInfoViewController::printInfo);
    history.exec();
}

} // namespace spinora
