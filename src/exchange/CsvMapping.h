#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace spinora {

// Which columns of a grower's own spreadsheet of plants feed which fields of
// a cactus. The fields are the columns of the template's Cacti section; a
// field fed by several columns ("Genus" and "Species") gets their texts
// joined with a space, in the file's order.
class CsvMapping {
public:
    static constexpr int kFields = 22;

    // The field a header names ("Acquired" -> the acquisition date), from the
    // table of words per field; -1 for a column that is clearly not about
    // the plant (an id, a photo) or one without a header; nothing when the
    // header is unknown.
    static std::optional<int> guessField(const QString& header);
    // The field of a word of --map ("name", "scientific", "acquired"), -1
    // for "skip", nothing when unknown.
    static std::optional<int> fieldOfKey(const QString& key);
    static QStringList keys();

    // Every column guessed; the columns that could not be placed are in
    // `unplaced`.
    static CsvMapping guessed(const QStringList& headers, QStringList& unplaced);
    // "Name=name,Genus+Species=scientific": the columns not named are
    // skipped. The reason when a header or a field is unknown.
    static CsvMapping explicitFor(const QStringList& headers, const QString& spec, QString& error);
    // The spec's syntax and field words alone, before any file is read.
    static QString checkSpec(const QString& spec);
    // A --map text for these headers: the guessed field, or FIELD.
    static QString example(const QStringList& headers);

    // The template row of one line of the file.
    QStringList fieldsOf(const QStringList& line) const;
    // The file's column (from 0) a field comes from, for messages.
    int columnOf(int field) const { return sources_[field].isEmpty() ? -1 : sources_[field].first(); }
    bool feedsName() const { return !sources_[0].isEmpty(); }

private:
    std::array<QList<int>, kFields> sources_;
};

} // namespace spinora
