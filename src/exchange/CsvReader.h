#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>
#include <optional>

namespace spinora {

// Reads a text file line by line in 128-byte blocks. A line ends at a line
// feed, a carriage return, or both; a line may hold at most 10000 bytes.
class InputTextStream {
public:
    static constexpr int kBlockSize = 128;
    static constexpr int kLineLimit = 10000;
    enum Result { kLine = 0, kEnd = -1, kTooLong = 255 };

    InputTextStream();
    ~InputTextStream();

    // False when a stream is already open or the file cannot be opened.
    bool open(const QString& path);
    // Reads from a device the caller keeps open (tests, fuzzing).
    bool open(QIODevice* device);
    bool close();

    // kLine with the line's text (without its end); kEnd at the end of the
    // file, with the text of a last unterminated line if there is one;
    // kTooLong for a line over the limit, and on every call after it. Text
    // that is not valid UTF-8 comes back as no text (a null string).
    int readLine(QString& text);
    // How far the reading has come, 0 to 1 (0 when the size is unknown).
    double fractionRead() const;
    // The number of the line read last, from 1 (0 before the first).
    int lineNumber() const { return lineNumber_; }

private:
    bool fillBlock();
    int deliver(QString& text);

    std::unique_ptr<QFile> file_;
    QIODevice* inputStream_ = nullptr;
    char buf_[kBlockSize];
    qint64 bytesRead_ = 0;
    qint64 index_ = 0;
    QByteArray data_;
    bool lineTooLong_ = false;
    bool crFound_ = false;
    bool atStart_ = true;
    int lineNumber_ = 0;
};

// The quote-aware field reader of the CSV import. Fields are separated by
// commas; a field in double quotes may hold commas, doubled quotes and line
// ends, in which case it goes on over the following lines.
class CsvFieldReader {
public:
    explicit CsvFieldReader(InputTextStream& stream) : stream_(stream) {}

    // The character between fields: a comma unless a spreadsheet wrote
    // semicolons (where the decimal mark is a comma) or tabs.
    void setSeparator(QChar separator) { separator_ = separator; }
    // Starts on a new line.
    void setLine(const QString& line)
    {
        line_ = line;
        position_ = 0;
        hasLine_ = true;
    }
    // The next field, or nothing at the end of the line (a last empty field
    // after a final comma is not returned) or when a quoted field runs out
    // of lines.
    std::optional<QString> readField();
    const QString& currentLine() const { return line_; }

private:
    InputTextStream& stream_;
    QString line_;
    qsizetype position_ = 0;
    QChar separator_ = QLatin1Char(',');
    bool hasLine_ = false;
};

// Splits one line into fields without reading further lines (title and
// header checks).
QStringList splitCsvLine(const QString& line, int maxFields, QChar separator = QLatin1Char(','));
// The separator a header line was written with: a semicolon or a tab when
// the line holds more of them than commas, outside quotes; else a comma.
QChar csvSeparatorOf(const QString& headerLine);

} // namespace spinora
