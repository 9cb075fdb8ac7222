#include "PhotoViewController.h"

#include "Artwork.h"

#include "Image.h"
#include "ActionEdge.h"
#include "Localization.h"
#include "PhotoOriginals.h"
#include "PrintCommand.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace spinora {

namespace {

constexpr double kShowingAlpha = 0.5;
constexpr double kEditingAlpha = 1.0;
constexpr int kCaptionPointSize = 18;
constexpr int kCaptionMargin = 16;

QColor whiteAt(double alpha)
{
    QColor white(Qt::white);
    white.setAlphaF(float(alpha));
    return white;
}

} // namespace

// --- SPImageView

SPImageView::SPImageView(QWidget* parent)
    : QLabel(parent)
{
    setMinimumSize(120, 90);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SPImageView::setPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

QSize SPImageView::sizeHint() const
{
    return picture_.isNull() ? QSize(480, 360) : picture_.size();
}

void SPImageView::mousePressEvent(QMouseEvent* event)
{
    lastClickPoint_ = mapTo(window(), event->position().toPoint());
    emit clicked(this);
    event->accept();
}

// The photo fills the view keeping its proportions, on a dark ground.
void SPImageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x20, 0x20, 0x20));
    if (picture_.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize fitted = picture_.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    painter.drawImage(target, picture_);
}

// --- RoundedRectView

RoundedRectView::RoundedRectView(QWidget* parent)
    : QWidget(parent), backgroundColor_(whiteAt(kShowingAlpha))
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void RoundedRectView::setBackgroundColor(const QColor& color)
{
    backgroundColor_ = color;
    update();
}

void RoundedRectView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(rect()), 10, 10);
    painter.setClipPath(rounded);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(rect(), backgroundColor_);
}

// --- PhotoViewController

PhotoViewController::PhotoViewController(SpinoraDatabase* database, QWidget* parent)
    : QDialog(parent), database_(database)
{
    setObjectName(QStringLiteral("PhotoView"));
    setSizeGripEnabled(true);
    toolbar_ = new QToolBar(this);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setMovable(false);
    artwork::nameOverflowButton(toolbar_);
    auto item = [this](QStyle::StandardPixmap icon, const char* label, const char* toolTip, const char* name) {
        auto* action = new QAction(style()->standardIcon(icon), localized(label), this);
        action->setToolTip(localized(toolTip));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    QAction* previous = item(QStyle::SP_ArrowBack, QT_TRID_NOOP("Previous Photo"),
                             QT_TRID_NOOP("Display the previous photo"), "previousAction");
    previous->setShortcut(Qt::Key_Left);
    QAction* caption = item(QStyle::SP_FileDialogDetailedView, QT_TRID_NOOP("Edit Caption"),
                            QT_TRID_NOOP("Edit the photo caption"), "captionAction");
    QAction* next = item(QStyle::SP_ArrowForward, QT_TRID_NOOP("Next Photo"),
                         QT_TRID_NOOP("Display the next photo"), "nextAction");
    next->setShortcut(Qt::Key_Right);
    artwork::addToolbarSpace(toolbar_, true);
    toolbar_->addAction(previous);
    artwork::addToolbarSpace(toolbar_, false);
    toolbar_->addAction(caption);
    artwork::addToolbarSpace(toolbar_, false);
    toolbar_->addAction(next);
    artwork::addToolbarSpace(toolbar_, true);
    QAction* print = artwork::toolbarItem(this, "printAction", QT_TRID_NOOP("Print Photo…"),
                                          QT_TRID_NOOP("Print the photo on a page"), "print_button");
    print->setShortcut(QKeySequence::Print);
    toolbar_->addAction(print);
    connect(print, &QAction::triggered, this, &PhotoViewController::handlePrintButton);
    connect(previous, &QAction::triggered, this, &PhotoViewController::handlePreviousButton);
    connect(caption, &QAction::triggered, this, &PhotoViewController::handleCaptionButton);
    connect(next, &QAction::triggered, this, &PhotoViewController::handleNextButton);

    imageView_ = new SPImageView(this);
    imageView_->setObjectName(QStringLiteral("imageView"));
    connect(imageView_, &SPImageView::clicked, this, &PhotoViewController::handleImageClick);

    // The caption floats over the bottom of the photo.
    captionBackgroundView_ = new RoundedRectView(imageView_);
    captionView_ = new QTextEdit(captionBackgroundView_);
    captionView_->setAccessibleName(localized("Caption"));
    captionView_->setObjectName(QStringLiteral("captionView"));
    captionView_->setFrameShape(QFrame::NoFrame);
    captionView_->setAcceptRichText(false);
    captionView_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    captionView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    captionView_->viewport()->setAutoFillBackground(false);
    captionView_->setStyleSheet(QStringLiteral("QTextEdit { background: transparent; color: black; }"));
    QFont font = captionView_->font();
    font.setPointSize(kCaptionPointSize);
    captionView_->setFont(font);
    captionView_->setPlaceholderText(localized("Caption"));
    connect(captionView_, &QTextEdit::textChanged, this, &PhotoViewController::placeCaption);

    takenLabel_ = new QLabel(this);
    takenLabel_->setObjectName(QStringLiteral("takenLabel"));
    takenLabel_->setAlignment(Qt::AlignCenter);
    takenLabel_->setContentsMargins(0, 4, 0, 4);
    takenLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar_);
    layout->addWidget(imageView_, 1);
    layout->addWidget(takenLabel_);
}

