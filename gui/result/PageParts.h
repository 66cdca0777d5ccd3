#pragma once
// Parts the chart pages share: the page that scrolls inside its window where
// the screen is smaller than the page, and the chart-style chooser.

#include "presentation/ChartStyle.h"

class QBoxLayout;
class QComboBox;
class QWidget;

namespace velmora {

// Fills `window` with a frameless scroll area and returns the page inside it,
// for the window's controls and layout.
QWidget* ScrollingPage(QWidget* window);

// "Chart style:" (Alt+S) and its list, South-Indian or North-Indian, added to
// `row`; the list shows `current` and is returned.
QComboBox* AddChartStyleChooser(QBoxLayout* row, ChartStyle current, QWidget* parent);

}  // namespace velmora
