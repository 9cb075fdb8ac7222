#include "Image.h"

#include "FileHelpers.h"
#include "Localization.h"
#include "Messages.h"
#include "PhotoFileWriter.h"
#include "SpinoraUtility.h"
#include "UndoWorkArea.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <sqlite3.h>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace spinora {

namespace {

const char* const kImageLoad = "SELECT type, key, tag FROM image WHERE pk=?";
const char* const kImageLoadAll = "SELECT type, key, tag, pk FROM image";
const char* const kImageInsert = "INSERT INTO image (type, key, tag, caption) VALUES(?, ?, ?, ?)";
const char* const kImageUpdate = "UPDATE image SET type=?, key=?, tag=?, caption=? WHERE pk=?";
const char* const kImageDelete = "DELETE FROM image WHERE pk=?";
const char* const kSelectThumbnail = "SELECT thumbnail FROM image WHERE pk=?";
const char* const kSelectPhoto = "SELECT photo FROM image WHERE pk=?";
const char* const kSelectCaption = "SELECT caption FROM image WHERE pk=?";

// The photo files of the record's own folder (see readPictureFile).
QByteArray readWholeFile(const QString& path)
{
    return Image::readPictureFile(path, QFileInfo(path).absolutePath());
}

// A package's files are replaced whole, so a failed write leaves the file
// that was there. False when the file could not be written (errno says why).
bool writeWholeFile(const QString& path, const QByteArray& data, bool staged = false)
{
    if (data.isEmpty())
        return true;
    return staged ? Image::writeStagedFile(path, data) : FileHelpers::writeFile(path, data);
}

// Files written again from what the database holds (a thumbnail restored
// from its blob, a square cut on first use) only spare later work: the
// record is whole without them.
void writeCacheFile(const QString& path, const QByteArray& data)
{
    writeWholeFile(path, data);
}

bool writeJpeg(const QString& path, const QImage& image)
{
    return writeWholeFile(path, Image::encodeJpeg(image));
}

} // namespace

const Record::Sql& Image::sql() const
{
    static const Sql statements{"Image",      kImageLoad,   kImageLoadAll, nullptr, kImageInsert,
                                kImageUpdate, kImageDelete, msg::kDehydrateFailed};
    return statements;
}

void Image::readSummary(const Statement& row)
{
    linkedType_ = row.integer(0);
    linkedKey_ = row.integer(1);
    tagValue_ = row.integer(2);
}

void Image::setPlaceholders()
{
    linkedType_ = kNoOwner;
    linkedKey_ = -1;
    tagValue_ = -1;
}

void Image::bindInsert(Statement& st) const
{
    st.bind(linkedType_, linkedKey_, tagValue_, caption_);
}

void Image::bindUpdate(Statement& st) const
{
    st.bind(linkedType_, linkedKey_, tagValue_, caption_);
}

QString Image::fileNamed(const QString& suffix) const
{
    // Asked for each file of every photo an import writes or a list shows:
    // appended, not formatted by arg(), which reads the text once per value.
    QString name;
    name.reserve(path_.size() + suffix.size() + 28);
    name.append(path_).append(QLatin1String("/sp-")).append(QString::number(primaryKey_)).append(suffix);
    return name.append(QLatin1String(".jpg"));
}

// --- Pictures

// The new files of a job are taken out when it fails and synced once
// before its commit point, so a temporary file and rename per photo buys
// nothing. O_EXCL and O_NOFOLLOW: nothing planted at the name (a link out of
// the folder) is written through.
bool Image::writeNewFile(const QString& path, const QByteArray& data)
{
    if (FileHelpers::injectedFault(FileHelpers::Step::Write, path) != 0)
        return false;
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + written, static_cast<size_t>(data.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += n;
    }
    const bool ok = ::close(fd) == 0 && written == data.size();
    if (!ok)
        ::unlink(name.constData());
    return ok;
}

bool Image::writeStagedFile(const QString& path, const QByteArray& data)
{
    return writeNewFile(path, data) || FileHelpers::writeFile(path, data);
}

