#pragma once

#include <QDialog>
#include <QLabel>
#include <QPointF>
#include <QWidget>

#include <deque>

class QTextEdit;
class QToolBar;
class QAction;

namespace spinora {

class Image;
class SpinoraDatabase;

// Answers the viewer's questions. Every operation has a default that does
// nothing, so a delegate overrides only what it needs.
class PhotoViewControllerDelegate {
public:
    virtual ~PhotoViewControllerDelegate() = default;
    // The photo to show before / after `current` (the same one to stay).
    virtual Image* previousPhoto(Image* current) { return current; }
    virtual Image* nextPhoto(Image* current) { return current; }
    // Move the photo to slot n of the editor.
    virtual void storePhoto(Image* image, int slot) { (void)image; (void)slot; }
    // A caption changed: redraw the tool tips.
    virtual void updateCaptions() {}
};

// The photo, scaled to the view; a click is reported with its position.
class SPImageView : public QLabel {
    Q_OBJECT
public:
    explicit SPImageView(QWidget* parent = nullptr);
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    // Where the last click fell, in window coordinates.
    QPointF lastClickPoint() const { return lastClickPoint_; }
    QSize sizeHint() const override;

signals:
    void clicked(SPImageView* sender);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QPointF lastClickPoint_;
};

// A rounded, translucent panel behind the caption.
class RoundedRectView : public QWidget {
    Q_OBJECT
public:
    explicit RoundedRectView(QWidget* parent = nullptr);
    QColor backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor backgroundColor_;
};

// Shows one photo at full size with its caption, in its own window, with the
// toolbar "Previous Photo", "Edit Caption", "Next Photo" and "Print Photo".
// A photo whose original the collection keeps is shown from it, with the date
// it was taken. Keeps at most 20 photos loaded and
// releases the oldest first. Each opening makes a new viewer:
//     PhotoViewController viewer(&document, editorWindow);
//     viewer.setDelegate(grid);
//     viewer.presentPhoto(title, photo); // modal; captions saved on close
class PhotoViewController : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxLoadedPhotos = 20;

    explicit PhotoViewController(SpinoraDatabase* database, QWidget* parent = nullptr);
    ~PhotoViewController() override;

    void setDelegate(PhotoViewControllerDelegate* delegate) { delegate_ = delegate; }
    // Shows the photo and runs the window modally until it is closed.
    void presentPhoto(const QString& title, Image* image);
    // The same without the modal loop (tests, or callers with their own).
    void showPhoto(const QString& title, Image* image);

    Image* image() const { return image_; }
    const std::deque<Image*>& imagesPendingDehydration() const { return imagesPendingDehydration_; }
    // "Taken on …" from the original's EXIF; empty when unknown.
    QString dateTakenText() const;
    bool captionVisible() const;
    bool captionEditable() const;
    QString captionText() const;

public slots:
    void handlePreviousButton();
    void handleNextButton();
    void handleCaptionButton();
    void handleImageClick();
    void handlePrintButton();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

private:
    void cacheImage(Image* image);
    void showImage(Image* image);
    void storeCaption();
    void setCaptionShown(bool shown);
    void setEditing(bool editing);
    void placeCaption();
    void step(bool forward);

    SpinoraDatabase* database_;
    PhotoViewControllerDelegate* delegate_ = nullptr;
    Image* image_ = nullptr;
    std::deque<Image*> imagesPendingDehydration_;
    bool closed_ = false;

    QToolBar* toolbar_ = nullptr;
    SPImageView* imageView_ = nullptr;
    RoundedRectView* captionBackgroundView_ = nullptr;
    QTextEdit* captionView_ = nullptr;
    QLabel* takenLabel_ = nullptr;
};

} // namespace spinora
