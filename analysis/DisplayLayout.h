#pragma once
// How the result form uses room beyond its designed size. The report grows
// first, until it shows kReportGoalLines lines; then the chart, the details
// and the position table grow together by one factor, as far as the width
// and the height let them; the height still left goes to the report. At the
// designed size, or below it, everything stands where it was designed.
// All lengths in twips.

namespace velmora {

struct TwipsBox {
    double Left = 0, Top = 0, Width = 0, Height = 0;
    double Right() const { return Left + Width; }
    double Bottom() const { return Top + Height; }
};

namespace display_design {
inline constexpr double kWidth = 12135;        // the form
inline constexpr double kTopHeight = 7080;     // chart, details and positions stand above this line
inline constexpr double kReportLeft = 240;
inline constexpr double kReportWidth = 11775;
inline constexpr double kReportHeight = 2055;
inline constexpr double kFooterGap = 60;       // between the report and the forum line under it
inline constexpr double kFooterHeight = 240;
inline constexpr double kBottomMargin = 120;
inline constexpr double kHeight = kTopHeight + kReportHeight + kFooterGap + kFooterHeight + kBottomMargin;
}  // namespace display_design

inline constexpr int kReportGoalLines = 30;

struct DisplayLayout {
    double Width = display_design::kWidth;    // of the form
    double Height = display_design::kHeight;
    double Scale = 1;      // of the chart, the details and the position table
    double TopLeft = 0;    // where that block starts: it stands centred over the report
    TwipsBox Report;
    double FooterTop = 0;  // the forum line and address under the report
};

// `width` and `height`: the room the form is given. `lineHeight`: one line of
// the report's text; `chrome`: what the report box takes beside its lines
// (frame and margins, top and bottom together).
DisplayLayout LayOutDisplay(double width, double height, double lineHeight, double chrome);

// The whole lines of text the report box of `layout` shows at once.
int ReportLinesShown(const DisplayLayout& layout, double lineHeight, double chrome);

}  // namespace velmora
