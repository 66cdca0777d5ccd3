#pragma once
// A chart diagram drawn with a QPainter, in the South-Indian or the
// North-Indian style: the cells or houses with their sign numbers, the bodies
// (dark green) and the arudhas (blue) standing in each, an optional centre
// text and the house that has the keyboard focus. The one drawing of a chart
// for the screen (the nakshatra page), the printer, PDF, SVG and PNG, all as
// real text; fonts are sized to the cells, so every entry fits whatever the
// size.

#include <QRectF>
#include <QStringList>

#include "presentation/ResultTexts.h"
#include "presentation/ChartDiagram.h"
#include "presentation/ChartStyle.h"

class QPainter;

namespace velmora {

struct ChartPaint {
    ChartStyle style = ChartStyle::South;
    // Two-letter names ("Me(R)") where the cells are small; full names one
    // per line ("Mercury (R)") otherwise.
    bool shortLabels = false;
    // The South-Indian centre: a title line (bold, larger), then smaller lines.
    QStringList centre;
    int focusedHouse = 0;  // 1 … 12 outlined in the focus colour, 0 none
};

void PaintChart(QPainter& painter, const QRectF& area, const ChartDiagram& diagram, const ChartPaint& how);
// The height in pixels of the cells' text PaintChart takes: the designed
// size, made smaller only until every house's text fits its box (in the
// windows' language).
double ChartTextPixels(const ChartDiagram& diagram, const ChartPaint& how, const QRectF& area);

// The birth chart of one run as print, PDF and images show it: full names in
// the South-Indian cells, two-letter names in the North-Indian houses, and the
// person's name, date and time and the positions' mode in the centre; with
// `cellDegrees` each point's degrees in its sign beside it.
void PaintResultChart(QPainter& painter, const QRectF& area, const Chart& chart, const ResultLabels& labels,
                      ChartStyle style, bool cellDegrees = false);

// Where a house's text goes in `area`: a South-Indian cell or the box inside
// a North-Indian house.
QRectF HouseTextBox(const ChartDiagram& diagram, ChartStyle style, int house, const QRectF& area);

// A text a person typed (a name, a place) as the chart and the printed
// pages show it: at most kLongestShownText characters, the rest elided with
// "…", so that an oversized text is laid out in bounded time.
inline constexpr qsizetype kLongestShownText = 200;
QString ShownText(const std::string& text);

}  // namespace velmora
