#pragma once
// The chart style the person chose last, one for the whole program: every
// window that draws a chart (the result form, each page, the match) shows it
// and redraws at once when it is chosen anew anywhere, and print, PDF, SVG
// and PNG draw in it.

#include <QObject>
#include <functional>

#include "presentation/ChartStyle.h"

namespace velmora {

class ChartStyleChoice : public QObject {
    Q_OBJECT
public:
    explicit ChartStyleChoice(ChartStyle style = ChartStyle::South, QObject* parent = nullptr);

    ChartStyle Style() const { return style_; }
    // Makes `style` the choice; Chosen tells every follower when it changed.
    void Choose(ChartStyle style);
    // Calls `redraw` with each style chosen from now on, for as long as
    // `window` lives.
    void Follow(const QObject* window, std::function<void(ChartStyle)> redraw) const;

signals:
    void Chosen(velmora::ChartStyle style);

private:
    ChartStyle style_;
};

}  // namespace velmora
