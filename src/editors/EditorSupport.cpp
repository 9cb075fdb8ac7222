#include "EditorSupport.h"

#include "Image.h"
#include "Localization.h"
#include "SPTableCell.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace spinora {

// --- Validators

TextLimitValidator::TextLimitValidator(int maximumLength, QLineEdit* field)
    : QValidator(field), accepted_(field->text())
{
    formatter_.setMaximumLength(maximumLength);
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { accepted_ = text; });
}

QValidator::State TextLimitValidator::validate(QString& input, int&) const
{
    return formatter_.isPartialStringValid(input, accepted_) ? Acceptable : Invalid;
}

NumberValidator::NumberValidator(int integerDigits, int fractionDigits, QObject* parent)
    : QValidator(parent), integerDigits_(integerDigits), fractionDigits_(fractionDigits)
{
}

QValidator::State NumberValidator::validate(QString& input, int&) const
{
    const QString grouping = locale_.groupSeparator();
    const QString decimal = locale_.decimalPoint();
    // Room for the separators of the longest number the field stores.
    const int longest = integerDigits_ + (fractionDigits_ > 0 ? fractionDigits_ + 1 : 0) + integerDigits_ / 3;
    if (input.size() > longest)
        return Invalid;
    for (const QChar c : input) {
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!digit && !grouping.contains(c) && !decimal.contains(c))
            return Invalid;
    }
    // "1.2" on the way to "1.25" may stay; a number the field cannot store
    // ("2.5" for a whole number, "1.2.3") is refused with a message on OK
    // rather than changed behind the user's back.
    return input.isEmpty() || number(input) ? Acceptable : Intermediate;
}

std::optional<double> NumberValidator::number(const QString& text) const
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QString decimal = locale_.decimalPoint();
    if (fractionDigits_ == 0 && !std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    bool ok = false;
    const double value = locale_.toDouble(trimmed, &ok);
    if (!ok || value < 0)
        return std::nullopt;
    const qsizetype point = trimmed.indexOf(decimal);
    const qsizetype fraction = point < 0 ? 0 : trimmed.size() - point - decimal.size();
    if (fraction > fractionDigits_ || value >= std::pow(10.0, integerDigits_))
        return std::nullopt;
    return value;
}

QString formatAmount(double value)
{
    return QLocale().toString(value, 'f', 2);
}

// --- The check before OK

void FieldCheck::refuse(QLineEdit* field, const QString& problem)
{
    problems_.append(problem);
    if (!firstField_)
        firstField_ = field;
}

std::optional<double> FieldCheck::amount(QLineEdit* field, const QString& label)
{
    const auto* validator = dynamic_cast<const NumberValidator*>(field->validator());
    const QString text = field->text().trimmed();
    if (text.isEmpty())
        return 0.0;
    if (const std::optional<double> value = validator ? validator->number(text) : std::nullopt)
        return value;
    refuse(field, localized("%1: “%2” is not an amount such as %3.").arg(label, text, formatAmount(1234.5)));
    return std::nullopt;
}

std::optional<int64_t> FieldCheck::wholeNumber(QLineEdit* field, const QString& label, int64_t minimum)
{
    const auto* validator = dynamic_cast<const NumberValidator*>(field->validator());
    const QString text = field->text().trimmed();
    const std::optional<double> value = validator ? validator->number(text) : std::nullopt;
    if (value && *value >= double(minimum) && *value == std::floor(*value))
        return int64_t(*value);
    refuse(field, text.isEmpty()
                      ? localized("%1: a whole number of %2 or more is needed.").arg(label).arg(minimum)
                      : localized("%1: “%2” is not a whole number of %3 or more.").arg(label, text).arg(minimum));
    return std::nullopt;
}

bool FieldCheck::report(QWidget* sheet) const
{
    if (passed())
        return true;
    // Show the field: the tab that holds it comes to the front.
    for (QWidget* page = firstField_; page; page = page->parentWidget()) {
        if (auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget())) {
            stack->setCurrentWidget(page);
            break;
        }
    }
    QMessageBox alert(QMessageBox::Warning, localized("WARNING"), localized("WARNING"), QMessageBox::Ok, sheet);
    alert.setObjectName(QStringLiteral("fieldCheckAlert"));
    alert.setInformativeText(problems_.join(QLatin1Char('\n')));
    alert.setWindowModality(Qt::WindowModal);
    alert.exec();
    firstField_->setFocus();
    firstField_->selectAll();
    return false;
}

