#include "MultipartReceiver.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace spinora::peer {

namespace {
constexpr int kMaximumHeaders = 8192;
constexpr int kMaximumField = 1024;

// The value of a parameter (name="...") in a Content-Disposition line.
QString parameter(const QByteArray& headers, const char* name)
{
    const QRegularExpression pattern(QStringLiteral("[;\\s]%1=\"([^\"]*)\"").arg(QLatin1String(name)),
                                     QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(QString::fromUtf8(headers));
    return match.hasMatch() ? match.captured(1) : QString();
}
} // namespace

MultipartReceiver::MultipartReceiver(const QByteArray& boundary, const QString& target)
    : delimiter_("\r\n--" + boundary), file_(target)
{
    // The body starts with the boundary itself, without the line break.
    pending_ = "\r\n";
}

MultipartReceiver::~MultipartReceiver()
{
    if (state_ != State::Done)
        discardFile();
}

bool MultipartReceiver::fail(const QString& reason)
{
    state_ = State::Failed;
    error_ = reason;
    discardFile();
    return false;
}

bool MultipartReceiver::feed(const QByteArray& data)
{
    if (state_ == State::Failed)
        return false;
    pending_ += data;
    while (step()) {
    }
    return state_ != State::Failed;
}

bool MultipartReceiver::startPart(const QByteArray& headers)
{
    if (!headers.toLower().contains("content-disposition: form-data"))
        return fail(QStringLiteral("a part without form-data disposition"));
    partName_ = parameter(headers, "name");
    if (partName_ == QLatin1String("file") && !sawFile_) {
        const QString name = parameter(headers, "filename");
        // Only a plain file name: nothing that climbs out of received/.
        if (name.isEmpty() || name != QFileInfo(name).fileName() || name == QLatin1String(".") ||
            name == QLatin1String("..") || name.contains(QLatin1Char('\\')))
            return fail(QStringLiteral("unusable file name \"%1\"").arg(name));
        fileName_ = name;
        if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fail(file_.errorString());
        sawFile_ = true;
        state_ = State::FileData;
        return true;
    }
    if (partName_ == QLatin1String("button") && !sawButton_) {
        sawButton_ = true;
        fieldValue_.clear();
        state_ = State::FieldData;
        return true;
    }
    return fail(QStringLiteral("unexpected part \"%1\"").arg(partName_));
}

// One step of the parser over what is pending; false when it needs more.
bool MultipartReceiver::step()
{
    switch (state_) {
    case State::Preamble:
        if (pending_.size() < delimiter_.size())
            return false;
        if (!pending_.startsWith(delimiter_))
            return fail(QStringLiteral("the body does not start with the boundary"));
        pending_.remove(0, delimiter_.size());
        state_ = State::AfterBoundary;
        return true;
    case State::AfterBoundary:
        if (pending_.size() < 2)
            return false;
        if (pending_.startsWith("\r\n")) {
            pending_.remove(0, 2);
            state_ = State::PartHeaders;
            return true;
        }
        if (pending_.startsWith("--")) {
            pending_.remove(0, 2);
            if (!sawFile_ || !sawButton_)
                return fail(QStringLiteral("the form lacks its file or its button"));
            if (fieldValue_ != "Restore/Import")
                return fail(QStringLiteral("the button part says \"%1\"").arg(QString::fromUtf8(fieldValue_)));
            state_ = State::Done;
            return false;
        }
        return fail(QStringLiteral("garbage after a boundary"));
    case State::PartHeaders: {
        const int end = pending_.indexOf("\r\n\r\n");
        if (end < 0) {
            if (pending_.size() > kMaximumHeaders)
                return fail(QStringLiteral("part headers too long"));
            return false;
        }
        const QByteArray headers = pending_.left(end);
        pending_.remove(0, end + 4);
        return startPart(headers);
    }
    case State::FileData:
    case State::FieldData: {
        const int at = pending_.indexOf(delimiter_);
        // Without the delimiter, everything but a possible start of it is data.
        const qsizetype usable = at >= 0 ? at : std::max<qsizetype>(0, pending_.size() - (delimiter_.size() - 1));
        if (usable > 0) {
            if (state_ == State::FileData) {
                if (file_.write(pending_.constData(), usable) != usable)
                    return fail(file_.errorString());
                fileBytes_ += usable;
            } else {
                fieldValue_ += pending_.left(usable);
                if (fieldValue_.size() > kMaximumField)
                    return fail(QStringLiteral("form field too long"));
            }
            pending_.remove(0, usable);
        }
        if (at < 0)
            return false;
        pending_.remove(0, delimiter_.size());
        if (state_ == State::FileData && !closeFile())
            return fail(file_.errorString());
        state_ = State::AfterBoundary;
        return true;
    }
    case State::Done:
    case State::Failed: return false;
    }
    return false;
}

bool MultipartReceiver::closeFile()
{
    if (!file_.isOpen())
        return true;
    const bool ok = file_.flush();
    file_.close();
    return ok && file_.error() == QFileDevice::NoError;
}

void MultipartReceiver::discardFile()
{
    if (file_.isOpen())
        file_.close();
    QFile::remove(file_.fileName());
}

} // namespace spinora::peer
