#include "RecordEditor.h"

#include "ActionEdge.h"
#include "Localization.h"
#include "PhotoSlots.h"
#include "Record.h"
#include "UndoHistory.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <set>

namespace spinora {

namespace {

// The records open in the sheets shown now.
std::set<const Record*>& recordsBeingEdited()
{
    static std::set<const Record*> records;
    return records;
}

} // namespace

EditorSheet::EditorSheet(SpinoraDatabase& document, QWidget* parent) : QDialog(parent), document_(document)
{
    setWindowModality(Qt::WindowModal);
    tabs_ = new QTabWidget(this);
    okButton_ = new QPushButton(localized("OK"), this);
    cancelButton_ = new QPushButton(localized("Cancel"), this);
    printButton_ = new QPushButton(localized("Print"), this);
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);
    cancelButton_->setAutoDefault(false);
    printButton_->setAutoDefault(false);
    okButton_->setObjectName(QStringLiteral("okButton"));
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    printButton_->setObjectName(QStringLiteral("printButton"));

    // OK saves once the photos still being prepared are stored.
    connect(okButton_, &QPushButton::clicked, this, [this] {
        if (!photos_ || photos_->waitForAddedPhotos(this))
            saveChangesAndHideView();
    });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { hideView(false); });
    connect(printButton_, &QPushButton::clicked, this, [this] { printInfo(); });
}

EditorSheet::~EditorSheet()
{
    if (unlist_)
        unlist_();
    releaseClaim();
}

// --- Building the sheet

void EditorSheet::usePhotos(int64_t linkedType, int slotCount, std::function<QString()> title)
{
    photos_ = std::make_unique<EditorPhotos>(document_, linkedType, slotCount, std::move(title));
}

void EditorSheet::addPhotoSlots(QFormLayout* form, QWidget* page)
{
    photos_->makeSlots(page);
    form->addRow(localized("Photos"), photos_->slotButtons());
}

QWidget* EditorSheet::addPage(const char* title)
{
    auto* page = new QWidget;
    tabs_->addTab(page, localized(title));
    return page;
}

std::vector<QPushButton*> EditorSheet::finishBuilding(QSize size,
                                                      std::initializer_list<std::pair<const char*, const char*>> extras)
{
    addSharedTabs();
    std::vector<QPushButton*> buttons;
    for (const auto& [text, name] : extras)
        buttons.push_back(sheetButton(localized(text), name, this));
    addButtonRow(buttons);
    linkRowLabels(this);
    resize(size);
    return buttons;
}

void EditorSheet::addSharedTabs()
{
    if (photos_) {
        QWidget* page = addPage(QT_TRID_NOOP("All Photos"));
        photos_->makeGrid(page);
        (new QVBoxLayout(page))->addWidget(photos_->grid(), 1);
    }
    QWidget* page = addPage(QT_TRID_NOOP("Notes"));
    notesView_ = new QPlainTextEdit(page);
    notesView_->setObjectName(QStringLiteral("notesView"));
    limitTextView(notesView_, localized("Notes"));
    nameControl(notesView_, localized("Notes"));
    (new QVBoxLayout(page))->addWidget(notesView_);
}

void EditorSheet::addButtonRow(const std::vector<QPushButton*>& extras)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(printButton_);
    for (QPushButton* extra : extras)
        row->addWidget(extra);
    row->addStretch(1);
    row->addWidget(cancelButton_);
    row->addWidget(okButton_);
    layout->addLayout(row);
}

void EditorSheet::nameControls(std::initializer_list<std::pair<QWidget*, const char*>> names)
{
    for (const auto& [control, name] : names)
        nameControl(control, localized(name));
}

// --- Opening

bool EditorSheet::showViewFromWindow()
{
    raise();
    activateWindow();
    return exec() == QDialog::Accepted;
}

bool EditorSheet::isBeingEdited(const Record* record)
{
    return recordsBeingEdited().count(record) > 0;
}

bool EditorSheet::claim(Record* record, const QString& name)
{
    if (record == claimed_)
        return true;
    releaseClaim();
    if (isBeingEdited(record)) {
        QMessageBox alert(QMessageBox::Warning, localized("WARNING"), localized("WARNING"), QMessageBox::Ok,
                          parentWidget());
        alert.setObjectName(QStringLiteral("alreadyOpenAlert"));
        alert.setInformativeText(
            localized("“%1” is already open in another window. Finish editing it there first.").arg(name));
        alert.setWindowModality(Qt::WindowModal);
        alert.exec();
        return false;
    }
    recordsBeingEdited().insert(record);
    claimed_ = record;
    return true;
}

bool EditorSheet::loadRecord(Record* record)
{
    return ActionEdge::run(parentWidget(), windowTitle(), [record] { return record->hydrate(); });
}

void EditorSheet::showOpened(const QString& notes)
{
    setLimitedText(notesView_, notes);
    setAddMode(false);
    tabs_->setCurrentIndex(0);
    infoScreenVisible_ = true;
}

void EditorSheet::setAddMode(bool addMode)
{
    addMode_ = addMode;
    setWindowTitle(sheetTitle(addMode));
    okButton_->setText((addMode ? localized("Save") : localized("OK")));
    // Also a stored record without a name (from an import) needs one first.
    okButton_->setEnabled(hasName());
    printButton_->setVisible(!addMode);
}

void EditorSheet::comeToFront()
{
    raise();
    activateWindow();
}

// --- Saving and closing

void EditorSheet::saveChangesAndHideView()
{
    if (!hasName() || !fieldsCanBeStored())
        return;
    const QString title = undoTitle(addMode_);
    const PhotoRowsRecording* photosStored = photos_ ? photos_->storedSinceOpening() : nullptr;
    const bool saved = ActionEdge::run(this, title, [&] {
        return UndoHistory::run(document_, title, [this] { return saveRecord(); }, photosStored);
    });
    if (!saved)
        return;
    didSave();
    hideView(true);
}

void EditorSheet::hideView(bool ok)
{
    Record* open = record();
    if (!open || !infoScreenVisible_)
        return;
    closing(ok);
    if (unlist_)
        std::exchange(unlist_, nullptr)();
    // After OK everything is written: releasing writes nothing. A new
    // record is the sheet's own.
    if (!addMode_)
        open->unload();
    infoScreenVisible_ = false;
    if (photos_)
        photos_->finish(ok, !addMode_);
    finishSheet(ok);
}

void EditorSheet::releaseClaim()
{
    if (claimed_)
        recordsBeingEdited().erase(claimed_);
    claimed_ = nullptr;
}

void EditorSheet::finishSheet(bool saved)
{
    releaseClaim();
    infoScreenVisible_ = false;
    tabs_->setCurrentIndex(0);
    done(saved ? QDialog::Accepted : QDialog::Rejected);
}

void EditorSheet::reject()
{
    if (infoScreenVisible_)
        hideView(false);
    else
        QDialog::reject();
}

} // namespace spinora