QPushButton* sheetButton(const QString& text, const char* name, QWidget* parent, const QString& toolTip)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(toolTip);
    button->setAutoDefault(false);
    return button;
}

QComboBox* editableComboBox(const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(18);
    // No completion while typing. Inline completion wrote the rest of a name
    // behind the caret: a name that begins like a listed one was stored as
    // the listed one, and typing on after a click garbled the field. A popup
    // of completions swallows the click into the next field (the window
    // system does not pass on the click that closes it), and the typing goes
    // on in the old field. The list's drop-down offers the names.
    box->setCompleter(nullptr);
    return box;
}

void addRecordItem(QComboBox* box, const QString& name, int64_t key)
{
    box->addItem(name, QVariant::fromValue<qlonglong>(key));
}

int64_t recordKeyAt(const QComboBox* box, int index)
{
    const QVariant key = index >= 0 ? box->itemData(index) : QVariant();
    return key.isValid() ? key.toLongLong() : -1;
}

bool selectRecordKey(QComboBox* box, int64_t key)
{
    const int index = key < 0 ? -1 : box->findData(QVariant::fromValue<qlonglong>(key));
    if (index >= 0)
        box->setCurrentIndex(index);
    return index >= 0;
}

namespace {

const char* const kAcceptedText = "spinoraAcceptedText";

// The edit that made `after` of `before`: where it began, how much of
// `before` it replaced and what it put there.
struct TextEdit {
    qsizetype position = 0;
    qsizetype replaced = 0;
    QString inserted;
};

TextEdit editBetween(const QString& before, const QString& after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return {prefix, before.size() - prefix - suffix, after.mid(prefix, after.size() - prefix - suffix)};
}

// Asks whether a refused insertion goes in cut to the `room` characters
// that fit, or not at all; the rest of the text stays as it was.
void offerWhatFits(QPlainTextEdit* view, const QString& label, int maximumLength, const TextEdit& edit,
                   qsizetype room)
{
    const QLocale locale;
    QMessageBox question(QMessageBox::Warning, localized("WARNING"),
                         localized("%1 can hold at most %2 characters.").arg(label, locale.toString(maximumLength)),
                         QMessageBox::NoButton, view->window());
    question.setObjectName(QStringLiteral("textLimitQuestion"));
    question.setInformativeText(localized("Of the %1 characters inserted, %2 fit.")
                                    .arg(locale.toString(edit.inserted.size()), locale.toString(room)));
    QPushButton* insert = room > 0 ? question.addButton(localized("Insert the First %1").arg(locale.toString(room)),
                                                        QMessageBox::AcceptRole)
                                   : nullptr;
    question.setDefaultButton(question.addButton(localized("Insert Nothing"), QMessageBox::RejectRole));
    question.setWindowModality(Qt::WindowModal);
    question.exec();
    if (!insert || question.clickedButton() != insert)
        return;
    QTextCursor cursor(view->document());
    cursor.setPosition(int(edit.position));
    cursor.setPosition(int(edit.position + edit.replaced), QTextCursor::KeepAnchor);
    cursor.insertText(edit.inserted.left(room));
    view->setTextCursor(cursor);
}

} // namespace

void limitTextView(QPlainTextEdit* view, const QString& label, int maximumLength)
{
    view->setProperty(kAcceptedText, view->toPlainText());
    QObject::connect(view, &QPlainTextEdit::textChanged, view, [view, label, maximumLength] {
        TextLimitFormatter formatter;
        formatter.setMaximumLength(maximumLength);
        const QString text = view->toPlainText();
        const QString accepted = view->property(kAcceptedText).toString();
        if (formatter.isPartialStringValid(text, accepted)) {
            view->setProperty(kAcceptedText, text);
            return;
        }
        // Undo the edit.
        {
            const QSignalBlocker block(view);
            view->setPlainText(accepted);
        }
        const TextEdit edit = editBetween(accepted, text);
        if (edit.inserted.size() <= 1)
            QApplication::beep(); // a keystroke at the limit
        // As much as the limit leaves room for, whole characters only.
        qsizetype room = std::max<qsizetype>(maximumLength, accepted.size()) - (accepted.size() - edit.replaced);
        if (room > 0 && edit.inserted[room - 1].isHighSurrogate())
            --room;
        // Once the refused edit has unwound: the cursor where its text would
        // have begun, and for more than a keystroke the question.
        QTimer::singleShot(0, view, [=] {
            if (view->toPlainText() != accepted)
                return;
            QTextCursor cursor = view->textCursor();
            cursor.setPosition(int(edit.position));
            view->setTextCursor(cursor);
            if (edit.inserted.size() > 1)
                offerWhatFits(view, label, maximumLength, edit, room);
        });
    });
}

