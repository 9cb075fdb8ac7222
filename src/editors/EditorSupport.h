#pragma once

#include "Formatters.h"
#include "Image.h"
#include "Result.h"
#include "Timestamp.h"

#include <QComboBox>
#include <QIcon>
#include <QPalette>
#include <QLocale>
#include <QValidator>

#include <optional>
#include <tuple>
#include <vector>


class QCheckBox;
class QDateTimeEdit;
class QFormLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace spinora {

class Cactus;
class Image;
class SpinoraDatabase;

// The longest name, location or event the editors let a user type.
inline constexpr int kTextLimit = 200;

// The text limit formatter as a line edit's validator. The formatter needs the
// text before the edit, which the field still holds while it validates.
class TextLimitValidator : public QValidator {
public:
    TextLimitValidator(int maximumLength, QLineEdit* field);
    State validate(QString& input, int& pos) const override;

private:
    TextLimitFormatter formatter_;
    // The field's text before the edit being validated: the field itself
    // already holds the proposed text while it asks.
    QString accepted_;
};

// The number fields: while typing only digits and the user's decimal and
// grouping separators get in, up to the field's length; what they make is
// read as the user's locale writes numbers.
class NumberValidator : public QValidator {
public:
    // `fractionDigits` 0: a whole number, written without separators.
    NumberValidator(int integerDigits, int fractionDigits, QObject* parent);
    State validate(QString& input, int& pos) const override;
    // The number a text stands for; none for an empty text and for one that
    // is no number the field can store ("1.2.3", too many digits).
    std::optional<double> number(const QString& text) const;

private:
    int integerDigits_;
    int fractionDigits_;
    QLocale locale_;
};

// Money as the fields show it ("%.2f" in the user's locale).
QString formatAmount(double value);

// The check of the number fields before a record is written (OK, Print):
// each field is read once; what cannot be stored as typed is named, and the
// editor then writes nothing.
class FieldCheck {
public:
    // An amount of money: empty is 0.
    std::optional<double> amount(QLineEdit* field, const QString& label);
    // A whole number, at least `minimum`: never 0 for something typed.
    std::optional<int64_t> wholeNumber(QLineEdit* field, const QString& label, int64_t minimum);
    bool passed() const { return problems_.isEmpty(); }
    const QStringList& problems() const { return problems_; }
    // Tells the user what is wrong (a "WARNING" alert on the sheet) and puts
    // the focus on the first such field. Answers passed().
    bool report(QWidget* sheet) const;

private:
    void refuse(QLineEdit* field, const QString& problem);

