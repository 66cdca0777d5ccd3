// The birth-time sensitivity in words. The issue's own example: a D9 lagna
// in Leo from 05:52:10 to 06:09:47 around a given 06:00 lies 7 min 50 s
// from the earlier edge. Clock offsets as the tz database gives them:
// America/New_York is UTC-05:00 before and UTC-04:00 after 07:00 UTC on
// 14 March 2021.

#include <gtest/gtest.h>

#include "birth/LocalClock.h"
#include "presentation/SensitivityLabels.h"

namespace velmora {
namespace {

constexpr int kIst = 5 * 3600 + 30 * 60;

// A window of ± `minutes` around `given` on a clock `offset` east of
// Greenwich, with one item holding `crossings` (seconds from the given time,
// values as sign numbers).
Sensitivity Window(LocalClock given, int offset, int minutes, std::vector<std::pair<int, int>> crossings,
                   int firstValue, int changeAt = 1 << 30, int offsetAfter = 0) {
    Sensitivity s;
    s.windowMinutes = minutes;
    s.julianDayUT = JulianDayOf(given, offset);
    s.utcOffsetSeconds = offset;
    const auto offsetAt = [&](int second) { return second >= changeAt ? offsetAfter : offset; };
    s.firstSecond = -60 * minutes;
    s.lastSecond = 60 * minutes;
    s.firstJulianDay = s.julianDayUT + s.firstSecond / 86400.0;
    s.lastJulianDay = s.julianDayUT + s.lastSecond / 86400.0;
    s.firstOffsetSeconds = offsetAt(s.firstSecond);
    s.lastOffsetSeconds = offsetAt(s.lastSecond);
    SensitivityItem item;
    item.name = "D9 lagna";
    item.index = 5;
    int value = firstValue;
    for (const auto& [second, to] : crossings) {
        item.crossings.push_back({second, s.julianDayUT + second / 86400.0, offsetAt(second), value, to});
        if (second <= 0) item.value = to;
        value = to;
    }
    if (crossings.empty() || crossings.front().first > 0) item.value = firstValue;
    s.items.push_back(item);
    return s;
}

TEST(SensitivityLabels, Sentences) {
    struct Case {
        const char* what;
        Sensitivity s;
        const char* summary;
    };
    const LocalClock six{1990, 5, 1, 6, 0, 0};
    const Case cases[] = {
        {"the issue's example", Window(six, kIst, 30, {{-470, 4}, {587, 5}}, 3),
         "D9 lagna is Leo from 05:52:10 to 06:09:47; the given 06:00:00 lies 7 min 50 s from the earlier edge"},
        {"the later edge nearer", Window(six, kIst, 30, {{-1000, 4}, {45, 5}}, 3),
         "D9 lagna is Leo from 05:43:20 to 06:00:45; the given 06:00:00 lies 45 s from the later edge"},
        {"no change before", Window(six, kIst, 30, {{1510, 5}}, 4),
         "D9 lagna is Leo from before 05:30:00 to 06:25:10; the given 06:00:00 lies 25 min 10 s from the later "
         "edge"},
        {"no change at all", Window(six, kIst, 30, {}, 4),
         "D9 lagna is Leo throughout the window, 05:30:00 to 06:30:00"},
        {"over midnight", Window({1990, 5, 1, 23, 50, 0}, kIst, 30, {{-120, 4}, {900, 5}}, 3),
         "D9 lagna is Leo from 23:48:00 to 1990-05-02 00:05:00; the given 23:50:00 lies 2 min 0 s from the "
         "earlier edge"},
        {"the clocks go forward in the window",
         Window({2021, 3, 14, 1, 50, 0}, -5 * 3600, 30, {{-300, 4}, {1200, 5}}, 3, 600, -4 * 3600),
         "D9 lagna is Leo from 01:45:00 to 03:10:00 (UTC-04:00); the given 01:50:00 lies 5 min 0 s from the "
         "earlier edge"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SensitivitySummary(c.s, c.s.items[0]), c.summary);
    }
}

TEST(SensitivityLabels, SpansCoverTheWindow) {
    const Sensitivity s = Window({1990, 5, 1, 6, 0, 0}, kIst, 30, {{-470, 4}, {587, 5}}, 3);
    const std::vector<SensitivitySpan> spans = SensitivitySpans(s, s.items[0]);
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_TRUE(spans[0].openStart);
    EXPECT_EQ(spans[0].first, -1800);
    EXPECT_EQ(spans[0].last, -471);
    EXPECT_EQ(spans[1].first, -470);
    EXPECT_EQ(spans[1].last, 586);
    EXPECT_EQ(spans[2].first, 587);
    EXPECT_EQ(spans[2].last, 1800);
    EXPECT_TRUE(spans[2].openEnd);
    EXPECT_EQ(GivenSpan(s, s.items[0]).value, 4);
    EXPECT_EQ(CrossingText(s, s.items[0], s.items[0].crossings[1]), "06:09:47  Leo \u2192 Virgo");
    EXPECT_EQ(SensitivityWindowText(s),
              "\u00B130 minutes: 05:30:00 to 06:30:00 on the zone's clock (UTC+05:30 at the given time)");
}

TEST(SensitivityLabels, Durations) {
    const std::pair<int, const char*> cases[] = {{0, "0 s"},         {45, "45 s"},
                                                 {470, "7 min 50 s"}, {3600, "1 h 0 min 0 s"},
                                                 {-7384, "2 h 3 min 4 s"}};
    for (const auto& [seconds, text] : cases) EXPECT_EQ(DurationText(seconds), text);
}

}  // namespace
}  // namespace velmora