void setLimitedText(QPlainTextEdit* view, const QString& text)
{
    // A stored text is shown whatever its length; only edits are limited.
    view->setProperty(kAcceptedText, text);
    view->setPlainText(text);
}

// --- Date pickers

namespace {

// Watering times are kept to the minute: seconds only clutter the field.
QString hoursAndMinutes(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(QStringLiteral(":ss"));
    return format;
}

const QDateTime kBlankMoment(QDate(1800, 1, 1), QTime(0, 0));
// What a blank picker shows again when it is enabled.
const char* const kHeldDate = "spinoraHeldDate";
// The stored date the picker was given, and the minute it shows for it.
const char* const kGivenDate = "spinoraGivenDate";
const char* const kGivenShown = "spinoraGivenShown";

class TypedDateSections : public QObject {
public:
    explicit TypedDateSections(QDateTimeEdit* edit) : QObject(edit), edit_(edit)
    {
        edit->installEventFilter(this);
        if (QLineEdit* field = edit->findChild<QLineEdit*>())
            field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease) {
            // After the field has placed the caret where the click was.
            QTimer::singleShot(0, edit_, [edit = edit_] { edit->setSelectedSection(edit->currentSection()); });
        } else if (event->type() == QEvent::FocusOut) {
            monthDigits_.clear();
        } else if (event->type() == QEvent::KeyPress) {
            return typedMonthNumber(static_cast<QKeyEvent*>(event)->text());
        }
        return false;
    }

private:
    bool monthShownByName() const
    {
        return edit_->currentSection() == QDateTimeEdit::MonthSection &&
               edit_->displayFormat().contains(QLatin1String("MMM"));
    }

    // "1" then "2" is December; a digit that cannot go on starts again.
    bool typedMonthNumber(const QString& text)
    {
        if (text.size() != 1 || !text.front().isDigit() || !monthShownByName()) {
            monthDigits_.clear();
            return false;
        }
        monthDigits_ += text;
        int month = monthDigits_.toInt();
        if (month < 1 || month > 12) {
            monthDigits_ = text;
            month = text.toInt();
        }
        if (month >= 1) {
            const QDate date = edit_->date();
            edit_->setDate(QDate(date.year(), month, std::min(date.day(), QDate(date.year(), month, 1).daysInMonth())));
            edit_->setSelectedSection(QDateTimeEdit::MonthSection);
        }
        return true;
    }

    QDateTimeEdit* edit_;
    QString monthDigits_;
};

} // namespace

void acceptTypedDates(QDateTimeEdit* edit)
{
    new TypedDateSections(edit);
}

void setupDatePicker(QDateTimeEdit* picker, bool withTime)
{
    acceptTypedDates(picker);
    picker->setMinimumDateTime(kBlankMoment);
    picker->setSpecialValueText(QStringLiteral(" "));
    picker->setCalendarPopup(true);
    const QLocale locale;
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (withTime)
        format += QLatin1Char(' ') + hoursAndMinutes(locale);
    picker->setDisplayFormat(format);
}

void showDateInPicker(QDateTimeEdit* picker, const Timestamp& date, bool withTime)
{
    const Timestamp given = date ? date : now();
    QDateTime shown = toDateTime(given);
    shown.setTime(withTime ? QTime(shown.time().hour(), shown.time().minute()) : QTime(0, 0));
    picker->setProperty(kHeldDate, shown);
    picker->setProperty(kGivenDate, *given);
    picker->setProperty(kGivenShown, shown);
    const QSignalBlocker block(picker);
    picker->setDateTime(shown);
    picker->setEnabled(true);
}

void blankDatePicker(QDateTimeEdit* picker)
{
    if (picker->dateTime() != kBlankMoment)
        picker->setProperty(kHeldDate, picker->dateTime());
    const QSignalBlocker block(picker);
    picker->setDateTime(kBlankMoment);
    picker->setEnabled(false);
}

