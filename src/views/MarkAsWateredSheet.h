#pragma once

#include "Timestamp.h"

#include <QDialog>

class QDateTimeEdit;
class QDialogButtonBox;

namespace spinora {

// The "Mark as Watered" sheet: when the chosen plants or schedules were
// watered, now (the default) or earlier, never later. It keeps the moment
// it shows, to the minute.
class MarkAsWateredSheet : public QDialog {
    Q_OBJECT
public:
    // `what` says what is marked ("3 cacti", "2 watering schedules and their 7 cacti").
    MarkAsWateredSheet(const QString& what, QWidget* parent);

    Timestamp moment() const;
    QDateTimeEdit* dateTimeEdit() const { return wateredAt_; }
    QDialogButtonBox* buttons() const { return buttons_; }

private:
    QDateTimeEdit* wateredAt_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

} // namespace spinora
