#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

namespace spinora {

// The camera's own file of a photo, kept beside the sizes a collection needs
// ("sp-<pk>o.jpg"): a phone photo of 4000 × 3000 pixels keeps its detail and
// its EXIF (the date it was taken) for the viewer, printing and the report's
// largest photos. Only JPEG files are kept as they are: they are what phones
// and cameras write, and the only kind that carries EXIF here. Interchange
// files and the mobile app keep to the collection's sizes.
class PhotoOriginals {
public:
    // Whether photos added from now on keep their original (on by default).
    static bool keep();
    static void setKeep(bool keep);

    // True for the bytes of a JPEG file.
    static bool isJpeg(const QByteArray& data);
    // The bytes the originals of a package take on disk.
    static qint64 bytesIn(const QString& packagePath);

    // When a photo was taken, as the camera's clock showed it: EXIF keeps no
    // time zone, so the date and time are shown as they are, never converted.
    struct DateTaken {
        QDate date;
        QTime time;
    };
    // DateTimeOriginal of a JPEG's EXIF, else its DateTime; nothing when the
    // file has neither or they cannot be read.
    static std::optional<DateTaken> dateTaken(const QByteArray& jpeg);
    // "Taken on 14 June 2021 at 10:32", in the user's language and format.
    static QString describe(const DateTaken& taken);
};

} // namespace spinora
