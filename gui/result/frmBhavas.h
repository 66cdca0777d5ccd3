#pragma once
// The houses (bhavas) of a precise chart: which ayanamsa and house system,
// the twelve cusps with the points in each house, each point's bhava, and
// the bhava chart (bhava chalit) in the chosen style. A classic chart has no
// cusps; the page says so.

#include <QWidget>

#include "chart/Chart.h"
#include "services/ChartStyleChoice.h"

class QLabel;
class QTableWidget;

namespace velmora {

class ChartView;

class frmBhavas : public QWidget {
    Q_OBJECT
public:
    // The bhava chart is drawn in `style`, and again in each style chosen.
    frmBhavas(const Chart& chart, const ChartStyleChoice& style, QWidget* parent = nullptr);

    QLabel* lblSummary = nullptr;
    QLabel* lblNote = nullptr;  // why the houses asked for could not be drawn; hidden when they could
    QTableWidget* tblCusps = nullptr;
    QTableWidget* tblBhavas = nullptr;
    ChartView* bhavaChart = nullptr;  // null for a classic chart

    // "Placidus houses, each cusp where its house begins. True Chitra 23° 47′ 42″, apparent positions."
    static QString Summary(const Chart& chart);
};

}  // namespace velmora
