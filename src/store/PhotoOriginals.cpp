#include "PhotoOriginals.h"

#include "AppSettings.h"
#include "Localization.h"

#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>

#include <sys/stat.h>

namespace spinora {

namespace {

const char* const kKeepKey = "photos/keepOriginals";

// A bounds-checked reader of the TIFF structure inside an EXIF segment: the
// file comes from any camera or from anywhere, so every offset it holds is
// checked before it is followed.
class TiffReader {
public:
    explicit TiffReader(QByteArrayView tiff) : tiff_(tiff)
    {
        if (tiff_.size() >= 8 && tiff_.first(2) == "II")
            littleEndian_ = true;
        else if (tiff_.size() >= 8 && tiff_.first(2) == "MM")
            littleEndian_ = false;
        else
            tiff_ = {};
    }

    bool valid() const { return !tiff_.isEmpty() && number(2, 2) == 42; }
    qint64 firstDirectory() const { return number(4, 4); }

    // The ASCII value of `tag` in the directory at `offset`, or empty.
    QByteArray text(qint64 offset, quint16 tag) const
    {
        const qint64 entry = find(offset, tag);
        if (entry < 0 || number(entry + 2, 2) != kAscii)
            return {};
        const qint64 count = number(entry + 4, 4);
        const qint64 at = count <= 4 ? entry + 8 : number(entry + 8, 4);
        if (count <= 0 || at < 0 || at + count > tiff_.size())
            return {};
        return tiff_.sliced(at, count).toByteArray();
    }

    // The LONG value of `tag` in the directory at `offset`, or -1.
    qint64 pointer(qint64 offset, quint16 tag) const
    {
        const qint64 entry = find(offset, tag);
        return entry < 0 ? -1 : number(entry + 8, 4);
    }

private:
    static constexpr qint64 kAscii = 2;

    // The entry of `tag` in the directory at `offset`, or -1.
    qint64 find(qint64 offset, quint16 tag) const
    {
        const qint64 entries = number(offset, 2);
        for (qint64 i = 0; i < entries; ++i) {
            const qint64 entry = offset + 2 + 12 * i;
            const qint64 found = number(entry, 2);
            if (found < 0)
                return -1;
            if (found == tag)
                return entry;
        }
        return -1;
    }

    // An unsigned number of 2 or 4 bytes at `at`, or -1 outside the data.
    qint64 number(qint64 at, int bytes) const
    {
        if (at < 0 || at + bytes > tiff_.size())
            return -1;
        qint64 value = 0;
        for (int i = 0; i < bytes; ++i) {
            const auto byte = static_cast<quint8>(tiff_[at + (littleEndian_ ? bytes - 1 - i : i)]);
            value = (value << 8) | byte;
        }
        return value;
    }

    QByteArrayView tiff_;
    bool littleEndian_ = true;
};

// The TIFF data of a JPEG's EXIF segment (APP1 "Exif\0\0"), or empty.
QByteArrayView exifOf(QByteArrayView jpeg)
{
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && static_cast<quint8>(jpeg[at]) == 0xFF) {
        const auto marker = static_cast<quint8>(jpeg[at + 1]);
        if (marker == 0xDA || marker == 0xD9) // the picture itself begins, or the file ends
            break;
        const qsizetype length = (static_cast<quint8>(jpeg[at + 2]) << 8) | static_cast<quint8>(jpeg[at + 3]);
        if (length < 2 || at + 2 + length > jpeg.size())
            break;
        const QByteArrayView segment = jpeg.sliced(at + 4, length - 2);
        if (marker == 0xE1 && segment.startsWith(QByteArrayView("Exif\0\0", 6)))
            return segment.sliced(6);
        at += 2 + length;
    }
    return {};
}

std::optional<PhotoOriginals::DateTaken> parseExifDate(const QByteArray& text)
{
    // "YYYY:MM:DD HH:MM:SS"; cameras without a set clock write blanks or zeros.
    static const QRegularExpression format(QStringLiteral("^(\\d{4}):(\\d\\d):(\\d\\d) (\\d\\d):(\\d\\d):(\\d\\d)"));
    const auto match = format.match(QString::fromLatin1(text));
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    const QTime time(match.captured(4).toInt(), match.captured(5).toInt(), match.captured(6).toInt());
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return PhotoOriginals::DateTaken{date, time};
}

} // namespace

bool PhotoOriginals::keep()
{
    return appSettings()->value(QLatin1String(kKeepKey), true).toBool();
}

void PhotoOriginals::setKeep(bool keep)
{
    appSettings()->setValue(QLatin1String(kKeepKey), keep);
}

bool PhotoOriginals::isJpeg(const QByteArray& data)
{
    return data.startsWith("\xFF\xD8\xFF");
}

qint64 PhotoOriginals::bytesIn(const QString& packagePath)
{
    qint64 bytes = 0;
    QDirIterator files(packagePath, {QStringLiteral("sp-*o.jpg")}, QDir::Files);
    while (files.hasNext()) {
        struct stat status {};
        // Blocks, not the length: what the disk would give back.
        if (::lstat(QFile::encodeName(files.next()).constData(), &status) == 0)
            bytes += qint64(status.st_blocks) * 512;
    }
    return bytes;
}

std::optional<PhotoOriginals::DateTaken> PhotoOriginals::dateTaken(const QByteArray& jpeg)
{
    if (!isJpeg(jpeg))
        return std::nullopt;
    const TiffReader tiff(exifOf(jpeg));
    if (!tiff.valid())
        return std::nullopt;
    constexpr quint16 kDateTime = 0x0132, kExifDirectory = 0x8769, kDateTimeOriginal = 0x9003;
    const qint64 main = tiff.firstDirectory();
    const qint64 exif = tiff.pointer(main, kExifDirectory);
    if (exif > 0) {
        if (auto original = parseExifDate(tiff.text(exif, kDateTimeOriginal)))
            return original;
    }
    return parseExifDate(tiff.text(main, kDateTime));
}

QString PhotoOriginals::describe(const DateTaken& taken)
{
    const QLocale locale;
    return localized("Taken on %1 at %2")
        .arg(locale.toString(taken.date, QLocale::LongFormat), locale.toString(taken.time, QLocale::ShortFormat));
}

} // namespace spinora