    QStringList problems_;
    QLineEdit* firstField_ = nullptr;
};

// A combo box of names (species, schedules, plants, events) that also takes a
// typed name. The list stays as it is (what is typed joins a pick list only
// when the record is saved), and nothing is completed into the field: what
// the user types is what is stored.
QComboBox* editableComboBox(const char* name, QWidget* parent);

// A button of a sheet other than OK: Return stays with OK when it has the focus.
QPushButton* sheetButton(const QString& text, const char* name, QWidget* parent, const QString& toolTip = QString());

// Name lists whose items carry their record's key: a choice names a record,
// never a position that a re-sort or a nested editor moves.
void addRecordItem(QComboBox* box, const QString& name, int64_t key);
// Fills a name list with the records' names (`name` reads one), none chosen.
template <class Records, class R>
void fillRecordItems(QComboBox* box, const Records& records, const QString& (R::*name)() const)
{
    const QSignalBlocker block(box);
    box->clear();
    for (const auto& record : records)
        addRecordItem(box, ((*record).*name)(), record->primaryKey());
    box->setCurrentIndex(-1);
}
// The key of the item at `index`; -1 for none.
int64_t recordKeyAt(const QComboBox* box, int index);
// Makes the item of `key` current; false (and no change) when absent.
bool selectRecordKey(QComboBox* box, int64_t key);

// Keeps a text view's text to `maximumLength` characters: an edit that would
// make it longer is undone, one that shortens an over-long text is allowed.
// A keystroke at the limit beeps; a longer insertion (a paste, a drop) asks
// whether to insert what fits, naming the view by `label` and the limit.
void limitTextView(QPlainTextEdit* view, const QString& label, int maximumLength = 10000);
// Shows a record's text in a limited view.
void setLimitedText(QPlainTextEdit* view, const QString& text);

// Date pickers that can show "no date": disabled and blank. A picker with
// the time shows hours and minutes, and holds exactly what it shows: a time
// set in it is stored without hidden seconds. Only a stored date it was given
// and that the user left alone is answered unchanged, seconds and all.
void setupDatePicker(QDateTimeEdit* picker, bool withTime);
// Typing into a date field as into any desktop date field: a click selects
// the part under it (day, month, hour...), so that what is typed replaces
// it, and a month shown by name also takes its number. (Qt inserts at the
// caret: "12" with a "9" typed after it is an hour of 129, refused.)
void acceptTypedDates(QDateTimeEdit* edit);
void showDateInPicker(QDateTimeEdit* picker, const Timestamp& date, bool withTime);
void blankDatePicker(QDateTimeEdit* picker);
// Enables a blank picker again on the date it showed before (now for none).
void enableDatePicker(QDateTimeEdit* picker, bool withTime);
Timestamp pickerDate(const QDateTimeEdit* picker);
// The current moment to the whole minute, as "Just Watered" sets it.
Timestamp currentMinute();

// The "Last Watered" row of the cactus and the schedule editor: whether
// there is a date, the date and time, and "Just Watered".
std::tuple<QCheckBox*, QDateTimeEdit*, QPushButton*> addLastWateredRow(QFormLayout* form, QWidget* page);

// Names a control for screen readers. Qt names a control after its text or
// its form label; a control sharing a form row with others has neither. The
// text field inside an editable combo box or a date picker gets the name too.
void nameControl(QWidget* control, const QString& name);
// Each form row's label becomes the buddy of the first control of its row
// where the row holds several (a combo box and its buttons): the label then
// names the control for a screen reader (Qt on Linux calls a combo box by
// its value and names it through the label), and its mnemonic reaches it.
void linkRowLabels(QWidget* window);

// The next watering date as the editors show it, or "None Scheduled".
QString formatNextWatering(const Timestamp& date);

// The picture an empty photo slot shows, in the palette's colours (a dark
// desktop gets a light outline).
QIcon addPhotoIcon(const QPalette& palette);
QIcon thumbnailIcon(Image* image, const QPalette& palette);

// An open editor that shows a cactus field (the log editor): the cactus
// editor tells it about saved and newly added plants.
class CactusFieldListener {
public:
    virtual ~CactusFieldListener() = default;
    virtual void refreshCactusField() = 0;
    virtual void updateCactusField(Cactus* cactus) = 0;
};

// Stores a new record that an add sheet still owns, with its photos linked
// to it. Kept by the collection only afterwards: a step that fails leaves
// the sheet with the record as typed, ready for another OK.
template <class WithPhotos>
Result<> insertWithPhotos(WithPhotos& record, Connection* db)
{
    if (Result<> stored = record.insertIntoDatabase(db); !stored)
        return stored;
    for (Image* photo : record.images()) {
        photo->setLinkedKey(record.primaryKey());
        if (Result<> saved = photo->dehydrate(); !saved)
            return saved;
    }
    return record.dehydrate();
}

// The document's open editors of one kind, so that one editor can refresh
// another (a schedule saved while a cactus editor is open, for instance).
template <class Editor>
class OpenEditors {
public:
    static void add(const SpinoraDatabase* document, Editor* editor)
    {
        remove(editor);
        list().push_back({document, editor});
    }
    static void remove(Editor* editor)
    {
        std::erase_if(list(), [editor](const Entry& e) { return e.editor == editor; });
    }
    // The most recently opened one of the document, if any.
    static Editor* of(const SpinoraDatabase* document)
    {
        for (auto it = list().rbegin(); it != list().rend(); ++it) {
            if (it->document == document)
                return it->editor;
        }
        return nullptr;
    }

private:
    struct Entry {
        const SpinoraDatabase* document;
        Editor* editor;
    };
    static std::vector<Entry>& list()
    {
        static std::vector<Entry> entries;
        return entries;
    }
};

} // namespace spinora
