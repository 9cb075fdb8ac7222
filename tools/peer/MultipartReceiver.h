#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace spinora::peer {

// Reads the upload form as it streams in: the part "file" goes straight to a
// file, the part "button" must say "Restore/Import", then the closing
// boundary. Never holds more of the body than one boundary's length plus
// what one read delivers.
class MultipartReceiver {
public:
    // `target` is opened for writing when the file part begins.
    MultipartReceiver(const QByteArray& boundary, const QString& target);
    ~MultipartReceiver();

    // False once the body does not follow the form (see error()).
    bool feed(const QByteArray& data);
    // The closing boundary has been read and the file is complete.
    bool finished() const { return state_ == State::Done; }
    QString fileName() const { return fileName_; }
    QString error() const { return error_; }
    qint64 fileBytes() const { return fileBytes_; }
    // Closes the file (keeping it) or removes it after a failure.
    bool closeFile();
    void discardFile();

private:
    enum class State { Preamble, PartHeaders, FileData, FieldData, AfterBoundary, Done, Failed };
    bool fail(const QString& reason);
    bool step();
    bool startPart(const QByteArray& headers);

    QByteArray delimiter_; // "\r\n--" + boundary
    QByteArray pending_;
    State state_ = State::Preamble;
    QString partName_;
    QString fileName_;
    QByteArray fieldValue_;
    QFile file_;
    qint64 fileBytes_ = 0;
    bool sawFile_ = false;
    bool sawButton_ = false;
    QString error_;
};

} // namespace spinora::peer
