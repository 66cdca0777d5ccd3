#include "presentation/DisplayLayout.h"

#include <algorithm>
#include <cmath>

namespace velmora {

using namespace display_design;

namespace {

// The block centred over the report; whatever height is left under the block
// stays with the report.
void PlaceReport(DisplayLayout& layout) {
    layout.TopLeft = (layout.Width - kWidth * layout.Scale) / 2;
    const double top = kTopHeight * layout.Scale;
    const double footer = kFooterGap + kFooterHeight + kBottomMargin;
    const double rightMargin = kWidth - kReportLeft - kReportWidth;
    layout.ReportBox = {kReportLeft, top, layout.Width - kReportLeft - rightMargin, layout.Height - top - footer};
    layout.FooterTop = layout.ReportBox.Bottom() + kFooterGap;
}

}  // namespace

DisplayLayout LayOutDisplay(double width, double height, double lineHeight, double chrome) {
    DisplayLayout layout;
    layout.Width = std::max(width, kWidth);
    if (height < kHeight && height >= kSmallestHeight) {
        // Short of the designed height: the block yields what is missing,
        // the report keeps its designed height, the whole form shows.
        layout.Height = height;
        layout.Scale = (height - (kHeight - kTopHeight)) / kTopHeight;
        PlaceReport(layout);
        return layout;
    }
    layout.Height = std::max(height, kHeight);
    const double extra = layout.Height - kHeight;

    // The report first, up to its goal.
    const double goal = kReportGoalLines * lineHeight + chrome;
    const double reportGrowth = std::min(extra, std::max(0.0, goal - kReportHeight));
    // Then the block above it, evenly, as far as the width allows.
    const double rest = extra - reportGrowth;
    layout.Scale = std::max(1.0, std::min(layout.Width / kWidth, (kTopHeight + rest) / kTopHeight));

    // Short of a page of the report, the block yields height to it: in
    // proportion to the extra height until the block stands at its smallest
    // with a page under it, then less again until the page fits under the
    // designed block.
    const double page = std::max(0.0, kReportPageLines * lineHeight + chrome - kReportHeight);
    const double most = std::min((1 - kSmallestScale) * kTopHeight, page / 2);
    if (extra < page && most > 0) {
        const double yielded = std::min(extra * most / (page - most), page - extra);
        layout.Scale = 1 - yielded / kTopHeight;
    }
    PlaceReport(layout);
    return layout;
}

int ReportLinesShown(const DisplayLayout& layout, double lineHeight, double chrome) {
    if (lineHeight <= 0) return 0;
    return static_cast<int>(std::floor((layout.ReportBox.Height - chrome) / lineHeight));
}

}  // namespace velmora