PhotoViewController::~PhotoViewController() = default;

bool PhotoViewController::captionVisible() const
{
    return !captionBackgroundView_->isHidden();
}

bool PhotoViewController::captionEditable() const
{
    return !captionView_->isReadOnly();
}

QString PhotoViewController::dateTakenText() const
{
    return takenLabel_->isHidden() ? QString() : takenLabel_->text();
}

QString PhotoViewController::captionText() const
{
    return captionView_->toPlainText();
}

void PhotoViewController::presentPhoto(const QString& title, Image* image)
{
    showPhoto(title, image);
    exec();
}

void PhotoViewController::showPhoto(const QString& title, Image* image)
{
    closed_ = false;
    setWindowTitle(title);
    showImage(image);
    // The window takes the photo's size, within the screen.
    const QSize pixels = !imageView_->picture().isNull() ? imageView_->picture().size() : QSize(640, 480);
    QSize available(1280, 900);
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        available = screen->availableGeometry().size() * 0.9;
    // The toolbar above and the date taken below are not the photo's.
    const int chrome = toolbar_->sizeHint().height() + (takenLabel_->isHidden() ? 0 : takenLabel_->sizeHint().height());
    const QSize content = pixels.boundedTo(available - QSize(0, chrome)).expandedTo(QSize(1, 1));
    const QSize fitted = pixels.scaled(content, Qt::KeepAspectRatio);
    resize(fitted.width(), fitted.height() + chrome);
    show();
    placeCaption();
}

void PhotoViewController::showImage(Image* image)
{
    image_ = image;
    if (!image_)
        return;
    cacheImage(image_);
    // The original at up to the screen's pixels, else the photo.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize screenPixels = screen ? screen->size() * screen->devicePixelRatio() : QSize(1920, 1080);
    QByteArray original;
    const QImage picture = QFile::exists(image_->originalFile())
                               ? image_->pictureUpTo(std::max(screenPixels.width(), screenPixels.height()), &original)
                               : QImage();
    imageView_->setPicture(picture.isNull() ? image_->photo() : picture);
    const std::optional<PhotoOriginals::DateTaken> taken = PhotoOriginals::dateTaken(original);
    takenLabel_->setText(taken ? PhotoOriginals::describe(*taken) : QString());
    takenLabel_->setVisible(bool(taken));
    captionView_->setReadOnly(true);
    captionView_->setAlignment(Qt::AlignCenter);
    const QString caption = image_->caption();
    captionBackgroundView_->setBackgroundColor(whiteAt(kShowingAlpha));
    if (!caption.isEmpty()) {
        captionView_->setPlainText(caption);
        setCaptionShown(true);
    } else {
        captionView_->clear();
        setCaptionShown(false);
    }
    // Centred as a whole, also the lines of text set above.
    QTextCursor all(captionView_->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignCenter);
    all.mergeBlockFormat(centred);
    placeCaption();
}

