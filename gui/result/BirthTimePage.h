#pragma once
// The page of the birth time: how the chart changes within minutes of the
// given time. A timeline across the window (± 1 to 180 minutes, 30 at
// first) holds one band per item (the lagna, each varga's lagna, the Moon's
// nakshatra and the Vimshottari lords at birth, each graha's sign in each
// varga, bhavas, cusps; the items that keep their value only when asked),
// each band cut into the stretches of one value; the given time is marked.
// Hovering over a stretch or reaching it with Tab says its value and its
// span; activating it shifts to its middle. The shift recomputes the whole
// chart at a chosen offset, by the minute or the second, and shows it with
// what differs from the given chart. A classic chart says why it has none.

#include <QWidget>
#include <optional>
#include <vector>

#include "chart/Chart.h"
#include "chart/Sensitivity.h"
#include "presentation/ChartStyle.h"
#include "services/ChartStyleChoice.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;

namespace velmora {

class ChartView;

class BirthTimePage : public QWidget {
    Q_OBJECT
public:
    BirthTimePage(const Chart& chart, const ChartStyleChoice& style, QWidget* parent = nullptr);

    QSpinBox* spnWindow = nullptr;
    QCheckBox* chkEveryItem = nullptr;
    QLabel* lblSummary = nullptr;
    QWidget* timeline = nullptr;  // the bands
    QSlider* sldShift = nullptr;
    QPushButton* cmdMinuteBack = nullptr;
    QPushButton* cmdSecondBack = nullptr;
    QPushButton* cmdGiven = nullptr;
    QPushButton* cmdSecondOn = nullptr;
    QPushButton* cmdMinuteOn = nullptr;
    QLabel* lblShift = nullptr;
    ChartView* chartView = nullptr;
    QLabel* lblDifferences = nullptr;

    // The stretches shown, in band order (each a focusable button).
    QList<QWidget*> Stretches() const;
    const std::optional<Sensitivity>& Shown() const { return shown_; }
    // The chart of the shifted moment; none for a classic chart.
    const std::shared_ptr<const Chart>& Shifted() const { return shifted_; }

    // Recomputes for the window in the spin box.
    void Compute();
    // Shows the chart `seconds` from the given time.
    void ShiftTo(int seconds);

private:
    void Fill();
    void UpdateMarks();
    void UpdateKeys();

    Chart chart_;
    ChartStyle style_;
    std::optional<Sensitivity> shown_;
    std::shared_ptr<const Chart> shifted_;
    QGridLayout* bands_ = nullptr;
    QList<QWidget*> stretches_;
    QList<QWidget*> marks_;  // the shift's mark on each band
};

}  // namespace velmora