// The JPEG of a thumbnail's centred square, cut from the thumbnail's JPEG:
// a square thumbnail is its own square, byte for byte; otherwise only the
// square is decoded. Pictures turned by their EXIF orientation take the
// long way, as the square is measured upright.
QByteArray Image::croppedThumbnailJpeg(const QByteArray& thumbnailJpeg)
{
    QBuffer buffer;
    buffer.setData(thumbnailJpeg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    const bool jpeg = reader.format() == "jpeg" || reader.format() == "jpg";
    if (jpeg && size.isValid() && !size.isEmpty() && reader.transformation() == QImageIOHandler::TransformationNone) {
        const int w = size.width();
        const int h = size.height();
        if (w == h)
            return thumbnailJpeg;
        const int side = std::min(w, h);
        // The same square as centredSquare.
        const QRect square = w > h ? QRect((w - h) / 2, 0, side, side) : QRect(0, (h - w) - (h - w) / 2, side, side);
        reader.setClipRect(square);
        const QImage cut = reader.read();
        if (cut.size() == square.size())
            return encodeJpeg(cut);
    }
    return encodeJpeg(centredSquare(decode(thumbnailJpeg)));
}


QByteArray Image::readPictureFile(const QString& file, const QString& folder, PictureFileProblem* problem,
                                  QByteArray reuse)
{
    auto fail = [problem](PictureFileProblem why) {
        if (problem)
            *problem = why;
        return QByteArray();
    };
    if (problem)
        *problem = PictureFileProblem::None;
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink())
        return fail(PictureFileProblem::Missing);
    // A link may point to another file of the same folder, never out of it:
    // a package from elsewhere could otherwise pull in any file of the
    // computer ("/dev/zero", somebody's keys) as a photo.
    const QString target = info.canonicalFilePath();
    const QString root = QFileInfo(folder).canonicalFilePath();
    if (target.isEmpty() || root.isEmpty() || !target.startsWith(root + QLatin1Char('/')))
        return fail(PictureFileProblem::OutsideFolder);
    const int fd = ::open(QFile::encodeName(target).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(PictureFileProblem::Unreadable);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return fail(PictureFileProblem::Unreadable); // a device, a pipe, a folder
    }
    if (status.st_size > kMaxPictureFileBytes) {
        ::close(fd);
        return fail(PictureFileProblem::TooLarge);
    }
    // Read within the cap whatever the size said: the file may grow meanwhile.
    QByteArray data = std::move(reuse);
    data.resize(static_cast<qsizetype>(status.st_size) + 1);
    qsizetype filled = 0;
    for (;;) {
        if (filled == data.size()) {
            if (data.size() > kMaxPictureFileBytes) {
                ::close(fd);
                return fail(PictureFileProblem::TooLarge);
            }
            data.resize(std::min<qsizetype>(data.size() * 2, kMaxPictureFileBytes + 1));
        }
        const ssize_t n = ::read(fd, data.data() + filled, static_cast<size_t>(data.size() - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return fail(PictureFileProblem::Unreadable);
        }
        if (n == 0)
            break;
        filled += n;
    }
    ::close(fd);
    if (filled > kMaxPictureFileBytes)
        return fail(PictureFileProblem::TooLarge);
    data.truncate(filled);
    return data;
}

QImage Image::decode(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    return reader.read();
}

namespace {

QImage refused(QString* reason, const QString& why)
{
    if (reason)
        *reason = why;
    return {};
}

// A picture read as a photo, once its bytes are known to be within the
// file size limit (see Image::readImageFile).
QImage decodePhoto(QImageReader& reader, QString* reason, const Image::PhotoLimits& limits = {})
{
    const int photoSize = limits.photoSize;
    reader.setAutoTransform(true);
    reader.setAllocationLimit(256); // MB; the decoder refuses more
    if (!reader.canRead())
        return refused(reason, localized("the file is not a picture"));
    // A header can announce any size: look before decoding.
    const QSize stored = reader.size();
    if (stored.isValid() && qint64(stored.width()) * stored.height() > limits.maxPixels)
        return refused(reason, localized("the picture is too large (%1 × %2 pixels)")
                                   .arg(stored.width())
                                   .arg(stored.height()));
    // Decoding a large picture straight to the photo size lets the JPEG
    // decoder skip most of the work.
    if (stored.width() > photoSize || stored.height() > photoSize) {
        const qint64 w = stored.width();
        const qint64 h = stored.height();
        reader.setScaledSize(h > w ? QSize(int(std::max<qint64>(1, w * photoSize / h)), photoSize)
                                   : QSize(photoSize, int(std::max<qint64>(1, h * photoSize / w))));
    }
    const QImage picture = reader.read();
    if (picture.isNull())
        return refused(reason, localized("the picture cannot be decoded (%1)").arg(reader.errorString()));
    // The stored size may be turned by the EXIF orientation or not be known
    // beforehand: the photo size holds whatever the decoder did.
    if (picture.width() > photoSize || picture.height() > photoSize)
        return Image::scaledToLongerSide(picture, photoSize);
    return picture;
}

} // namespace

QImage Image::readImageFile(const QString& file, QString* reason)
{
    return readImageFile(file, PhotoLimits(), reason);
}

QImage Image::readImageFile(const QString& file, const PhotoLimits& limits, QString* reason)
{
    const QFileInfo info(file);
    if (!info.exists() || !info.isFile() || !info.isReadable())
        return refused(reason, localized("the file cannot be read"));
    if (info.size() > limits.maxFileBytes)
        return refused(reason, localized("the file is larger than %1 MB").arg(limits.maxFileBytes >> 20));
    QImageReader reader(file);
    return decodePhoto(reader, reason, limits);
}

QString Image::addingFolder(const QString& packagePath)
{
    return packagePath + QStringLiteral("/.spinora-adding");
}

QByteArray Image::encodeJpeg(const QImage& image)
{
    if (image.isNull())
        return {};
    // JPEG has no transparency: transparent parts are shown on white.
    QImage opaque = image;
    if (image.hasAlphaChannel()) {
        opaque = QImage(image.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
    }
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    opaque.save(&buffer, "JPG", kJpegQuality);
    return data;
}

QImage Image::scaledToLongerSide(const QImage& image, int size)
{
    if (image.isNull() || size <= 0)
        return {};
    const qint64 w = image.width();
    const qint64 h = image.height();
    int newWidth = size;
    int newHeight = size;
    if (h > w)
        newWidth = static_cast<int>(std::max<qint64>(1, w * size / h));
    else
        newHeight = static_cast<int>(std::max<qint64>(1, h * size / w));
    return image.scaled(newWidth, newHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage Image::centredSquare(const QImage& image)
{
    const int w = image.width();
    const int h = image.height();
    const int side = std::min(w, h);
    if (side <= 0)
        return {};
    if (w > h)
        return image.copy((w - h) / 2, 0, side, side);
    if (h > w)
        return image.copy(0, (h - w) - (h - w) / 2, side, side); // offset measured from the bottom
    return image;
}

const QImage& Image::photo() const
{
    if (photo_.isNull() && !dataForPhoto_.isEmpty())
        photo_ = decode(dataForPhoto_);
    return photo_;
}

const QImage& Image::thumbnail() const
{
    if (thumbnail_.isNull() && !dataForThumbnail_.isEmpty())
        thumbnail_ = decode(dataForThumbnail_);
    return thumbnail_;
}

void Image::setPhoto(const QImage& image)
{
    // The encoded data of an earlier picture no longer matches.
    dataForPhoto_ = dataForThumbnail_ = QByteArray();
    if (image.isNull()) {
        photo_ = thumbnail_ = croppedThumbnail_ = QImage();
        dirty_ = true;
        return;
    }
    photo_ = (image.width() > kPhotoSize || image.height() > kPhotoSize) ? scaledToLongerSide(image, kPhotoSize)
                                                                          : image;
    thumbnail_ = scaledToLongerSide(photo_, kThumbnailSize);
    croppedThumbnail_ = centredSquare(thumbnail_);
    dirty_ = true;
}

bool Image::writeCroppedThumbnail()
{
    croppedThumbnail_ = centredSquare(thumbnail());
    return croppedThumbnail_.isNull() || writeJpeg(croppedThumbnailFile(), croppedThumbnail_);
}

// --- Persistence

Result<> Image::insertIntoDatabase(Connection* db)
{
    return insertIntoDatabase(db, path_, true);
}

Result<> Image::insertRow(Connection* db)
{
    database_ = db;
    Statement st(database_, kImageInsert);
    if (!st.prepared())
        return failure(msg::kPrepareFailed);
    bindInsert(st);
    if (st.step() != SQLITE_DONE)
        return failure(msg::kInsertFailed);
    primaryKey_ = database_->lastInsertRowId();
    return {};
}

Result<> Image::insertIntoDatabase(Connection* db, const QString& path, bool compressImage)
{
    if (Result<> inserted = insertRow(db); !inserted)
        return inserted;
    if (compressImage) {
        if (!photo_.isNull())
            dataForPhoto_ = encodeJpeg(photo_);
        if (!thumbnail_.isNull())
            dataForThumbnail_ = encodeJpeg(thumbnail_);
    }
    path_ = path;
    // The files are the photo: a collection keeps no copy in its rows.
    for (const auto& [file, data] : {std::pair(photoFile(), dataForPhoto_), std::pair(thumbnailFile(), dataForThumbnail_)}) {
        if (!writeWholeFile(file, data))
            return Failure::file(msg::kWritePhotoFailed, file, errno);
    }
    if (!writeCroppedThumbnail())
        return Failure::file(msg::kWritePhotoFailed, croppedThumbnailFile(), errno);
    hydrated_ = hydratedThumbnail_ = hydratedCaption_ = true;
    dirty_ = false;
    return {};
}

Result<> Image::insertIntoStagingFolder(Connection* db, const QString& folder, bool withCroppedThumbnail)
{
    if (Result<> inserted = insertRow(db); !inserted)
        return inserted;
    path_ = folder;
    auto write = [](const QString& file, const QByteArray& data) -> Result<> {
        if (!writeWholeFile(file, data, true))
            return Failure::file(msg::kWritePhotoFailed, file, errno);
        return {};
    };
    Result<> written = write(photoFile(), dataForPhoto_);
    if (written)
        written = write(thumbnailFile(), dataForThumbnail_);
    if (written && !dataForThumbnail_.isEmpty() && withCroppedThumbnail)
        written = write(croppedThumbnailFile(), croppedThumbnailJpeg(dataForThumbnail_));
    if (!written)
        return written;
    croppedThumbnail_ = QImage(); // decoded again from its file when asked for
    hydrated_ = hydratedThumbnail_ = hydratedCaption_ = true;
    dirty_ = false;
    return {};
}

Result<> Image::insertIntoStagingFolder(Connection* db, const QString& folder, PhotoFileWriter& writer)
{
    if (Result<> inserted = insertRow(db); !inserted)
        return inserted;
    path_ = folder;
    for (const auto& [file, data] : {std::pair{photoFile(), &dataForPhoto_}, {thumbnailFile(), &dataForThumbnail_}}) {
        if (!data->isEmpty() && !writer.write(file, data->constData(), data->size()))
            return writer.finish();
    }
    croppedThumbnail_ = QImage();
    hydrated_ = hydratedThumbnail_ = hydratedCaption_ = true;
    dirty_ = false;
    return {};
}

Result<> Image::insertWithAddedFiles(Connection* db, const QString& packagePath, const QStringList& files)
{
    if (files.size() != 3 && files.size() != 4)
        return Failure(localized("Error: a photo needs its three prepared files."));
    if (Result<> inserted = insertRow(db); !inserted)
        return inserted;
    path_ = packagePath;
    const QStringList names{photoFile(), thumbnailFile(), croppedThumbnailFile(), originalFile()};
    for (int i = 0; i < files.size(); ++i) {
        // rename() replaces a file a crash may have left at the name.
        if (!FileHelpers::renameFile(files[i], names[i])) {
            const Failure failed = Failure::file(msg::kWritePhotoFailed, names[i], errno);
            // The row goes with the caller's rollback; the files moved for it go now.
            for (int moved = 0; moved < i; ++moved)
                QFile::remove(names[moved]);
            return failed;
        }
    }
    // The pictures are read from the files when first asked for.
    dataForPhoto_ = dataForThumbnail_ = QByteArray();
    photo_ = thumbnail_ = croppedThumbnail_ = QImage();
    hydrated_ = hydratedThumbnail_ = false;
    hydratedCaption_ = true;
    dirty_ = false;
    return {};
}

QByteArray Image::readBlob(const char* sql) const
{
    Statement st(database_, sql);
    if (!st.prepared())
        return {};
    st.bind(primaryKey_);
    return st.stepRow() ? st.blob(0) : QByteArray();
}

Result<> Image::hydrateThumbnail()
{
    if (hydratedThumbnail_ || primaryKey_ == -1)
        return {};
    const QByteArray fromFile = readWholeFile(thumbnailFile());
    if (!fromFile.isEmpty()) {
        dataForThumbnail_ = fromFile;
        thumbnail_ = QImage();
        QByteArray square = readWholeFile(croppedThumbnailFile());
        if (square.isEmpty()) {
            // The square is cut from the thumbnail when it is first needed
            // (an import leaves it out: cutting it is most of a photo's cost).
            square = croppedThumbnailJpeg(fromFile);
            writeCacheFile(croppedThumbnailFile(), square);
        }
        croppedThumbnail_ = decode(square);
    } else {
        Statement st(database_, kSelectThumbnail);
        if (!st.prepared())
            return failure(msg::kPrepareFailed);
        st.bind(primaryKey_);
        const QByteArray blob = st.stepRow() ? st.blob(0) : QByteArray();
        if (!blob.isEmpty()) {
            dataForThumbnail_ = blob;
            thumbnail_ = QImage();
            writeCacheFile(thumbnailFile(), blob);
            writeCroppedThumbnail();
        }
    }
    hydratedThumbnail_ = true;
    return {};
}

Result<> Image::hydrateCaption()
{
    if (hydratedCaption_ || primaryKey_ == -1)
        return {};
    Statement st(database_, kSelectCaption);
    if (!st.prepared())
        return failure(msg::kPrepareFailed);
    st.bind(primaryKey_);
    if (st.stepRow())
        caption_ = st.text(0);
    hydratedCaption_ = true;
    return {};
}

void Image::hydrateThumbnailForDisplay()
{
    if (Result<> read = hydrateThumbnail(); !read)
        logFailure(read.failure());
}

QString Image::captionForDisplay()
{
    if (Result<> read = hydrateCaption(); !read) {
        logFailure(read.failure());
        return QString();
    }
    return caption_;
}

Result<> Image::hydrate()
{
    if (hydrated_ || primaryKey_ == -1)
        return {};
    if (Result<> thumbnail = hydrateThumbnail(); !thumbnail)
        return thumbnail;
    dataForPhoto_ = readWholeFile(photoFile());
    if (dataForPhoto_.isEmpty()) {
        dataForPhoto_ = readBlob(kSelectPhoto);
        writeCacheFile(photoFile(), dataForPhoto_);
    }
    photo_ = QImage();
    if (Result<> caption = hydrateCaption(); !caption)
        return caption;
    hydrated_ = true;
    dirty_ = false;
    return {};
}

Result<> Image::loadColumnsBeforeSave()
{
    if (hydratedCaption_)
        return {};
    Result<> loaded = hydrateCaption();
    dirty_ = true;
    return loaded;
}

void Image::releaseDetail()
{
    photo_ = thumbnail_ = croppedThumbnail_ = QImage();
    dataForPhoto_ = dataForThumbnail_ = QByteArray();
    caption_ = QString();
    hydratedThumbnail_ = hydratedCaption_ = false;
}

Result<> Image::deleteFromDatabase()
{
    if (primaryKey_ == -1)
        return {};
    Statement st(database_, kImageDelete);
    if (!st.prepared())
        return failure(msg::kPrepareFailed);
    // Kept aside instead while an undoable step runs on the package. A
    // collection that may not be changed (one whose read failed) keeps them:
    // the step below fails.
    if (!database_->isReadOnly()) {
        for (const QString& file : {photoFile(), thumbnailFile(), croppedThumbnailFile(), originalFile()}) {
            if (!PhotoFileKeeper::removePhotoFile(path_, file))
                return Failure::file(msg::kDeleteFailed, file, errno);
        }
    }
    st.bind(primaryKey_);
    if (st.step() != SQLITE_DONE)
        return failure(msg::kDeleteFailed);
    return {};
}

void Image::copyPhotosToPath(const QString& directory) const
{
    for (const QString& file : {photoFile(), thumbnailFile(), croppedThumbnailFile()}) {
        if (QFile::exists(file))
            FileHelpers::copyFileFrom(file, directory + QLatin1Char('/') + QFileInfo(file).fileName(),
                                         FileHelpers::Durability::Fast);
    }
}

// The report writes its photos into a private folder that is renamed into
// place whole, so each file is written straight (see writeNewFile), and read
// only from inside the package.
Result<> Image::exportToPath(const QString& file, int sizeCode)
{
    switch (sizeCode) {
    case 1:
        if (!QFile::exists(thumbnailFile()) && !hydratedThumbnail_) {
            if (Result<> read = hydrateThumbnail(); !read)
                return read;
            const bool written = writeWholeFile(file, readWholeFile(thumbnailFile()), true);
            const int error = errno;
            unload();
            return written ? Result<>() : Failure::file(msg::kWritePhotoFailed, file, error);
        }
        if (!writeWholeFile(file, readWholeFile(thumbnailFile()), true))
            return Failure::file(msg::kWritePhotoFailed, file, errno);
        return {};
    case 2: return exportPhotoToPath(file, 512);
    case 3: return exportPhotoToPath(file, 1024);
    case 4: return exportPhotoToPath(file, kPhotoSize);
    default: return {};
    }
}

Result<> Image::exportPhotoToPath(const QString& file, int size)
{
    // The largest size is made from the original when there is one.
    QImage image = size >= kPhotoSize ? decodeUpTo(readWholeFile(originalFile()), size) : QImage();
    if (image.isNull()) {
        Result<QByteArray> photo = photoData();
        if (!photo)
            return photo.failure();
        image = decodeUpTo(*photo, size);
    }
    if (!image.isNull() && !writeWholeFile(file, encodeJpeg(scaledToLongerSide(image, size)), true))
        return Failure::file(msg::kWritePhotoFailed, file, errno);
    return {};
}

Result<QByteArray> Image::photoData()
{
    if (!QFile::exists(photoFile()) && !hydrated_) {
        // Read once to write the file from the blob, then released.
        if (Result<> read = hydrate(); !read)
            return read.failure();
        unload();
    }
    // The package's own file only, as for every picture read from it.
    return readWholeFile(photoFile());
}

QImage Image::decodeUpTo(QByteArray data, int size)
{
    if (data.isEmpty())
        return {};
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    PhotoLimits limits;
    limits.photoSize = size;
    return decodePhoto(reader, nullptr, limits);
}

QImage Image::pictureUpTo(int size, QByteArray* originalData)
{
    // An original that cannot be read leaves the photo.
    QByteArray data = readWholeFile(originalFile());
    if (QImage original = decodeUpTo(data, size); !original.isNull()) {
        if (originalData)
            *originalData = std::move(data);
        return original;
    }
    Result<QByteArray> photo = photoData();
    if (!photo) {
        logFailure(photo.failure());
        return {};
    }
    return decodeUpTo(*photo, size);
}

int Image::compareOrder(const Image* other) const
{
    return (tagValue_ > other->tagValue_) - (tagValue_ < other->tagValue_);
}

} // namespace spinora