// Loads the photo and keeps it among the last 20 loaded, releasing the
// oldest so that browsing a long list does not hold every photo.
void PhotoViewController::cacheImage(Image* image)
{
    image->hydrateForDisplay();
    if (std::find(imagesPendingDehydration_.begin(), imagesPendingDehydration_.end(), image)
        == imagesPendingDehydration_.end())
        imagesPendingDehydration_.push_back(image);
    if (imagesPendingDehydration_.size() > size_t(kMaxLoadedPhotos)) {
        Image* oldest = imagesPendingDehydration_.front();
        imagesPendingDehydration_.pop_front();
        // A caption it could not write stays in memory for the next save.
        if (Result<> released = oldest->dehydrate(); !released)
            logFailure(released.failure());
    }
}

void PhotoViewController::storeCaption()
{
    if (!image_)
        return;
    // A caption that cannot be written stays in memory, marked for the
    // collection's next save; the user is told.
    ActionEdge::run(this, localized("Caption"), [&] {
        image_->setCaption(captionView_->toPlainText());
        return image_->save();
    });
}

void PhotoViewController::setCaptionShown(bool shown)
{
    captionBackgroundView_->setVisible(shown);
    captionView_->setVisible(shown);
}

void PhotoViewController::setEditing(bool editing)
{
    captionView_->setReadOnly(!editing);
    captionBackgroundView_->setBackgroundColor(whiteAt(editing ? kEditingAlpha : kShowingAlpha));
    if (editing) {
        captionView_->setFocus();
        captionView_->moveCursor(QTextCursor::End);
    }
}

void PhotoViewController::placeCaption()
{
    const QRect area = imageView_->rect();
    const int width = std::max(80, area.width() - 2 * kCaptionMargin);
    // As high as the caption's text (one line at least, a third of the
    // photo at most; longer captions scroll).
    captionView_->document()->setTextWidth(width - 16 - captionView_->document()->documentMargin());
    const int lineHeight = QFontMetrics(captionView_->font()).lineSpacing();
    const int textHeight = std::max(lineHeight, int(captionView_->document()->size().height()));
    const int height = std::max(lineHeight + 8, std::min(area.height() / 3, textHeight + 8));
    captionBackgroundView_->setGeometry(kCaptionMargin, area.height() - height - kCaptionMargin, width, height);
    captionView_->setGeometry(captionBackgroundView_->rect().adjusted(8, 4, -8, -4));
}

void PhotoViewController::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeCaption();
}

void PhotoViewController::step(bool forward)
{
    storeCaption();
    if (!delegate_ || !image_)
        return;
    Image* other = forward ? delegate_->nextPhoto(image_) : delegate_->previousPhoto(image_);
    if (other && other != image_)
        showImage(other);
}

void PhotoViewController::handlePreviousButton()
{
    step(false);
}

void PhotoViewController::handleNextButton()
{
    step(true);
}

void PhotoViewController::handleCaptionButton()
{
    if (!captionVisible()) {
        setCaptionShown(true);
        setEditing(true);
        return;
    }
    setEditing(!captionEditable());
}

void PhotoViewController::handleImageClick()
{
    if (!captionVisible() && captionView_->toPlainText().isEmpty())
        return;
    // A click while editing only ends the editing.
    if (captionBackgroundView_->backgroundColor().alphaF() < 0.75)
        setCaptionShown(!captionVisible());
    setEditing(false);
}

void PhotoViewController::handlePrintButton()
{
    if (!image_ || !database_)
        return;
    // Printers have more pixels than screens: the original at page size.
    constexpr int kPrintPixels = 4096;
    QImage picture = QFile::exists(image_->originalFile()) ? image_->pictureUpTo(kPrintPixels) : QImage();
    printPhotoWithDialog(this, *database_, picture.isNull() ? image_->photo() : picture, captionView_->toPlainText());
}

void PhotoViewController::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
}

void PhotoViewController::done(int result)
{
    if (!closed_) {
        closed_ = true;
        imagesPendingDehydration_.clear();
        storeCaption();
        if (delegate_)
            delegate_->updateCaptions();
    }
    QDialog::done(result);
}

} // namespace spinora
