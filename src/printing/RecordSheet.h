#pragma once

#include "PrintText.h"
#include "SheetFormats.h"

#include <QString>

#include <memory>
#include <utility>
#include <vector>

namespace spinora {

class Cactus;
class Image;
class Log;
class Water;

// One line of a printed record sheet: a bold label in the left column and,
// 130 points right of it, a value text, one line of a broken long text, a
// row of photos, or a log entry in the small font.
struct SheetLine {
    QString label;
    QString value;
    std::pair<int, int> italicRange{0, 0};
    const PrintText::BrokenText* text = nullptr; // with `textLine`, instead of `value`
    int textLine = 0;
    std::vector<Image*> photos;
    bool logEntry = false;   // label and value in the system font of size 9
    bool plainLabel = false; // the label column holds a name, not a caption

    bool isEmpty() const { return label.isEmpty() && value.isEmpty() && !text && photos.empty(); }
    // What the line reads, for tests and diagnostics.
    QString valueText() const { return text ? text->lineText(textLine) : value; }
};

// Every line of the sheet of one cactus, schedule or log, laid out for a
// value column of a given width. The sheet keeps the broken texts its lines
// refer to. The line count follows the sheet's counting rule; lines the rule
// reserves beyond the content stay empty.
class RecordSheet {
public:
    static constexpr double kValueOffset = 130;
    static constexpr int kCactusPhotos = 5;
    static constexpr int kLogPhotos = 2;

    static std::unique_ptr<RecordSheet> forCactus(const Cactus& cactus, double valueWidth, const SheetFormats& formats);
    static std::unique_ptr<RecordSheet> forWater(const Water& water, double valueWidth, const SheetFormats& formats);
    static std::unique_ptr<RecordSheet> forLog(const Log& log, double valueWidth, const SheetFormats& formats);

    int totalLines() const { return int(lines_.size()); }
    const SheetLine& line(int number) const { return lines_.at(size_t(number)); }
    // The counts the line total is made of.
    int notesLines() const { return notesLines_; }
    int locationLines() const { return locationLines_; }
    int logLines() const { return logLines_; }

private:
    RecordSheet() = default;
    SheetLine& at(int number);
    void set(int number, const QString& label, const QString& value = QString());
    // Puts the lines of a broken text from `first` on; the label goes on the first.
    void putText(int first, const QString& label, const PrintText::BrokenText& text);
    const PrintText::BrokenText& keep(const QString& text, double width);

    std::vector<SheetLine> lines_;
    std::vector<std::unique_ptr<PrintText::BrokenText>> texts_;
    int notesLines_ = 0;
    int locationLines_ = 0;
    int logLines_ = 0;
};

} // namespace spinora
