#pragma once
// The dasha page, opened from the main window's Chart menu: the periods of
// the chosen system (every registered one, chart/DashaSystems) in the chosen
// year as a tree, each to its table's levels (Vimshottari's five: maha,
// antar, pratyantar, sookshma, prana); the path running today is opened and
// marked. A period's sub-periods are worked out when it is first opened.
// The choices are kept (Preferences) for the next chart and go into the
// birth file the form saves.

#include <QWidget>

#include "analysis/DashaEngine.h"
#include "chart/Chart.h"
#include "services/Services.h"

class QComboBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class frmDashas : public QWidget {
    Q_OBJECT
public:
    frmDashas(const Chart& chart, Services services, QWidget* parent = nullptr);

    QComboBox* cboSystem = nullptr;
    QComboBox* cboYear = nullptr;
    QLabel* lblNote = nullptr;
    QTreeWidget* treeDashas = nullptr;

    // The periods shown, with the path running today.
    const DashaTimeline& Timeline() const { return timeline_; }

private:
    void Show();  // the tree for the chosen system and year
    void FillChildren(QTreeWidgetItem* item);
    QTreeWidgetItem* AddPeriod(QTreeWidgetItem* parent, const DashaNode& node, int level);

    Services services_;
    const Chart chart_;  // its own timelines, in the birth's dasha year
    DashaTimeline timeline_;
};

}  // namespace velmora
