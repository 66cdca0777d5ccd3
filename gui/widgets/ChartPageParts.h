#pragma once
// The parts every page of a chart is built of: a page that scrolls where the
// screen is smaller than it, a summary line a screen reader reads and Tab
// reaches, a titled frame around a table or a chart, and the chart-style
// chooser.

#include <QString>

#include "presentation/ChartStyle.h"

class QBoxLayout;
class QComboBox;
class QGroupBox;
class QLabel;
class QWidget;

namespace velmora {

// Fills `window` with a frameless scroll area and returns the page inside it,
// for the window's controls and layout.
QWidget* ScrollingPage(QWidget* window);

// A bold, wrapped line named for a screen reader by its text, reached by Tab.
QLabel* SummaryLabel(const QString& text, const QString& objectName, QWidget* parent);

QGroupBox* Framed(const QString& title, QWidget* inside, QWidget* parent);

// "Chart style:" (Alt+S) and its list, South-Indian or North-Indian, added to
// `row`; the list shows `current` and is returned.
QComboBox* AddChartStyleChooser(QBoxLayout* row, ChartStyle current, QWidget* parent);

}  // namespace velmora
