#pragma once
// A read-only table of label and text rows (presentation/TimeLabels), as the
// panchanga and transit pages show them: reachable by Tab, named for a
// screen reader, tall enough for its rows.

#include <QString>
#include <vector>

#include "presentation/TimeLabels.h"

class QTableWidget;
class QWidget;

namespace velmora {

QTableWidget* MakeRowsTable(const QString& objectName, const QString& accessibleName, QWidget* parent);
void FillRows(QTableWidget* table, const std::vector<LabelRow>& rows);

}  // namespace velmora
