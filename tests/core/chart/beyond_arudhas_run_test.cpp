// What a run adds beyond the arudhas: the Navamsa boxes and nakshatras of
// the chart just computed (nothing left from the run before), the dasha
// dated from the typed local clock, and the day marked only when given.

#include <gtest/gtest.h>

#include "tests/support/BirthForm.h"
#include "tests/support/RunTexts.h"
#include "chart/AnalysisRun.h"
#include "tests/support/FormRun.h"
#include "birth/ZoneTable.h"
#include "presentation/DashaLabels.h"

namespace velmora {
namespace {

using testing::FormRun;

FormFields Birth(int year, int month, int day, int hour, int minute, ComputationMode mode) {
    FormFields form = testing::BirthForm(year, month, day, hour, minute);
    form.LonDeg = "77";
    form.LonMin = "35";
    form.LatDeg = "12";
    form.LatMin = "58";
    form.Mode = mode;
    return form;
}

int Entries(const std::array<std::string, kSignCount>& boxes) {
    int n = 0;
    for (const std::string& box : boxes)
        for (auto at = box.find("\r\n"); at != std::string::npos; at = box.find("\r\n", at + 1)) ++n;
    return n;
}

TEST(BeyondArudhasRun, EachRunFillsItsOwnChart) {
    for (const ComputationMode mode : {ComputationMode::Classic, ComputationMode::Precise}) {
        FormRun run;
        ASSERT_TRUE(run.RunAnalysis(Birth(1980, 3, 5, 9, 5, mode)).Passed());
        ASSERT_TRUE(run.RunAnalysis(Birth(1948, 8, 15, 0, 30, mode)).Passed());
        const Chart& r = run.chart;
        const VimshottariDasha dasha = VimshottariPeriods(r);
        const ResultLabels texts = testing::TextsOf(run.chart);
        EXPECT_EQ(Entries(texts.navamsaBoxes), kBodyCount);
        for (int i = 0; i < kBodyCount; ++i) {
            const int sign = r.navamsaSigns[i];
            EXPECT_NE(texts.navamsaBoxes[sign].find(run.Engine().Names.BodyNames[i]), std::string::npos) << i;
            // Nine quarters of 3° 20′ a sign: the nakshatra quarter lies in the body's sign.
            const int quarter = r.nakshatras[i].index * 4 + r.nakshatras[i].pada - 1;
            EXPECT_EQ(quarter / 9, run.Engine().State.BodySigns[i]) << i;
        }
        EXPECT_EQ(dasha.birth, (CivilMoment{1948, 8, 15, 0, 30}));
        EXPECT_EQ(dasha.majors[0].period.lord, r.nakshatras[1].lord);
        EXPECT_EQ(dasha.runningMajor, -1);  // no day given

        run.wants.today = {2000, 1, 1};
        ASSERT_TRUE(run.RunAnalysis(Birth(1948, 8, 15, 0, 30, mode)).Passed());
        EXPECT_GE(VimshottariPeriods(run.chart).runningMajor, 0);
        EXPECT_GE(VimshottariPeriods(run.chart).runningSub, 0);
    }
}

// A run told to leave the dasha out (a batch that writes none) keeps nothing
// of an earlier run's periods and changes nothing else.
TEST(BeyondArudhasRun, WithoutTheDashaTheRestIsTheSame) {
    FormRun full, lean;
    ASSERT_TRUE(lean.RunAnalysis(Birth(1948, 8, 15, 0, 30, ComputationMode::Classic)).Passed());
    ASSERT_NE(VimshottariPeriods(lean.chart).balanceYears, 0.0);
    lean.wants.dashas = {};
    ASSERT_TRUE(full.RunAnalysis(Birth(1980, 3, 5, 9, 5, ComputationMode::Classic)).Passed());
    ASSERT_TRUE(lean.RunAnalysis(Birth(1980, 3, 5, 9, 5, ComputationMode::Classic)).Passed());
    EXPECT_EQ(VimshottariPeriods(lean.chart).balanceYears, 0.0);
    EXPECT_EQ(VimshottariPeriods(lean.chart).majors[0].period.start.year,
              VimshottariDasha{}.majors[0].period.start.year);
    for (const DashaTimeline& timeline : lean.chart.dashas) EXPECT_FALSE(timeline.Computed());
    EXPECT_NE(VimshottariPeriods(full.chart).balanceYears, 0.0);
    EXPECT_EQ(testing::TextsOf(lean.chart).planet, testing::TextsOf(full.chart).planet);
    EXPECT_EQ(lean.chart.navamsaSigns, full.chart.navamsaSigns);
    EXPECT_EQ(testing::TextsOf(lean.chart).signBoxes, testing::TextsOf(full.chart).signBoxes);
}

}  // namespace
}  // namespace velmora
