#include "CsvReader.h"

#include <QStringDecoder>
#include <QStringList>

namespace spinora {

InputTextStream::InputTextStream()
{
    data_.reserve(kBlockSize);
}

InputTextStream::~InputTextStream()
{
    close();
}

bool InputTextStream::open(const QString& path)
{
    if (inputStream_ || !QFile::exists(path))
        return false;
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return false;
    file_ = std::move(file);
    return open(file_.get());
}

bool InputTextStream::open(QIODevice* device)
{
    if (inputStream_ && inputStream_ != device)
        return false;
    inputStream_ = device;
    bytesRead_ = index_ = 0;
    data_.clear();
    lineTooLong_ = crFound_ = false;
    atStart_ = true;
    lineNumber_ = 0;
    return true;
}

bool InputTextStream::close()
{
    if (!inputStream_)
        return false;
    inputStream_ = nullptr;
    file_.reset();
    return true;
}

double InputTextStream::fractionRead() const
{
    if (!inputStream_ || inputStream_->isSequential() || inputStream_->size() <= 0)
        return 0;
    return double(inputStream_->pos()) / double(inputStream_->size());
}

bool InputTextStream::fillBlock()
{
    bytesRead_ = inputStream_ ? inputStream_->read(buf_, kBlockSize) : -1;
    index_ = 0;
    if (bytesRead_ <= 0) {
        bytesRead_ = 0;
        return false;
    }
    return true;
}

int InputTextStream::deliver(QString& text)
{
    QByteArrayView bytes(data_);
    // A byte-order mark at the start of the file is not part of the text.
    if (atStart_ && bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    atStart_ = false;
    ++lineNumber_;
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString decoded = decoder.decode(bytes);
    text = decoder.hasError() ? QString() : (decoded.isNull() ? QString(QLatin1String("")) : decoded);
    data_.clear();
    return kLine;
}

int InputTextStream::readLine(QString& text)
{
    text = QString();
    if (lineTooLong_)
        return kTooLong;
    for (;;) {
        if (index_ >= bytesRead_ && !fillBlock()) {
            // The end of the file: a last line without its end is delivered.
            if (!data_.isEmpty()) {
                deliver(text);
                return kEnd;
            }
            return kEnd;
        }
        const qint64 start = index_;
        // A line feed right after a carriage return (also at the start of the
        // next block) belongs to that line's end.
        if (crFound_ && buf_[index_] == '\n') {
            crFound_ = false;
            ++index_;
            continue;
        }
        crFound_ = false;
        while (index_ < bytesRead_ && buf_[index_] != '\n' && buf_[index_] != '\r')
            ++index_;
        data_.append(buf_ + start, index_ - start);
        if (data_.size() > kLineLimit) {
            lineTooLong_ = true;
            data_.clear();
            return kTooLong;
        }
        if (index_ < bytesRead_) {
            crFound_ = buf_[index_] == '\r';
            ++index_;
            return deliver(text);
        }
    }
}

namespace {

QString singleQuotes(QString text)
{
    if (text.contains(QLatin1Char('"')))
        text.replace(QLatin1String("\"\""), QLatin1String("\""));
    return text;
}

} // namespace

std::optional<QString> CsvFieldReader::readField()
{
    if (!hasLine_)
        return std::nullopt;
    qsizetype start = position_;
    int quotes = 0;
    if (position_ < line_.size() && line_.at(position_) == QLatin1Char('"')) {
        ++position_;
        ++quotes;
        start = position_;
    }
    // The end of the line ends the record, except right after an opening
    // quote: that field begins with a line break and goes on below.
    if (position_ >= line_.size() && quotes == 0)
        return std::nullopt;

    QString gathered;
    qsizetype i = position_;
    for (;;) {
        for (; i < line_.size(); ++i) {
            const QChar c = line_.at(i);
            if (c == QLatin1Char('"'))
                ++quotes;
            const bool comma = c == separator_;
            const bool last = i == line_.size() - 1;
            if ((comma || last) && quotes % 2 == 0) {
                qsizetype end = comma ? i : i + 1; // exclusive
                // A closing quote is not part of the text.
                if (end > start && line_.at(end - 1) == QLatin1Char('"'))
                    --end;
                position_ = comma ? i + 1 : line_.size();
                return gathered + singleQuotes(line_.mid(start, end - start));
            }
        }
        // An open quote at the line's end: the field goes on on the next line.
        gathered += singleQuotes(line_.mid(start)) + QLatin1Char('\n');
        QString next;
        for (;;) {
            const int result = stream_.readLine(next);
            if ((result != InputTextStream::kLine && result != InputTextStream::kEnd) || next.isNull()) {
                hasLine_ = false;
                return std::nullopt;
            }
            if (!next.isEmpty())
                break;
            if (result == InputTextStream::kEnd) {
                hasLine_ = false;
                return std::nullopt;
            }
            gathered += QLatin1Char('\n');
        }
        line_ = next;
        start = 0;
        i = 0;
    }
}

QChar csvSeparatorOf(const QString& headerLine)
{
    int commas = 0;
    int semicolons = 0;
    int tabs = 0;
    bool quoted = false;
    for (const QChar c : headerLine) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && c == QLatin1Char(','))
            ++commas;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolons;
        else if (!quoted && c == QLatin1Char('\t'))
            ++tabs;
    }
    if (semicolons > commas && semicolons >= tabs)
        return QLatin1Char(';');
    if (tabs > commas)
        return QLatin1Char('\t');
    return QLatin1Char(',');
}

QStringList splitCsvLine(const QString& line, int maxFields, QChar separator)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size() && fields.size() < maxFields; ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"')) {
            if (quoted && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (c == separator && !quoted) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    if (fields.size() < maxFields && (!field.isEmpty() || line.endsWith(QLatin1Char('"'))))
        fields << field;
    return fields;
}

} // namespace spinora
