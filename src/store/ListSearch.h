#pragma once

#include "SpinoraDatabase.h"

#include <QLocale>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace spinora {

// The texts the three lists show for a record. The list views draw them, the
// search looks through them and the printed lists repeat them, so all three
// use this one definition and a search finds exactly what the user reads.
class ListTexts {
public:
    explicit ListTexts(const QLocale& locale = QLocale());

    // The lists' date format: the medium style (abbreviated month, four-digit
    // year), without time; the second form adds the short time.
    QString date(const Timestamp& t) const;
    QString dateAndTime(const Timestamp& t) const;
    const QString& mediumDateFormat() const { return mediumDate_; }
    const QLocale& locale() const { return locale_; }

    // Cacti. Second text: the scientific name, then " (common name)" when
    // there is one; its italic range is the cactus's textItalicRange.
    static QString cactusSecondText(const Cactus& cactus);
    // "%@ %@" of the event name and date of the log at that index (each part
    // empty when missing; both empty without such a log).
    QString cactusLogText(const Cactus& cactus, size_t index) const;
    // "Age: <age text>" with a plant date, none without.
    std::optional<QString> cactusAgeText(const Cactus& cactus) const;
    // "Date Acquired: <date>" when set.
    std::optional<QString> cactusAcquiredText(const Cactus& cactus) const;

    // Watering schedules: "Last Watered: <date and short time>" or "... Never".
    QString waterSecondText(const Water& water) const;

    // Logs: the plant's name (type 0) or the note summary (type 1), none for
    // other types; then "%@ %@" of event name and date when there is an event name.
    static std::optional<QString> logFirstText(const Log& log);
    std::optional<QString> logSecondText(const Log& log) const;

private:
    QLocale locale_;
    QString mediumDate_;
    QString shortTime_;
};

// The search field of each list: which records of the whole list, in its
// order, stay displayed for a search text. An empty text keeps them all.
// Case is ignored.
namespace ListSearch {

std::vector<Cactus*> searchCacti(const std::vector<std::unique_ptr<Cactus>>& cacti, const QString& text,
                                 const ListTexts& texts = ListTexts());
std::vector<Water*> searchWatering(const std::vector<std::unique_ptr<Water>>& watering, const QString& text,
                                   const ListTexts& texts = ListTexts());
std::vector<Log*> searchLogs(const std::vector<std::unique_ptr<Log>>& logs, const QString& text,
                             const ListTexts& texts = ListTexts());

// Refills the document's displayed array of one list from its whole list.
void applySearch(SpinoraDatabase& document, SpinoraDatabase::ListKind list, const QString& text,
                 const ListTexts& texts = ListTexts());

} // namespace ListSearch

} // namespace spinora
