#pragma once
// The chart style the person chose last, one for the whole program: every
// window that draws a chart (the result form, each page, the match) shows it
// and redraws at once when it is chosen anew anywhere, and print, PDF, SVG
// and PNG draw in it. With it goes whether the birth chart's cells carry
// each point's degrees in its sign.

#include <QObject>
#include <functional>

#include "presentation/ChartStyle.h"

namespace velmora {

class ChartStyleChoice : public QObject {
    Q_OBJECT
public:
    explicit ChartStyleChoice(ChartStyle style = ChartStyle::South, bool cellDegrees = false,
                              QObject* parent = nullptr);

    ChartStyle Style() const { return style_; }
    // Makes `style` the choice; Chosen tells every follower when it changed.
    void Choose(ChartStyle style);
    // Each point's degrees and minutes in its sign written beside it in the
    // birth chart's cells (the nakshatra page, print, PDF, images).
    bool CellDegrees() const { return cellDegrees_; }
    void ChooseCellDegrees(bool shown);
    // Calls `redraw` with each style chosen from now on, for as long as
    // `window` lives.
    void Follow(const QObject* window, std::function<void(ChartStyle)> redraw) const;

signals:
    void Chosen(velmora::ChartStyle style);
    void CellDegreesChosen(bool shown);

private:
    ChartStyle style_;
    bool cellDegrees_;
};

}  // namespace velmora
