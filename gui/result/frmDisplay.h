#pragma once
// The result form: the birth chart in the chosen style, drawn by the chart
// painter as on every page (the South-Indian grid, whose designed labels hold
// each sign's bodies and arudhas for Tab and the screen reader, or the
// North-Indian diamond in the grid's place), the person's details, the table
// of the ten positions and the written report. Everything is laid out once
// and grows with the form; the captions are made from one chart.

#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include <QFont>
#include <QPointer>
#include <QRect>

#include "chart/Chart.h"
#include "presentation/ResultTexts.h"
#include "services/ChartStyleChoice.h"
#include "presentation/DisplayLayout.h"
#include "services/Services.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTextEdit;

namespace velmora {

class ChartView;
class LinkLabel;
class frmVargas;

class frmDisplay : public QWidget {
    Q_OBJECT
public:
    // The form shows `chart`, its texts made with the month names of the
    // windows' language (the system's in English), made again when the
    // language changes.
    frmDisplay(std::shared_ptr<const Chart> chart, Services services, QWidget* parent = nullptr);
    // The same with the month names given.
    frmDisplay(std::shared_ptr<const Chart> chart, const MonthNames& months, Services services,
               QWidget* parent = nullptr);
    // The chart with its texts as given (made from it by ResultLabelsOf).
    frmDisplay(std::shared_ptr<const Chart> chart, ResultLabels labels, Services services, QWidget* parent = nullptr);

    const Chart& ShownChart() const { return *chart_; }

    QSize sizeHint() const override;  // the designed size

    // The layout in force: the designed one until the form is given more room.
    const DisplayLayout& Layout() const { return layout_; }
    // One line of the report's text and the report box's frame and margins,
    // in twips, as the layout counts them.
    double ReportLineHeight() const { return reportLineHeight_; }
    double ReportChrome() const { return reportChrome_; }

    // A caption as the result texts give it ("\r\nSun\r\nMercury (R) ")
    // turned into the text shown: one line per entry, without the leading
    // empty line.
    static QString DisplayCaption(const std::string& caption);
    // The caption as the result texts gave it, kept on every label they fill.
    static QString Caption(const QLabel* label);

    // The English sign names by sign index, as screen readers announce the cells.
    static const std::array<const char*, kSignCount> kSignEnglishNames;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* fraBirthchart = nullptr;
    QFrame* Shape1 = nullptr;
    QFrame* Shape2 = nullptr;
    std::array<QLabel*, kSignCount> signLabels{};  // lblAries … lblPisces by sign index
    std::array<QFrame*, kSignCount> shpHora{};     // by sign index
    std::array<QLabel*, kSignCount> Hno{};         // by sign index, "1" … "12"
    std::array<QLabel*, kSignCount> lblArudha{};   // by sign index
    LinkLabel* Label7 = nullptr;
    // The chart as drawn, in the grid's outer frame (Shape2). In the
    // North-Indian style the grid's labels hide, the diamond's houses take
    // Tab, and the zone line (lblUsed) stands below it in the same frame.
    ChartView* birthChart = nullptr;
    // Shows the birth chart in `style`; the rest of the form stays as it is.
    // The form follows the program's style choice by itself.
    void ShowChartStyle(ChartStyle style);

    QGroupBox* fraDetails = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblDOB = nullptr;
    QLabel* lblTOB = nullptr;
    QLabel* lblLongitude = nullptr;
    QLabel* lblLatitude = nullptr;
    QLabel* lblCity = nullptr;
    QLabel* lblState = nullptr;
    QLabel* lblCountry = nullptr;
    QLabel* lblMode = nullptr;  // how a precise chart was computed; absent for a classic one
    // In the chart's centre, above the forum link: the zone and offset as
    // used (the reading of a time shown twice) and, for a classic chart, that
    // it is the program's own model.
    QLabel* lblUsed = nullptr;

    QGroupBox* fraWestern = nullptr;
    std::array<QLabel*, kBodyCount> PlanetName{};
    std::array<QLabel*, kBodyCount> planet{};

    QTextEdit* RTB = nullptr;
    QLabel* Label5 = nullptr;
    LinkLabel* Label6 = nullptr;

    // Opens the page of nakshatras, dasha and Navamsa (in the style the
    // program keeps), made on the first press.
    QPushButton* cmdVargas = nullptr;
    frmVargas* Vargas() const { return vargas_; }
    void ShowVargas();

    // "The report is in English …": the note above the report in any other language.
    static QString ReportInEnglishNote();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceChart();
    void ShowUsed();  // lblUsed in the windows' language
    bool northShown_ = false;
    std::shared_ptr<const Chart> chart_;  // kept: the page may be opened long after
    ResultLabels labels_;                 // the texts made from it
    Services services_;
    frmVargas* vargas_ = nullptr;
    // Where a control stands and the font it has at the designed size.
    struct Designed {
        QPointer<QWidget> widget;
        QRect geometry;
        QFont font;
        bool ownFont = false;
        bool inBlock = false;  // directly in the form: moved with the block's left edge
    };
    void FitTexts();
    void RecordDesign();
    void ApplyLayout();

    void BuildChart(Services services);
    void BuildDetails();
    void BuildPositions();
    void BuildReport(const Report& report, Services services);
    // What a screen reader says for each label the chart fills.
    void SpeakTexts();
    // Every text written again in the language chosen now.
    void ShowLanguage();
    void ShowReport();
    bool followsLanguage_ = false;  // month names not given: the language's

    std::vector<Designed> designed_;
    DisplayLayout layout_;
    double appliedScale_ = 1;
    double reportLineHeight_ = 0;
    double reportChrome_ = 0;
};

}  // namespace velmora
