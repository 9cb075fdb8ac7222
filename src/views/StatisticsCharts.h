#pragma once

#include <QWidget>

#include <array>

class QChart;
class QChartView;

namespace spinora {

struct CollectionCharts;

// The four charts of the statistics window (plants and value by date
// acquired, plants by genus, waterings due in the coming days), drawn in the
// colours of the application palette.
class StatisticsCharts : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsCharts(QWidget* parent = nullptr);

    void showCharts(const CollectionCharts& charts);

protected:
    void changeEvent(QEvent* event) override;

private:
    void replace(int which, QChart* chart);
    void followPalette(QChart* chart) const;

    std::array<QChartView*, 4> views_{};
};

} // namespace spinora
