#include "PhotoAddingJob.h"

#include "Localization.h"
#include "PhotoOriginals.h"
#include "PhotoStore.h"

#include <QFile>

#include <sys/resource.h>

namespace spinora {

namespace {
constexpr int kNiceness = 10;
}

PreparedPhoto PhotoAddingJob::prepare(const QString& source, const QString& folder, int number,
                                      const Image::PhotoLimits& limits, bool keepOriginal)
{
    PreparedPhoto result;
    result.source = source;
    const QImage photo = Image::readImageFile(source, limits, &result.reason);
    if (photo.isNull())
        return result;
    const QByteArray photoJpeg = Image::encodeJpeg(photo);
    const QByteArray thumbnailJpeg = Image::encodeJpeg(Image::scaledToLongerSide(photo, limits.thumbnailSize));
    const QByteArray squareJpeg = thumbnailJpeg.isEmpty() ? QByteArray() : Image::croppedThumbnailJpeg(thumbnailJpeg);
    if (photoJpeg.isEmpty() || thumbnailJpeg.isEmpty() || squareJpeg.isEmpty()) {
        result.reason = localized("the picture cannot be converted to JPEG");
        return result;
    }
    const QString stem = QStringLiteral("%1/%2").arg(folder).arg(number);
    QStringList files{stem + QStringLiteral(".jpg"), stem + QStringLiteral("t.jpg"), stem + QStringLiteral("ct.jpg")};
    QList<QByteArray> data{photoJpeg, thumbnailJpeg, squareJpeg};
    if (keepOriginal) {
        // Read within the size checked above; a file that is no JPEG (or
        // changed meanwhile) is stored at the collection's sizes only.
        QFile file(source);
        QByteArray original = file.open(QIODevice::ReadOnly) ? file.read(limits.maxFileBytes + 1) : QByteArray();
        if (original.size() <= limits.maxFileBytes && PhotoOriginals::isJpeg(original)) {
            files << stem + QStringLiteral("o.jpg");
            data << original;
        }
    }
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (!Image::writeNewFile(files[i], data[i])) {
            for (qsizetype j = 0; j < i; ++j)
                QFile::remove(files[j]);
            result.reason = PhotoStore::diskFullReason();
            return result;
        }
    }
    result.files = files;
    return result;
}

PhotoAddingJob::PhotoAddingJob(QObject* parent) : QObject(parent) {}

PhotoAddingJob::~PhotoAddingJob()
{
    cancel();
}

void PhotoAddingJob::start(const PhotoAddingRequest& request)
{
    for (int i = 0; i < request.sources.size(); ++i)
        waiting_.push_back(
            {request.sources[i], request.folder, request.firstNumber + i, request.limits, request.keepOriginals});
    if (!job_)
        prepareNext();
}

void PhotoAddingJob::prepareNext()
{
    job_.reset();
    if (waiting_.empty()) {
        emit finished();
        return;
    }
    File file = std::move(waiting_.front());
    waiting_.pop_front();
    job_ = JobRunner::start<PreparedPhoto>(
        this,
        [file = std::move(file)](JobContext&) {
            // The window's thread comes first when the processors are busy:
            // a nice value for this thread alone does that for Linux's
            // normal scheduling.
            ::setpriority(PRIO_PROCESS, 0, kNiceness);
            return prepare(file.source, file.folder, file.number, file.limits, file.keepOriginal);
        },
        [this](PreparedPhoto& photo) {
            const int cancels = cancels_;
            emit prepared(photo);
            if (cancels == cancels_) // a receiver may have cancelled
                prepareNext();
        });
}

void PhotoAddingJob::cancel()
{
    ++cancels_;
    waiting_.clear();
    if (job_)
        job_->drop();
    job_.reset();
}

} // namespace spinora
