#pragma once
// The page of the chart's strengths: the shadbala of the Sun … Saturn with
// their totals against the least each needs, the parts of sthana and kala
// bala, the bhava bala of the twelve houses and the vimsopaka bala, one tab
// each (presentation/StrengthLabels), the day reckoned from the sunrise
// chosen here. A classic chart has the vimsopaka bala and says why the rest
// is missing.

#include <QWidget>

#include "chart/Chart.h"

class QComboBox;
class QLabel;
class QTabWidget;

namespace velmora {

class StrengthsPage : public QWidget {
    Q_OBJECT
public:
    explicit StrengthsPage(const Chart& chart, QWidget* parent = nullptr);

    QComboBox* cboSunrise = nullptr;
    QTabWidget* tabTables = nullptr;  // one table a tab
    QLabel* lblNote = nullptr;

private:
    void Fill();

    Chart chart_;
};

}  // namespace velmora
