#pragma once
// The page of the sixteen divisional charts: a table of every point's sign
// in D1 … D60 with the vargottama points marked, and any varga chosen from a
// list drawn as a chart in the chosen style, with the arudha padas of its
// own houses (D1's the chart's own).

#include <QString>
#include <QWidget>

#include "chart/Chart.h"
#include "services/ChartStyleChoice.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QTableWidget;

namespace velmora {

class ChartView;

class ShodasavargaPage : public QWidget {
    Q_OBJECT
public:
    // `style` is the program's choice: chosen here, every window's charts
    // follow it, and the next chart's too.
    ShodasavargaPage(const Chart& chart, ChartStyleChoice& style, QWidget* parent = nullptr);

    QLabel* lblVargottama = nullptr;
    QTableWidget* tblVargas = nullptr;
    QComboBox* cboVarga = nullptr;
    QComboBox* cboStyle = nullptr;
    QGroupBox* fraChart = nullptr;
    ChartView* chartVarga = nullptr;

    // "Vargottama (the same sign in D1 and D9): Sun, Ascendant." or "…: none."
    static QString VargottamaText(const Chart& chart);

    // Shows varga `varga` (0 D1 … 15 D60) in the chart.
    void ShowVarga(int varga);
    void FillTable();  // the table, in the windows' language

private:
    Chart chart_;
};

}  // namespace velmora
