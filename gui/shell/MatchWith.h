#pragma once
// "Match With…" on the main window's Chart menu: a second birth from a birth
// file (the file dialog, or the recent birth files) matched with the window's
// chart for marriage. The window asks which of the two is the bride, then
// opens the match page. A second birth that cannot be read or computed is a
// message naming it and why; the window's chart and pages stay as they are.

#include <QString>
#include <memory>

#include "chart/Chart.h"
#include "services/Services.h"

class QMenu;
class QWidget;

namespace velmora {

class MatchPage;

// Adds "&Match With…" and "Match With &Recent" to `menu`.
void AddMatchWith(QMenu* menu, QWidget* owner, std::shared_ptr<const Chart> chart, Services services);

// Matches `chart` with the birth in the file at `path`: the page opened, or
// none when the file was refused, the chart could not be computed (a
// message says so) or the question was cancelled.
MatchPage* MatchWithFile(QWidget* owner, const Chart& chart, const QString& path, Services services);

}  // namespace velmora
