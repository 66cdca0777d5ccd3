#pragma once
// The parts every page of a chart is built of: a page that scrolls where the
// screen is smaller than it, a summary line a screen reader reads and Tab
// reaches, a read-only table, a titled frame around a table or a chart, the chart-style
// chooser, and the page's keys.

#include <functional>
#include <vector>

#include <QList>
#include <QString>

#include "presentation/ChartStyle.h"

class QBoxLayout;
class QComboBox;
class QGroupBox;
class QLabel;
class QTableWidget;
class QWidget;

namespace velmora {

class ChartStyleChoice;

// Fills `window` with a frameless scroll area and returns the page inside it,
// for the window's controls and layout.
QWidget* ScrollingPage(QWidget* window);

// A bold, wrapped line named for a screen reader by its text, reached by Tab.
QLabel* SummaryLabel(const QString& text, const QString& objectName, QWidget* parent);

// A read-only table of `rows` rows without row numbers, its column headings
// and its name for a screen reader (`spoken`) the translations of texts
// marked with QT_TRANSLATE_NOOP, in every language chosen; Tab leaves it.
QTableWidget* TranslatedTable(int rows, std::vector<const char*> headers, const QString& objectName,
                              const char* spoken, QWidget* parent);

QGroupBox* Framed(const QString& title, QWidget* inside, QWidget* parent);
// The same, its title the translation of `title` (a text marked with
// QT_TRANSLATE_NOOP), in every language chosen.
QGroupBox* Framed(const char* title, QWidget* inside, QWidget* parent);

// "Chart style:" (Alt+S) and its list, South-Indian or North-Indian, added to
// `row`; the list shows `current` and is returned.
QComboBox* AddChartStyleChooser(QBoxLayout* row, ChartStyle current, QWidget* parent);
// The same, showing `choice`: the style chosen in the list becomes the
// program's choice, and every style chosen, in this list or in any window,
// is shown in the list and passed to `chosen` (which redraws the page's
// charts).
QComboBox* AddChartStyleChooser(QBoxLayout* row, ChartStyleChoice& choice, QWidget* parent,
                                std::function<void(ChartStyle)> chosen);

// Escape closes `page` as it does a dialog: an open drop-down list (or
// calendar, or menu) takes it first and closes alone.
void CloseWithEscape(QWidget* page);

// Tab moves through `tabChain` in its order, and Escape closes `page`
// (CloseWithEscape).
void SetPageKeys(QWidget* page, const QList<QWidget*>& tabChain);

}  // namespace velmora
