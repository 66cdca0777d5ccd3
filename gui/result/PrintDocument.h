#pragma once
// The printed chart: the result of one run laid out on pages for a printer
// or a PDF file. One rich-text document holds, section by section, the
// chart in the chosen style (drawn by the chart painter), the details, the position
// table and the whole report, then the sixteen vargas' table with the
// vargottama points and the D9 and D10 charts, the ashtakavarga, what
// changes within half an hour of the birth time and the panchanga, all as
// real text; every page carries the name,
// the date and time of birth, the mode that computed the chart and
// "Page N of M". Lines never break across a page edge.
//
// A new section is one more function in the list in PrintDocument.cpp.

#include <QPageSize>
#include <QString>
#include <memory>

#include "analysis/Ashtakavarga.h"
#include "analysis/Jaimini.h"
#include "chart/Chart.h"
#include "presentation/BirthLabels.h"
#include "presentation/ChartStyle.h"
#include "presentation/ResultTexts.h"

class QPagedPaintDevice;
class QTextDocument;

namespace velmora {

// How the person chose to see the chart: its style, and the ashtakavarga's
// reading with or without its reduced tables.
struct PrintChoices {
    ChartStyle style = ChartStyle::South;
    AshtakavargaReading ashtakavargaReading = AshtakavargaReading::Raman;
    bool ashtakavargaReduced = false;
    bool cellDegrees = false;  // each point's degrees in its sign in the birth chart's cells
    KarakaScheme karakaScheme = kDefaultKarakaScheme;  // the chara karakas named first
};

class PrintDocument {
public:
    // `months` names the months of the dates written out (the system
    // language's in the window).
    PrintDocument(const Chart& chart, const MonthNames& months, PrintChoices choices = {});
    ~PrintDocument();
    PrintDocument(const PrintDocument&) = delete;
    PrintDocument& operator=(const PrintDocument&) = delete;

    // Lays the document out for `device` (a QPrinter, a QPdfWriter) and
    // paints every page. Returns the number of pages, 0 when the device
    // could not be painted on.
    int Paint(QPagedPaintDevice& device);

    // "ASHA RAO, born 5 March 1980 at 09:05": the first line of every page.
    QString HeaderText() const;
    // How the chart was computed: "Classic positions" or the precise mode's line.
    QString ModeText() const;

    // What the sections are written from.
    struct Source {
        const Chart& chart;
        ResultLabels labels;
        PrintChoices choices;
    };

private:
    Source source_;
};

// Writes the pages to a PDF file, whole or not at all. Returns the reason
// it could not, empty when done.
QString WriteChartPdf(const QString& path, const Chart& chart, const MonthNames& months,
                      QPageSize::PageSizeId paper = QPageSize::A4, PrintChoices choices = {});

}  // namespace velmora
