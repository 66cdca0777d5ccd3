// What a run adds beyond the arudhas: the Navamsa boxes and nakshatras of
// the chart just computed (nothing left from the run before), the dasha
// dated from the typed local clock, and the day marked only when given.

#include <gtest/gtest.h>

#include "tests/support/BirthForm.h"
#include "tests/support/RunTexts.h"
#include "chart/AnalysisRun.h"
#include "birth/ZoneTable.h"

namespace velmora {
namespace {

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
        AnalysisRun run;
        ASSERT_TRUE(run.RunAnalysis(Birth(1980, 3, 5, 9, 5, mode)).Passed());
        ASSERT_TRUE(run.RunAnalysis(Birth(1948, 8, 15, 0, 30, mode)).Passed());
        const RunResult& r = run.Result;
        const ResultFormTexts texts = testing::TextsOf(run);
        EXPECT_EQ(Entries(texts.navamsaBoxes), kBodyCount);
        for (int i = 0; i < kBodyCount; ++i) {
            const int sign = r.navamsaSigns[i];
            EXPECT_NE(texts.navamsaBoxes[sign].find(run.Names.BodyNames[i]), std::string::npos) << i;
            // Nine quarters of 3° 20′ a sign: the nakshatra quarter lies in the body's sign.
            const int quarter = r.nakshatras[i].index * 4 + r.nakshatras[i].pada - 1;
            EXPECT_EQ(quarter / 9, run.Chart.BodySigns[i]) << i;
        }
        EXPECT_EQ(r.dasha.birth, (CivilMoment{1948, 8, 15, 0, 30}));
        EXPECT_EQ(r.dasha.majors[0].period.lord, r.nakshatras[1].lord);
        EXPECT_EQ(r.dasha.runningMajor, -1);  // no day given

        run.Today = {2000, 1, 1};
        ASSERT_TRUE(run.RunAnalysis(Birth(1948, 8, 15, 0, 30, mode)).Passed());
        EXPECT_GE(run.Result.dasha.runningMajor, 0);
        EXPECT_GE(run.Result.dasha.runningSub, 0);
    }
}

// A run told to leave the dasha out (a batch that writes none) keeps nothing
// of an earlier run's periods and changes nothing else.
TEST(BeyondArudhasRun, WithoutTheDashaTheRestIsTheSame) {
    AnalysisRun full, lean;
    ASSERT_TRUE(lean.RunAnalysis(Birth(1948, 8, 15, 0, 30, ComputationMode::Classic)).Passed());
    ASSERT_NE(lean.Result.dasha.balanceYears, 0.0);
    lean.WithDasha = false;
    ASSERT_TRUE(full.RunAnalysis(Birth(1980, 3, 5, 9, 5, ComputationMode::Classic)).Passed());
    ASSERT_TRUE(lean.RunAnalysis(Birth(1980, 3, 5, 9, 5, ComputationMode::Classic)).Passed());
    EXPECT_EQ(lean.Result.dasha.balanceYears, 0.0);
    EXPECT_EQ(lean.Result.dasha.majors[0].period.start.year, VimshottariDasha{}.majors[0].period.start.year);
    EXPECT_NE(full.Result.dasha.balanceYears, 0.0);
    EXPECT_EQ(testing::TextsOf(lean).planet, testing::TextsOf(full).planet);
    EXPECT_EQ(lean.Result.navamsaSigns, full.Result.navamsaSigns);
    EXPECT_EQ(testing::TextsOf(lean).signBoxes, testing::TextsOf(full).signBoxes);
}

}  // namespace
}  // namespace velmora
