#pragma once
// The chart's ashtakavarga (Parashara): the table of the seven planets'
// bindus by sign with their totals and the sarvashtakavarga, and the
// sarvashtakavarga drawn as a chart in the chosen style.

#include <QWidget>

#include "chart/Chart.h"
#include "presentation/ChartStyle.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace velmora {

class ChartView;

class AshtakavargaPage : public QWidget {
    Q_OBJECT
public:
    // `style` is the program's choice: changing it here keeps it for the
    // next chart too.
    AshtakavargaPage(const Chart& chart, ChartStyleChoice& style, QWidget* parent = nullptr);

    QLabel* lblAbout = nullptr;
    QComboBox* cboStyle = nullptr;
    QTableWidget* tblBindus = nullptr;  // the seven planets, then SAV; the signs, then Total
    ChartView* sav = nullptr;
};

}  // namespace velmora
