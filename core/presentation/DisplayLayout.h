#pragma once
// How the result form uses room beyond its designed size. The report comes
// first. Until it shows kReportPageLines lines, the chart, the details and
// the position table (the block above it) yield it some of their height too,
// never below kSmallestScale: gradually from the designed height on, fully
// where the block at kSmallestScale and a page of the report just fit, and
// back to the designed size as the height grows on to a page of the report
// under the designed block. So a 1280 x 1024 screen shows a page of the
// report. Then the report grows on until it shows kReportGoalLines lines;
// then the block grows by one factor, as far as the width and the height let
// it; the height still left goes to the report. Every length changes
// continuously with the room. At the designed size everything stands where
// it was designed. Lower than that, down to kSmallestHeight, the block
// yields the height that is missing and the report keeps its designed
// height, so the whole form shows on a small screen; lower still, and in a
// room narrower than the designed width, the form keeps its designed layout
// and is scrolled. All lengths in twips.

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

inline constexpr int kReportPageLines = 25;
inline constexpr double kSmallestScale = 0.85;
inline constexpr int kReportGoalLines = 30;
// The lowest form that shows whole: the block at kSmallestScale over the
// designed report and footer.
inline constexpr double kSmallestHeight =
    display_design::kTopHeight * kSmallestScale + (display_design::kHeight - display_design::kTopHeight);

struct DisplayLayout {
    double Width = display_design::kWidth;    // of the form
    double Height = display_design::kHeight;
    double Scale = 1;      // of the chart, the details and the position table; kSmallestScale or more
    double TopLeft = 0;    // where that block starts: it stands centred over the report
    TwipsBox ReportBox;    // the report's text box
    double FooterTop = 0;  // the forum line and address under the report
};

// `width` and `height`: the room the form is given. `lineHeight`: one line of
// the report's text; `chrome`: what the report box takes beside its lines
// (frame and margins, top and bottom together).
DisplayLayout LayOutDisplay(double width, double height, double lineHeight, double chrome);

// The whole lines of text the report box of `layout` shows at once.
int ReportLinesShown(const DisplayLayout& layout, double lineHeight, double chrome);

}  // namespace velmora
