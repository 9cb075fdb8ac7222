#pragma once

#include "SpinoraDatabase.h"

#include <QByteArray>
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
    static QString ageLine(int years);
    // "Date Acquired: <date>" when set.
    std::optional<QString> cactusAcquiredText(const Cactus& cactus) const;

    // Watering schedules: "Last Watered: <date and short time>" or "... Never".
    QString waterSecondText(const Water& water) const;

    // When a plant or schedule is next watered, as seen at the moment `at`:
    // "Today", "Tomorrow", "in 3 days", "overdue since 2 Dec" (by the one due
    // rule, so it agrees with the row's colour), "resting until 1 Mar" while
    // the schedule is in a no-water period, "None Scheduled" without a date.
    // Days are counted in local calendar days, not in spans of 24 hours.
    // No list searches it: it changes with the clock, and the search keeps
    // its keys until the record itself changes.
    QString nextWateringText(const Timestamp& waterNext, const Water* schedule, const Timestamp& at) const;

    // Logs: the plant's name (type 0) or the note summary (type 1), none for
    // other types; then "%@ %@" of event name and date when there is an event name.
    static std::optional<QString> logFirstText(const Log& log);
    std::optional<QString> logSecondText(const Log& log) const;

private:
    QLocale locale_;
    QString mediumDate_;
    QString shortTime_;
    QString dayMonth_;
    // The local day of the last date asked for and its text: a list asks in
    // date order, and a conversion to local time and formatting per row would
    // make the search keys of 300,000 logs take the better part of a second.
    // Owned by one thread, like the list that asks.
    mutable double dayStart_ = 0;
    mutable double nextDayStart_ = 0;
    mutable QString dayText_;
};

// The search field of each list: which records of the whole list, in its
// order, stay displayed for a search text. An empty text keeps them all;
// case is ignored. A record is kept when the text occurs in one of the texts
// its list shows for it:
// - a plant: its name, its second line, its "Age" line (with a plant date),
//   its "Date Acquired" line (when set), and the line of its first log when
//   that log has both an event name and a date (only the first log);
// - a schedule: its name and its "Last Watered" line;
// - a log: its first line (plant name or note summary), its event name and
//   its date.
//
// One object per list keeps between keystrokes each record's texts, case
// folded and joined, and notices by the records' revisions which ones
// changed; a text that extends the previous one only looks through what
// that one found. Typing into a list of 100,000 plants thus stays far below
// a frame or two per keystroke.
class ListSearch {
public:
    explicit ListSearch(SpinoraDatabase::ListKind list, const QLocale& locale = QLocale());
    ~ListSearch();
    ListSearch(const ListSearch&) = delete;
    ListSearch& operator=(const ListSearch&) = delete;

    const ListTexts& texts() const { return texts_; }

    // Refills the document's displayed array of the list for a text. With a
    // `keyBudget`, at most that many missing keys are made now: when more
    // are missing the array is left as it was and the answer is false (the
    // caller makes the rest with prepare() and asks again).
    bool apply(SpinoraDatabase& document, const QString& text, int keyBudget = -1);
    // Whether the document replaced every record since this search last
    // filled the displayed array: the array is empty then, and a caller
    // with a budget shows nothing until it is filled again.
    bool arrayEmptiedSinceFilled(const SpinoraDatabase& document) const
    {
        return filledForGeneration_ != 0 && filledForGeneration_ != document.recordsGeneration();
    }
    // How many records the list holds in all (the logs wait for those
    // still read behind).
    size_t recordCount(SpinoraDatabase& document) const;
    // Makes the keys of up to `count` more records ahead of the first
    // keystroke (in idle time); true once every record has its key.
    bool prepare(SpinoraDatabase& document, int count);

    // One-off searches (printing, the command-line tool, tests).
    static std::vector<Cactus*> searchCacti(const std::vector<std::unique_ptr<Cactus>>& cacti, const QString& text,
                                            const ListTexts& texts = ListTexts());
    static std::vector<Water*> searchWatering(const std::vector<std::unique_ptr<Water>>& watering,
                                              const QString& text, const ListTexts& texts = ListTexts());
    static std::vector<Log*> searchLogs(const std::vector<std::unique_ptr<Log>>& logs, const QString& text,
                                        const ListTexts& texts = ListTexts());
    static void applySearch(SpinoraDatabase& document, SpinoraDatabase::ListKind list, const QString& text,
                            const ListTexts& texts = ListTexts());

    struct Key;

private:
    // None when `keyBudget` (-1: no limit) ran out before every key was made.
    template <class T>
    std::optional<std::vector<T*>> search(const std::vector<std::unique_ptr<T>>& all, const QString& text,
                                          int keyBudget);
    template <class T>
    bool refreshKeys(const std::vector<std::unique_ptr<T>>& all, int budget, bool* changed);

    SpinoraDatabase::ListKind list_;
    ListTexts texts_;
    std::vector<Key> keys_;
    size_t resumeAt_ = 0; // where the next run with a budget starts
    uint64_t filledForGeneration_ = 0; // the document's records the array was filled from
    // The previous search: its folded text and the indexes of what it found.
    QByteArray lastNeedle_;
    std::vector<uint32_t> lastHits_;
};

} // namespace spinora
