#pragma once

#include "ListFormats.h"

#include <QDialog>

#include <array>

class QLabel;

namespace spinora {

class SpinoraDatabase;
class StatisticsCharts;

// The statistics window of one collection: eight figures and four charts,
// computed when the window is presented and not updated while it is open (it
// is modal, so the collection cannot change meanwhile).
class StatisticsViewController : public QDialog {
    Q_OBJECT
public:
    StatisticsViewController(SpinoraDatabase& document, QWidget* parent = nullptr);

    // Recomputes the figures, shows the window and runs it modally.
    void presentStatistics();
    void refreshData();

    // The amount shown for a caption ("Cacti", ..., "Total Value").
    QString amountText(const QString& caption) const;

private:
    static constexpr int kFigures = 8;
    SpinoraDatabase& document_;
    ListFormats formats_;
    std::array<QLabel*, kFigures> captions_{};
    std::array<QLabel*, kFigures> amounts_{};
    StatisticsCharts* charts_ = nullptr;
};

} // namespace spinora
