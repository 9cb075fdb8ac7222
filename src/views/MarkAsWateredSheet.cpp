#include "MarkAsWateredSheet.h"

#include "DateStyles.h"
#include "EditorSupport.h"
#include "Localization.h"

#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace spinora {

namespace {

// The current minute: the sheet shows no seconds, so it keeps none.
QDateTime thisMinute()
{
    const QDateTime current = toDateTime(now());
    return QDateTime(current.date(), QTime(current.time().hour(), current.time().minute()));
}

} // namespace

MarkAsWateredSheet::MarkAsWateredSheet(const QString& what, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MarkAsWateredSheet"));
    setWindowTitle(localized("Mark as Watered"));
    setWindowModality(Qt::WindowModal);

    auto* heading = new QLabel(localized("When were they watered?"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* subject = new QLabel(what, this);
    subject->setObjectName(QStringLiteral("WateredWhat"));
    subject->setWordWrap(true);
    subject->setMinimumWidth(280);

    wateredAt_ = new QDateTimeEdit(this);
    wateredAt_->setObjectName(QStringLiteral("WateredAt"));
    wateredAt_->setAccessibleName(localized("Watered on"));
    wateredAt_->setCalendarPopup(true);
    acceptTypedDates(wateredAt_);
    // The user's own date order, with the whole year: a two-digit year
    // would be read in the wrong century.
    const QString dateFormat = withFourDigitYear(QLocale().dateFormat(QLocale::ShortFormat));
    wateredAt_->setDisplayFormat(dateFormat + QStringLiteral(" HH:mm"));
    const QDateTime current = thisMinute();
    // Back in time as far as needed, never ahead: a watering is recorded once done.
    wateredAt_->setDateTimeRange(QDateTime(QDate(1970, 1, 2), QTime(0, 0)), current);
    wateredAt_->setDateTime(current);

    auto* form = new QFormLayout;
    form->addRow(localized("What:"), subject);
    auto* wateredLabel = new QLabel(localized("&Watered on:"), this);
    wateredLabel->setBuddy(wateredAt_);
    form->addRow(wateredLabel, wateredAt_);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(localized("Mark as Watered"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addWidget(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    wateredAt_->setFocus();
}

Timestamp MarkAsWateredSheet::moment() const
{
    const QDateTime shown = wateredAt_->dateTime();
    return fromDateTime(QDateTime(shown.date(), QTime(shown.time().hour(), shown.time().minute())));
}

} // namespace spinora
