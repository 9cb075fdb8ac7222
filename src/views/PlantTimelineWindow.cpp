#include "PlantTimelineWindow.h"

#include "Cactus.h"
#include "CactusInfoViewController.h"
#include "Image.h"
#include "Localization.h"
#include "Log.h"
#include "SpinoraDatabase.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPixmap>
#include <QResizeEvent>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

namespace spinora {

namespace {

constexpr int kTileSize = 160;

// A photo as large as its place allows, in its own proportions, drawn again
// when the window or the splitter changes its place.
class FittedPicture : public QLabel {
public:
    explicit FittedPicture(QWidget* parent) : QLabel(parent)
    {
        setAlignment(Qt::AlignCenter);
        setMinimumSize(kTileSize, kTileSize);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    }
    void setPicture(const QImage& picture)
    {
        picture_ = picture;
        fit();
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        fit();
    }

private:
    void fit()
    {
        setPixmap(picture_.isNull() ? QPixmap()
                                    : QPixmap::fromImage(picture_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    QImage picture_;
};

Image* imageWithKey(SpinoraDatabase& document, int64_t key)
{
    for (const auto& image : document.images()) {
        if (image->primaryKey() == key)
            return image.get();
    }
    return nullptr;
}

QString caption(const PlantTimelineWindow::Entry& entry)
{
    const QString date = entry.when ? QLocale().toString(toDateTime(entry.when).date(), QLocale::ShortFormat)
                                    : localized("No date");
    return entry.what.isEmpty() ? date : localized("%1, %2").arg(date, entry.what);
}

// A picture scaled into a square of `size`, on the tile's background.
QPixmap tile(const QImage& picture, int size)
{
    return picture.isNull() ? QPixmap()
                            : QPixmap::fromImage(picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace

std::vector<PlantTimelineWindow::Entry> PlantTimelineWindow::entriesOf(const Cactus& plant)
{
    std::vector<Entry> entries;
    // A photo of the plant carries no date of its own: the day its file was
    // made (when it was added) is the closest there is.
    for (const Image* photo : plant.images()) {
        const QFileInfo file(photo->photoFile());
        entries.push_back({photo->primaryKey(), file.exists() ? fromDateTime(file.lastModified()) : Timestamp(), {}});
    }
    for (const Log* log : plant.logs()) {
        for (const Image* photo : log->images())
            entries.push_back({photo->primaryKey(), log->logDate(), log->eventName()});
    }
    // Undated photos first, then by date; photos of one day in the order taken.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.when.value_or(-1e300) < b.when.value_or(-1e300);
    });
    return entries;
}

PlantTimelineWindow::PlantTimelineWindow(SpinoraDatabase& document, const Cactus& plant, QWidget* parent)
    : QDialog(parent), document_(document)
{
    setObjectName(QStringLiteral("PlantTimeline"));
    setWindowTitle(localized("Photo Timeline of %1").arg(plant.name()));
    setWindowModality(Qt::WindowModal);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("timelinePhotos"));
    list_->setAccessibleName(localized("Photos, oldest first"));
    list_->setViewMode(QListView::IconMode);
    list_->setFlow(QListView::LeftToRight);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setMovement(QListView::Static);
    list_->setIconSize(QSize(kTileSize, kTileSize));
    list_->setGridSize(QSize(kTileSize + 24, kTileSize + 44));
    list_->setWordWrap(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const Entry& entry : entriesOf(plant)) {
        Image* image = imageWithKey(document_, entry.imageKey);
        if (!image)
            continue;
        image->hydrateThumbnailForDisplay();
        auto* item = new QListWidgetItem(QIcon(tile(image->thumbnail(), kTileSize)), caption(entry), list_);
        item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(entry.imageKey));
    }

    hint_ = new QLabel(list_->count() == 0 ? localized("This plant has no photos yet, neither its own nor in its logs.")
                                           : localized("Choose two photos (Ctrl+click) to see them side by side."),
                       this);
    hint_->setWordWrap(true);

    auto* comparison = new QWidget(this);
    auto* sides = new QGridLayout(comparison);
    left_ = new FittedPicture(comparison);
    right_ = new FittedPicture(comparison);
    leftCaption_ = new QLabel(comparison);
    rightCaption_ = new QLabel(comparison);
    for (QLabel* text : {leftCaption_, rightCaption_})
        text->setAlignment(Qt::AlignHCenter);
    left_->setAccessibleName(localized("Earlier photo"));
    right_->setAccessibleName(localized("Later photo"));
    sides->setRowStretch(0, 1);
    sides->setColumnStretch(0, 1);
    sides->setColumnStretch(1, 1);
    sides->addWidget(left_, 0, 0);
    sides->addWidget(right_, 0, 1);
    sides->addWidget(leftCaption_, 1, 0);
    sides->addWidget(rightCaption_, 1, 1);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(list_);
    splitter->addWidget(comparison);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 2);
    // Two rows of photos above, the comparison taking the rest.
    splitter->setSizes({2 * (kTileSize + 44) + 8, 460});

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemSelectionChanged, this, &PlantTimelineWindow::compareChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint_);
    layout->addWidget(splitter, 1);
    layout->addWidget(buttons);
    resize(920, 760);
}

void PlantTimelineWindow::compareChosen()
{
    QList<QListWidgetItem*> chosen = list_->selectedItems();
    // Shown in time order, whichever was chosen first.
    std::sort(chosen.begin(), chosen.end(), [this](QListWidgetItem* a, QListWidgetItem* b) { return list_->row(a) < list_->row(b); });
    const bool two = chosen.size() == 2;
    for (int side = 0; side < 2; ++side) {
        QLabel* picture = side == 0 ? left_ : right_;
        QLabel* text = side == 0 ? leftCaption_ : rightCaption_;
        Image* image = two ? imageWithKey(document_, chosen[side]->data(Qt::UserRole).toLongLong()) : nullptr;
        if (Result<> read = image ? image->hydrate() : Result<>(); !read) {
            logFailure(read.failure()); // the picture stays empty; the list says which it was
            image = nullptr;
        }
        static_cast<FittedPicture*>(picture)->setPicture(image ? image->photo() : QImage());
        text->setText(image ? chosen[side]->text() : QString());
    }
}

void presentPlantTimeline(CactusInfoViewController& editor)
{
    if (const Cactus* plant = editor.cactus())
        PlantTimelineWindow(editor.document(), *plant, &editor).exec();
}

} // namespace spinora
