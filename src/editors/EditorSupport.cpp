#include "EditorSupport.h"

#include "Image.h"
#include "Localization.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

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

DecimalValidator::DecimalValidator(int integerDigits, int fractionDigits, QObject* parent) : QValidator(parent)
{
    formatter_.setMaximumIntegerDigits(integerDigits);
    formatter_.setMaximumFractionDigits(fractionDigits);
}

QValidator::State DecimalValidator::validate(QString& input, int&) const
{
    return formatter_.isPartialStringValid(input) ? Acceptable : Invalid;
}

QString formatAmount(double value)
{
    return QLocale().toString(value, 'f', 2);
}

double parseAmount(const QString& text)
{
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    return ok ? value : 0.0;
}

namespace {
const char* const kAcceptedText = "spinoraAcceptedText";
}

void limitTextView(QPlainTextEdit* view, int maximumLength)
{
    view->setProperty(kAcceptedText, view->toPlainText());
    QObject::connect(view, &QPlainTextEdit::textChanged, view, [view, maximumLength] {
        TextLimitFormatter formatter;
        formatter.setMaximumLength(maximumLength);
        const QString text = view->toPlainText();
        const QString accepted = view->property(kAcceptedText).toString();
        if (formatter.isPartialStringValid(text, accepted)) {
            view->setProperty(kAcceptedText, text);
            return;
        }
        // Undo the edit, keeping the cursor where the refused text would have begun.
        const int position = std::clamp<int>(view->textCursor().position() - int(text.size() - accepted.size()), 0,
                                             int(accepted.size()));
        {
            const QSignalBlocker block(view);
            view->setPlainText(accepted);
        }
        QTextCursor cursor = view->textCursor();
        cursor.setPosition(position);
        view->setTextCursor(cursor);
        QApplication::beep();
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
const char* const kHeldDate = "spinoraHeldDate";

} // namespace

void setupDatePicker(QDateTimeEdit* picker, bool withTime)
{
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
    QDateTime moment = date ? toDateTime(date) : QDateTime::currentDateTime();
    if (!withTime)
        moment.setTime(QTime(0, 0));
    picker->setProperty(kHeldDate, moment);
    const QSignalBlocker block(picker);
    picker->setDateTime(moment);
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
    if (!held.isValid() || held == kBlankMoment)
        held = toDateTime(now());
    showDateInPicker(picker, fromDateTime(held), withTime);
}

Timestamp pickerDate(const QDateTimeEdit* picker)
{
    if (picker->dateTime() == kBlankMoment)
        return std::nullopt;
    return fromDateTime(picker->dateTime());
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

QIcon addPhotoIcon()
{
    static const QIcon icon = [] {
        QPixmap pixmap(96, 96);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QPen pen(QColor(150, 150, 150), 2, Qt::DashLine);
        painter.setPen(pen);
        painter.drawRoundedRect(QRectF(4, 4, 88, 88), 8, 8);
        painter.setPen(QPen(QColor(120, 120, 120), 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(48, 30), QPointF(48, 66));
        painter.drawLine(QPointF(30, 48), QPointF(66, 48));
        return QIcon(pixmap);
    }();
    return icon;
}

QIcon thumbnailIcon(Image* image)
{
    if (!image)
        return addPhotoIcon();
    image->hydrateThumbnail();
    const QImage& thumb = image->thumbnail();
    if (thumb.isNull())
        return addPhotoIcon();
    return QIcon(QPixmap::fromImage(Image::centredSquare(thumb)));
}

// --- The sheet

EditorSheet::EditorSheet(QWidget* parent) : QDialog(parent)
{
    setWindowModality(Qt::WindowModal);
    tabs_ = new QTabWidget(this);
    okButton_ = new QPushButton(localized("OK"), this);
    cancelButton_ = new QPushButton(localized("Cancel"), this);
    printButton_ = new QPushButton(localized("Print"), this);
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);
    cancelButton_->setAutoDefault(false);
    printButton_->setAutoDefault(false);
    okButton_->setObjectName(QStringLiteral("okButton"));
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    printButton_->setObjectName(QStringLiteral("printButton"));
}

void EditorSheet::addButtonRow(QAbstractButton* extra)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(printButton_);
    if (extra)
        row->addWidget(extra);
    row->addStretch(1);
    row->addWidget(cancelButton_);
    row->addWidget(okButton_);
    layout->addLayout(row);
}

bool EditorSheet::showViewFromWindow()
{
    raise();
    activateWindow();
    return exec() == QDialog::Accepted;
}

void EditorSheet::finishSheet(bool saved)
{
    infoScreenVisible_ = false;
    tabs_->setCurrentIndex(0);
    done(saved ? QDialog::Accepted : QDialog::Rejected);
}

void EditorSheet::reject()
{
    // Escape and the window's close box act as Cancel.
    if (infoScreenVisible_)
        cancelEditing();
    else
        QDialog::reject();
}

} // namespace spinora
