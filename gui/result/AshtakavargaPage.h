#pragma once
// The chart's ashtakavarga (Parashara): the table of the seven planets'
// bindus by sign with their totals and the sarvashtakavarga, and the
// sarvashtakavarga drawn as a chart in the chosen style; in the reading
// chosen here (B. V. Raman's or P. V. R. Narasimha Rao's), with the tables
// after trikona and ekadhipatya shodhana and the pindas when asked. Both
// choices are kept in the preferences, which the printed pages follow.

#include <QWidget>

#include "chart/Chart.h"
#include "services/ChartStyleChoice.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

namespace velmora {

class ChartView;
class Preferences;

class AshtakavargaPage : public QWidget {
    Q_OBJECT
public:
    // `style` is the program's choice: changing it here keeps it for the
    // next chart too.
    AshtakavargaPage(const Chart& chart, ChartStyleChoice& style, Preferences& preferences, QWidget* parent = nullptr);

    QLabel* lblAbout = nullptr;
    QComboBox* cboStyle = nullptr;
    QComboBox* cboReading = nullptr;  // in the order of kAshtakavargaReadings
    QCheckBox* chkReduced = nullptr;
    QTableWidget* tblBindus = nullptr;  // the seven planets, then SAV; the signs, then Total
    // Shown with chkReduced: the seven planets after both reductions; the
    // signs, Total, then the rasi, graha and shodhya pindas.
    QTableWidget* tblReduced = nullptr;
    ChartView* sav = nullptr;

private:
    void ShowReading(AshtakavargaReading reading);

    const Chart chart_;  // with its ashtakavarga in both readings
    Preferences& preferences_;
};

}  // namespace velmora
