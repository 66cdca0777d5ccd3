#pragma once
// The page of the transits: a moment on the birth place's clock (a date and
// time chooser, "Now" for the clock's moment), the transiting bodies drawn
// beside the natal ones over the birth chart in the chosen style, each
// counted in houses from the natal Moon and ascendant, sade sati with its
// phases, and each graha's next sign change and stations within a year.

#include <QWidget>

#include "chart/Chart.h"
#include "chart/Transits.h"
#include "services/ChartStyleChoice.h"

class QDateTimeEdit;
class QLabel;
class QPushButton;
class QTableWidget;

namespace velmora {

class ChartView;
class Clock;

class frmTransits : public QWidget {
    Q_OBJECT
public:
    // Opens on the clock's moment.
    frmTransits(const Chart& chart, const Clock& clock, const ChartStyleChoice& style, QWidget* parent = nullptr);

    QDateTimeEdit* dteMoment = nullptr;
    QPushButton* cmdShow = nullptr;
    QPushButton* cmdNow = nullptr;
    QLabel* lblState = nullptr;  // the moment shown, or why there is nothing
    ChartView* chartView = nullptr;
    QTableWidget* tblPositions = nullptr;
    QTableWidget* tblSadeSati = nullptr;
    QTableWidget* tblChanges = nullptr;

    // The transits shown; none before the first or for a classic chart.
    const std::optional<Transits>& Shown() const { return shown_; }

    // Shows the moment the chooser holds, or the clock's moment.
    void ShowChosen();
    void ShowNow();

private:
    void Show(const PlaceMoment& moment);

    Chart chart_;
    const Clock& clock_;
    std::optional<Transits> shown_;
};

}  // namespace velmora
