// The result form's layout at sizes beyond the designed one: the report
// grows first (the block above it yielding a little until a page shows), the
// block grows evenly after, nothing overlaps and nothing leaves the form.

#include "presentation/DisplayLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

using namespace display_design;

// One line of 11-point text in DejaVu Sans at 96 dpi is 18 pixels (270 twips);
// the report box's frame and margins take 10 pixels (150 twips).
constexpr double kLine = 270, kChrome = 150;

TEST(DisplayLayout, DesignedSizeKeepsTheDesignedPlaces) {
    for (const auto& [w, h] : {std::pair{kWidth, kHeight}, std::pair{kWidth - 3000, kHeight - 2000}}) {
        const DisplayLayout l = LayOutDisplay(w, h, kLine, kChrome);
        EXPECT_EQ(l.Scale, 1.0);
        EXPECT_EQ(l.TopLeft, 0.0);
        EXPECT_EQ(l.Width, kWidth);
        EXPECT_EQ(l.Height, kHeight);
        EXPECT_EQ(l.ReportBox.Left, 240);
        EXPECT_EQ(l.ReportBox.Top, 7080);
        EXPECT_EQ(l.ReportBox.Width, 11775);
        EXPECT_EQ(l.ReportBox.Height, 2055);
        EXPECT_EQ(l.FooterTop, 7080 + 2055 + 60);
    }
}

TEST(DisplayLayout, BelowTheDesignedHeightTheBlockYieldsAndTheWholeFormShows) {
    // From the lowest room that shows the whole form up to the designed
    // height, pixel by pixel: the form is as high as the room, the report
    // keeps its designed height, the block takes the rest and grows back
    // continuously to its designed size.
    const double footer = kHeight - kTopHeight - kReportHeight;
    DisplayLayout before = LayOutDisplay(kWidth * 1.2, kSmallestHeight, kLine, kChrome);
    EXPECT_NEAR(before.Scale, kSmallestScale, 1e-12);
    for (double h = kSmallestHeight; h < kHeight; h += 15) {
        const DisplayLayout l = LayOutDisplay(kWidth * 1.2, h, kLine, kChrome);
        ASSERT_EQ(l.Height, h) << h;
        ASSERT_GE(l.Scale, kSmallestScale) << h;
        ASSERT_LT(l.Scale, 1.0) << h;
        ASSERT_NEAR(l.ReportBox.Height, kReportHeight, 1e-9) << h;
        ASSERT_NEAR(l.ReportBox.Top, kTopHeight * l.Scale, 1e-9) << h;
        ASSERT_NEAR(l.ReportBox.Bottom() + footer, h, 1e-9) << h;
        ASSERT_NEAR(l.TopLeft, (kWidth * 1.2 - kWidth * l.Scale) / 2, 1e-9) << h;
        ASSERT_LE((l.Scale - before.Scale) * kTopHeight, 15 + 1e-9) << h;
        before = l;
    }
    // The designed height: the designed block again.
    EXPECT_EQ(LayOutDisplay(kWidth * 1.2, kHeight, kLine, kChrome).Scale, 1.0);
    // A room lower than that keeps the designed layout, to be scrolled.
    EXPECT_EQ(LayOutDisplay(kWidth * 1.2, kSmallestHeight - 15, kLine, kChrome).Height, kHeight);
}

TEST(DisplayLayout, ExtraHeightGoesToTheReportFirst) {
    // A little more height: the report takes all of it and a little of the
    // block's, so it grows by more than the room did.
    const DisplayLayout l = LayOutDisplay(kWidth * 1.5, kHeight + 1500, kLine, kChrome);
    EXPECT_LT(l.Scale, 1.0);
    EXPECT_GE(l.Scale, kSmallestScale);
    EXPECT_DOUBLE_EQ(l.ReportBox.Top, 7080 * l.Scale);
    EXPECT_GT(l.ReportBox.Height, 2055 + 1500);
    EXPECT_DOUBLE_EQ(l.TopLeft, (kWidth * 1.5 - kWidth * l.Scale) / 2);
    // The report spans the width it is given.
    EXPECT_EQ(l.ReportBox.Width, kWidth * 1.5 - 240 - 120);
}

TEST(DisplayLayout, APageOfTheReportBeforeTheBlockKeepsItsDesignedSize) {
    const double page = kReportPageLines * kLine + kChrome;  // the report box showing a page
    const double footer = kHeight - kTopHeight - kReportHeight;
    struct Case {
        const char* what;
        double height;
        double scale;
        int lines;
    };
    const Case cases[] = {
        // The smallest block with a page under it.
        {"smallest block", kTopHeight * kSmallestScale + page + footer, kSmallestScale, kReportPageLines},
        // A page under the designed block: the block is back at its size.
        {"designed block", kTopHeight + page + footer, 1.0, kReportPageLines},
        // Between the two the page stays and the block recovers.
        {"halfway", kTopHeight * (1 + kSmallestScale) / 2 + page + footer, (1 + kSmallestScale) / 2, kReportPageLines},
    };
    for (const Case& c : cases) {
        const DisplayLayout l = LayOutDisplay(kWidth, c.height, kLine, kChrome);
        EXPECT_NEAR(l.Scale, c.scale, 1e-12) << c.what;
        EXPECT_NEAR(l.ReportBox.Height, page, 1e-9) << c.what;
        EXPECT_EQ(ReportLinesShown(l, kLine, kChrome), c.lines) << c.what;
    }
}

