#pragma once
// The page of the birth's panchanga: the weekday from sunrise to sunrise,
// the tithi, the Moon's nakshatra, the yoga and the karana, each with the
// span it runs and the share left at the birth, and the sunrise and sunset
// by the convention chosen here. A classic chart says why it has none.

#include <QWidget>

#include "chart/Chart.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace velmora {

class frmPanchanga : public QWidget {
    Q_OBJECT
public:
    explicit frmPanchanga(const Chart& chart, QWidget* parent = nullptr);

    QLabel* lblNote = nullptr;  // the sunrise's convention, or why there is no panchanga
    QComboBox* cboSunrise = nullptr;
    QTableWidget* tblPanchanga = nullptr;

private:
    void Fill();

    Chart chart_;
};

}  // namespace velmora
