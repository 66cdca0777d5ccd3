#pragma once
// The full position table of a chart: for each of the ten points its
// longitude to the second, sign, nakshatra with pada and lord, speed and
// motion, dignity, combustion and planetary war (docs/positions.md), with a
// line saying whose rules they follow.

#include <QWidget>

#include "chart/Chart.h"

class QLabel;
class QTableWidget;

namespace velmora {

class PositionsPage : public QWidget {
    Q_OBJECT
public:
    explicit PositionsPage(const Chart& chart, QWidget* parent = nullptr);

    QLabel* lblSummary = nullptr;
    QTableWidget* tblPositions = nullptr;
    QLabel* lblSources = nullptr;

    // "Precise: Swiss Ephemeris, Lahiri 23° 51′ 12″, mean node. Speeds in degrees a day."
    static QString Summary(const Chart& chart);

private:
    void Fill(const Chart& chart);  // the table, in the windows' language
    Chart chart_;
};

}  // namespace velmora
