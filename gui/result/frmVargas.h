#pragma once
// The page beside the result form's chart: the Moon's nakshatra and the
// dasha running today at the top, the birth chart and the Navamsa in the
// chosen style (the birth chart with the degrees in its cells when chosen),
// each point's nakshatra, pada and Navamsa sign, and the Vimshottari periods
// with their sub-periods.

#include <QWidget>

#include "chart/Chart.h"
#include "services/ChartStyleChoice.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;
class QTreeWidget;

namespace velmora {

class ChartView;

class frmVargas : public QWidget {
    Q_OBJECT
public:
    // `style` is the program's choice: chosen here, every window's charts
    // follow it, and the next chart's too.
    frmVargas(const Chart& chart, ChartStyleChoice& style, QWidget* parent = nullptr);

    QLabel* lblSummary = nullptr;
    QComboBox* cboStyle = nullptr;
    // Each point's degrees in its sign written in the birth chart's cells:
    // the program's choice, kept for the next chart, print and images.
    QCheckBox* chkDegrees = nullptr;
    ChartView* rashi = nullptr;
    ChartView* navamsa = nullptr;
    QTableWidget* tblNakshatras = nullptr;
    QLabel* lblDasha = nullptr;
    QTreeWidget* treeDasha = nullptr;

    // "Moon in Chitra, pada 1 (lord Mars). On 9 Dec 2026: Saturn period, Venus sub-period."
    static QString Summary(const Chart& chart);

private:
    void Fill(const Chart& chart);  // the texts made from the chart, in the windows' language
};

}  // namespace velmora
