#pragma once
// Two births matched for marriage: both birth charts side by side in the
// chosen style, the eight kootas of the North-Indian guna milan with their
// points and reasons, the total and the doshas; printable and exportable as
// a one-page PDF drawn by the chart painter.

#include <QPageSize>
#include <QWidget>

#include "chart/Chart.h"
#include "chart/MarriageMatch.h"
#include "services/ChartStyleChoice.h"
#include "services/Services.h"

class QComboBox;
class QLabel;
class QPagedPaintDevice;
class QPushButton;
class QTableWidget;

namespace velmora {

class ChartView;

// The two charts, the bride's first, and their match.
struct MatchSheet {
    Chart bride, groom;
    MarriageMatch match;
};

MatchSheet MakeMatchSheet(const Chart& bride, const Chart& groom);

// The doshas in sentences, one a line.
QStringList DoshaLines(const MarriageMatch& match);

// Paints the sheet on one page of `device`; false when it could not.
bool PaintMatchSheet(QPagedPaintDevice& device, const MatchSheet& sheet, ChartStyle style);
// Writes the page to a PDF file, whole or not at all: the reason it could
// not, empty when done.
QString WriteMatchPdf(const QString& path, const MatchSheet& sheet, ChartStyle style,
                      QPageSize::PageSizeId paper = QPageSize::A4);

class MatchPage : public QWidget {
    Q_OBJECT
public:
    MatchPage(MatchSheet sheet, Services services, QWidget* parent = nullptr);

    QLabel* lblTradition = nullptr;
    QComboBox* cboStyle = nullptr;
    ChartView* bride = nullptr;
    ChartView* groom = nullptr;
    QTableWidget* tblKootas = nullptr;  // the eight kootas, then the total
    QLabel* lblDoshas = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdExportPdf = nullptr;

    const MatchSheet& Sheet() const { return sheet_; }

private:
    void ShowTexts();  // the texts made from the match, in the windows' language
    MatchSheet sheet_;
    Services services_;
};

}  // namespace velmora
