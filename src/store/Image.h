#pragma once

#include "Record.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

#include <memory>

namespace spinora {

class PhotoFileWriter;

// One photo of a plant or a log (table `image`). The pictures live as three
// JPEG files in the collection package, named from the key: "sp-<pk>.jpg"
// (photo, at most 1280 px), "sp-<pk>t.jpg" (thumbnail, 320 px) and
// "sp-<pk>ct.jpg" (the thumbnail's centred square). The `photo` and
// `thumbnail` blobs are the portable copy used by interchange files; files
// missing in the package are restored from them on first use.
class Image : public Record {
public:
    enum OwnerType : int64_t { kNoOwner = -1, kCactusPhoto = 0, kLogPhoto = 2 };
    static constexpr int kPhotoSize = 1280;
    static constexpr int kThumbnailSize = 320;
    static constexpr int kJpegQuality = 60; // compression factor 0.6

    Image() = default;

    int64_t linkedType() const { return linkedType_; }
    void setLinkedType(int64_t v) { change(linkedType_, v); }
    int64_t linkedKey() const { return linkedKey_; }
    void setLinkedKey(int64_t v) { change(linkedKey_, v); }
    int64_t tagValue() const { return tagValue_; }
    void setTagValue(int64_t v) { change(tagValue_, v); }
    const QString& caption() const { return caption_; }
    void setCaption(const QString& v) { change(caption_, v); }

    // The pictures are decoded from their JPEG data when first asked for.
    const QImage& photo() const;
    // Scales to the photo size and makes the thumbnail and its square.
    void setPhoto(const QImage& image);
    const QImage& thumbnail() const;
    const QImage& croppedThumbnail() const { return croppedThumbnail_; }
    const QByteArray& dataForPhoto() const { return dataForPhoto_; }
    void setDataForPhoto(const QByteArray& data) { dataForPhoto_ = data; }
    const QByteArray& dataForThumbnail() const { return dataForThumbnail_; }
    void setDataForThumbnail(const QByteArray& data) { dataForThumbnail_ = data; }

    const QString& path() const { return path_; }
    void setPath(const QString& path) { path_ = path; }
    QString photoFile() const { return fileNamed(QString()); }
    QString thumbnailFile() const { return fileNamed(QStringLiteral("t")); }
    QString croppedThumbnailFile() const { return fileNamed(QStringLiteral("ct")); }
    // The picture file the photo was made from, when the collection keeps it
    // (PhotoOriginals).
    QString originalFile() const { return fileNamed(QStringLiteral("o")); }
    // The photo at no more than `size` pixels on its longer side, upright:
    // from the original when there is one that can be read, else from the
    // photo file. Null when neither can be read. `originalData` gets the
    // original's bytes when the picture was made from it (for its EXIF).
    QImage pictureUpTo(int size, QByteArray* originalData = nullptr);

    Result<> insertIntoDatabase(Connection* db) override;
    Result<> insertIntoDatabase(Connection* db, const QString& path, bool compressImage);
    // The row of a photo whose JPEG data is set, with its files written new
    // into `folder` under names no file there has, taken out again when the
    // job fails and synced whole at its commit point (an import): each file
    // is written straight, with no temporary file and rename of its own.
    // Without `withCroppedThumbnail` the square is cut when the thumbnail is
    // first read (hydrateThumbnail).
    Result<> insertIntoStagingFolder(Connection* db, const QString& folder, bool withCroppedThumbnail = true);
    // The same, the photo and thumbnail handed to `writer` (the square is
    // cut when first read): they are whole once writer.finish() succeeds.
    Result<> insertIntoStagingFolder(Connection* db, const QString& folder, PhotoFileWriter& writer);
    // The row of a photo whose three files (photo, thumbnail, square), and
    // maybe a fourth (the original), were already written into the package's
    // adding folder: they are renamed to the row's names, on the same disk. When a file cannot be moved, those
    // moved are removed again and the row is left for the caller's rollback.
    Result<> insertWithAddedFiles(Connection* db, const QString& packagePath, const QStringList& files);
    Result<> hydrate() override;
    Result<> hydrateThumbnail();
    Result<> hydrateCaption();
    // For what only shows a photo (a list row, a slot, a tool tip, a page):
    // a part that cannot be read is logged and shown empty.
    void hydrateThumbnailForDisplay();
    QString captionForDisplay();
    bool isThumbnailHydrated() const { return hydratedThumbnail_; }
    Result<> deleteFromDatabase() override;

    void copyPhotosToPath(const QString& directory) const;
    // Report copies: size code 1 thumbnail, 2/3/4 photo at 512/1024/1280 px.
    Result<> exportToPath(const QString& file, int sizeCode);
    Result<> exportPhotoToPath(const QString& file, int size);