void enableDatePicker(QDateTimeEdit* picker, bool withTime)
{
    QDateTime held = picker->property(kHeldDate).toDateTime();
    if (picker->dateTime() != kBlankMoment)
        held = picker->dateTime();
    showDateInPicker(picker, held.isValid() && held != kBlankMoment ? fromDateTime(held) : currentMinute(), withTime);
}

Timestamp pickerDate(const QDateTimeEdit* picker)
{
    const QDateTime shown = picker->dateTime();
    if (shown == kBlankMoment)
        return std::nullopt;
    if (shown == picker->property(kGivenShown).toDateTime())
        return picker->property(kGivenDate).toDouble();
    return fromDateTime(shown);
}

Timestamp currentMinute()
{
    QDateTime moment = toDateTime(now());
    moment.setTime(QTime(moment.time().hour(), moment.time().minute()));
    return fromDateTime(moment);
}

std::tuple<QCheckBox*, QDateTimeEdit*, QPushButton*> addLastWateredRow(QFormLayout* form, QWidget* page)
{
    auto* valid = new QCheckBox(page);
    valid->setObjectName(QStringLiteral("validLastWateredButton"));
    auto* date = new QDateTimeEdit(page);
    date->setObjectName(QStringLiteral("lastWateredField"));
    setupDatePicker(date, true);
    QPushButton* justWatered = sheetButton(localized("Just Watered"), "justWateredButton", page);
    auto* row = new QHBoxLayout;
    row->addWidget(valid);
    row->addWidget(date, 1);
    row->addWidget(justWatered);
    form->addRow(localized("Last Watered"), row);
    return {valid, date, justWatered};
}

void nameControl(QWidget* control, const QString& name)
{
    control->setAccessibleName(name);
    if (auto* box = qobject_cast<QComboBox*>(control); box && box->lineEdit())
        box->lineEdit()->setAccessibleName(name);
    if (qobject_cast<QAbstractSpinBox*>(control)) {
        if (auto* field = control->findChild<QLineEdit*>())
            field->setAccessibleName(name);
    }
}

namespace {

QWidget* firstControl(QLayout* layout)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (QWidget* widget = item->widget(); widget && widget->focusPolicy() != Qt::NoFocus)
            return widget;
        if (QLayout* inner = item->layout(); inner) {
            if (QWidget* found = firstControl(inner))
                return found;
        }
    }
    return nullptr;
}

} // namespace

void linkRowLabels(QWidget* window)
{
    for (QFormLayout* form : window->findChildren<QFormLayout*>()) {
        for (int row = 0; row < form->rowCount(); ++row) {
            QLayoutItem* labelItem = form->itemAt(row, QFormLayout::LabelRole);
            QLayoutItem* fieldItem = form->itemAt(row, QFormLayout::FieldRole);
            auto* label = labelItem ? qobject_cast<QLabel*>(labelItem->widget()) : nullptr;
            if (label && !label->buddy() && fieldItem && fieldItem->layout()) {
                if (QWidget* control = firstControl(fieldItem->layout()))
                    label->setBuddy(control);
            }
        }
    }
}

QString formatNextWatering(const Timestamp& date)
{
    if (!date)
        return localized("None Scheduled");
    const QLocale locale;
    const QDateTime moment = toDateTime(date);
    return locale.toString(moment.date(), QLocale::LongFormat) + QLatin1Char(' ') +
           locale.toString(moment.time(), hoursAndMinutes(locale));
}

// --- Photo slots

QIcon addPhotoIcon(const QPalette& palette)
{
    // Between the text and the window colour: quieter than text, and as
    // clear on a dark window as on a light one.
    const auto towardText = [&palette](qreal share) {
        return SPTableCell::mixed(palette.color(QPalette::WindowText), palette.color(QPalette::Window), share);
    };
    QPixmap pixmap(96, 96);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(towardText(0.45), 2, Qt::DashLine));
    painter.drawRoundedRect(QRectF(4, 4, 88, 88), 8, 8);
    painter.setPen(QPen(towardText(0.6), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(48, 30), QPointF(48, 66));
    painter.drawLine(QPointF(30, 48), QPointF(66, 48));
    return QIcon(pixmap);
}

QIcon thumbnailIcon(Image* image, const QPalette& palette)
{
    if (!image)
        return addPhotoIcon(palette);
    image->hydrateThumbnailForDisplay();
    const QImage& thumb = image->thumbnail();
    if (thumb.isNull())
        return addPhotoIcon(palette);
    return QIcon(QPixmap::fromImage(Image::centredSquare(thumb)));
}

} // namespace spinora