TEST(DisplayLayout, GrowingTheRoomNeverShrinksTheReportOrJumps) {
    // Pixel by pixel from the designed height to three times it: every length
    // moves continuously, the report never loses a line, the block never
    // falls below its smallest scale.
    DisplayLayout before = LayOutDisplay(kWidth * 1.4, kHeight, kLine, kChrome);
    for (double h = kHeight + 15; h <= 3 * kHeight; h += 15) {
        const DisplayLayout l = LayOutDisplay(kWidth * 1.4, h, kLine, kChrome);
        ASSERT_GE(l.Scale, kSmallestScale) << h;
        ASSERT_GE(l.ReportBox.Height, before.ReportBox.Height - 1e-9) << h;
        ASSERT_LE(l.ReportBox.Height - before.ReportBox.Height, 15 * 1.5) << h;
        ASSERT_LE(std::abs(l.Scale - before.Scale) * kTopHeight, 15 * 1.5) << h;
        ASSERT_GE(ReportLinesShown(l, kLine, kChrome), ReportLinesShown(before, kLine, kChrome)) << h;
        ASSERT_DOUBLE_EQ(l.ReportBox.Top + l.ReportBox.Height + kHeight - kTopHeight - kReportHeight, h) << h;
        before = l;
    }
}

TEST(DisplayLayout, BeyondTheReportsGoalTheBlockAboveGrowsEvenly) {
    const double goal = kReportGoalLines * kLine + kChrome;
    const double extra = (goal - kReportHeight) + 7080 * 0.25;  // room for a quarter more chart
    const DisplayLayout l = LayOutDisplay(kWidth * 2, kHeight + extra, kLine, kChrome);
    EXPECT_DOUBLE_EQ(l.Scale, 1.25);
    EXPECT_DOUBLE_EQ(l.ReportBox.Top, 7080 * 1.25);
    EXPECT_DOUBLE_EQ(l.ReportBox.Height, goal);
    EXPECT_DOUBLE_EQ(l.TopLeft, (kWidth * 2 - kWidth * 1.25) / 2);  // centred over the report
    EXPECT_EQ(ReportLinesShown(l, kLine, kChrome), kReportGoalLines);
}

TEST(DisplayLayout, TheWidthLimitsTheBlockAndTheReportTakesTheRest) {
    const DisplayLayout l = LayOutDisplay(kWidth * 1.1, kHeight * 3, kLine, kChrome);
    EXPECT_DOUBLE_EQ(l.Scale, 1.1);
    EXPECT_DOUBLE_EQ(l.ReportBox.Bottom() + kFooterGap + kFooterHeight + kBottomMargin, l.Height);
    EXPECT_GT(ReportLinesShown(l, kLine, kChrome), kReportGoalLines);
}

// Rooms a main window gives the form (twips): the frame right of one eighth
// of the window, under the menu bar, the two strips and the child window's
// title (131 pixels together, as the main window measures them offscreen);
// windows of 800x600 to 3840x2160 pixels, maximised.
struct Room {
    const char* what;
    int windowWidth, windowHeight;  // pixels
    int minLines;                   // report lines it must show at least
};

class DisplayLayoutRooms : public ::testing::TestWithParam<Room> {};

TEST_P(DisplayLayoutRooms, NothingOverlapsAndTheReportIsReadable) {
    const Room r = GetParam();
    constexpr int kChromePixels = 131;
    const double width = r.windowWidth * 7.0 / 8 * 15;
    const double height = (r.windowHeight - kChromePixels) * 15.0;
    const DisplayLayout l = LayOutDisplay(width, height, kLine, kChrome);
    // The block above the report and the report one under the other, both inside.
    EXPECT_GE(l.Scale, kSmallestScale);
    EXPECT_LE(kTopHeight * l.Scale, l.ReportBox.Top);
    EXPECT_GE(l.TopLeft, 0);
    EXPECT_LE(l.TopLeft + kWidth * l.Scale, l.Width + 1e-9);
    EXPECT_GE(l.ReportBox.Height, kReportHeight);
    EXPECT_LE(l.ReportBox.Right(), l.Width);
    EXPECT_LT(l.ReportBox.Bottom(), l.FooterTop);
    EXPECT_LE(l.FooterTop + kFooterHeight, l.Height);
    EXPECT_GE(l.Width, width < kWidth ? kWidth : width);
    EXPECT_GE(ReportLinesShown(l, kLine, kChrome), r.minLines) << r.what;
}

INSTANTIATE_TEST_SUITE_P(Screens, DisplayLayoutRooms,
                         ::testing::Values(Room{"800x600", 800, 600, 7}, Room{"1024x768", 1024, 768, 7},
                                           Room{"1280x1024", 1280, 1024, 25}, Room{"1600x1200", 1600, 1200, 25},
                                           Room{"1920x1080", 1920, 1080, 25}, Room{"2560x1440", 2560, 1440, 30},
                                           Room{"3840x2160", 3840, 2160, 30}),
                         [](const auto& info) { return std::to_string(info.param.windowWidth).insert(0, 1, 'w'); });

}  // namespace
}  // namespace velmora
