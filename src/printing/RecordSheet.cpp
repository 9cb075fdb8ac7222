#include "RecordSheet.h"

#include "Cactus.h"
#include "Localization.h"
#include "Log.h"
#include "SpinoraStrings.h"
#include "Water.h"

#include <algorithm>

namespace spinora {

namespace {

std::vector<Image*> firstPhotos(const std::vector<Image*>& images, size_t count)
{
    return {images.begin(), images.begin() + std::ptrdiff_t(std::min(count, images.size()))};
}

QString orNone(const QString& text, const char* none)
{
    return text.isEmpty() ? localized(none) : text;
}

} // namespace

SheetLine& RecordSheet::at(int number)
{
    if (size_t(number) >= lines_.size())
        lines_.resize(size_t(number) + 1);
    return lines_[size_t(number)];
}

void RecordSheet::set(int number, const QString& label, const QString& value)
{
    SheetLine& line = at(number);
    line.label = label;
    line.value = value;
}

const PrintText::BrokenText& RecordSheet::keep(const QString& text, double width)
{
    texts_.push_back(std::make_unique<PrintText::BrokenText>(text, width));
    return *texts_.back();
}

void RecordSheet::putText(int first, const QString& label, const PrintText::BrokenText& text)
{
    at(first).label = label;
    for (int i = 0; i < text.lineCount(); ++i) {
        SheetLine& line = at(first + i);
        line.text = &text;
        line.textLine = i;
    }
}

std::unique_ptr<RecordSheet> RecordSheet::forCactus(const Cactus& cactus, double valueWidth, const SheetFormats& formats)
{
    std::unique_ptr<RecordSheet> sheet(new RecordSheet);
    RecordSheet& s = *sheet;
    s.set(0, localized("Name"), cactus.name());
    s.set(2, localized("Photos"));
    s.at(2).photos = firstPhotos(cactus.images(), kCactusPhotos); // lines 3 to 7 stay free for them
    QString species = cactus.scientificName();
    if (!cactus.commonName().isEmpty())
        species = QStringLiteral("%1 (%2)").arg(cactus.scientificName(), cactus.commonName());
    s.set(8, localized("Species"), species);
    s.at(8).italicRange = cactus.textItalicRange();
    s.set(10, localized("Type"), SpinoraStrings::entry(SpinoraStrings::plantTypeStrings(), cactus.type()));
    s.set(12, localized("Watering"), cactus.water() ? cactus.water()->name() : QString());
    s.set(14, localized("Last Watered"), formats.mediumDateShortTime(cactus.lastWatered()));
    s.set(16, localized("Next Watering"),
          cactus.waterNext() ? formats.mediumDateShortTime(cactus.waterNext()) : localized("None Scheduled"));
    s.set(18, localized("Plant Date"), formats.shortDate(cactus.plantDate()));
    s.set(20, localized("Age"), Cactus::ageString(cactus.plantDate()));
    s.set(22, localized("Date Acquired"), formats.shortDate(cactus.dateAcquired()));
    s.set(24, localized("Source"), SpinoraStrings::entry(SpinoraStrings::sourceStrings(), cactus.source()));
    s.set(26, localized("Purchase Price"), formats.money(cactus.purchasePrice()));
    s.set(28, localized("Value"), formats.money(cactus.value()));

    const PrintText::BrokenText& location = s.keep(cactus.location(), valueWidth);
    s.putText(30, localized("Location"), location);
    s.locationLines_ = location.lineCount();
    const int block = 30 + std::max(location.lineCount(), 1);
    const std::pair<const char*, QString> details[] = {
        {QT_TRID_NOOP("Height"), cactus.height()},
        {QT_TRID_NOOP("Width"), cactus.width()},
        {QT_TRID_NOOP("Weight"), cactus.weight()},
        {QT_TRID_NOOP("Light"), cactus.light()},
        {QT_TRID_NOOP("Temperature"), cactus.temperature()},
        {QT_TRID_NOOP("Pot Size"), cactus.potSize()},
        {QT_TRID_NOOP("Pot Shape"), SpinoraStrings::entry(SpinoraStrings::shapeStrings(), cactus.potShape())},
        {QT_TRID_NOOP("Pot Material"), SpinoraStrings::entry(SpinoraStrings::materialStrings(), cactus.potMaterial())},
    };
    int offset = 1;
    for (const auto& [label, value] : details) {
        s.set(block + offset, localized(label), value);
        offset += 2;
    }
    const PrintText::BrokenText& notes = s.keep(cactus.notes(), valueWidth);
    s.putText(block + 17, localized("Notes"), notes);
    s.notesLines_ = notes.lineCount();
    const int history = block + 17 + std::max(notes.lineCount(), 1) + 1;
    s.set(history, localized("Log History"));
    const int firstLog = history + 2;
    s.logLines_ = int(cactus.logs().size());
    if (cactus.logs().empty()) {
        s.set(firstLog, localized("None"));
        s.at(firstLog).plainLabel = true;
    }
    for (size_t i = 0; i < cactus.logs().size(); ++i) {
        const Log& log = *cactus.logs()[i];
        QString what = orNone(log.eventName(), QT_TRID_NOOP("No Event Name"));
        if (log.logType() == Log::kNoteLog)
            what = QStringLiteral("%1 %2").arg(what, orNone(log.noteSummary(), QT_TRID_NOOP("No Notes")));
        s.set(firstLog + int(i), formats.mediumDate(log.logDate()), what);
        s.at(firstLog + int(i)).logEntry = true;
    }
    // 52 + logs (1 without) + location lines - 1 + notes lines - 1.
    const int total = 52 + std::max(s.logLines_, 1) + std::max(s.locationLines_ - 1, 0) + std::max(s.notesLines_ - 1, 0);
    s.lines_.resize(size_t(total));
    return sheet;
}

std::unique_ptr<RecordSheet> RecordSheet::forWater(const Water& water, double valueWidth, const SheetFormats& formats)
{
    std::unique_ptr<RecordSheet> sheet(new RecordSheet);
    RecordSheet& s = *sheet;
    s.set(0, localized("Name"), water.name());
    s.set(2, localized("Water Every"), SpinoraStrings::frequencyText(water.frequency(), water.frequencyUnits()));
    s.set(4, localized("Quantity"), SpinoraStrings::entry(SpinoraStrings::quantityStrings(), water.quantity()));
    s.set(6, localized("Last Watered"), formats.mediumDateShortTime(water.lastWatered()));
    s.set(8, localized("No Water Between"));
    const int periods = water.noWaterLines();
    for (int i = 0; i < periods; ++i)
        s.set(10 + i, QString(), water.waterLine(i));
    int next = 10 + periods + (periods > 0 ? 1 : 0);
    s.set(next, localized("Next Watering"),
          water.waterNext() ? formats.mediumDateShortTime(water.waterNext()) : localized("None Scheduled"));
    const PrintText::BrokenText& notes = s.keep(water.notes(), valueWidth);
    s.putText(next + 2, localized("Notes"), notes);
    s.notesLines_ = notes.lineCount();
    const int heading = next + 2 + std::max(notes.lineCount(), 1) + 1;
    s.set(heading, localized("Cacti To Water"));
    const int firstCactus = heading + 2;
    if (water.cacti().empty()) {
        s.set(firstCactus, localized("None"));
        s.at(firstCactus).plainLabel = true;
    }
    for (size_t i = 0; i < water.cacti().size(); ++i) {
        const Cactus& cactus = *water.cacti()[i];
        QString species;
        if (!cactus.scientificName().isEmpty()) {
            species = cactus.scientificName();
            if (!cactus.commonName().isEmpty())
                species += QStringLiteral(" (%1)").arg(cactus.commonName());
        }
        // The name stands in the label column (not bold), the species beside it.
        SheetLine& line = s.at(firstCactus + int(i));
        line.value = species;
        line.italicRange = cactus.textItalicRange();
        line.label = cactus.name();
        line.plainLabel = true;
    }
    // 17 + cacti + no-water lines + notes lines - 1. A schedule without
    // plants still needs the line that says "None".
    const int total = 17 + std::max(int(water.cacti().size()), 1) + periods + std::max(s.notesLines_ - 1, 0);
    s.lines_.resize(size_t(std::max(total, s.totalLines())));
    return sheet;
}

std::unique_ptr<RecordSheet> RecordSheet::forLog(const Log& log, double valueWidth, const SheetFormats& formats)
{
    std::unique_ptr<RecordSheet> sheet(new RecordSheet);
    RecordSheet& s = *sheet;
    s.set(0, localized("Event"), log.eventName());
    s.set(2, localized("Type"), log.logType() == Log::kCactusLog ? localized("Cactus") : localized("Note"));
    s.set(4, localized("Date"), formats.shortDate(log.logDate()));
    s.set(6, localized("Reminder"), log.reminder() ? localized("Yes") : localized("No"));
    s.set(8, localized("Cactus"), log.cactus() ? log.cactus()->name() : QString());
    s.set(10, localized("Photos"));
    s.at(10).photos = firstPhotos(log.images(), kLogPhotos); // lines 11 to 14 stay free for them
    const PrintText::BrokenText& notes = s.keep(log.notes(), valueWidth);
    s.putText(15, localized("Notes"), notes);
    s.notesLines_ = notes.lineCount();
    s.lines_.resize(size_t(17 + std::max(s.notesLines_ - 1, 0)));
    return sheet;
}

} // namespace spinora
