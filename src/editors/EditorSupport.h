#pragma once

#include "Formatters.h"
#include "Timestamp.h"

#include <QDialog>
#include <QValidator>

#include <vector>


class QAbstractButton;
class QDateTimeEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace spinora {

class Cactus;
class Image;
class SpinoraDatabase;

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

// The decimal formatter as a line edit's validator: digits and the locale's
// separators only, at most the formatter's length.
class DecimalValidator : public QValidator {
public:
    DecimalValidator(int integerDigits, int fractionDigits, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    DecimalFormatter formatter_;
};

// Money and sizes as the fields show them ("%.2f" in the user's locale) and back.
QString formatAmount(double value);
double parseAmount(const QString& text);

// Keeps a text view's text to `maximumLength` characters: an edit that would
// make it longer is undone, one that shortens an over-long text is allowed.
void limitTextView(QPlainTextEdit* view, int maximumLength = 10000);
// Shows a record's text in a limited view.
void setLimitedText(QPlainTextEdit* view, const QString& text);

// Date pickers that can show "no date": disabled and blank.
void setupDatePicker(QDateTimeEdit* picker, bool withTime);
void showDateInPicker(QDateTimeEdit* picker, const Timestamp& date, bool withTime);
void blankDatePicker(QDateTimeEdit* picker);
// Enables a blank picker again on the date it held before (today for none).
void enableDatePicker(QDateTimeEdit* picker, bool withTime);
Timestamp pickerDate(const QDateTimeEdit* picker);

// The next watering date as the editors show it, or "None Scheduled".
QString formatNextWatering(const Timestamp& date);

// The picture an empty photo slot shows.
QIcon addPhotoIcon();
QIcon thumbnailIcon(Image* image);

// An open editor that shows a cactus field (the log editor): the cactus
// editor tells it about saved and newly added plants.
class CactusFieldListener {
public:
    virtual ~CactusFieldListener() = default;
    virtual void refreshCactusField() = 0;
    virtual void updateCactusField(Cactus* cactus) = 0;
};

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

// The base of the record editor sheets: a window-modal dialog on the document
// window whose nested loop ends with OK or Cancel. Closing the window is Cancel.
class EditorSheet : public QDialog {
    Q_OBJECT
public:
    explicit EditorSheet(QWidget* parent);

    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QPushButton* printButton() const { return printButton_; }
    QTabWidget* tabs() const { return tabs_; }
    bool infoScreenVisible() const { return infoScreenVisible_; }

    // Runs the sheet modally over its parent; answers true when OK saved.
    bool showViewFromWindow();

protected:
    // The buttons row under the tabs; subclasses add their own buttons to it.
    void addButtonRow(QAbstractButton* extra = nullptr);
    // Ends the loop and hides the sheet with the button that closed it.
    void finishSheet(bool saved);
    void reject() override;
    virtual void cancelEditing() = 0;

    bool infoScreenVisible_ = false;

private:
    QTabWidget* tabs_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QPushButton* printButton_;
};

} // namespace spinora
