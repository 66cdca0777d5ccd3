#pragma once
// The main window's ways of handing a chart on: print with a preview, export
// the pages as PDF, export the chart as an SVG or PNG image. The chart is
// the window's, never computed again.

#include <QPageSize>
#include <memory>

#include "chart/Chart.h"
#include "presentation/BirthLabels.h"
#include "presentation/ChartStyle.h"
#include "result/PrintDocument.h"
#include "services/Services.h"

class QAction;
class QMenu;
class QWidget;

namespace velmora {

struct ChartOutputActions {
    QAction* print = nullptr;        // "&Print…", Ctrl+P
    QAction* exportPdf = nullptr;    // "&Export as PDF…"
    QAction* exportImage = nullptr;  // "Export Chart as &Image…"
};

// Adds the three entries to `menu`; dialogs and messages go over `window`.
// Each draws the chart in the style chosen when it is triggered.
ChartOutputActions AddChartOutputActions(QMenu* menu, QWidget* window, std::shared_ptr<const Chart> chart,
                                         Services services);

// Writes the chart as the file name's suffix says (.pdf, .svg, .png), as
// `choices` say, the dates with `months`. Returns the reason it could not,
// empty when done.
QString ExportChart(const QString& path, const Chart& chart, const MonthNames& months, int pngScale = 2,
                    QPageSize::PageSizeId paper = QPageSize::A4, PrintChoices choices = {});

}  // namespace velmora
