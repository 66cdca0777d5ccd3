#pragma once
// The parts every page of a chart is built of: a page that scrolls where the
// screen is smaller than it, a summary line a screen reader reads and Tab
// reaches, and a titled frame around a table or a chart.

#include <QString>

class QGridLayout;
class QGroupBox;
class QLabel;
class QWidget;

namespace velmora {

// The page inside `window`, scrolling, with its grid; the page's own widget
// in `page`.
QGridLayout* ScrollingPage(QWidget* window, QWidget*& page);

// A bold, wrapped line named for a screen reader by its text, reached by Tab.
QLabel* SummaryLabel(const QString& text, const QString& objectName, QWidget* parent);

QGroupBox* Framed(const QString& title, QWidget* inside, QWidget* parent);

}  // namespace velmora
