#pragma once
// The pages of a chart beyond the result form (divisional charts, houses,
// dashas, panchanga, transits, ashtakavarga, …). Each page is a window of its
// own, opened from the main window's Chart menu: made at its first opening
// from the chart's numbers and raised at every later one.
//
// A new page is one window class in result/ and one line in AddChartPages.

#include <QString>
#include <functional>
#include <memory>

#include "chart/Chart.h"
#include "services/Services.h"

class QAction;
class QMenu;
class QWidget;

namespace velmora {

// Makes a page for `chart`. The page is made a window of its own, a child of
// `parent`, and is deleted with it.
using ChartPageMaker = std::function<QWidget*(const Chart& chart, Services services, QWidget* parent)>;

// Adds the menu item `caption` ("&Vargas…") opening the page that `make`
// makes; `objectName` names the item (and the page, when it has no name of
// its own). The chart is shared with the page for as long as either lives.
QAction* AddChartPage(QMenu* menu, QWidget* owner, const QString& caption, const QString& objectName,
                      std::shared_ptr<const Chart> chart, Services services, ChartPageMaker make);
// The same with the caption in the windows' language: `caption` marked with
// QT_TRANSLATE_NOOP("Velmora", "&Vargas…"), set anew at a change of language.
QAction* AddChartPage(QMenu* menu, QWidget* owner, const char* caption, const QString& objectName,
                      std::shared_ptr<const Chart> chart, Services services, ChartPageMaker make);

// Every page of the Chart menu, in menu order.
void AddChartPages(QMenu* menu, QWidget* owner, const std::shared_ptr<const Chart>& chart, Services services);

}  // namespace velmora