    int compareOrder(const Image* other) const;

    // The largest picture file or blob read as a photo: 64 MiB. Photos are
    // kept at 1280 pixels (a few hundred kilobytes as JPEG); even a camera's
    // original stays far below this, while a file from elsewhere that names
    // a device or a huge file must not be loaded whole.
    static constexpr qint64 kMaxPictureFileBytes = qint64(64) << 20;
    enum class PictureFileProblem { None, Missing, OutsideFolder, Unreadable, TooLarge };
    // The bytes of a picture file inside `folder`: empty when the file is
    // missing, is no regular file, is a link leading out of the folder, or
    // holds more than kMaxPictureFileBytes. `reuse` lends its memory: a job
    // that reads photo after photo hands the last one's bytes back in, and
    // no fresh memory is faulted in for each.
    static QByteArray readPictureFile(const QString& file, const QString& folder,
                                      PictureFileProblem* problem = nullptr, QByteArray reuse = {});

    // The most pixels a picture may announce in its header to be decoded as
    // a photo (the decoder would need 400 MB for 100 megapixels).
    static constexpr qint64 kMaxPicturePixels = 100'000'000;
    // The one way a picture file becomes a photo: checked before it is
    // decoded (a regular file of at most kMaxPictureFileBytes, a picture, at
    // most kMaxPicturePixels by its header), then decoded upright by its EXIF
    // orientation and straight at no more than the photo size. On failure a
    // null image and the reason ("the file is not a picture").
    static QImage readImageFile(const QString& file, QString* reason);
    // The limits a picture file is read as a photo with; the defaults are
    // the ones above. A background job is handed them with its request.
    struct PhotoLimits {
        qint64 maxFileBytes = kMaxPictureFileBytes;
        qint64 maxPixels = kMaxPicturePixels;
        int photoSize = kPhotoSize;
        int thumbnailSize = kThumbnailSize;
    };
    static QImage readImageFile(const QString& file, const PhotoLimits& limits, QString* reason);

    // The hidden folder of a package where photos being added from picture
    // files are prepared ("<package>/.spinora-adding"): inside the package,
    // so that moving them in is a rename on one disk. Nothing in it belongs
    // to the collection; a writing open removes what a crash left there.
    static QString addingFolder(const QString& packagePath);
    // A new file written straight (no temporary file and rename: its folder
    // is thrown away on failure), refusing to replace or follow anything
    // planted at the name. False when it could not be written whole.
    static bool writeNewFile(const QString& path, const QByteArray& data);
    // A photo file of a staging folder: written new (writeNewFile), or, when
    // something was left or planted at the name, through a temporary file
    // renamed over it, never written through. False when it could not be
    // written whole (errno says why).
    static bool writeStagedFile(const QString& path, const QByteArray& data);
    // The JPEG of a thumbnail's centred square, cut from the thumbnail's JPEG.
    static QByteArray croppedThumbnailJpeg(const QByteArray& thumbnailJpeg);

    // Image helpers shared with the importers.
    static QImage decode(const QByteArray& data);
    static QByteArray encodeJpeg(const QImage& image);
    // Scaled so that the longer side is `size`: width = trunc(w * size / h) or
    // the other way round.
    static QImage scaledToLongerSide(const QImage& image, int size);
    static QImage centredSquare(const QImage& image);

protected:
    const Sql& sql() const override;
    void readSummary(const Statement& row) override;
    void setPlaceholders() override;
    void bindInsert(Statement& st) const override;
    void bindUpdate(Statement& st) const override;
    void releaseDetail() override;
    // The UPDATE writes the caption too: read it first if it was released.
    Result<> loadColumnsBeforeSave() override;

private:
    QString fileNamed(const QString& suffix) const;
    // Writes the square of the thumbnail (decoded from its data when needed);
    // false when its file could not be written.
    bool writeCroppedThumbnail();
    Result<> insertRow(Connection* db);
    // The bytes of the photo file, written from the blob first if missing.
    Result<QByteArray> photoData();
    static QImage decodeUpTo(QByteArray data, int size);
    QByteArray readBlob(const char* sql) const;

    int64_t linkedType_ = kNoOwner;
    int64_t linkedKey_ = -1;
    int64_t tagValue_ = -1;
    QString caption_;
    mutable QImage photo_;
    mutable QImage thumbnail_;
    QImage croppedThumbnail_;
    QByteArray dataForPhoto_;
    QByteArray dataForThumbnail_;
    QString path_;
    bool hydratedThumbnail_ = false;
    bool hydratedCaption_ = false;
};

} // namespace spinora
